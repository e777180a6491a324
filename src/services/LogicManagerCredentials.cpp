#include <QCryptographicHash>
#include <QRegularExpression>

#include "services/LogicManager.h"

namespace {

const QString kPasswordSalt = QStringLiteral("vora.tq.&*^~+");

// SHA-1 over the first N bytes of the UTF-8 text, N being its length in UTF-16 units:
// the server compares hashes made this way, so the rule is kept for non-ASCII input too.
QString sha1Hex(const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    const qsizetype n = std::min<qsizetype>(text.size(), utf8.size());
    return QString::fromLatin1(
        QCryptographicHash::hash(QByteArrayView(utf8.constData(), n), QCryptographicHash::Sha1)
            .toHex());
}

}  // namespace

QString LogicManager::encodePassword(const QString& password) {
    return sha1Hex(kPasswordSalt + password);
}

QString LogicManager::encodePasswordWithsha1(const QString& password) {
    return sha1Hex(encodePassword(password));
}

bool LogicManager::isMobileNumber(const QString& text) {
    // Whole-text match; ASCII digits only, since the phone keypad produces nothing else
    // and the server expects them.
    static const QRegularExpression pattern(
        QRegularExpression::anchoredPattern(QStringLiteral("1(3[0-9]|5[0-9]|8[0-9])[0-9]{8}")));
    return pattern.match(text).hasMatch();
}
