#pragma once

#include <QString>
#include <QTemporaryDir>

// A fresh application home for one test: new database file, settings file and signed-in
// user, as on a new installation. Switches every home-bound service over to it.
class TestHome {
  public:
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }
    QString databasePath() const;
    // Points every service at the given home again, as a new start of the app would.
    static void switchTo(const QString& directory);

  private:
    QTemporaryDir dir_;
};
