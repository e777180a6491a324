#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>
#include <set>

class ServerDatabase;

// Accounts, sign-in keys, address books and the friendships they make.
class Accounts {
  public:
    using Clock = std::function<qint64()>;  // seconds since 1970
    static constexpr int kMaxCodeAttempts = 5;
    static constexpr qint64 kCodeLifetime = 30 * 60;

    struct SignedIn {
        int32_t result = -1;
        uint64_t userId = 0;
        QString userKey;
    };

    Accounts(ServerDatabase& database, QString fixedCode, QStringList mutedPhones, Clock clock);

    // Sign-up step 1: a code for a valid, unregistered number (logged; fixed when configured).
    int32_t requestCode(const QString& phone);
    // Sign-up step 2: the code must match; creates the account and its first key.
    SignedIn signUp(const QString& phone, const QString& code, const QString& passwordHash);
    SignedIn signIn(const QString& phone, const QString& passwordHash);
    // A new key; every older key of the user stops working.
    SignedIn changePassword(uint64_t userId, const QString& oldHash, const QString& newHash);
    bool keyIsValid(uint64_t userId, const QString& key);

    uint64_t createUser(const QString& phone, const QString& passwordHash);
    QString phoneOf(uint64_t userId);
    std::optional<uint64_t> userWithPhone(const QString& phone);
    bool isMuted(uint64_t userId);

    // The uploaded address book (a JSON array of {"name", "phone"}) replaces the old one.
    int32_t storeContacts(uint64_t userId, const QString& json);
    // Registered users whose number is in the user's book, or who have the user's number.
    std::set<uint64_t> friendsOf(uint64_t userId);

  private:
    QString issueKey(uint64_t userId);
    QString newCode() const;

    ServerDatabase& database_;
    QString fixedCode_;
    QStringList mutedPhones_;
    Clock clock_;
};
