// The timeline's row actions (share, actions, invitation, address book) and its one-time tips.
#include <QPointer>
#include <map>

#include "net/ServerConfig.h"
#include "panels/CellShareView.h"
#include "panels/InviteFriends.h"
#include "panels/MainAgainstView.h"
#include "panels/ShareBlurView.h"
#include "panels/Tips.h"
#include "platform/Analytics.h"
#include "screens/feed/MainViewCell.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "toolkit/ImageBlur.h"
#include "toolkit/Images.h"
#include "toolkit/MessageComposeViewController.h"
#include "toolkit/NavigationController.h"
#include "toolkit/TableView.h"

namespace {

const QString kShareTitle = QStringLiteral("来自星笺的分享");
const QString kShareIdentify = QStringLiteral("星笺");

QImage thumbnail() {
    return imageNamed(QStringLiteral("58x58")).toImage();
}

// An overlay over the row's square, blurring what the row shows.
ShareBlurView* overlayOnRow(MainViewCell* cell, int32_t type) {
    auto* overlay = new ShareBlurView(QRect(0, 0, 320, 320), cell->contentView());
    overlay->shareBlurWithImage(ImageBlur::snapshot(cell->contentView()), type);
    return overlay;
}

struct TipLayout {
    QLatin1String key;
    int tag;
    int tipsHeight;
    QString text;  // none: the tip keeps its own
    int kind;
    QPoint point;
    QString subTitle;
    QString subImage;
    QSize subImageSize;
};

ShareBlurView* overlayTagged(MainViewCell* cell, int tag) {
    for (ShareBlurView* overlay :
         cell->contentView()->findChildren<ShareBlurView*>(QString(), Qt::FindDirectChildrenOnly))
        if (overlay->property("tag").toInt() == tag) return overlay;
    return nullptr;
}

// A one-time tip over the row until its OK button is pressed; then never again.
void showTip(MainViewCell* cell, const TipLayout& layout, bool removeWhenThere) {
    LogicManager& hub = LogicManager::sharedInstance();
    if (hub.getPersistenceIntegerWithKey(layout.key) != 0) return;
    if (ShareBlurView* there = overlayTagged(cell, layout.tag)) {
        if (removeWhenThere) there->removeFromSuperview();
        return;
    }
    // The row and its content view are the same 320-point square.
    auto* overlay =
        new ShareBlurView(QRect(QPoint(0, 0), cell->contentView()->size()), cell->contentView());
    overlay->setProperty("tag", layout.tag);
    overlay->shareBlurWithImage(ImageBlur::snapshot(cell->contentView()), ShareBlurView::kTips);
    Tips* tip = overlay->tip();
    if (!tip) {
        overlay->removeFromSuperview();
        return;
    }
    if (!layout.text.isEmpty()) tip->setContentStr(layout.text);
    tip->customTipsViewWithPoint(layout.point, layout.kind, layout.subTitle, layout.subImage,
                                 layout.subImageSize);
    overlay->setTipsHeight(layout.tipsHeight);
    QPointer<ShareBlurView> guard = overlay;
    const QLatin1String key = layout.key;
    tip->handleTipsOKBtnActionBlock = [guard, key] {
        LogicManager::sharedInstance().setPersistenceData(2, key);
        if (guard) guard->fadeOutAndRemove(1000);
    };
    overlay->show();
}

}  // namespace

void MainViewController::showCellShareView(MainViewCell* cell) {
    const std::shared_ptr<Feed> feed = cell->feed();
    if (!feed) return;
    ShareBlurView* overlay = overlayOnRow(cell, ShareBlurView::kCellShare);
    CellShareView* panel = overlay->cellShare();
    if (!panel) return;
    const QString text = feed->contentStr;
    const uint64_t feedId = feed->feedId;
    panel->handleShareByMessage = [this, text] {
        if (!MessageComposeViewController::canSendText()) return;
        Analytics::shared().event(QStringLiteral("share_message"));
        presentMessageComposer(QStringLiteral("%1,快来分享星笺间的秘密。猛戳下载:%2")
                                   .arg(text, ServerConfig::current().storePageUrl()));
    };
    panel->handleWechat = [text, feedId] {
        LogicManager::sharedInstance().sendWechatWithTitle(kShareTitle, text, kShareIdentify,
                                                           thumbnail(), 0, 1, feedId);
        Analytics::shared().event(QStringLiteral("share_weixin"));
    };
    panel->hanldeWechatCircle = [text, feedId] {
        LogicManager::sharedInstance().sendWechatWithTitle(text, kShareTitle, kShareIdentify,
                                                           thumbnail(), 1, 1, feedId);
        Analytics::shared().event(QStringLiteral("share_friend_circle"));
    };
    panel->handleWeibo = [text, feedId] {
        LogicManager::sharedInstance().sendWeiBoWithTitle(kShareTitle, text, thumbnail(), 1,
                                                          feedId);
        Analytics::shared().event(QStringLiteral("share_weibo"));
    };
    overlay->show();
}

