#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QPointer>
#include <QUrlQuery>

#include "core/MainQueue.h"
#include "platform/UrlOpener.h"
#include "toolkit/MessageComposeViewController.h"
#include "toolkit/NavigationController.h"

namespace {

class MessageComposerTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        window.resize(320, 568);
        window.show();
        screen = new ViewController(&window);
        screen->setGeometry(window.rect());
        UrlOpener::clearOpenedUrls();
        UrlOpener::setHandler([](const QUrl&) { return true; });
    }
    void TearDown() override { UrlOpener::setHandler(nullptr); }
    QWidget window;
    ViewController* screen = nullptr;
};

}  // namespace

TEST_F(MessageComposerTest, PresentedComposerSendsAnSmsLinkAndIsDismissed) {
    auto* composer = new MessageComposeViewController;
    composer->setBody(QStringLiteral("和我一起玩「星笺」吧！猛戳下载:http://x/download?a=1&b=2"));
    std::vector<MessageComposeViewController::Result> results;
    composer->messageComposeDelegate = [&](MessageComposeViewController& c, auto result) {
        results.push_back(result);
        c.dismissViewControllerAnimated(true);
    };
    screen->presentViewController(composer, true);
    ASSERT_EQ(screen->presentedViewController(), composer);
    QPointer<NavigationController> stack = composer->navigationController();
    ASSERT_NE(stack, nullptr) << "with its own navigation bar";
    EXPECT_EQ(stack->y(), 568);
    MainQueue::shared().advance(0.35);
    EXPECT_EQ(stack->geometry(), window.rect());

    composer->send();
    ASSERT_EQ(results.size(), 1u);
    EXPECT_EQ(results[0], MessageComposeViewController::Result::Sent);
    ASSERT_EQ(UrlOpener::openedUrls().size(), 1u);
    const QUrl sms = UrlOpener::openedUrls()[0];
    EXPECT_EQ(sms.scheme(), QStringLiteral("sms"));
    EXPECT_EQ(QUrlQuery(sms).queryItemValue(QStringLiteral("body"), QUrl::FullyDecoded),
              QStringLiteral("和我一起玩「星笺」吧！猛戳下载:http://x/download?a=1&b=2"))
        << "the body survives the link whole";
    MainQueue::shared().advance(0.36);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(stack.isNull());
    EXPECT_EQ(screen->presentedViewController(), nullptr);
}

TEST_F(MessageComposerTest, CancelAndFailureReachTheDelegate) {
    std::vector<MessageComposeViewController::Result> results;
    auto record = [&](MessageComposeViewController& c, auto result) {
        results.push_back(result);
        c.dismissViewControllerAnimated(false);
    };
    auto* first = new MessageComposeViewController;
    first->messageComposeDelegate = record;
    screen->presentViewController(first, false);
    first->cancel();
    UrlOpener::setHandler([](const QUrl&) { return false; });
    auto* second = new MessageComposeViewController;
    second->messageComposeDelegate = record;
    screen->presentViewController(second, false);
    second->setRecipients({QStringLiteral("13800138000")});
    second->send();
    EXPECT_EQ(results, (std::vector{MessageComposeViewController::Result::Cancelled,
                                    MessageComposeViewController::Result::Failed}));
    EXPECT_EQ(UrlOpener::openedUrls().back().path(), QStringLiteral("13800138000"));
}
