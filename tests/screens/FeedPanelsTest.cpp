#include <QLabel>
#include <QPointer>

#include "model/UserInfo.h"
#include "net/ServerConfig.h"
#include "panels/CellShareView.h"
#include "panels/InviteFriends.h"
#include "panels/MainAgainstView.h"
#include "panels/ReportReasonView.h"
#include "panels/ShareBlurView.h"
#include "panels/Tips.h"
#include "platform/WXApi.h"
#include "platform/WeiboSDK.h"
#include "screens/ScreenTest.h"
#include "screens/feed/MainViewCell.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/Fonts.h"
#include "toolkit/MessageComposeViewController.h"
#include "toolkit/NavigationController.h"
#include "toolkit/TableView.h"

namespace {

// The timeline with secrets 1 and 2 (2 on top).
class FeedPanelsTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        UserInfo& myself = UserInfo::myselfInstance();
        myself.userId = 7;
        myself.userKey = QStringLiteral("k7");
        myself.synchronize();
        for (uint64_t id : {1u, 2u}) {
            Feed feed;
            feed.DBUid = 7;
            feed.feedId = id;
            feed.contentStr = QStringLiteral("秘密%1").arg(id);
            feed.imageStr = QStringLiteral("img_secretCell_background_1");
            feed.synchronize();
        }
        MainViewController::showAsRoot();
        main().fetchFeedsDataFromDB();
        removeOverlays(main().feedTableView());
        settle();
        server().clearRequests();
    }
    MainViewController& main() { return MainViewController::sharedInstance(); }
    MainViewCell* row(int section) {
        TableView* table = main().feedTableView();
        table->scrollToRowAtIndexPath({section, 0});
        auto* cell = qobject_cast<MainViewCell*>(table->cellForRowAtIndexPath({section, 0}));
        EXPECT_NE(cell, nullptr) << "section " << section;
        return cell;
    }
    static ShareBlurView* overlayOn(MainViewCell* cell) {
        return cell->contentView()->findChild<ShareBlurView*>(QString(),
                                                              Qt::FindDirectChildrenOnly);
    }
    static void press(QWidget* panel, const char* name) {
        panel->findChild<QPushButton*>(QLatin1String(name))->click();
    }
};

uint64_t feedIdOf(Package request) {
    request.reset();
    request.readInt64();
    request.readString();
    return request.readInt64();
}

}  // namespace

TEST_F(FeedPanelsTest, ShareHandlersSendTheSecretWithTheirOwnTitles) {
    WXApi::clearSentRequests();
    WeiboSDK::clearSentRequests();
    WeiboSDK::setWeiboAppInstalled(true);
    MainViewCell* cell = row(0);
    cell->findChild<QPushButton*>(QStringLiteral("cellShareBtn"))->click();
    ShareBlurView* overlay = overlayOn(cell);
    ASSERT_NE(overlay, nullptr);
    ASSERT_NE(overlay->cellShare(), nullptr);
    EXPECT_EQ(overlay->geometry(), QRect(0, 0, 320, 320));
    for (const char* name : {"wechatBtn", "weChatCircleBtn", "weiboBtn"})
        press(overlay->cellShare(), name);
    WeiboSDK::setWeiboAppInstalled(false);

    const QString link = LogicManager::shareLink(1, 2, QStringLiteral("wx"));
    ASSERT_EQ(WXApi::sentRequests().size(), 2u);
    const SendMessageToWXReq& chat = WXApi::sentRequests()[0];
    EXPECT_EQ(chat.scene, 0);
    EXPECT_EQ(chat.message.title, QStringLiteral("来自星笺的分享"));
    EXPECT_EQ(chat.message.description, QStringLiteral("秘密2"));
    EXPECT_EQ(chat.message.mediaObject.url, link);
    const SendMessageToWXReq& circle = WXApi::sentRequests()[1];
    EXPECT_EQ(circle.scene, 1);
    EXPECT_EQ(circle.message.title, QStringLiteral("秘密2")) << "title and description swapped";
    EXPECT_EQ(circle.message.description, QStringLiteral("来自星笺的分享"));
    ASSERT_EQ(WeiboSDK::sentRequests().size(), 1u);
    EXPECT_EQ(WeiboSDK::sentRequests()[0].title, QStringLiteral("来自星笺的分享"));
    EXPECT_EQ(WeiboSDK::sentRequests()[0].webpageUrl, LogicManager::shareLink(1, 2, "wb"));
    EXPECT_EQ(events(),
              (QStringList{"share", "share_weixin", "share_friend_circle", "share_weibo"}));
}

