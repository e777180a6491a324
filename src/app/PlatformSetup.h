#pragma once

#include <QString>

class AppDelegate;

// Connects the desktop's stand-ins for the phone's platform to the app: the address book
// (a configured vCard file, or one the user picks, behind a permission prompt whose answer is
// remembered), links handed to the desktop, push tokens and payloads, URLs handed back.
namespace PlatformSetup {

inline const QString kAccessKey = QStringLiteral("AddressBookAccess");  // 1 allowed, 2 refused
inline const QString kPromptTitle = QStringLiteral("“星笺”想访问您的通讯录");
inline const QString kPromptMessage =
    QStringLiteral("星笺用通讯录里的号码帮你找到朋友，号码不会被展示给任何人");

void installAddressBook(const QString& contactsFile);
void connectDelegate(AppDelegate& delegate);

}  // namespace PlatformSetup
