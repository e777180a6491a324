#include "panels/MenuPanel.h"

#include <QPushButton>
#include <QVBoxLayout>

#include "toolkit/Fonts.h"

namespace {
constexpr int kButtonHeight = 52;
constexpr int kMargin = 6;
}  // namespace

MenuPanel::MenuPanel(int width, int buttons, int cornerRadius, QWidget* parent) : QWidget(parent) {
    resize(width, buttons * kButtonHeight + 2 * kMargin);
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("MenuPanel { background: white; border-radius: %1px; }"
                                 "QPushButton { color: #D0246C; border: none;"
                                 " border-bottom: 1px solid #F3D4E0; background: transparent; }"
                                 "QPushButton:pressed { background: #FCE9F1; }")
                      .arg(cornerRadius));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, kMargin, 0, kMargin);
    layout->setSpacing(0);
}

QPushButton* MenuPanel::addButton(const QString& name, const QString& title, int fontSize) {
    auto* button = new QPushButton(title, this);
    button->setObjectName(name);
    button->setFont(getFontWith(false, fontSize));
    button->setMinimumHeight(kButtonHeight);
    layout()->addWidget(button);
    return button;
}
