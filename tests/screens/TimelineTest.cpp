#include <QGraphicsOpacityEffect>
#include <QLabel>
#include <QTest>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "model/UserInfo.h"
#include "panels/InviteFriends.h"
#include "panels/ShareBlurView.h"
#include "panels/Tips.h"
#include "platform/VCardAddressBook.h"
#include "screens/ScreenTest.h"
#include "screens/feed/DetailSecretViewController.h"
#include "screens/feed/FriendNumsTableViewCell.h"
#include "screens/feed/MainViewCell.h"
#include "screens/feed/MainViewController.h"
#include "screens/feed/QuestionFeedTableViewCell.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/Images.h"
#include "toolkit/RefreshControl.h"
#include "toolkit/RemoteImageView.h"
#include "toolkit/TableView.h"

namespace {

constexpr uint64_t kUser = 7;

struct Stored {
    QString address = QStringLiteral("朋友圈");
    uint32_t likes = 0;
    int32_t likeState = 0;
    QString image = QStringLiteral("img_secretCell_background_3");
};

// The signed-in user's timeline over a fresh home.
class TimelineTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        UserInfo& myself = UserInfo::myselfInstance();
        myself.userId = kUser;
        myself.userKey = QStringLiteral("k7");
        myself.synchronize();
    }
    MainViewController& main() { return MainViewController::sharedInstance(); }
    // Secrets 1 … n in the cache (the highest id shows first).
    static void storeSecrets(int n, const Stored& how = {}) {
        for (int i = 1; i <= n; ++i) {
            Feed feed;
            feed.DBUid = kUser;
            feed.feedId = static_cast<uint64_t>(i);
            feed.contentStr = QStringLiteral("秘密 %1").arg(i);
            feed.imageStr = how.image;
            feed.addressStr = how.address;
            feed.likeNum = how.likes;
            feed.isOwnZanFeed = static_cast<uint32_t>(how.likeState);
            feed.synchronize();
        }
    }
    // Shows the timeline, then forgets the requests its appearance sent.
    void open() {
        MainViewController::showAsRoot();
        main().fetchFeedsDataFromDB();
        removeOverlays(main().feedTableView());
        settle();
        server().clearRequests();
    }
    TableViewCell* row(int section) {
        TableView* table = main().feedTableView();
        table->scrollToRowAtIndexPath({section, 0});
        return table->cellForRowAtIndexPath({section, 0});
    }
    MainViewCell* secretRow(int section) { return qobject_cast<MainViewCell*>(row(section)); }
    static ShareBlurView* overlayTagged(MainViewCell* cell, int tag) {
        for (ShareBlurView* overlay : cell->contentView()->findChildren<ShareBlurView*>())
            if (overlay->property("tag").toInt() == tag) return overlay;
        return nullptr;
    }
};

Package readBody(Package request) {
    request.reset();
    return request;
}

}  // namespace

TEST_F(TimelineTest, FirstRequestsAskForSevenDaysThenFollowTheStoredCursor) {
    MainViewController::showAsRoot();
    Package feeds = readBody(waitForRequest(2, 3));
    Package questions = readBody(waitForRequest(2, 15));
    const auto weekAgo = static_cast<uint32_t>(MainQueue::shared().currentTimeSeconds() - 604800);
    for (Package* request : {&feeds, &questions}) {
        EXPECT_EQ(request->readInt64(), kUser);
        EXPECT_EQ(request->readString(), "k7");
        EXPECT_EQ(request->readInt32(), weekAgo);
        EXPECT_EQ(request->readInt64(), 0u);
    }
    EXPECT_EQ(feeds.readSignedInt32(), 10);
    EXPECT_EQ(questions.readSignedInt32(), 5);
    LogicManager& hub = LogicManager::sharedInstance();
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(SettingsKeys::feedsFirstTime), 2)
        << "set when sent, before any reply";

    // A page of no secrets still stores its cursor.
    reply(waitForRequest(2, 3), [](Package& body) {
        body.appendInt32(0);
        body.appendInt64(0x8000000000000005ull);
        body.appendInt32(0);
    });
    server().clearRequests();
    main().sendPackForFeedsDataFromNetWork();
    Package next = readBody(waitForRequest(2, 3));
    next.readInt64();
    next.readString();
    EXPECT_EQ(next.readInt32(), 0u);
    EXPECT_EQ(next.readInt64(), 0x8000000000000005ull) << "at its full width";
}

