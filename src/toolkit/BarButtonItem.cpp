#include "toolkit/BarButtonItem.h"

#include <QFontDatabase>
#include <QPainter>

#include "toolkit/Images.h"

BarButtonItem* BarButtonItem::create(const QString& image, const QString& imageSelected,
                                     const QString& title, const QMargins& inset,
                                     std::function<void()> action) {
    auto* button = new BarButtonItem;
    if (!title.isEmpty()) {
        QFont measure = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        measure.setPixelSize(14);
        const int width = QFontMetrics(measure).horizontalAdvance(title) + 10;
        button->size_ = QSize(std::max(42, width), 30);
        button->setText(title);
        QFont bold = measure;
        bold.setPixelSize(16);
        bold.setBold(true);
        button->setFont(bold);
    } else {
        button->normal_ = imageNamed(image);
        button->highlighted_ = imageNamed(imageSelected);
        button->insets_ = inset;
        button->size_ = button->normal_.isNull() ? QSize(58, 30)
                                                 : button->normal_.deviceIndependentSize().toSize();
    }
    button->setFixedSize(button->size_);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    if (action)
        connect(button, &QPushButton::clicked, button, [action = std::move(action)] { action(); });
    return button;
}

void BarButtonItem::setContentInsets(const QMargins& insets) {
    insets_ = insets;
    update();
}

void BarButtonItem::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Content insets move the content (negative values let it reach past the edge).
    const QRect content = rect().marginsRemoved(insets_);
    if (text().isEmpty()) {
        const QPixmap& image = isDown() && !highlighted_.isNull() ? highlighted_ : normal_;
        if (!image.isNull()) {
            const QSize size = image.deviceIndependentSize().toSize();
            painter.drawPixmap(
                QRect(QPoint(0, 0), size)
                    .translated(content.center() - QPoint(size.width() / 2, size.height() / 2)),
                image);
        }
        return;
    }
    painter.setFont(font());
    painter.setPen(QColor(211, 211, 211));  // the title's light grey shadow, one point down
    painter.drawText(content.translated(0, 1), Qt::AlignCenter, text());
    painter.setPen(isDown() ? QColor(211, 211, 211) : Qt::white);
    painter.drawText(content, Qt::AlignCenter, text());
}
