#pragma once

#include <QString>

// The service hub every screen uses. One class; its parts live in separate files
// (LogicManagerCredentials.cpp, ...).
class LogicManager {
  public:
    static LogicManager& sharedInstance();

    // Credentials: the password hash that replaces every password on the wire, and the
    // mainland mobile-number test. Stateless, so callable without the instance.
    static QString encodePassword(const QString& password);
    static QString encodePasswordWithsha1(const QString& password);
    static bool isMobileNumber(const QString& text);

  private:
    LogicManager() = default;
};
