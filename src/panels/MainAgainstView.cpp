#include "panels/MainAgainstView.h"

#include <QPushButton>

#include "core/NotificationCenter.h"
#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "services/LogicManager.h"
#include "wire/Package.h"

namespace {

// Sends the request and shows the success alert when the reply's handler reports success.
void sendAction(Package& request, bool (*handler)(Package&, int32_t), QString success) {
    NetWorkEngine::shareInstance().sendData(
        &request, [handler, success = std::move(success)](int flag, Package& reply) {
            if (flag == 1 && handler(reply, 0))
                LogicManager::sharedInstance().showAlertWithMessage(success);
        });
}

}  // namespace

MainAgainstView::MainAgainstView(QWidget* parent) : MenuPanel(240, 3, 12, parent) {
    setObjectName(QStringLiteral("mainAgainst"));
    connect(addButton(QStringLiteral("collectionBtn"), QStringLiteral("收藏"), 14),
            &QPushButton::clicked, this, &MainAgainstView::collectionBtnAction);
    connect(addButton(QStringLiteral("againstBtn"), QStringLiteral("举报"), 14),
            &QPushButton::clicked, this, &MainAgainstView::againstBtnAction);
    connect(addButton(QStringLiteral("removeBtn"), QStringLiteral("不想看到这条"), 14),
            &QPushButton::clicked, this, &MainAgainstView::removeBtnAction);
    NotificationCenter::defaultCenter().addObserver(
        this, kReportReason,
        [this](const QVariant& reason) { handleReasonReturnValue(reason.toString()); });
}

MainAgainstView::~MainAgainstView() {
    NotificationCenter::defaultCenter().removeObserver(this);
}

void MainAgainstView::collectionBtnAction() {
    Analytics::shared().event(QStringLiteral("collect"));
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(2, 8);
    request.collectFeedWithUserId(myself.userId, myself.userKey.toStdString(), feedId_);
    sendAction(request, &Package::handleCollectFeed, QStringLiteral("收藏成功"));
}

void MainAgainstView::againstBtnAction() {
    Analytics::shared().event(QStringLiteral("report"));
    if (makeReportReasonViewShowBlock) makeReportReasonViewShowBlock();
}

void MainAgainstView::handleReasonReturnValue(const QString& reason) {
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(2, 9);
    request.reportFeedWithUserId(myself.userId, myself.userKey.toStdString(), feedId_, 0,
                                 reason.toStdString());
    sendAction(request, &Package::handleReportFeed, QStringLiteral("举报成功"));
}

void MainAgainstView::removeBtnAction() {
    Analytics::shared().event(QStringLiteral("remove"));
    const UserInfo& myself = UserInfo::myselfInstance();
    Package request(2, 12);
    request.deleteFeedInMainViewWithUserId(myself.userId, myself.userKey.toStdString(), feedId_);
    sendAction(request, &Package::handleDeleteFeedInMainView, QStringLiteral("删除成功"));
    if (handleMainCellOtherRemoveBlock) handleMainCellOtherRemoveBlock();
}
