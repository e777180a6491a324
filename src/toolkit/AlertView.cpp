#include "toolkit/AlertView.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

AlertView::AlertView(const QString& title, const QString& message, const QString& actionText,
                     QWidget* host)
    : AlertView(title, message, QString(), actionText, host) {}

AlertView::AlertView(const QString& title, const QString& message, const QString& cancelText,
                     const QString& actionText, QWidget* host)
    : QWidget(host),
      titleLabel_(new QLabel(title)),
      messageLabel_(new QLabel(message)),
      actionButton_(new QPushButton(actionText)),
      box_(new QWidget(this)) {
    setObjectName(QStringLiteral("alertView"));
    setAttribute(Qt::WA_DeleteOnClose);
    titleLabel_->setObjectName(QStringLiteral("alertTitle"));
    messageLabel_->setObjectName(QStringLiteral("alertMessage"));
    actionButton_->setObjectName(QStringLiteral("alertAction"));
    titleLabel_->setVisible(!title.isEmpty());
    for (QLabel* label : {titleLabel_, messageLabel_}) {
        label->setAlignment(Qt::AlignCenter);
        label->setWordWrap(true);
    }
    box_->setObjectName(QStringLiteral("alertBox"));
    box_->setStyleSheet(QStringLiteral(
        "#alertBox { background: white; border-radius: 12px; }"
        "#alertTitle { font-weight: bold; font-size: 16px; color: #222; }"
        "#alertMessage { font-size: 14px; color: #333; }"
        "#alertAction { border: none; border-top: 1px solid #ddd; color: #D0246C; font-size: 16px;"
        "  padding: 10px; background: transparent; }"));
    auto* layout = new QVBoxLayout(box_);
    layout->setContentsMargins(16, 18, 16, 0);
    layout->setSpacing(8);
    layout->addWidget(titleLabel_);
    layout->addWidget(messageLabel_);
    layout->addSpacing(6);
    if (cancelText.isEmpty()) {
        layout->addWidget(actionButton_);
    } else {
        cancelButton_ = new QPushButton(cancelText);
        cancelButton_->setObjectName(QStringLiteral("alertCancel"));
        cancelButton_->setStyleSheet(QStringLiteral(
            "border: none; border-top: 1px solid #ddd; border-right: 1px solid #ddd;"
            " color: #888; font-size: 16px; padding: 10px; background: transparent;"));
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addWidget(cancelButton_);
        row->addWidget(actionButton_);
        layout->addLayout(row);
        connect(cancelButton_, &QPushButton::clicked, this, &AlertView::cancel);
    }
    connect(actionButton_, &QPushButton::clicked, this, [this] {
        emit accepted();
        dismiss();
    });

    host->installEventFilter(this);
    setGeometry(host->rect());
    box_->setFixedWidth(270);
    box_->adjustSize();
    box_->move((width() - box_->width()) / 2, (height() - box_->height()) / 2);
    raise();
    show();
}

QString AlertView::title() const {
    return titleLabel_->text();
}
QString AlertView::message() const {
    return messageLabel_->text();
}
QString AlertView::actionText() const {
    return actionButton_->text();
}

void AlertView::cancel() {
    emit cancelled();
    dismiss();
}

void AlertView::dismiss() {
    emit dismissed();
    close();
}

bool AlertView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        box_->move((width() - box_->width()) / 2, (height() - box_->height()) / 2);
    }
    return QWidget::eventFilter(watched, event);
}

void AlertView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 100));  // the dimmed window; it also takes the clicks
}
