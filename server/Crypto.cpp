#include "Crypto.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <stdexcept>

QByteArray Crypto::randomBytes(int count) {
    QByteArray bytes(count, '\0');
    if (RAND_bytes(reinterpret_cast<unsigned char*>(bytes.data()), count) != 1)
        throw std::runtime_error("no random bytes from the OS");
    return bytes;
}

QString Crypto::randomKey() {
    return QString::fromLatin1(randomBytes(16).toHex());
}

QByteArray Crypto::passwordHash(const QString& password, const QByteArray& salt) {
    const QByteArray text = password.toUtf8();
    QByteArray out(32, '\0');
    PKCS5_PBKDF2_HMAC(text.constData(), static_cast<int>(text.size()),
                      reinterpret_cast<const unsigned char*>(salt.constData()),
                      static_cast<int>(salt.size()), kPasswordIterations, EVP_sha256(),
                      static_cast<int>(out.size()), reinterpret_cast<unsigned char*>(out.data()));
    return out;
}

bool Crypto::equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    return a.size() == b.size() &&
           CRYPTO_memcmp(a.constData(), b.constData(), static_cast<size_t>(a.size())) == 0;
}