TEST_F(FeedPanelsTest, ShareByTextMessageOpensTheComposerWithTheSecretAndTheLink) {
    MainViewCell* cell = row(0);
    cell->findChild<QPushButton*>(QStringLiteral("cellShareBtn"))->click();
    MessageComposeViewController::setCanSendText(false);
    press(overlayOn(cell)->cellShare(), "messageBtn");
    EXPECT_EQ(main().messageCtl(), nullptr) << "a device without text messages does nothing";
    MessageComposeViewController::setCanSendText(true);
    press(overlayOn(cell)->cellShare(), "messageBtn");
    ASSERT_NE(main().messageCtl(), nullptr);
    EXPECT_EQ(main().messageCtl()->body(), QStringLiteral("秘密2,快来分享星笺间的秘密。猛戳下载:") +
                                               ServerConfig::current().storePageUrl());
    EXPECT_TRUE(main().messageCtl()->recipients().isEmpty());
    main().messageCtl()->cancel();
    advance(0.4);
    EXPECT_EQ(main().presentedViewController(), nullptr) << "dismissed whatever the result";
}

TEST_F(FeedPanelsTest, CollectSendsTheSecretAndSaysSoOnSuccess) {
    MainViewCell* cell = row(1);
    cell->findChild<QPushButton*>(QStringLiteral("otherBtn"))->click();
    MainAgainstView* panel = overlayOn(cell)->mainAgainst();
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->feedId(), 1u);
    press(panel, "collectionBtn");
    const Package collect = waitForRequest(2, 8);
    EXPECT_EQ(feedIdOf(collect), 1u);
    reply(collect, [](Package& body) { body.appendInt32(0); });
    EXPECT_EQ(alerts(), QStringList{"收藏成功"});
}

TEST_F(FeedPanelsTest, OneReasonIsReportedByEveryOpenPanel) {
    for (int section : {0, 1}) {
        MainViewCell* cell = row(section);
        cell->findChild<QPushButton*>(QStringLiteral("otherBtn"))->click();
    }
    press(overlayOn(row(0))->mainAgainst(), "againstBtn");
    QPointer<ShareBlurView> reasons;
    for (ShareBlurView* overlay : window->findChildren<ShareBlurView*>())
        if (overlay->reason()) reasons = overlay;
    ASSERT_FALSE(reasons.isNull());
    EXPECT_EQ(reasons->height(), window->height());
    const QString reason = ReportReasonView::reasons().at(1);
    reasons->reason()->findChild<QPushButton*>(QStringLiteral("reasonBtn1"))->click();
    ASSERT_TRUE(waitUntil([&] { return requestsFor(2, 9).size() == 2; }));
    std::set<uint64_t> reported;
    for (Package sent : requestsFor(2, 9)) {
        sent.reset();
        sent.readInt64();
        sent.readString();
        reported.insert(sent.readInt64());
        EXPECT_EQ(sent.readSignedInt32(), 0) << "unique code";
        EXPECT_EQ(sent.readString(), reason.toStdString());
    }
    EXPECT_EQ(reported, (std::set<uint64_t>{1, 2}));
    advance(0.99);
    EXPECT_FALSE(reasons.isNull());
    advance(0.02);
    EXPECT_TRUE(reasons.isNull());
    reply(requestsFor(2, 9)[0], [](Package& body) { body.appendInt32(0); });
    EXPECT_EQ(alerts(), QStringList{"举报成功"});
}

TEST_F(FeedPanelsTest, RemovingTakesTheRowAwayAtOnceUntilTheNextReload) {
    MainViewCell* cell = row(1);  // secret 1
    cell->findChild<QPushButton*>(QStringLiteral("otherBtn"))->click();
    press(overlayOn(cell)->mainAgainst(), "removeBtn");
    ASSERT_EQ(main().feedDataArray().size(), 1u);
    EXPECT_EQ(main().feedDataArray()[0]->feedId, 2u);
    EXPECT_EQ(feedIdOf(waitForRequest(2, 12)), 1u);
    reply(waitForRequest(2, 12), [](Package& body) { body.appendInt32(0); });
    EXPECT_EQ(alerts(), QStringList{"删除成功"});
    main().fetchFeedsDataFromDB();
    EXPECT_EQ(main().feedDataArray().size(), 2u) << "the stored copy comes back";
}

TEST(TipsLayout, KindsPlaceThePointerAndItsParts) {
    QWidget overlay;
    overlay.resize(320, 320);
    auto* tip = new Tips(&overlay);
    tip->move(0, 195);
    tip->customTipsViewWithPoint(QPoint(10, 65), 2, QStringLiteral("朋友圈"), QString(), {});
    const QSizeF word =
        LogicManager::calculateCGSizeWith(QStringLiteral("朋友圈"), 20, 90, getFontWith(false, 12));
    const QRect pointer = tip->frameInTip(tip->tipStandImage());
    EXPECT_EQ(pointer.topLeft(), QPoint(10, 65));
    EXPECT_EQ(pointer.width(), qRound(word.width()));
    EXPECT_LE(pointer.width(), 90);
    EXPECT_EQ(tip->frameInTip(tip->tipSubtitile()).topLeft(), QPoint(10, pointer.bottom() + 1));
    EXPECT_EQ(tip->tipSubtitile()->text(), QStringLiteral("朋友圈"));

    tip->customTipsViewWithPoint(QPoint(280, -15), 5, QString(), QStringLiteral("btn_cellShare_n"),
                                 QSize(44, 44));
    EXPECT_EQ(tip->frameInTip(tip->tipSubImage()), QRect(280, -15 - 33, 44, 44));
    EXPECT_FALSE(tip->tipSubtitile()->isVisibleTo(&overlay));
    tip->move(0, 60);
    overlay.show();
    EXPECT_EQ(tip->tipSubImage()->geometry(), QRect(280, 60 - 48, 44, 44)) << "follows the tip";
}

