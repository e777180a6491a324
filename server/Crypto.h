#pragma once

#include <QByteArray>
#include <QString>

// Secrets of the server: random keys and names from the OS's CSPRNG, and the slow hash that
// stores the (already client-hashed) password.
class Crypto {
  public:
    static constexpr int kPasswordIterations = 20'000;

    static QByteArray randomBytes(int count);
    // 128 random bits as 32 lower-case hex digits.
    static QString randomKey();
    // PBKDF2-HMAC-SHA256 of the text under the salt, 32 bytes.
    static QByteArray passwordHash(const QString& password, const QByteArray& salt);
    // Compares without leaking where the first difference is.
    static bool equalInConstantTime(const QByteArray& a, const QByteArray& b);
};
