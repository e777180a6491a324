#include "Accounts.h"

#include <SQLiteCpp/Savepoint.h>
#include <SQLiteCpp/Statement.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "Crypto.h"
#include "PhoneNumbers.h"
#include "ServerDatabase.h"

namespace {

std::string text(const QString& value) {
    return value.toStdString();
}

}  // namespace

Accounts::Accounts(ServerDatabase& database, QString fixedCode, QStringList mutedPhones,
                   Clock clock)
    : database_(database),
      fixedCode_(std::move(fixedCode)),
      mutedPhones_(std::move(mutedPhones)),
      clock_(std::move(clock)) {
    for (QString& phone : mutedPhones_)
        phone = PhoneNumbers::national(phone);
}

QString Accounts::newCode() const {
    if (!fixedCode_.isEmpty()) return fixedCode_;
    const QByteArray bytes = Crypto::randomBytes(4);
    const uint32_t value = (uint32_t(uint8_t(bytes[0])) << 24) |
                           (uint32_t(uint8_t(bytes[1])) << 16) |
                           (uint32_t(uint8_t(bytes[2])) << 8) | uint32_t(uint8_t(bytes[3]));
    return QStringLiteral("%1").arg(value % 10000, 4, 10, QLatin1Char('0'));
}

std::optional<uint64_t> Accounts::userWithPhone(const QString& phone) {
    auto query = database_.statement("select id from users where phone = ?");
    query.bind(1, text(PhoneNumbers::national(phone)));
    if (!query.executeStep()) return std::nullopt;
    return static_cast<uint64_t>(query.getColumn(0).getInt64());
}

QString Accounts::phoneOf(uint64_t userId) {
    auto query = database_.statement("select phone from users where id = ?");
    query.bind(1, static_cast<int64_t>(userId));
    return query.executeStep() ? QString::fromStdString(query.getColumn(0).getString()) : QString();
}

int32_t Accounts::requestCode(const QString& phone) {
    if (!PhoneNumbers::isMobileNumber(phone)) return -2;
    if (userWithPhone(phone)) return -1;
    const QString code = newCode();
    auto store =
        database_.statement("insert or replace into codes (phone, code, created) values (?, ?, ?)");
    store.bind(1, text(phone));
    store.bind(2, text(code) + ":0");  // code and failed attempts
    store.bind(3, static_cast<int64_t>(clock_()));
    store.exec();
    std::fprintf(stderr, "verification code for %s: %s\n", qPrintable(phone), qPrintable(code));
    return 0;
}

Accounts::SignedIn Accounts::signUp(const QString& phone, const QString& code,
                                    const QString& passwordHash) {
    SignedIn out;
    if (!PhoneNumbers::isMobileNumber(phone) || passwordHash.isEmpty()) {
        out.result = -2;
        return out;
    }
    if (userWithPhone(phone)) return out;
    auto query = database_.statement("select code, created from codes where phone = ?");
    query.bind(1, text(phone));
    if (!query.executeStep()) return out;
    const QStringList stored = QString::fromStdString(query.getColumn(0).getString()).split(':');
    const qint64 created = query.getColumn(1).getInt64();
    query.reset();
    const int attempts = stored.value(1).toInt();
    if (clock_() - created > kCodeLifetime || attempts >= kMaxCodeAttempts) return out;
    if (stored.value(0) != code) {
        auto count = database_.statement("update codes set code = ? where phone = ?");
        count.bind(1, text(stored.value(0) + ':' + QString::number(attempts + 1)));
        count.bind(2, text(phone));
        count.exec();
        return out;
    }
    SQLite::Savepoint transaction(database_.db(), "change");
    out.userId = createUser(phone, passwordHash);
    auto used = database_.statement("delete from codes where phone = ?");
    used.bind(1, text(phone));
    used.exec();
    out.userKey = issueKey(out.userId);
    transaction.release();
    out.result = 0;
    return out;
}

uint64_t Accounts::createUser(const QString& phone, const QString& passwordHash) {
    const QByteArray salt = Crypto::randomBytes(16);
    const QByteArray hash = Crypto::passwordHash(passwordHash, salt);
    auto insert =
        database_.statement("insert into users (phone, salt, hash, created) values (?, ?, ?, ?)");
    insert.bind(1, text(PhoneNumbers::national(phone)));
    insert.bind(2, salt.constData(), static_cast<int>(salt.size()));
    insert.bind(3, hash.constData(), static_cast<int>(hash.size()));
    insert.bind(4, static_cast<int64_t>(clock_()));
    insert.exec();
    return static_cast<uint64_t>(database_.db().getLastInsertRowid());
}

