#include "toolkit/ActionSheet.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QVBoxLayout>

ActionSheet::ActionSheet(const QString& title, const QString& cancelTitle,
                         const QStringList& buttons, QWidget* host,
                         std::function<void(int)> clicked)
    : QWidget(host),
      buttons_(buttons),
      clicked_(std::move(clicked)),
      panel_(new QWidget(this)),
      slide_(new QPropertyAnimation(panel_, "pos", this)) {
    setObjectName(QStringLiteral("actionSheet"));
    setGeometry(host->rect());
    panel_->setObjectName(QStringLiteral("actionSheetPanel"));
    panel_->setStyleSheet(QStringLiteral(
        "#actionSheetPanel { background: #f2f2f2; }"
        "QPushButton { background: white; border: none; border-bottom: 1px solid #e4e4e4; padding: "
        "14px;"
        "  font-size: 17px; color: #222; }"
        "QPushButton#cancelButton { margin-top: 6px; color: #D0246C; }"
        "QLabel { color: #888; font-size: 13px; padding: 12px; background: white; }"));
    auto* layout = new QVBoxLayout(panel_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (!title.isEmpty()) {
        auto* label = new QLabel(title);
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    for (int i = 0; i < buttons.size(); ++i) {
        auto* button = new QPushButton(buttons[i]);
        button->setObjectName(QStringLiteral("actionButton%1").arg(i));
        connect(button, &QPushButton::clicked, this, [this, i] { clickButtonAtIndex(i); });
        layout->addWidget(button);
    }
    auto* cancel = new QPushButton(cancelTitle);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    connect(cancel, &QPushButton::clicked, this,
            [this] { clickButtonAtIndex(cancelButtonIndex()); });
    layout->addWidget(cancel);
    panel_->setFixedWidth(width());
    panel_->adjustSize();
    const QPoint shown(0, height() - panel_->height());
    slide_->setDuration(kSlideMillis);
    slide_->setEasingCurve(QEasingCurve::OutCubic);
    slide_->setStartValue(QPoint(0, height()));
    slide_->setEndValue(shown);
    panel_->move(0, height());
    raise();
    show();
    slide_->start();
}

void ActionSheet::clickButtonAtIndex(int index) {
    if (done_) return;
    done_ = true;
    const std::function<void(int)> clicked = clicked_;
    hide();
    deleteLater();
    if (clicked) clicked(index);
}

void ActionSheet::mousePressEvent(QMouseEvent* event) {
    if (!panel_->geometry().contains(event->position().toPoint()))
        clickButtonAtIndex(cancelButtonIndex());
}

void ActionSheet::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, 90));
}
