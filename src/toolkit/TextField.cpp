#include "toolkit/TextField.h"

#include "toolkit/Fonts.h"

TextField::TextField(const QString& objectName, const QString& placeholder, int options,
                     QWidget* parent)
    : QLineEdit(parent) {
    setObjectName(objectName);
    setPlaceholderText(placeholder);
    setFont(getFontWith(false, 16));
    setStyleSheet(QStringLiteral(
        "QLineEdit { background: white; border: 1px solid #F88BB5; border-radius: 6px;"
        " padding: 0 10px; color: #333333; }"
        "QLineEdit:focus { border: 1px solid #D0246C; }"));
    if (options & Secure) setEchoMode(QLineEdit::Password);
    if (options & Numeric) setInputMethodHints(Qt::ImhDigitsOnly);
}
