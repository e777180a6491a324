#include "panels/MainAgainstView.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "core/NotificationCenter.h"
#include "model/UserInfo.h"
#include "net/NetWorkEngine.h"
#include "platform/Analytics.h"
#include "services/LogicManager.h"
#include "toolkit/Fonts.h"
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

MainAgainstView::MainAgainstView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("mainAgainst"));
    resize(240, 168);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "MainAgainstView { background: white; border-radius: 12px; }"
        "QPushButton { color: #D0246C; border: none; border-bottom: 1px solid #F3D4E0;"
        " background: transparent; }"
        "QPushButton:pressed { background: #FCE9F1; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 6);
    layout->setSpacing(0);
    const struct {
        const char* name;
        const char* title;
        void (MainAgainstView::*action)();
    } buttons[] = {{"collectionBtn", "收藏", &MainAgainstView::collectionBtnAction},
                   {"againstBtn", "举报", &MainAgainstView::againstBtnAction},
                   {"removeBtn", "不想看到这条", &MainAgainstView::removeBtnAction}};
    for (const auto& entry : buttons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.title), this);
        button->setObjectName(QLatin1String(entry.name));
        button->setFont(getFontWith(false, 14));
        button->setMinimumHeight(52);
        connect(button, &QPushButton::clicked, this, entry.action);
        layout->addWidget(button);
    }
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
