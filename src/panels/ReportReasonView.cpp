#include "panels/ReportReasonView.h"

#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/MainQueue.h"
#include "core/NotificationCenter.h"
#include "panels/MainAgainstView.h"
#include "toolkit/Fonts.h"

QStringList ReportReasonView::reasons() {
    return {QStringLiteral("色情低俗"),       QStringLiteral("人身攻击"),
            QStringLiteral("泄露他人隐私"),   QStringLiteral("广告骚扰"),
            QStringLiteral("谣言或虚假信息"), QStringLiteral("其他违规内容")};
}

ReportReasonView::ReportReasonView(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("reason"));
    resize(320, 6 * 52 + 12);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "ReportReasonView { background: white; }"
        "QPushButton { color: #D0246C; border: none; border-bottom: 1px solid #F3D4E0;"
        " background: transparent; }"
        "QPushButton:pressed { background: #FCE9F1; }"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 6, 0, 6);
    layout->setSpacing(0);
    int index = 0;
    for (const QString& reason : reasons()) {
        auto* button = new QPushButton(reason, this);
        button->setObjectName(QStringLiteral("reasonBtn%1").arg(index++));
        button->setFont(getFontWith(false, 16));
        button->setMinimumHeight(52);
        connect(button, &QPushButton::clicked, this, [this, button] { reportBtnActions(button); });
        layout->addWidget(button);
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
