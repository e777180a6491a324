#include "toolkit/PillButton.h"

#include <QPainter>

#include "toolkit/Fonts.h"

namespace {
const QColor kPink(0xD0, 0x24, 0x6C);
}

PillButton::PillButton(const QString& title, Style style, QWidget* parent)
    : QPushButton(title, parent), style_(style) {
    setCursor(Qt::PointingHandCursor);
    setFont(getFontWith(true, 16));
}

void PillButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double radius = box.height() / 2;
    QColor fill = style_ == Style::Filled ? kPink : QColor(255, 255, 255, 230);
    QColor ink = style_ == Style::Filled ? Qt::white : kPink;
    if (isDown()) fill = fill.darker(115);
    if (!isEnabled()) {
        fill.setAlpha(fill.alpha() / 2);
        ink.setAlpha(170);
    }
    p.setPen(style_ == Style::Outlined ? QPen(kPink, 1.5) : Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
    p.setPen(ink);
    p.setFont(font());
    p.drawText(box, Qt::AlignCenter, text());
}
