#pragma once

#include <QString>
#include <functional>

class Accounts;
class Secrets;
class ServerDatabase;
class Uploads;

// The demo world: about twenty women in three circles, sixty-odd secrets with likes and
// numbered comments, photos and guide questions, seeded into an empty data folder and kept
// looking recent on every later start.
class DemoWorld {
  public:
    using Clock = std::function<qint64()>;
    static constexpr int kUserCount = 20;
    static constexpr int kContactsInBook = 5;  // the demo address book holds u0…u4
    static constexpr const char* kPassword = "123456";

    DemoWorld(ServerDatabase& database, Accounts& accounts, Secrets& secrets,
              const Uploads& uploads, Clock clock);

    // Seeds once; later starts only move the dates forward when the world has gone stale.
    void prepare();
    // DIR/demo-contacts.vcf: several demo users' numbers with Chinese names.
    bool writeAddressBook(const QString& path) const;

    static QString phoneOf(int user);
    static QString nameOf(int user);

  private:
    void seed();
    void freshen();

    ServerDatabase& database_;
    Accounts& accounts_;
    Secrets& secrets_;
    const Uploads& uploads_;
    Clock clock_;
};