TEST_F(TimelineTest, APageOfSecretsIsStoredAndShownNewestFirst) {
    open();
    EXPECT_EQ(main().feedTableView()->numberOfSections(), 2) << "the two cards";
    main().sendPackForFeedsDataFromNetWork();
    reply(waitForRequest(2, 3), [](Package& body) {
        body.appendInt32(0);
        body.appendInt64(40);
        body.appendInt32(2);
        for (uint64_t id : {30u, 31u}) {
            body.appendInt64(id);
            body.appendString(R"({"content":"新的秘密","img":"id:15"})");
            body.appendInt32(4);
            body.appendInt32(0);
            body.appendInt32(1);
            body.appendString("朋友的朋友");
        }
    });
    ASSERT_EQ(main().feedDataArray().size(), 2u);
    EXPECT_EQ(main().feedDataArray()[0]->feedId, 31u);
    MainViewCell* first = secretRow(0);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("contentLabel"))->text(),
              QStringLiteral("新的秘密"));
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("likeNumLabel"))->text(),
              QStringLiteral("4"));
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("commentNumLabel"))->text(),
              QStringLiteral("1"));
    EXPECT_EQ(first->findChild<QLabel*>(QStringLiteral("commitLabel"))->text(),
              QStringLiteral("朋友的朋友"));
    EXPECT_TRUE(main().feedDataArray()[0]->imageStr.startsWith(
        QStringLiteral("img_secretCell_background_")));
}

TEST_F(TimelineTest, AnExpiredKeyAlertsForEachListAndChangesNothing) {
    storeSecrets(2);
    open();
    main().sendPackForFeedsDataFromNetWork();
    main().sendPackForGuestQuestionDataFromNetWork();
    for (uint32_t protocol : {3u, 15u})
        reply(waitForRequest(2, protocol),
              [](Package& body) { body.appendInt32(static_cast<uint32_t>(-3)); });
    EXPECT_EQ(alerts(), (QStringList{"授权过期，请重新登录", "授权过期，请重新登录"}));
    EXPECT_EQ(main().feedDataArray().size(), 2u);
}

TEST_F(TimelineTest, PullingRefreshesBothListsAndTheSpinnerStopsWithinTenSeconds) {
    open();
    QWidget* viewport = main().feedTableView()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(160, 100));
    advance(0.05);
    QTest::mouseMove(viewport, QPoint(160, 200));
    advance(0.05);
    QTest::mouseMove(viewport, QPoint(160, 300));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(160, 300));
    RefreshControl* control = main().feedTableView()->refreshControl();
    EXPECT_TRUE(control->isRefreshing());
    EXPECT_FALSE(waitForRequest(2, 3).bytes().empty());
    EXPECT_FALSE(waitForRequest(2, 15).bytes().empty());
    advance(9.9);
    EXPECT_TRUE(control->isRefreshing()) << "no reply yet";
    advance(0.1);
    EXPECT_FALSE(control->isRefreshing());
}

TEST_F(TimelineTest, TappingMapsSectionsToSecretsAndCardsDoNothing) {
    storeSecrets(10);
    LogicManager::sharedInstance().setPersistenceData(2, SettingsKeys::PhoneBook);
    open();
    EXPECT_EQ(main().feedTableView()->numberOfSections(), 13);
    main().tableViewDidSelectedIndexForCell(true, {12, 0});
    main().tableViewDidSelectedIndexForCell(true, {7, 0});
    EXPECT_EQ(screen(), &main());
    main().tableViewDidSelectedIndexForCell(true, {11, 0});
    auto* detail = qobject_cast<DetailSecretViewController*>(screen());
    ASSERT_NE(detail, nullptr);
    EXPECT_EQ(detail->signalFeed(), main().feedDataArray()[9]) << "the very same secret";
    EXPECT_EQ(detail->signalFeed()->feedId, 1u);
}

