#include <QTextBrowser>

#include "model/UserInfo.h"
#include "screens/ScreenTest.h"
#include "screens/account/AgreementViewController.h"
#include "screens/account/ChangepwViewController.h"
#include "screens/account/FrequentQuestionViewController.h"
#include "screens/account/SuggestViewController.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "toolkit/NavigationController.h"

namespace {

// A signed-in user on the timeline with one screen pushed over it.
class AccountMaintenanceTest : public ScreenTest {
  protected:
    void push(ViewController* pushed) {
        UserInfo& myself = UserInfo::myselfInstance();
        myself.userId = 9;
        myself.userKey = QStringLiteral("old-key");
        myself.synchronize();
        MainViewController::showAsRoot();
        // The timeline asks for its lists and cards; this test is about the screen on top.
        settle();
        server().clearRequests();
        stack()->pushViewController(pushed, false);
        ASSERT_EQ(screen(), pushed);
    }
    NavigationController* stack() const { return screen()->navigationController(); }
    bool popped() const { return screen() == &MainViewController::sharedInstance(); }
    void fillPasswords(const QString& current, const QString& fresh, const QString& again) {
        type(QStringLiteral("currentPWtextFiled"), current);
        type(QStringLiteral("newPWTextField"), fresh);
        type(QStringLiteral("againPWTextFiled"), again);
        click(QStringLiteral("changeBtn"));
    }
};

}  // namespace

TEST_F(AccountMaintenanceTest, PasswordChangeReportsEveryBadFieldAndSendsNothing) {
    push(new ChangepwViewController);
    struct Case {
        QString current, fresh, again;
        QStringList alerts;
    };
    for (const Case& c : {
             Case{"", "", "", {"密码不能空", "密码不能空", "密码不能空", "两次输入密码不同"}},
             Case{"12345", "654321", "654321", {"密码位数不对"}},
             Case{"123456", "654321", "654320", {"两次输入密码不同"}},
             Case{"123456", "65432", "65432", {"密码位数不对", "密码位数不对", "两次输入密码不同"}},
         }) {
        LogicManager::sharedInstance().recordingAlertPresenter().clear();
        fillPasswords(c.current, c.fresh, c.again);
        EXPECT_EQ(alerts(), c.alerts) << c.current.toStdString() << "/" << c.fresh.toStdString();
    }
    settle();
    EXPECT_EQ(requestCount(), 0u);
}

TEST_F(AccountMaintenanceTest, SuccessfulChangeReplacesTheKeyAndGoesBack) {
    push(new ChangepwViewController);
    fillPasswords(QStringLiteral("123456"), QStringLiteral("654321"), QStringLiteral("654321"));
    ASSERT_TRUE(waitForRequests(1));
    Package sent = request(0);
    EXPECT_EQ(sent.getProtocalId(), 11u);
    sent.reset();
    EXPECT_EQ(sent.readInt64(), 9u);
    EXPECT_EQ(sent.readString(), "old-key");
    EXPECT_EQ(sent.readString(), LogicManager::encodePasswordWithsha1("123456").toStdString());
    EXPECT_EQ(sent.readString(), LogicManager::encodePasswordWithsha1("654321").toStdString());
    EXPECT_TRUE(events().contains(QStringLiteral("change_password_request")));

    reply(request(0), [](Package& body) {
        body.appendInt32(0);
        body.appendString("new-key");
    });
    EXPECT_EQ(hudText(), QStringLiteral("修改密码成功"));
    EXPECT_EQ(UserInfo::myselfInstance().userKey, QStringLiteral("new-key"));
    UserInfo::reloadMyselfInstance();
    EXPECT_EQ(UserInfo::myselfInstance().userKey, QStringLiteral("new-key")) << "saved";
    advance(1.0 + 0.31 + 0.35);
    EXPECT_TRUE(popped());
    EXPECT_TRUE(events().contains(QStringLiteral("change_password_close")));
}

TEST_F(AccountMaintenanceTest, PasswordChangeFailures) {
    push(new ChangepwViewController);
    for (const auto& [result, hud, alert] :
         {std::tuple{-1, QStringLiteral("旧密码不正确"), QStringList{}},
          std::tuple{-3, QString(), QStringList{QStringLiteral("授权过期，请重新登录")}},
          std::tuple{-2, QString(), QStringList{}}}) {
        LogicManager::sharedInstance().recordingAlertPresenter().clear();
        server().clearRequests();
        fillPasswords(QStringLiteral("123456"), QStringLiteral("654321"), QStringLiteral("654321"));
        ASSERT_TRUE(waitForRequests(1));
        reply(request(0),
              [result](Package& body) { body.appendInt32(static_cast<uint32_t>(result)); });
        EXPECT_EQ(hudText(), hud) << result;
        EXPECT_EQ(alerts(), alert) << result;
        advance(1.31);
        EXPECT_FALSE(popped());
        EXPECT_EQ(UserInfo::myselfInstance().userKey, QStringLiteral("old-key"));
    }
}

TEST_F(AccountMaintenanceTest, FeedbackSendsTheTextAndGoesBackOnSuccess) {
    push(new SuggestViewController);
    click(QStringLiteral("sendBtn"));
    settle();
    EXPECT_EQ(requestCount(), 0u) << "an empty field does nothing";
    EXPECT_FALSE(events().contains(QStringLiteral("feed_back_request")));

    type(QStringLiteral("suggestField"), QStringLiteral("多一些背景"));
    click(QStringLiteral("sendBtn"));
    ASSERT_TRUE(waitForRequests(1));
    Package sent = request(0);
    sent.reset();
    sent.readInt64();
    sent.readString();
    EXPECT_EQ(sent.readString(), std::string("多一些背景"));
    reply(request(0), [](Package& body) { body.appendInt32(0); });
    EXPECT_EQ(hudText(), QStringLiteral("反馈成功，我们会尽快处理"));
    advance(1.0 + 0.31 + 0.35);
    EXPECT_TRUE(popped());
}

TEST_F(AccountMaintenanceTest, FeedbackWithAnExpiredKeyFlashesAndStays) {
    push(new SuggestViewController);
    type(QStringLiteral("suggestField"), QStringLiteral("你好"));
    click(QStringLiteral("sendBtn"));
    ASSERT_TRUE(waitForRequests(1));
    reply(request(0), [](Package& body) { body.appendInt32(static_cast<uint32_t>(-3)); });
    advance(1);
    EXPECT_EQ(hudText(), QString());
    EXPECT_FALSE(popped());
    EXPECT_TRUE(alerts().isEmpty());
}

TEST_F(AccountMaintenanceTest, HelpPagesShowTheirOwnHtml) {
    struct Case {
        ViewController* screen;
        QString browser, title, phrase;
    };
    for (const Case& c :
         {Case{new FrequentQuestionViewController, "frequentWeb", "常见问题", "为什么要读取通讯录"},
          Case{new AgreementViewController, "agreementWeb", "星笺用户协议", "内容规范"}}) {
        push(c.screen);
        auto* browser = child<QTextBrowser>(c.browser);
        ASSERT_NE(browser, nullptr);
        EXPECT_TRUE(browser->toPlainText().contains(c.phrase)) << c.browser.toStdString();
        EXPECT_FALSE(browser->openExternalLinks());
        EXPECT_FALSE(browser->openLinks());
        stack()->popViewControllerAnimated(false);
        flushDeletes();
    }
}
