#include "panels/ShareButtonRow.h"

#include <QLabel>
#include <QPushButton>
#include <array>

#include "toolkit/Fonts.h"
#include "toolkit/Images.h"

namespace {

struct Way {
    const char* image;
    const char* name;
};

const std::array<Way, 4> kWays{{
    {"btn_share_wechat", "微信好友"},
    {"btn_share_circle", "朋友圈"},
    {"btn_share_weibo", "微博"},
    {"btn_share_message", "短信"},
}};

}  // namespace

ShareButtonRow::ShareButtonRow(const QStringList& buttonNames, QWidget* parent) : QWidget(parent) {
    const int slot = 64;
    resize(slot * static_cast<int>(kWays.size()), kHeight);
    for (std::size_t i = 0; i < kWays.size(); ++i) {
        const int x = static_cast<int>(i) * slot;
        auto* button = new QPushButton(this);
        button->setObjectName(buttonNames.value(static_cast<int>(i)));
        button->setGeometry(x + 7, 0, 50, 50);
        button->setIcon(QIcon(imageNamed(QString::fromLatin1(kWays[i].image))));
        button->setIconSize(QSize(50, 50));
        button->setFlat(true);
        button->setCursor(Qt::PointingHandCursor);
        button->setStyleSheet(QStringLiteral("border: none; background: transparent;"));
        auto* name = new QLabel(QString::fromUtf8(kWays[i].name), this);
        name->setGeometry(x, 54, slot, 20);
        name->setAlignment(Qt::AlignCenter);
        name->setFont(getFontWith(false, 12));
        name->setStyleSheet(QStringLiteral("color: #666666;"));
        buttons_.push_back(button);
    }
}

QPushButton* ShareButtonRow::button(int index) const {
    return buttons_.at(static_cast<std::size_t>(index));
}