TEST_F(TimelineTest, LikingChangesTheRowAtOnceAndTellsTheServer) {
    storeSecrets(1);
    open();
    MainViewCell* cell = secretRow(0);
    auto* likes = cell->findChild<QLabel*>(QStringLiteral("likeNumLabel"));
    auto* like = cell->findChild<QPushButton*>(QStringLiteral("likeBtn"));
    EXPECT_EQ(likes->text(), QStringLiteral("赞"));
    EXPECT_EQ(cell->findChild<QLabel*>(QStringLiteral("commentNumLabel"))->text(),
              QStringLiteral("评论"));
    like->click();
    EXPECT_EQ(likes->text(), QStringLiteral("1"));
    EXPECT_EQ(like->property("imageName").toString(), QStringLiteral("btn_support_yes"));
    EXPECT_EQ(main().feedDataArray()[0]->isOwnZanFeed, 1u);
    like->click();
    EXPECT_EQ(likes->text(), QStringLiteral("赞"));
    EXPECT_EQ(like->property("imageName").toString(), QStringLiteral("btn_support_no"));
    ASSERT_TRUE(waitUntil([&] { return requestsFor(2, 2).size() == 2; }));
    int32_t expected = 1;
    for (Package sent : requestsFor(2, 2)) {
        sent.reset();
        EXPECT_EQ(sent.readInt64(), kUser);
        sent.readString();
        EXPECT_EQ(sent.readInt64(), 1u);
        EXPECT_EQ(sent.readInt64(), 0u) << "no comment";
        EXPECT_EQ(sent.readSignedInt32(), expected++);
        EXPECT_EQ(sent.readString(), "");
    }
    EXPECT_EQ(events().count(QStringLiteral("some_praise")), 1);
    EXPECT_EQ(events().count(QStringLiteral("cancel_praise")), 1);
}

TEST_F(TimelineTest, AMutedUserIsToldOnEveryTapAndNothingIsSent) {
    Stored muted;
    muted.likeState = MainViewCell::kMuted;
    storeSecrets(1, muted);
    open();
    auto* like = secretRow(0)->findChild<QPushButton*>(QStringLiteral("likeBtn"));
    like->click();
    like->click();
    EXPECT_EQ(alerts(), (QStringList{"对不起您已被禁言", "对不起您已被禁言"}));
    settle();
    EXPECT_TRUE(requestsFor(2, 2).empty());
}

TEST_F(TimelineTest, BackgroundNamesWithTwelveShowBackgroundTwo) {
    Stored twelve;
    twelve.image = QStringLiteral("img_secretCell_background_12");
    storeSecrets(1, twelve);
    open();
    auto* picture = secretRow(0)->findChild<RemoteImageView*>(QStringLiteral("BGImagView"));
    EXPECT_EQ(picture->image(),
              imageNamed(QStringLiteral("img_secretCell_background_2")).toImage());
}

TEST_F(TimelineTest, TheQuestionCardStepsThroughTheStoredQuestions) {
    for (int i = 0; i < 3; ++i) {
        Feed question;
        question.feedId = static_cast<uint64_t>(100 + i);
        question.contentStr = QStringLiteral("问题 %1").arg(i);
        question.imageStr = QStringLiteral("img_secretCell_background_5");
        question.synchronize(QStringLiteral("QUESTIONFEED"));
    }
    QuestionFeedTableViewCell card;
    auto* text = card.findChild<QLabel*>(QStringLiteral("contentLabel"));
    QStringList shown{text->text()};
    for (int press = 0; press < 3; ++press) {
        card.findChild<QPushButton*>(QStringLiteral("changeBtn"))->click();
        shown << text->text();
    }
    EXPECT_EQ(shown, (QStringList{"问题 1", "问题 2", "问题 0", "问题 1"}));
}

TEST_F(TimelineTest, TheFriendNumberCardKeepsItsInvitationOnceShown) {
    LogicManager::sharedInstance().setPersistenceData(5, SettingsKeys::friendNum);
    FriendNumsTableViewCell card;
    auto* number = card.findChild<QLabel*>(QStringLiteral("friendNumLabel"));
    auto* text = card.findChild<QLabel*>(QStringLiteral("content"));
    EXPECT_EQ(number->text(), QStringLiteral("5"));
    EXPECT_EQ(text->text(), FriendNumsTableViewCell::kMoreFriendsText);
    reply(waitForRequest(1, 13), [](Package& body) {
        body.appendInt32(0);
        body.appendInt32(2);
    });
    EXPECT_EQ(number->text(), QStringLiteral("2"));
    EXPECT_EQ(text->text(), FriendNumsTableViewCell::kMoreFriendsText);
    EXPECT_EQ(LogicManager::sharedInstance().getPersistenceIntegerWithKey(SettingsKeys::friendNum),
              2);
}

