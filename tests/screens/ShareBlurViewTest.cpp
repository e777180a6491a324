#include <QLabel>
#include <QPointer>
#include <QTest>

#include "net/ServerConfig.h"
#include "panels/AllowToVisitPhoneBookView.h"
#include "panels/CellShareView.h"
#include "panels/InviteFriends.h"
#include "panels/ShareBlurView.h"
#include "platform/WXApi.h"
#include "platform/WeiboSDK.h"
#include "screens/ScreenTest.h"

namespace {

QImage picture() {
    QImage image(320, 568, QImage::Format_RGB32);
    image.fill(QColor(0x33, 0x99, 0xCC));
    return image;
}

// A stand-in for the panels other screens own, so their placement can be checked here.
class StandInPanel : public QWidget {
    Q_OBJECT
  public:
    explicit StandInPanel(QWidget* parent) : QWidget(parent) { resize(320, 300); }
    Q_INVOKABLE void setFeedId(quint64 id) { received = id; }
    Q_INVOKABLE void logoutViewShow() { shown = true; }
    quint64 received = 0;
    bool shown = false;
};

class ShareBlurViewTest : public ScreenTest {
  protected:
    void TearDown() override {
        for (int type : {2, 3, 4, 6, 8, 10})
            ShareBlurView::setPanelFactory(type, nullptr);
        ScreenTest::TearDown();
    }
    static void useStandIn(int type) {
        ShareBlurView::setPanelFactory(type, [](ShareBlurView* o) { return new StandInPanel(o); });
    }
    void tapDarkArea(ShareBlurView* overlay) {
        QTest::mouseClick(overlay, Qt::LeftButton, {}, QPoint(5, 560));
    }
};

}  // namespace

TEST_F(ShareBlurViewTest, TappingTheDarkAreaOfACellShareClosesItInHalfASecond) {
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kCellShare);
    ASSERT_NE(overlay->cellShare(), nullptr);
    EXPECT_EQ(overlay->geometry(), window->rect());
    EXPECT_NE(overlay->findChild<QWidget*>(QStringLiteral("dimView")), nullptr);
    advance(0.4);  // the bounce is over
    const QRect panel = overlay->cellShare()->geometry();
    EXPECT_EQ(panel.center(), overlay->rect().center());

    tapDarkArea(overlay);
    tapDarkArea(overlay);  // a second tap while it goes changes nothing
    EXPECT_EQ(events().count(QStringLiteral("share_dialog_close")), 1);
    advance(0.49);
    EXPECT_FALSE(overlay.isNull());
    advance(0.02);
    EXPECT_TRUE(overlay.isNull());
}

TEST_F(ShareBlurViewTest, TapsOnThePanelItselfDoNotDismiss) {
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kCellShare);
    advance(0.4);
    QTest::mouseClick(overlay, Qt::LeftButton, {}, overlay->cellShare()->geometry().center());
    advance(1);
    EXPECT_FALSE(overlay.isNull());
}

TEST_F(ShareBlurViewTest, CellShareButtonsRunTheirCallbacksWhenSet) {
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kCellShare);
    CellShareView* panel = overlay->cellShare();
    QStringList ran;
    panel->handleWechat = [&] { ran << "wechat"; };
    panel->handleWeibo = [&] { ran << "weibo"; };
    for (const char* name : {"wechatBtn", "weChatCircleBtn", "weiboBtn", "messageBtn"})
        panel->findChild<QPushButton*>(QLatin1String(name))->click();
    EXPECT_EQ(ran, (QStringList{"wechat", "weibo"})) << "unset callbacks do nothing";

    panel->findChild<QPushButton*>(QStringLiteral("closeBtn"))->click();
    EXPECT_EQ(events().count(QStringLiteral("share_dialog_close")), 1);
    advance(0.51);
    EXPECT_TRUE(overlay.isNull());
}

TEST_F(ShareBlurViewTest, InvitationsCarryTheTextsAndTheDownloadLink) {
    WXApi::clearSentRequests();
    WeiboSDK::clearSentRequests();
    WeiboSDK::setWeiboAppInstalled(true);
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kInviteFriends);
    InviteFriends* panel = overlay->inviteNavSetting();
    ASSERT_NE(panel, nullptr);
    panel->findChild<QPushButton*>(QStringLiteral("inviteWeChatBtn"))->click();
    panel->findChild<QPushButton*>(QStringLiteral("inviteCircleBtn"))->click();
    panel->findChild<QPushButton*>(QStringLiteral("inviteWeiboBtn"))->click();
    WeiboSDK::setWeiboAppInstalled(false);

    const QString link = ServerConfig::current().storePageUrl();
    ASSERT_EQ(WXApi::sentRequests().size(), 2u);
    for (int scene : {0, 1}) {
        const SendMessageToWXReq& sent = WXApi::sentRequests()[static_cast<std::size_t>(scene)];
        EXPECT_EQ(sent.scene, scene);
        EXPECT_EQ(sent.message.title, InviteFriends::kWechatTitle);
        EXPECT_EQ(sent.message.description, InviteFriends::kWechatDescription + link);
        EXPECT_EQ(sent.message.mediaObject.url, link);
    }
    ASSERT_EQ(WeiboSDK::sentRequests().size(), 1u);
    EXPECT_EQ(WeiboSDK::sentRequests()[0].title, QStringLiteral("星笺"));
    EXPECT_EQ(WeiboSDK::sentRequests()[0].description, InviteFriends::kWeiboText);
    EXPECT_EQ(events(), (QStringList{"share_weixin", "share_friend_circle", "share_weibo"}));
}

