#include "PhoneNumbers.h"

#include <QRegularExpression>

bool PhoneNumbers::isMobileNumber(const QString& text) {
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("1(3[0-9]|5[0-9]|8[0-9])[0-9]{8}")));
    return pattern.match(text).hasMatch();
}

QString PhoneNumbers::national(const QString& text) {
    QString digits;
    for (const QChar c : text)
        if (c == '+' || (c >= '0' && c <= '9')) digits += c;
    for (const QString& prefix : {QStringLiteral("+86"), QStringLiteral("86")}) {
        if (digits.startsWith(prefix) && digits.size() == prefix.size() + 11 &&
            digits.at(prefix.size()) == '1')
            return digits.mid(prefix.size());
    }
    return digits;
}