TEST_F(TimelineTest, BackgroundTasksRegisterTheTokenAndRetryTheAddressBook) {
    LogicManager& hub = LogicManager::sharedInstance();
    hub.setPersistenceData(QStringLiteral("0a1b2c3d"), SettingsKeys::apnsToken);
    hub.setPersistenceData(2, SettingsKeys::PhoneBook);
    hub.setAddressBook(
        std::make_unique<VCardAddressBook>(QStringLiteral(XJ_FIXTURES_DIR "/iphone-3.0.vcf")));
    main().updateAPNsToken();
    main().updatePhoneBook();
    main().linkAPNsToken();
    EXPECT_EQ(UserInfo::myselfInstance().userAPNsToken, QStringLiteral("0a1b2c3d"));

    Package token = readBody(waitForRequest(8, 1));
    EXPECT_EQ(token.readInt64(), kUser);
    token.readString();
    EXPECT_EQ(token.readSignedInt32(), 1);
    EXPECT_EQ(token.readString(), "0a1b2c3d");
    EXPECT_EQ(token.readSignedInt32(), 2);
    reply(waitForRequest(8, 1), [](Package& body) { body.appendInt32(0); });
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(SettingsKeys::updateAPNsToken), 2);

    reply(waitForRequest(1, 12), [](Package& body) { body.appendInt32(0); });
    EXPECT_EQ(hub.getPersistenceIntegerWithKey(SettingsKeys::PhoneBook), 4);

    server().clearRequests();
    main().updateAPNsToken();
    main().updatePhoneBook();
    settle();
    EXPECT_TRUE(requestsFor(8, 1).empty()) << "registered once";
    EXPECT_TRUE(requestsFor(1, 12).empty()) << "uploaded";
}

TEST_F(TimelineTest, OneTimeTipsFollowTheirSectionsConditionsAndKeys) {
    storeSecrets(12, Stored{QStringLiteral("朋友的朋友")});
    open();
    // Sections 5 and 6 are secrets 4 and 5 (after the question card at 3).
    EXPECT_NE(overlayTagged(secretRow(5), 20), nullptr) << "share tip";
    EXPECT_NE(overlayTagged(secretRow(6), 30), nullptr) << "like tip";
    EXPECT_EQ(overlayTagged(secretRow(9), 40), nullptr) << "the origin names friends";
    EXPECT_EQ(overlayTagged(secretRow(10), 50), nullptr) << "no 朋友圈 in the origin";

    ShareBlurView* share = overlayTagged(secretRow(5), 20);
    EXPECT_EQ(share->tip()->contentStr(),
              QStringLiteral("你可以通过微信、微博、短信分享你喜欢的秘密"));
    EXPECT_EQ(share->tip()->y(), 60) << "tipsHeight";
    EXPECT_EQ(share->size(), QSize(320, 320));
    EXPECT_FALSE(share->tapsEnabled());
    ShareBlurView* like = overlayTagged(secretRow(6), 30);
    EXPECT_EQ(like->tip()->y(), 195);
    QPointer<ShareBlurView> guard = like;
    like->tip()->findChild<QPushButton*>(QStringLiteral("okBtn"))->click();
    EXPECT_EQ(LogicManager::sharedInstance().getPersistenceIntegerWithKey(SettingsKeys::zanFlag),
              2);
    advance(1.05);  // the fade starts on the next animation frame
    EXPECT_TRUE(guard.isNull());
    main().feedTableView()->reloadData();
    EXPECT_EQ(overlayTagged(secretRow(6), 30), nullptr) << "never again";
}

TEST(TimelineTipConditions, OriginLabelsDecideTheCircleTips) {
    TestHome home;
    struct Case {
        QString address;
        bool outside;
        bool circle;
    };
    for (const Case& c : {Case{QString(), false, true}, Case{"朋友圈", false, true},
                          Case{"朋友的朋友", false, false}, Case{"热门", true, false}}) {
        MainViewCell cell;
        auto feed = std::make_shared<Feed>();
        feed->addressStr = c.address;
        cell.setFeed(feed);
        MainViewController& main = MainViewController::sharedInstance();
        for (const char* key : {"addressType", "friendType"})
            LogicManager::sharedInstance().setPersistenceData(QVariant(), QLatin1String(key));
        main.showCellCommitAddress(&cell, c.address);
        main.showCellCommitFriend(&cell, c.address);
        bool outside = false, circle = false;
        for (ShareBlurView* overlay : cell.contentView()->findChildren<ShareBlurView*>()) {
            outside |= overlay->property("tag").toInt() == 40;
            circle |= overlay->property("tag").toInt() == 50;
        }
        EXPECT_EQ(outside, c.outside) << c.address.toStdString();
        EXPECT_EQ(circle, c.circle) << c.address.toStdString();
    }
}

