#include "screens/feed/MainViewController.h"

#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QVBoxLayout>
#include <algorithm>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "panels/ShareBlurView.h"
#include "platform/Analytics.h"
#include "screens/compose/PublishSecretViewController.h"
#include "screens/feed/DetailSecretViewController.h"
#include "screens/feed/FeedSectionMap.h"
#include "screens/feed/FriendNumsTableViewCell.h"
#include "screens/feed/MainViewCell.h"
#include "screens/feed/PhoneBookTableViewCell.h"
#include "screens/feed/QuestionFeedTableViewCell.h"
#include "screens/messages/MessageViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "store/IdCondition.h"
#include "store/UserDataBaseManager.h"
#include "toolkit/BarButtonItem.h"
#include "toolkit/NavigationController.h"
#include "toolkit/RefreshControl.h"
#include "toolkit/ShimmerLabel.h"
#include "toolkit/TableView.h"
#include "wire/FeedListReply.h"
#include "wire/Package.h"

namespace {

LogicManager& hub() {
    return LogicManager::sharedInstance();
}

void alertExpired() {
    hub().showAlertWithMessage(QStringLiteral("授权过期，请重新登录"));
}

}  // namespace

MainViewController& MainViewController::sharedInstance() {
    static MainViewController* instance = [] {
        auto* screen = new MainViewController;
        screen->setShared(true);
        return screen;
    }();
    return *instance;
}

void MainViewController::showAsRoot() {
    LogicManager::sharedInstance().setRootViewContrllerWithNavigationBar(&sharedInstance());
}

MainViewController::MainViewController() {
    setObjectName(QStringLiteral("MainViewController"));
}

bool MainViewController::phoneBookPending() {
    return hub().getPersistenceIntegerWithKey(SettingsKeys::PhoneBook) == 2;
}