void MainViewController::showOtherAgainst(MainViewCell* cell) {
    const std::shared_ptr<Feed> feed = cell->feed();
    if (!feed) return;
    ShareBlurView* overlay = overlayOnRow(cell, ShareBlurView::kMainAgainst);
    overlay->setFeedId(feed->feedId);
    MainAgainstView* panel = overlay->mainAgainst();
    if (!panel) return;
    std::weak_ptr<Feed> shown = feed;
    panel->handleMainCellOtherRemoveBlock = [this, shown] {
        // Off the list only: the stored copy comes back at the next reload.
        const auto it = std::find(feedDataArray_.begin(), feedDataArray_.end(), shown.lock());
        if (it == feedDataArray_.end()) return;
        feedDataArray_.erase(it);
        feedTableView_->reloadData();
    };
    panel->makeReportReasonViewShowBlock = [this] {
        NavigationController* stack = navigationController();
        if (!stack) return;
        auto* reasons = new ShareBlurView(QRect(0, 0, 320, stack->height()), stack);
        reasons->shareBlurWithImage(screenshot().toImage(), ShareBlurView::kReportReason);
        reasons->show();
        reasons->raise();
    };
    overlay->show();
}

void MainViewController::inviteFriendAnswer() {
    Analytics::shared().event(QStringLiteral("invite_friends"));
    ShareBlurView* overlay = ShareBlurView::show(this, ShareBlurView::kInviteFriends);
    if (InviteFriends* panel = overlay->inviteNavSetting()) {
        panel->handleInviteFriendMessageBlock = [this] {
            if (!MessageComposeViewController::canSendText()) return;
            presentMessageComposer(
                QStringLiteral(
                    "和我一起玩「星笺」吧！八卦、爆料、真心话...这里是女生专属秘密交流聚集地，"
                    "快来分享闺蜜之间的秘密。猛戳下载") +
                ServerConfig::current().storePageUrl());
        };
    }
}

void MainViewController::showPhoneBookAccess() {
    NavigationController* stack = navigationController();
    if (!stack) return;
    auto* overlay = new ShareBlurView(stack->rect(), stack);
    overlay->shareBlurWithImage(screenshot().toImage(), ShareBlurView::kAllowPhoneBook);
    overlay->show();
    overlay->raise();
}

QPixmap MainViewController::screenshot() const {
    QWidget* top = window();
    return top ? top->grab() : QPixmap();
}

void MainViewController::presentMessageComposer(const QString& body) {
    auto* composer = new MessageComposeViewController;
    composer->setBody(body);
    composer->messageComposeDelegate = [this](MessageComposeViewController& controller,
                                              MessageComposeViewController::Result) {
        messageComposeViewControllerDidFinish(controller);
    };
    messageCtl_ = composer;
    presentViewController(composer, true);
}

void MainViewController::messageComposeViewControllerDidFinish(MessageComposeViewController&) {
    dismissViewControllerAnimated(true);
}

void MainViewController::attachTips(MainViewCell* cell, int section) {
    static const std::map<int, int> tagOfSection{{5, 20}, {6, 30}, {9, 40}, {10, 50}};
    const auto tip = tagOfSection.find(section);
    // A reused row may still carry a tip or a panel of the row it was before: only this
    // section's own tip stays.
    for (ShareBlurView* overlay :
         cell->contentView()->findChildren<ShareBlurView*>(QString(), Qt::FindDirectChildrenOnly))
        if (tip == tagOfSection.end() || overlay->property("tag").toInt() != tip->second)
            overlay->removeFromSuperview();
    const QString address = cell->feed() ? cell->feed()->addressStr : QString();
    switch (section) {
        case 5:
            return showCellShare(cell);
        case 6:
            return showCellLike(cell);
        case 9:
            return showCellCommitAddress(cell, address);
        case 10:
            return showCellCommitFriend(cell, address);
        default:
            return;
    }
}

void MainViewController::showCellShare(MainViewCell* cell) {
    showTip(cell,
            {SettingsKeys::cellShare, 20, 60,
             QStringLiteral("你可以通过微信、微博、短信分享你喜欢的秘密"), 5, QPoint(280, -15),
             QString(), QStringLiteral("btn_cellShare_n"), QSize(44, 44)},
            true);
}

void MainViewController::showCellLike(MainViewCell* cell) {
    showTip(cell,
            {SettingsKeys::zanFlag, 30, 195, QString(), 0, QPoint(270, 65), QString(),
             QStringLiteral("btn_support_yes"), QSize(20, 20)},
            false);
}

void MainViewController::showCellCommitAddress(MainViewCell* cell, const QString& identifyStr) {
    if (identifyStr.isEmpty() || identifyStr.contains(QStringLiteral("朋友"))) return;
    showTip(cell,
            {SettingsKeys::addressType, 40, 195,
             QStringLiteral("这条秘密来自朋友圈外,这是一条热门秘密,或者你朋友赞过"), 3,
             QPoint(15, 65), identifyStr, QString(), QSize(0, 0)},
            false);
}

void MainViewController::showCellCommitFriend(MainViewCell* cell, const QString& identifyStr) {
    if (!identifyStr.isEmpty() && !identifyStr.contains(QStringLiteral("朋友圈"))) return;
    showTip(cell,
            {SettingsKeys::friendType, 50, 195,
             QStringLiteral("这个秘密来自你的朋友圈,表示是你的朋友或者朋友的朋友发的"), 2,
             QPoint(10, 65), QStringLiteral("朋友圈"), QString(), QSize(0, 0)},
            false);
}
