#include <QLabel>

#include "model/UserInfo.h"
#include "platform/VCardAddressBook.h"
#include "screens/ScreenTest.h"
#include "screens/account/IdentifyViewController.h"
#include "screens/account/PhoneIntroViewController.h"
#include "screens/account/PhoneViewController.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/ActivityIndicator.h"
#include "toolkit/NavigationController.h"

namespace {

const QString kPhone = QStringLiteral("13812345678");

struct RegistFields {
    int32_t accountType;
    std::string number;
    int32_t step;
    std::string code;
    std::string password;
};

RegistFields readRegist(Package request) {
    request.reset();
    RegistFields fields;
    fields.accountType = request.readSignedInt32();
    fields.number = request.readString().value_or("?");
    fields.step = request.readSignedInt32();
    fields.code = request.readString().value_or("?");
    fields.password = request.readString().value_or("?");
    return fields;
}

class SignUpTest : public ScreenTest {
  protected:
    void openRegistration() {
        LogicManager::sharedInstance().setRootViewContrllerWithNavigationBar(
            new PhoneViewController);
        ASSERT_NE(qobject_cast<PhoneViewController*>(screen()), nullptr);
    }
    void openVerification() {
        openRegistration();
        type(QStringLiteral("inputPhone"), kPhone);
        type(QStringLiteral("secretTextField"), QStringLiteral("123456"));
        click(QStringLiteral("registerbtn"));
        advance(0.5);
        ASSERT_NE(qobject_cast<IdentifyViewController*>(screen()), nullptr);
        ASSERT_TRUE(waitForRequests(1));
        server().clearRequests();
    }
};

}  // namespace

TEST_F(SignUpTest, RegistrationValidatesNumberThenPasswordAndSendsNothingOnFailure) {
    struct Case {
        QString number, password, message;
    };
    for (const Case& c : {
             Case{"", "123456", "手机号码不能为空"},
             Case{"12345", "", "请输入真实手机号码"},
             Case{kPhone, "", "请输入密码"},
             Case{kPhone, "12345", "请输入6位密码"},
             Case{kPhone, "1234567", "请输入6位密码"},
         }) {
        openRegistration();
        type(QStringLiteral("inputPhone"), c.number);
        type(QStringLiteral("secretTextField"), c.password);
        click(QStringLiteral("registerbtn"));
        EXPECT_EQ(hudText(), c.message)
            << c.number.toStdString() << "/" << c.password.toStdString();
        advance(1.0 + 0.31);
        EXPECT_EQ(hudText(), QString()) << "the message goes after 1 s";
        EXPECT_NE(qobject_cast<PhoneViewController*>(screen()), nullptr);
    }
    settle();
    EXPECT_EQ(requestCount(), 0u);
    EXPECT_FALSE(events().contains(QStringLiteral("register")));
}

TEST_F(SignUpTest, JoinSendsStepOneAndMovesOnWithoutWaitingForTheServer) {
    openRegistration();
    type(QStringLiteral("inputPhone"), kPhone);
    type(QStringLiteral("secretTextField"), QStringLiteral("123456"));
    click(QStringLiteral("registerbtn"));
    ASSERT_TRUE(waitForRequests(1));
    const RegistFields step1 = readRegist(request(0));
    EXPECT_EQ(request(0).getProtocalId(), 1u);
    EXPECT_EQ(step1.accountType, 1);
    EXPECT_EQ(step1.number, kPhone.toStdString());
    EXPECT_EQ(step1.step, 1);
    EXPECT_EQ(step1.code, "");
    EXPECT_EQ(step1.password, LogicManager::encodePasswordWithsha1(kPhone).toStdString())
        << "the number stands in for the password";
    EXPECT_TRUE(events().contains(QStringLiteral("register")));

    advance(0.5);
    auto* identify = qobject_cast<IdentifyViewController*>(screen());
    ASSERT_NE(identify, nullptr);
    EXPECT_EQ(identify->phoneNum, kPhone);
    EXPECT_EQ(identify->password, QStringLiteral("123456"));
    EXPECT_EQ(child<QLabel>(QStringLiteral("phoneNumLabel"))->text(), kPhone);

    // A refused step 1 speaks through the hub's alert, over the verification screen.
    reply(request(0), [](Package& body) { body.appendInt32(static_cast<uint32_t>(-2)); });
    EXPECT_EQ(alerts(), QStringList{QStringLiteral("请求参数错误")});
    EXPECT_NE(qobject_cast<IdentifyViewController*>(screen()), nullptr);
}