QString Accounts::issueKey(uint64_t userId) {
    const QString key = Crypto::randomKey();
    auto insert = database_.statement("insert into user_keys (key, user) values (?, ?)");
    insert.bind(1, text(key));
    insert.bind(2, static_cast<int64_t>(userId));
    insert.exec();
    return key;
}

Accounts::SignedIn Accounts::signIn(const QString& phone, const QString& passwordHash) {
    SignedIn out;
    auto query = database_.statement("select id, salt, hash from users where phone = ?");
    query.bind(1, text(PhoneNumbers::national(phone)));
    if (!query.executeStep()) return out;
    const uint64_t userId = static_cast<uint64_t>(query.getColumn(0).getInt64());
    const QByteArray salt(static_cast<const char*>(query.getColumn(1).getBlob()),
                          query.getColumn(1).getBytes());
    const QByteArray hash(static_cast<const char*>(query.getColumn(2).getBlob()),
                          query.getColumn(2).getBytes());
    query.reset();
    if (!Crypto::equalInConstantTime(Crypto::passwordHash(passwordHash, salt), hash)) return out;
    out = {0, userId, issueKey(userId)};
    return out;
}

Accounts::SignedIn Accounts::changePassword(uint64_t userId, const QString& oldHash,
                                            const QString& newHash) {
    SignedIn out;
    const QString phone = phoneOf(userId);
    if (phone.isEmpty() || signIn(phone, oldHash).result != 0) return out;
    if (newHash.isEmpty()) {
        out.result = -2;
        return out;
    }
    SQLite::Savepoint transaction(database_.db(), "change");
    const QByteArray salt = Crypto::randomBytes(16);
    auto update = database_.statement("update users set salt = ?, hash = ? where id = ?");
    update.bind(1, salt.constData(), static_cast<int>(salt.size()));
    const QByteArray hash = Crypto::passwordHash(newHash, salt);
    update.bind(2, hash.constData(), static_cast<int>(hash.size()));
    update.bind(3, static_cast<int64_t>(userId));
    update.exec();
    auto revoke = database_.statement("delete from user_keys where user = ?");
    revoke.bind(1, static_cast<int64_t>(userId));
    revoke.exec();
    out = {0, userId, issueKey(userId)};
    transaction.release();
    return out;
}

bool Accounts::keyIsValid(uint64_t userId, const QString& key) {
    auto query = database_.statement("select 1 from user_keys where key = ? and user = ?");
    query.bind(1, text(key));
    query.bind(2, static_cast<int64_t>(userId));
    return query.executeStep();
}

bool Accounts::isMuted(uint64_t userId) {
    return !mutedPhones_.isEmpty() && mutedPhones_.contains(phoneOf(userId));
}

int32_t Accounts::storeContacts(uint64_t userId, const QString& json) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray()) return -2;
    SQLite::Savepoint transaction(database_.db(), "change");
    auto clear = database_.statement("delete from contacts where owner = ?");
    clear.bind(1, static_cast<int64_t>(userId));
    clear.exec();
    auto insert = database_.statement(
        "insert or replace into contacts (owner, phone, name) values (?, ?, ?)");
    for (const QJsonValue& entry : document.array()) {
        const QString phone =
            PhoneNumbers::national(entry.toObject().value(QStringLiteral("phone")).toString());
        if (phone.isEmpty()) continue;
        insert.reset();
        insert.bind(1, static_cast<int64_t>(userId));
        insert.bind(2, text(phone));
        insert.bind(3, text(entry.toObject().value(QStringLiteral("name")).toString()));
        insert.exec();
    }
    transaction.release();
    return 0;
}

std::set<uint64_t> Accounts::friendsOf(uint64_t userId) {
    auto query = database_.statement(R"SQL(
        select u.id from users u join contacts c on c.phone = u.phone where c.owner = ?1
        union
        select c.owner from contacts c join users me on me.phone = c.phone where me.id = ?1)SQL");
    query.bind(1, static_cast<int64_t>(userId));
    std::set<uint64_t> friends;
    while (query.executeStep())
        friends.insert(static_cast<uint64_t>(query.getColumn(0).getInt64()));
    friends.erase(userId);
    return friends;
}
