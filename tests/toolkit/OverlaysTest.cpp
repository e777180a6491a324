#include <gtest/gtest.h>
#include <QPushButton>
#include <QTest>

#include "core/MainQueue.h"
#include "services/LogicManager.h"
#include "toolkit/AlertView.h"
#include "toolkit/ProgressHud.h"
#include "toolkit/WidgetAlertPresenter.h"

namespace {

class OverlaysTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        window.resize(320, 568);
        window.show();
    }
    QWidget window;
};

}  // namespace

TEST_F(OverlaysTest, HubAlertsShowOverTheWindowOneOnTopOfTheOther) {
    WidgetAlertPresenter presenter(&window);
    LogicManager& hub = LogicManager::sharedInstance();
    hub.setAlertPresenter(&presenter);
    EXPECT_FALSE(hub.handleSocketResult(static_cast<uint32_t>(-1), 2));
    hub.showAlertWithTitle(QStringLiteral("请求异常"), QStringLiteral("网络错误"),
                           QStringLiteral("确定"));
    hub.setAlertPresenter(nullptr);

    AlertView* top = presenter.currentAlert();
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(top->title(), QStringLiteral("请求异常"));
    EXPECT_EQ(top->message(), QStringLiteral("网络错误"));
    EXPECT_EQ(top->geometry(), window.rect()) << "covers the window: nothing below takes a tap";
    QTest::mouseClick(top->findChild<QPushButton*>(QStringLiteral("alertAction")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    AlertView* next = presenter.currentAlert();
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(next->message(), QStringLiteral("密码错误"));
    EXPECT_EQ(next->actionText(), QStringLiteral("确定"));
    EXPECT_TRUE(next->title().isEmpty());
    next->dismiss();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(presenter.currentAlert(), nullptr);
}

TEST_F(OverlaysTest, HudHidesAfterItsDelayThenRunsTheCompletion) {
    ProgressHud hud(&window);
    hud.setMode(ProgressHud::Mode::Text);
    hud.setLabelText(QStringLiteral("发送秘密成功"));
    hud.show(true);
    EXPECT_TRUE(hud.isVisible());
    int completions = 0;
    hud.hide(true, 1.0, [&] { ++completions; });
    MainQueue::shared().advance(0.99);
    EXPECT_TRUE(hud.isShowing());
    MainQueue::shared().advance(0.02);
    EXPECT_FALSE(hud.isShowing());
    EXPECT_TRUE(hud.isVisible()) << "still fading";
    EXPECT_EQ(completions, 0);
    MainQueue::shared().advance(ProgressHud::kFadeMillis / 1000.0 + 0.05);
    EXPECT_FALSE(hud.isVisible());
    EXPECT_EQ(completions, 1);
}

TEST_F(OverlaysTest, ShowingAgainCancelsAPendingHide) {
    ProgressHud hud(&window);
    hud.setLabelText(QStringLiteral("验证中..."));
    hud.show(false);
    int completions = 0;
    hud.hide(false, 1.5, [&] { ++completions; });
    MainQueue::shared().advance(1.0);
    hud.show(false);
    MainQueue::shared().advance(5.0);
    EXPECT_TRUE(hud.isVisible());
    hud.hide(false);
    EXPECT_FALSE(hud.isVisible());
    EXPECT_EQ(completions, 1) << "the completion belongs to the hide that happened";
}
