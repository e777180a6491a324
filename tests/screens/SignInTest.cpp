#include "model/UserInfo.h"
#include "screens/ScreenTest.h"
#include "screens/account/OldUserLoginViewController.h"
#include "screens/account/SplashViewController.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/RecordingAlertPresenter.h"

namespace {

const QString kPhone = QStringLiteral("13812345678");

class SignInTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        LogicManager::sharedInstance().setRootViewContrllerWithNavigationBar(
            new OldUserLoginViewController);
    }
    void signIn(const QString& phone, const QString& password) {
        type(QStringLiteral("phoneNum"), phone);
        type(QStringLiteral("secretNum"), password);
        click(QStringLiteral("loginBtn"));
    }
    QPushButton* loginBtn() const { return child<QPushButton>(QStringLiteral("loginBtn")); }
    bool onTimeline() const { return screen() == &MainViewController::sharedInstance(); }
};

}  // namespace

TEST_F(SignInTest, InvalidInputIsReportedOneProblemAtATimeAndNeverSent) {
    struct Case {
        QString phone, password, alert;
    };
    for (const Case& c : {
             Case{"", "", "手机号码不能为空,请输入手机号码"},
             Case{"1381234", "123456", "手机号码格式不正确,请输入真实的手机号码"},
             Case{kPhone, "", "密码不能为空,请输入秘密"},
             Case{kPhone, "12345", "密码位数不对，请重新输入6位数字密码"},
         }) {
        LogicManager::sharedInstance().recordingAlertPresenter().clear();
        signIn(c.phone, c.password);
        EXPECT_EQ(alerts(), QStringList{c.alert}) << c.phone.toStdString();
    }
    EXPECT_EQ(events().count(QStringLiteral("login_id")), 4);
    settle();
    EXPECT_EQ(requestCount(), 0u);
}

TEST_F(SignInTest, SuccessJustBeforeTheTimeOutSwitchesToTheTimeline) {
    signIn(kPhone, QStringLiteral("123456"));
    ASSERT_TRUE(waitForRequests(1));
    Package sent = request(0);
    EXPECT_EQ(sent.getProtocalId(), 2u);
    sent.reset();
    EXPECT_EQ(sent.readSignedInt32(), 1);
    EXPECT_EQ(sent.readString(), kPhone.toStdString());
    EXPECT_EQ(sent.readString(), LogicManager::encodePasswordWithsha1("123456").toStdString());
    EXPECT_EQ(hudText(), QStringLiteral("登录中..."));
    EXPECT_FALSE(loginBtn()->isEnabled());

    advance(14);
    reply(request(0), [](Package& body) {
        body.appendInt32(0);
        body.appendInt64(42);
        body.appendString("key-42");
    });
    EXPECT_TRUE(loginBtn()->isEnabled());
    EXPECT_EQ(hudText(), QStringLiteral("登陆成功"));
    EXPECT_EQ(UserInfo::myselfInstance().userId, 42u);
    EXPECT_EQ(UserInfo::myselfInstance().userKey, QStringLiteral("key-42"));
    advance(0.5 + 0.31);
    EXPECT_TRUE(onTimeline());
    EXPECT_NE(window->rootWidget(), screen()) << "inside a navigation stack";
    advance(1);  // the 15 s timer passes without a trace
    EXPECT_TRUE(onTimeline());
    EXPECT_TRUE(alerts().isEmpty());
}

TEST_F(SignInTest, NoReplyReenablesTheButtonAfterFifteenSeconds) {
    signIn(kPhone, QStringLiteral("123456"));
    ASSERT_TRUE(waitForRequests(1));
    advance(14.9);
    EXPECT_FALSE(loginBtn()->isEnabled());
    advance(0.1);
    EXPECT_TRUE(loginBtn()->isEnabled());
    EXPECT_EQ(hudText(), QStringLiteral("登陆超时，请重新登陆"));
    advance(0.5 + 0.31);
    EXPECT_EQ(hudText(), QString());
}

TEST_F(SignInTest, FailuresSayLoginFailedAndOnlyAWrongPasswordAlerts) {
    for (const auto& [result, alert] :
         {std::pair{-1, QStringList{QStringLiteral("密码错误")}}, std::pair{-2, QStringList{}},
          std::pair{-3, QStringList{}}}) {
        LogicManager::sharedInstance().recordingAlertPresenter().clear();
        server().clearRequests();
        signIn(kPhone, QStringLiteral("123456"));
        ASSERT_TRUE(waitForRequests(1));
        reply(request(0),
              [result](Package& body) { body.appendInt32(static_cast<uint32_t>(result)); });
        EXPECT_EQ(hudText(), QStringLiteral("登陆失败")) << result;
        EXPECT_EQ(alerts(), alert) << result;
        EXPECT_TRUE(loginBtn()->isEnabled());
        advance(1.0 + 0.31);
        EXPECT_EQ(hudText(), QString());
    }
    EXPECT_EQ(UserInfo::myselfInstance().userId, 0u);
}

TEST_F(SignInTest, BackGoesToTheOneSplashInstance) {
    auto* back = window->findChild<QPushButton*>(QStringLiteral("backButton"));
    ASSERT_NE(back, nullptr) << "in the navigation bar";
    back->click();
    flushDeletes();
    EXPECT_EQ(screen(), &SplashViewController::sharedInstance());
    EXPECT_EQ(window->rootWidget(), screen());
}