TEST_F(ShareBlurViewTest, InvitationMessageAndClose) {
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kInviteFriends);
    overlay->inviteNavSetting()
        ->findChild<QPushButton*>(QStringLiteral("inviteMessageBtn"))
        ->click();
    EXPECT_EQ(events(), QStringList{"share_message"}) << "without a callback only the event";
    int messages = 0;
    overlay->inviteNavSetting()->handleInviteFriendMessageBlock = [&] { ++messages; };
    overlay->inviteNavSetting()
        ->findChild<QPushButton*>(QStringLiteral("inviteMessageBtn"))
        ->click();
    EXPECT_EQ(messages, 1);

    overlay->inviteNavSetting()->findChild<QPushButton*>(QStringLiteral("btnClose"))->click();
    flushDeletes();
    EXPECT_TRUE(overlay.isNull()) << "at once, without a fade";
    EXPECT_EQ(events().last(), QStringLiteral("share_dialog_close"));
}

TEST_F(ShareBlurViewTest, WithoutAPictureTheOverlayIsBlackAndEmpty) {
    QTest::ignoreMessage(QtWarningMsg, "shotImage error");
    QPointer<ShareBlurView> overlay = ShareBlurView::show(QImage(), ShareBlurView::kCellShare);
    EXPECT_EQ(overlay->panel(), nullptr);
    EXPECT_EQ(overlay->findChild<QWidget*>(QStringLiteral("dimView")), nullptr);
    EXPECT_TRUE(overlay->isVisible());

    QTest::ignoreMessage(QtWarningMsg, "shotImage error");
    auto* direct = new ShareBlurView(window->rect(), window.get());
    direct->shareBlurWithImage(QImage(), ShareBlurView::kInviteFriends);
    EXPECT_NE(direct->inviteNavSetting(), nullptr) << "the panel shows over black";
}

TEST_F(ShareBlurViewTest, AddressBookPanelFadesAwayOnATapOrItsButton) {
    for (bool byButton : {false, true}) {
        QPointer<ShareBlurView> overlay =
            ShareBlurView::show(picture(), ShareBlurView::kAllowPhoneBook);
        AllowToVisitPhoneBookView* panel = overlay->allowPhoneBook();
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->geometry().center(), overlay->rect().center());
        auto* title = panel->findChild<QLabel*>(QStringLiteral("titleLabel"));
        EXPECT_TRUE(title->font().bold());
        EXPECT_EQ(title->font().pixelSize(), 18);
        if (byButton) {
            panel->findChild<QPushButton*>(QStringLiteral("okBtn"))->click();
            advance(0.5);
            EXPECT_TRUE(overlay.isNull() || panel->y() == AllowToVisitPhoneBookView::kClosedY);
        } else {
            tapDarkArea(overlay);
        }
        advance(0.51);
        EXPECT_TRUE(overlay.isNull());
    }
}

TEST_F(ShareBlurViewTest, TipsSwitchTapsOffAndFollowTheirHeight) {
    useStandIn(ShareBlurView::kTips);
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kTips);
    overlay->setTipsHeight(200);
    EXPECT_EQ(overlay->panel()->pos(), QPoint(0, 200));
    tapDarkArea(overlay);
    advance(1);
    EXPECT_FALSE(overlay.isNull());
    EXPECT_FALSE(overlay->tapsEnabled());
}

TEST_F(ShareBlurViewTest, PanelsArePlacedByType) {
    struct Case {
        int type;
        QRect frame;  // after the appearance has settled
        bool closeButton;
    };
    for (const Case& c :
         {Case{3, QRect(15, 190, 290, 195), false}, Case{4, QRect(0, 80, 320, 300), true},
          Case{6, QRect(0, 120, 320, 300), true},
          Case{8, QRect(15, (568 - 180) / 2, 290, 180), false}}) {
        useStandIn(c.type);
        QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), c.type);
        advance(3);
        EXPECT_EQ(overlay->panel()->geometry(), c.frame) << c.type;
        EXPECT_EQ(overlay->findChild<QPushButton*>(QStringLiteral("closeButton")) != nullptr,
                  c.closeButton)
            << c.type;
        if (c.type == 6) {
            EXPECT_EQ(overlay->findChild<QLabel*>(QStringLiteral("reportTitle"))->text(),
                      QStringLiteral("选择[举报]理由?"));
        }
        if (c.type == 8) {
            EXPECT_TRUE(static_cast<StandInPanel*>(overlay->panel())->shown);
        }
        overlay->tapAction();
        advance(0.51);
        EXPECT_TRUE(overlay.isNull()) << c.type;
    }
}

TEST_F(ShareBlurViewTest, SpringPanelsStartThreeHundredPointsAway) {
    useStandIn(ShareBlurView::kMainAgainst);
    QPointer<ShareBlurView> overlay = ShareBlurView::show(picture(), ShareBlurView::kMainAgainst);
    const int settledX = (320 - 320) / 2;
    EXPECT_EQ(overlay->panel()->x(), settledX + 300);
    advance(3);
    EXPECT_EQ(overlay->panel()->x(), settledX);
}

TEST_F(ShareBlurViewTest, FeedIdReachesTheActionsPanelOnlyWhenItExists) {
    auto* empty = new ShareBlurView(window->rect(), window.get());
    empty->shareBlurWithImage(picture(), 99);
    empty->setFeedId(7);
    EXPECT_EQ(empty->feedId(), 7u);
    EXPECT_EQ(empty->panel(), nullptr);

    useStandIn(ShareBlurView::kMainAgainst);
    ShareBlurView* overlay = ShareBlurView::show(picture(), ShareBlurView::kMainAgainst);
    overlay->setFeedId(123);
    EXPECT_EQ(static_cast<StandInPanel*>(overlay->panel())->received, 123u);
}

#include "ShareBlurViewTest.moc"
