#include "toolkit/NavigationItem.h"

#include <QLabel>

#include "toolkit/BarButtonItem.h"
#include "toolkit/Fonts.h"

namespace {
void replace(QPointer<QWidget>& slot, QWidget* widget) {
    if (slot) slot->deleteLater();
    slot = widget;
}
}  // namespace

void NavigationItem::setTitleString(const QString& text) {
    auto* label = new QLabel(text);
    label->setObjectName(QStringLiteral("titleLabel"));
    QFont font = getFontWith(true, 20);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: white; background: transparent;"));
    label->adjustSize();
    title = text;
    replace(titleView, label);
}

BarButtonItem* NavigationItem::setLeftBarButtonItem(const QString& image,
                                                    const QString& imageSelected,
                                                    const QString& text, const QMargins& inset,
                                                    std::function<void()> action) {
    BarButtonItem* button =
        BarButtonItem::create(image, imageSelected, text, inset, std::move(action));
    if (!text.isEmpty()) button->setContentInsets(QMargins(20, 0, 0, 0));
    replace(leftBarButtonItem, button);
    return button;
}

BarButtonItem* NavigationItem::setRightBarButtonItem(const QString& image,
                                                     const QString& imageSelected,
                                                     const QString& text, const QMargins& inset,
                                                     std::function<void()> action) {
    BarButtonItem* button =
        BarButtonItem::create(image, imageSelected, text, inset, std::move(action));
    if (!text.isEmpty()) button->setContentInsets(QMargins(0, 0, -20, 0));
    replace(rightBarButtonItem, button);
    return button;
}
