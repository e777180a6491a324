#pragma once

#include <QPointer>
#include <memory>
#include <vector>

#include "model/Feed.h"
#include "toolkit/MessageComposeViewController.h"
#include "toolkit/TableViewDataSource.h"
#include "toolkit/TableViewDelegate.h"
#include "toolkit/ViewController.h"

class MainViewCell;
class MessageComposeViewController;
class Package;
class RefreshControl;
class TableView;

// The timeline: the home screen of a signed-in user. Shows the cached secrets at once, with
// the question, friend-number and (while the address book is not uploaded) phone-book cards
// among them, and asks the server for newer ones on every appearance and every pull. One
// instance for the whole process; the window shows it inside a navigation stack.
class MainViewController : public ViewController,
                           public TableViewDataSource,
                           public TableViewDelegate {
    Q_OBJECT
  public:
    static constexpr double kRefreshSpinnerSeconds = 10;
    static constexpr int kFeedPageSize = 10;
    static constexpr int kQuestionPageSize = 5;
    static constexpr int kFadingTag = 100;
    static constexpr int kFadeMillis = 3500;

    static MainViewController& sharedInstance();
    // The window's root becomes a navigation stack around the shared instance.
    static void showAsRoot();

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    void fetchFeedsDataFromDB();
    void sendPackForFeedsDataFromNetWork();
    void sendPackForGuestQuestionDataFromNetWork();
    void updatePhoneBook();
    void updateAPNsToken();
    void linkAPNsToken();
    void leftBarBtnAction();
    void rightBarBtnAction();
    void gotoDetailViewCtl(const std::shared_ptr<Feed>& feed, bool animated = false);
    void tableViewDidSelectedIndexForCell(bool phoneBook, const IndexPath& indexPath);

    // Row actions and the one-time tips (MainViewControllerActions.cpp).
    void showCellShareView(MainViewCell* cell);
    void showOtherAgainst(MainViewCell* cell);
    void inviteFriendAnswer();
    void showPhoneBookAccess();
    void showCellShare(MainViewCell* cell);
    void showCellLike(MainViewCell* cell);
    void showCellCommitAddress(MainViewCell* cell, const QString& identifyStr);
    void showCellCommitFriend(MainViewCell* cell, const QString& identifyStr);
    void messageComposeViewControllerDidFinish(MessageComposeViewController& controller);

    const std::vector<std::shared_ptr<Feed>>& feedDataArray() const { return feedDataArray_; }
    TableView* feedTableView() const { return feedTableView_; }
    MessageComposeViewController* messageCtl() const { return messageCtl_; }
    // Phone-book state read for the map: the card shows while "PhoneBook" is 2.
    static bool phoneBookPending();

    // Table data source and delegate.
    int numberOfSectionsInTableView(TableView& table) override;
    int numberOfRowsInSection(TableView&, int) override { return 1; }
    TableViewCell* cellForRowAtIndexPath(TableView& table, const IndexPath& indexPath) override;
    double heightForRowAtIndexPath(TableView&, const IndexPath&) override { return 320; }
    double heightForHeaderInSection(TableView&, int section) override;
    void willDisplayCell(TableView& table, TableViewCell* cell,
                         const IndexPath& indexPath) override;
    void didSelectRowAtIndexPath(TableView& table, const IndexPath& indexPath) override;
    void scrollViewWillBeginDragging(TableView& table) override;
    void scrollViewDidEndDecelerating(TableView& table) override;

  private:
    MainViewController();
    TableViewCell* feedCell(TableView& table, const std::shared_ptr<Feed>& feed,
                            const IndexPath& indexPath);
    TableViewCell* questionCell(TableView& table);
    TableViewCell* friendNumCell(TableView& table);
    TableViewCell* phoneBookCell(TableView& table);
    void attachTips(MainViewCell* cell, int section);
    void endRefreshing();
    void presentMessageComposer(const QString& body);
    QPixmap screenshot() const;

    TableView* feedTableView_ = nullptr;
    RefreshControl* refreshControl_ = nullptr;
    std::vector<std::shared_ptr<Feed>> feedDataArray_;
    QPointer<MessageComposeViewController> messageCtl_;
};