TEST_F(SignUpTest, VerificationChecksTheCodeLength) {
    openVerification();
    for (const auto& [code, message] :
         {std::pair{QString(), QStringLiteral("验证码不能为空")},
          std::pair{QStringLiteral("123"), QStringLiteral("验证码位数不对")},
          std::pair{QStringLiteral("12345"), QStringLiteral("验证码位数不对")}}) {
        LogicManager::sharedInstance().recordingAlertPresenter().clear();
        type(QStringLiteral("identifyTextField"), code);
        click(QStringLiteral("identifyBtn"));
        EXPECT_EQ(alerts(), QStringList{message});
    }
    settle();
    EXPECT_EQ(requestCount(), 0u);
}

TEST_F(SignUpTest, VerificationTimesOutAfterTenSeconds) {
    openVerification();
    type(QStringLiteral("identifyTextField"), QStringLiteral("1234"));
    click(QStringLiteral("identifyBtn"));
    ASSERT_TRUE(waitForRequests(1));
    const RegistFields step2 = readRegist(request(0));
    EXPECT_EQ(step2.step, 2);
    EXPECT_EQ(step2.code, "1234");
    EXPECT_EQ(step2.password, LogicManager::encodePasswordWithsha1("123456").toStdString());
    EXPECT_TRUE(events().contains(QStringLiteral("ver_code")));
    auto* button = child<QPushButton>(QStringLiteral("identifyBtn"));
    EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(hudText(), QStringLiteral("验证中..."));

    advance(9.9);
    EXPECT_FALSE(button->isEnabled());
    advance(0.1);
    EXPECT_TRUE(button->isEnabled());
    EXPECT_EQ(hudText(), QStringLiteral("请重新输入验证码"));
    advance(1.5 + 0.31);
    EXPECT_EQ(hudText(), QString());
}

TEST_F(SignUpTest, WrongCodeLetsTheUserTryAgain) {
    openVerification();
    type(QStringLiteral("identifyTextField"), QStringLiteral("9999"));
    click(QStringLiteral("identifyBtn"));
    ASSERT_TRUE(waitForRequests(1));
    reply(request(0), [](Package& body) { body.appendInt32(static_cast<uint32_t>(-1)); });
    EXPECT_TRUE(child<QPushButton>(QStringLiteral("identifyBtn"))->isEnabled());
    EXPECT_EQ(hudText(), QStringLiteral("验证码错误"));
    EXPECT_EQ(UserInfo::myselfInstance().userId, 0u);
    EXPECT_TRUE(alerts().isEmpty());
}

TEST_F(SignUpTest, VerifiedUserIsStoredBeforeTheAddressBookScreenShows) {
    openVerification();
    type(QStringLiteral("identifyTextField"), QStringLiteral("1234"));
    click(QStringLiteral("identifyBtn"));
    ASSERT_TRUE(waitForRequests(1));
    reply(request(0), [](Package& body) {
        body.appendInt32(0);
        body.appendInt64(77);
        body.appendString("new-key");
    });
    EXPECT_EQ(hudText(), QStringLiteral("验证成功"));
    EXPECT_EQ(UserInfo::myselfInstance().userId, 77u);
    EXPECT_EQ(UserInfo::myselfInstance().userKey, QStringLiteral("new-key"));
    EXPECT_EQ(LogicManager::sharedInstance().getPersistenceStringWithKey(SettingsKeys::USERID),
              QStringLiteral("77"));
    EXPECT_NE(qobject_cast<IdentifyViewController*>(screen()), nullptr);

    advance(2.0 + 0.31);
    EXPECT_NE(qobject_cast<PhoneIntroViewController*>(screen()), nullptr);
    EXPECT_EQ(window->rootWidget(), screen()) << "without a navigation stack";
    // The time-out that was never cancelled has nothing left to speak through.
    advance(10);
    EXPECT_NE(qobject_cast<PhoneIntroViewController*>(screen()), nullptr);
}