void MainViewController::viewDidLoad() {
    navigationItem().setTitleString(QStringLiteral("星笺"));
    navigationItem()
        .setLeftBarButtonItem(QStringLiteral("btn_navCollection_n"),
                              QStringLiteral("btn_navCollection_h"), QString(),
                              QMargins(-10, 0, 10, 0), [this] { leftBarBtnAction(); })
        ->setObjectName(QStringLiteral("leftBarBtn"));
    navigationItem()
        .setRightBarButtonItem(QStringLiteral("btn_navWriteSecret_n"),
                               QStringLiteral("btn_navWriteSecret_h"), QString(),
                               QMargins(10, 0, -10, 0), [this] { rightBarBtnAction(); })
        ->setObjectName(QStringLiteral("rightBarBtn"));
    navigationItemDidChange();
    setBackgroundColor(QColor(0xF4, 0xF0, 0xF2));

    feedTableView_ = new TableView(this);
    feedTableView_->setObjectName(QStringLiteral("feedTableView"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(feedTableView_);
    feedTableView_->setKineticScrolling(true);
    feedTableView_->setDataSource(this);
    feedTableView_->setDelegate(this);
    refreshControl_ = new RefreshControl;
    feedTableView_->setRefreshControl(refreshControl_);
    connect(refreshControl_, &RefreshControl::refresh, this, [this] {
        sendPackForFeedsDataFromNetWork();
        sendPackForGuestQuestionDataFromNetWork();
        MainQueue::shared().after(
            kRefreshSpinnerSeconds, [this] { endRefreshing(); }, this);
    });

    fetchFeedsDataFromDB();
    updatePhoneBook();
    updateAPNsToken();
    linkAPNsToken();
}

void MainViewController::viewWillAppear(bool) {
    if (NavigationController* stack = navigationController())
        stack->setNavigationBarHidden(false, false);
    sendPackForFeedsDataFromNetWork();
    sendPackForGuestQuestionDataFromNetWork();
}

void MainViewController::endRefreshing() {
    if (refreshControl_ && refreshControl_->isRefreshing()) refreshControl_->endRefreshing();
}

void MainViewController::fetchFeedsDataFromDB() {
    feedDataArray_.clear();
    std::vector<Feed> stored = UserDataBaseManager::sharedInstance().queryWithClass<Feed>(
        QString(), whereIdEquals(QStringLiteral("DBUid"), UserInfo::myselfInstance().userId));
    feedDataArray_.reserve(stored.size());
    // The rows come by ascending feedId; the newest is shown first.
    for (auto it = stored.rbegin(); it != stored.rend(); ++it)
        feedDataArray_.push_back(std::make_shared<Feed>(std::move(*it)));
    if (feedTableView_) feedTableView_->reloadData();
}

void MainViewController::sendPackForFeedsDataFromNetWork() {
    const UserInfo& myself = UserInfo::myselfInstance();
    const PageCursor cursor = hub().timelinePageCursor();
    Package request(2, 3);
    request.lastedFeedsWithUserId(myself.userId, myself.userKey.toStdString(), cursor.fetchTime,
                                  cursor.messageId, kFeedPageSize);
    NetWorkEngine::shareInstance().sendData(&request, [this](int flag, Package& reply) {
        if (flag != 1) return;
        endRefreshing();
        if (reply.getProtocalId() != 3) return;
        // The decoder shows the alert of an expired key itself.
        if (FeedListReply::handleTimelinePage(reply)) fetchFeedsDataFromDB();
    });
}

void MainViewController::sendPackForGuestQuestionDataFromNetWork() {
    const UserInfo& myself = UserInfo::myselfInstance();
    const PageCursor cursor = hub().guideQuestionPageCursor();
    Package request(2, 15);
    request.fetchGuideQuestionWithWithUserId(myself.userId, myself.userKey.toStdString(),
                                             cursor.fetchTime, cursor.messageId, kQuestionPageSize);
    NetWorkEngine::shareInstance().sendData(&request, [this](int flag, Package& reply) {
        if (flag != 1) return;
        endRefreshing();
        if (reply.getProtocalId() != 15) return;
        // The decoder shows the alert of an expired key itself.
        FeedListReply::handleGuideQuestions(reply);
    });
}

void MainViewController::updatePhoneBook() {
    if (!phoneBookPending()) return;
    hub().getContactFriends([](int status, const QVariantMap& result) {
        if (status == -1) {
            hub().setPersistenceData(2, SettingsKeys::PhoneBook);
            return;
        }
        if (status != 1) return;
        const UserInfo& myself = UserInfo::myselfInstance();
        Package request(1, 12);
        request.updateContractListWithUserId(
            myself.userId, myself.userKey.toStdString(),
            hub().objectToJsonString(result.value(QStringLiteral("dic"))).toStdString());
        NetWorkEngine::shareInstance().sendData(&request, [](int flag, Package& reply) {
            if (flag != 1 || reply.getProtocalId() != 12) return;
            const int32_t code = reply.readResultCode();
            if (code == -3) alertExpired();
            if (code == 0) hub().setPersistenceData(4, SettingsKeys::PhoneBook);
        });
    });
}

void MainViewController::updateAPNsToken() {
    const QString token = hub().getPersistenceStringWithKey(SettingsKeys::apnsToken);
    if (token.isEmpty() || hub().getPersistenceIntegerWithKey(SettingsKeys::updateAPNsToken) != 0)
        return;
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(8, 1);
    request.updateAPNsTokenWithUserId(myself.userId, myself.userKey.toStdString(), 1,
                                      token.toStdString(), 2);
    NetWorkEngine::shareInstance().sendData(&request, [](int flag, Package& reply) {
        if (flag == 1 && reply.getProtocalId() == 1 && reply.readResultCode() == 0)
            hub().setPersistenceData(2, SettingsKeys::updateAPNsToken);
    });
}

void MainViewController::linkAPNsToken() {
    const QString token = hub().getPersistenceStringWithKey(SettingsKeys::apnsToken);
    UserInfo& myself = UserInfo::myselfInstance();
    if (token.isEmpty() || myself.userId == 0 || myself.userKey.isEmpty()) return;
    myself.userAPNsToken = token;
    myself.synchronize();
}

int MainViewController::numberOfSectionsInTableView(TableView&) {
    return FeedSectionMap(static_cast<int>(feedDataArray_.size()), phoneBookPending())
        .sectionCount();
}

double MainViewController::heightForHeaderInSection(TableView&, int section) {
    return section == 0 ? 0.1 : 10;
}

TableViewCell* MainViewController::cellForRowAtIndexPath(TableView& table,
                                                         const IndexPath& indexPath) {
    const FeedSectionMap::Row row =
        FeedSectionMap(static_cast<int>(feedDataArray_.size()), phoneBookPending())
            .rowAt(indexPath.section);
    switch (row.kind) {
        case FeedSectionMap::Kind::Secret:
            return feedCell(table, feedDataArray_[static_cast<std::size_t>(row.secret)], indexPath);
        case FeedSectionMap::Kind::Question:
            return questionCell(table);
        case FeedSectionMap::Kind::FriendNum:
            return friendNumCell(table);
        case FeedSectionMap::Kind::PhoneBook:
            return phoneBookCell(table);
    }
    return nullptr;
}

TableViewCell* MainViewController::feedCell(TableView& table, const std::shared_ptr<Feed>& feed,
                                            const IndexPath& indexPath) {
    auto* cell = static_cast<MainViewCell*>(
        table.dequeueReusableCellWithIdentifier(MainViewCell::kIdentifier));
    if (!cell) cell = new MainViewCell;
    cell->setFeed(feed);
    std::weak_ptr<Feed> shown = feed;
    cell->handleCommentBtnBlock = [this, shown] {
        if (const auto secret = shown.lock()) gotoDetailViewCtl(secret, true);
    };
    cell->handleOtherAgainstBtnBlock = [this, cell] { showOtherAgainst(cell); };
    cell->handleCellShareViewShow = [this, cell] { showCellShareView(cell); };
    if (feedDataArray_.size() >= 4) attachTips(cell, indexPath.section);
    return cell;
}

TableViewCell* MainViewController::questionCell(TableView& table) {
    auto* cell = static_cast<QuestionFeedTableViewCell*>(
        table.dequeueReusableCellWithIdentifier(QuestionFeedTableViewCell::kIdentifier));
    if (!cell) cell = new QuestionFeedTableViewCell;
    cell->handlePublishSecretFromCell = [this] {
        if (NavigationController* stack = navigationController())
            stack->pushViewController(new PublishSecretViewController, true);
    };
    cell->handleInviteFriendAnswer = [this] { inviteFriendAnswer(); };
    return cell;
}

TableViewCell* MainViewController::friendNumCell(TableView& table) {
    auto* cell = table.dequeueReusableCellWithIdentifier(FriendNumsTableViewCell::kIdentifier);
    return cell ? cell : new FriendNumsTableViewCell;
}

TableViewCell* MainViewController::phoneBookCell(TableView& table) {
    auto* cell = static_cast<PhoneBookTableViewCell*>(
        table.dequeueReusableCellWithIdentifier(PhoneBookTableViewCell::kIdentifier));
    if (!cell) cell = new PhoneBookTableViewCell;
    cell->handlePhoneBookAccessBlock = [this] { showPhoneBookAccess(); };
    return cell;
}

void MainViewController::willDisplayCell(TableView&, TableViewCell* cell, const IndexPath&) {
    // A marked element breathes: fully clear ones fade in, fully opaque ones fade out.
    for (QWidget* marked : cell->findChildren<QWidget*>()) {
        if (marked->property("tag").toInt() != kFadingTag) continue;
        auto* effect = qobject_cast<QGraphicsOpacityEffect*>(marked->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsOpacityEffect(marked);
            effect->setOpacity(1.0);
            marked->setGraphicsEffect(effect);
        }
        const double opacity = effect->opacity();
        if (opacity != 0.0 && opacity != 1.0) continue;
        auto* fade = new QPropertyAnimation(effect, "opacity", marked);
        fade->setDuration(kFadeMillis);
        fade->setEndValue(opacity == 0.0 ? 1.0 : 0.0);
        fade->start(QAbstractAnimation::DeleteWhenStopped);
    }
}

void MainViewController::didSelectRowAtIndexPath(TableView&, const IndexPath& indexPath) {
    tableViewDidSelectedIndexForCell(phoneBookPending(), indexPath);
}

void MainViewController::tableViewDidSelectedIndexForCell(bool phoneBook,
                                                          const IndexPath& indexPath) {
    if (feedDataArray_.empty()) return;
    const FeedSectionMap map(static_cast<int>(feedDataArray_.size()), phoneBook);
    if (indexPath.section < 0 || indexPath.section >= map.sectionCount()) return;
    const FeedSectionMap::Row row = map.rowAt(indexPath.section);
    if (row.kind == FeedSectionMap::Kind::Secret)
        gotoDetailViewCtl(feedDataArray_[static_cast<std::size_t>(row.secret)]);
}

void MainViewController::gotoDetailViewCtl(const std::shared_ptr<Feed>& feed, bool animated) {
    auto* detail = new DetailSecretViewController;
    detail->setSignalFeed(feed);
    if (NavigationController* stack = navigationController())
        stack->pushViewController(detail, animated);
    else
        delete detail;
}

void MainViewController::leftBarBtnAction() {
    Analytics::shared().event(QStringLiteral("menu_click"));
    if (NavigationController* stack = navigationController())
        stack->pushViewController(new MessageViewController, true);
}

void MainViewController::rightBarBtnAction() {
    if (NavigationController* stack = navigationController())
        stack->pushViewController(new PublishSecretViewController, true);
}

void MainViewController::scrollViewWillBeginDragging(TableView&) {
    NotificationCenter::defaultCenter().postNotificationName(ShimmerLabel::kShimmerStart);
}

void MainViewController::scrollViewDidEndDecelerating(TableView&) {
    NotificationCenter::defaultCenter().postNotificationName(ShimmerLabel::kShimmerPause);
}
