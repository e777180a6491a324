#include "panels/ReportReasonView.h"

#include <QPointer>
#include <QPushButton>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "panels/MainAgainstView.h"

QStringList ReportReasonView::reasons() {
    return {QStringLiteral("色情低俗"),       QStringLiteral("人身攻击"),
            QStringLiteral("泄露他人隐私"),   QStringLiteral("广告骚扰"),
            QStringLiteral("谣言或虚假信息"), QStringLiteral("其他违规内容")};
}

ReportReasonView::ReportReasonView(QWidget* parent)
    : MenuPanel(320, static_cast<int>(reasons().size()), 0, parent) {
    setObjectName(QStringLiteral("reason"));
    int index = 0;
    for (const QString& reason : reasons()) {
        QPushButton* button = addButton(QStringLiteral("reasonBtn%1").arg(index++), reason, 16);
        connect(button, &QPushButton::clicked, this, [this, button] { reportBtnActions(button); });
    }
}

void ReportReasonView::reportBtnActions(QPushButton* button) {
    NotificationCenter::defaultCenter().postNotificationName(MainAgainstView::kReportReason,
                                                             button->text());
    QPointer<QWidget> overlay = parentWidget();
    MainQueue::shared().after(1.0, [overlay] {
        if (!overlay) return;
        overlay->hide();
        overlay->deleteLater();
    });
}