namespace {

class AddressBookScreenTest : public ScreenTest {
  protected:
    PhoneIntroViewController* open() {
        UserInfo& myself = UserInfo::myselfInstance();
        myself.userId = 5;
        myself.userKey = QStringLiteral("k5");
        myself.synchronize();
        auto* intro = new PhoneIntroViewController;
        LogicManager::sharedInstance().setRootViewContrller(intro);
        return intro;
    }
    bool onTimeline() const { return screen() == &MainViewController::sharedInstance(); }
};

}  // namespace

TEST_F(AddressBookScreenTest, NoAddressBookRecordsTheRefusalAndOpensTheTimelineAtOnce) {
    open();
    click(QStringLiteral("phoneFriendsBtn"));
    flushDeletes();
    EXPECT_TRUE(onTimeline());
    EXPECT_EQ(LogicManager::sharedInstance().getPersistenceIntegerWithKey(SettingsKeys::PhoneBook),
              2);
    settle();
    EXPECT_TRUE(requestsFor(1, 12).empty()) << "no contact upload";
}

TEST_F(AddressBookScreenTest, UploadOpensTheTimelineOnSuccessAndAgainAfterFifteenSeconds) {
    LogicManager::sharedInstance().setAddressBook(
        std::make_unique<VCardAddressBook>(QStringLiteral(XJ_FIXTURES_DIR "/iphone-3.0.vcf")));
    PhoneIntroViewController* intro = open();
    click(QStringLiteral("phoneFriendsBtn"));
    EXPECT_EQ(intro->indicatorLabel()->text(), QStringLiteral("加载「星笺」中..."));
    EXPECT_TRUE(intro->indicator()->isAnimating());
    flushDeletes();
    EXPECT_EQ(child<QPushButton>(QStringLiteral("phoneFriendsBtn")), nullptr);
    ASSERT_TRUE(waitForRequests(1));
    Package upload = request(0);
    EXPECT_EQ(upload.getProtocalId(), 12u);
    upload.reset();
    EXPECT_EQ(upload.readInt64(), 5u);
    EXPECT_EQ(upload.readString(), "k5");
    const QVariant contacts = LogicManager::sharedInstance().jsonStringTOObject(
        QString::fromStdString(*upload.readString()));
    ASSERT_FALSE(contacts.toList().isEmpty());
    EXPECT_TRUE(contacts.toList().first().toMap().contains(QStringLiteral("phone")));

    advance(3);
    EXPECT_FALSE(onTimeline());
    reply(request(0), [](Package& body) { body.appendInt32(0); });
    flushDeletes();
    EXPECT_TRUE(onTimeline());
    // The timer was never stopped: at 15 s the timeline is made the root once more.
    QWidget* firstStack = window->rootWidget();
    advance(11.9);
    EXPECT_EQ(window->rootWidget(), firstStack);
    advance(0.2);
    EXPECT_TRUE(onTimeline());
    EXPECT_NE(window->rootWidget(), firstStack);
}

TEST_F(AddressBookScreenTest, FailedUploadStillOpensTheTimelineAfterFifteenSeconds) {
    LogicManager::sharedInstance().setAddressBook(
        std::make_unique<VCardAddressBook>(QStringLiteral(XJ_FIXTURES_DIR "/iphone-3.0.vcf")));
    open();
    click(QStringLiteral("phoneFriendsBtn"));
    ASSERT_TRUE(waitForRequests(1));
    reply(request(0), [](Package& body) { body.appendInt32(static_cast<uint32_t>(-3)); });
    advance(14.9);
    EXPECT_FALSE(onTimeline());
    advance(0.2);
    EXPECT_TRUE(onTimeline());
}

TEST_F(AddressBookScreenTest, RefusedAccessUploadsAnEmptyList) {
    LogicManager::sharedInstance().setAddressBook(std::make_unique<VCardAddressBook>(
        QStringLiteral(XJ_FIXTURES_DIR "/iphone-3.0.vcf"),
        [](std::function<void(bool)> answer) { answer(false); }));
    open();
    click(QStringLiteral("phoneFriendsBtn"));
    ASSERT_TRUE(waitForRequests(1));
    Package upload = request(0);
    upload.reset();
    upload.readInt64();
    upload.readString();
    const QVariant contacts = LogicManager::sharedInstance().jsonStringTOObject(
        QString::fromStdString(upload.readString().value_or("?")));
    EXPECT_TRUE(contacts.canConvert<QVariantList>() && contacts.toList().isEmpty());
}