TEST_F(TimelineTest, DraggingStartsTheShimmerAndRestingPausesIt) {
    storeSecrets(3);
    open();
    QStringList heard;
    NotificationCenter& centre = NotificationCenter::defaultCenter();
    QObject owner;
    centre.addObserver(&owner, QStringLiteral("ShimmerStart"),
                       [&](const QVariant&) { heard << "start"; });
    centre.addObserver(&owner, QStringLiteral("ShimmerPause"),
                       [&](const QVariant&) { heard << "pause"; });
    QWidget* viewport = main().feedTableView()->viewport();
    QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(160, 400));
    advance(0.02);
    QTest::mouseMove(viewport, QPoint(160, 300));
    advance(0.02);
    QTest::mouseMove(viewport, QPoint(160, 200));
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(160, 200));
    EXPECT_EQ(heard, QStringList{"start"});
    advance(5);
    EXPECT_EQ(heard, (QStringList{"start", "pause"}));
    centre.removeObserver(&owner);
}

TEST_F(TimelineTest, TheMarkedBadgeBreathesEachTimeItIsShown) {
    open();
    TableView* table = main().feedTableView();
    TableViewCell* card = table->cellForRowAtIndexPath({0, 0});
    ASSERT_NE(card, nullptr);
    QWidget* badge = nullptr;
    for (QWidget* child : card->findChildren<QWidget*>())
        if (child->property("tag").toInt() == MainViewController::kFadingTag) badge = child;
    ASSERT_NE(badge, nullptr);
    // The card may come from an earlier list with its badge faded out; it starts fully one way.
    auto opacityOf = [badge] {
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(badge->graphicsEffect());
        return effect ? effect->opacity() : 1.0;
    };
    advance(3.6);  // the fade of its first display ends
    for (int shown = 0; shown < 2; ++shown) {
        const double before = opacityOf();
        ASSERT_TRUE(before == 0.0 || before == 1.0) << before;
        main().willDisplayCell(*table, card, {0, 0});
        advance(3.6);
        EXPECT_DOUBLE_EQ(opacityOf(), 1.0 - before) << "display " << shown;
    }
}

TEST_F(TimelineTest, OtherLikeStatesKeepTheButtonAndDoNothing) {
    storeSecrets(1);
    open();
    MainViewCell* cell = secretRow(0);
    auto* like = cell->findChild<QPushButton*>(QStringLiteral("likeBtn"));
    EXPECT_EQ(like->property("imageName").toString(), QStringLiteral("btn_support_no"));
    auto odd = std::make_shared<Feed>(*main().feedDataArray()[0]);
    odd->isOwnZanFeed = 7;
    odd->likeNum = 3;
    cell->setFeed(odd);
    EXPECT_EQ(like->property("imageName").toString(), QStringLiteral("btn_support_no"))
        << "the picture of the secret before";
    like->click();
    EXPECT_EQ(cell->findChild<QLabel*>(QStringLiteral("likeNumLabel"))->text(),
              QStringLiteral("3"));
    EXPECT_EQ(odd->isOwnZanFeed, 7u);
    EXPECT_TRUE(alerts().isEmpty());
    settle();
    EXPECT_TRUE(requestsFor(2, 2).empty());
}

TEST_F(TimelineTest, TheFriendNumberCardInvitesWithoutATextMessageHandler) {
    FriendNumsTableViewCell card;
    card.findChild<QPushButton*>(QStringLiteral("inviteBtn"))->click();
    ShareBlurView* invitation = nullptr;
    for (ShareBlurView* overlay : window->findChildren<ShareBlurView*>())
        if (overlay->inviteNavSetting()) invitation = overlay;
    ASSERT_NE(invitation, nullptr);
    EXPECT_FALSE(static_cast<bool>(invitation->inviteNavSetting()->handleInviteFriendMessageBlock));
    EXPECT_EQ(events(), (QStringList{"share", "invite_friends"}));
}