TEST_F(FeedPanelsTest, CardsAndBarButtonsOpenTheirScreensAndOverlays) {
    main().feedTableView()->scrollToRowAtIndexPath({2, 0});
    TableViewCell* question = main().feedTableView()->cellForRowAtIndexPath({2, 0});
    ASSERT_NE(question, nullptr);
    question->findChild<QPushButton*>(QStringLiteral("btnFriendAnswer"))->click();
    ShareBlurView* invitation = nullptr;
    for (ShareBlurView* overlay : window->findChildren<ShareBlurView*>())
        if (overlay->inviteNavSetting()) invitation = overlay;
    ASSERT_NE(invitation, nullptr);
    EXPECT_EQ(invitation->geometry(), window->rect()) << "over the whole window";
    EXPECT_TRUE(static_cast<bool>(invitation->inviteNavSetting()->handleInviteFriendMessageBlock));
    invitation->inviteNavSetting()->handleInviteFriendMessageBlock();
    ASSERT_NE(main().messageCtl(), nullptr);
    EXPECT_TRUE(main().messageCtl()->body().endsWith(ServerConfig::current().storePageUrl()));
    EXPECT_TRUE(main().messageCtl()->body().startsWith(QStringLiteral("和我一起玩「星笺」吧！")));
    main().messageCtl()->cancel();
    invitation->removeFromSuperview();
    advance(0.4);
    EXPECT_EQ(events(), (QStringList{"share", "invite_friends"}));

    question->findChild<QPushButton*>(QStringLiteral("btnPublishSecret"))->click();
    advance(0.4);
    EXPECT_STREQ(screen()->metaObject()->className(), "PublishSecretViewController");
    screen()->navigationController()->popViewControllerAnimated(false);
    window->findChild<QPushButton*>(QStringLiteral("leftBarBtn"))->click();
    advance(0.4);
    EXPECT_STREQ(screen()->metaObject()->className(), "MessageViewController");
    EXPECT_EQ(events().last(), QStringLiteral("menu_click"));
    screen()->navigationController()->popViewControllerAnimated(false);
    window->findChild<QPushButton*>(QStringLiteral("rightBarBtn"))->click();
    advance(0.4);
    EXPECT_STREQ(screen()->metaObject()->className(), "PublishSecretViewController");
    screen()->navigationController()->popViewControllerAnimated(false);
    MainViewCell* cell = row(0);
    cell->findChild<QPushButton*>(QStringLiteral("commentbtn"))->click();
    advance(0.4);
    EXPECT_STREQ(screen()->metaObject()->className(), "DetailSecretViewController");
}

TEST_F(FeedPanelsTest, ThePhoneBookCardAsksOverTheWholeScreen) {
    LogicManager::sharedInstance().setPersistenceData(2, SettingsKeys::PhoneBook);
    main().feedTableView()->reloadData();
    ASSERT_EQ(main().feedTableView()->numberOfSections(), 5);
    main().feedTableView()->scrollToRowAtIndexPath({4, 0});
    TableViewCell* card = main().feedTableView()->cellForRowAtIndexPath({4, 0});
    ASSERT_NE(card, nullptr);
    card->findChild<QPushButton*>(QStringLiteral("handleBtn"))->click();
    ShareBlurView* ask = nullptr;
    for (ShareBlurView* overlay : window->findChildren<ShareBlurView*>())
        if (overlay->allowPhoneBook()) ask = overlay;
    ASSERT_NE(ask, nullptr);
    EXPECT_EQ(ask->size(), window->size());
}

TEST(TipsLayout, TheOtherKinds) {
    QWidget overlay;
    auto* tip = new Tips(&overlay);
    tip->customTipsViewWithPoint(QPoint(270, 65), 0, QString(), QStringLiteral("btn_support_yes"),
                                 QSize(20, 20));
    const QRect pointer = tip->frameInTip(tip->tipStandImage());
    EXPECT_EQ(tip->frameInTip(tip->tipSubImage()),
              QRect(pointer.left() + 8, pointer.bottom() + 1, 20, 20));
    tip->customTipsViewWithPoint(QPoint(40, 10), 4, QString(), QString(), {});
    EXPECT_EQ(tip->frameInTip(tip->tipStandImage()).width(), 160);
    EXPECT_FALSE(tip->tipSubImage()->isVisibleTo(&overlay));
    tip->setContentStr(QStringLiteral("左右滑动"));
    EXPECT_EQ(tip->findChild<QLabel*>(QStringLiteral("contentLabel"))->text(),
              QStringLiteral("左右滑动"));
    int confirmed = 0;
    tip->handleTipsOKBtnActionBlock = [&] { ++confirmed; };
    tip->findChild<QPushButton*>(QStringLiteral("okBtn"))->click();
    EXPECT_EQ(confirmed, 1);
}
