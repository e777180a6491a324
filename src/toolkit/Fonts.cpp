#include "toolkit/Fonts.h"

#include <QFontDatabase>

QFont getFontWith(bool bold, int size) {
    const QString family =
        bold ? QStringLiteral("FZLTZHK--GBK1-0") : QStringLiteral("HiraKakuProN-W3");
    QFont font = QFontDatabase::hasFamily(family)
                     ? QFont(family)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPixelSize(size);
    if (bold && font.family() != family) font.setBold(true);
    return font;
}
