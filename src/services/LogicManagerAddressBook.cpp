#include <QEventLoop>

#include "platform/AddressBook.h"
#include "services/LogicManager.h"

namespace {

// Keeps every run of "+0123456789" and drops everything else.
QString normalisedPhone(const QString& phone) {
    QString digits;
    for (const QChar c : phone)
        if (c == '+' || (c >= '0' && c <= '9')) digits += c;
    return digits;
}

}  // namespace

void LogicManager::setAddressBook(std::unique_ptr<AddressBook> addressBook) {
    addressBook_ = std::move(addressBook);
    phoneDicArray.clear();
}

void LogicManager::getContactFriends(const ContactsCallback& callback) {
    if (!phoneDicArray.isEmpty()) {
        callback(1, {{QStringLiteral("dic"), phoneDicArray}});
        return;
    }
    if (!addressBook_ || !addressBook_->open()) {
        callback(-1, {});
        return;
    }
    // The answer may come from a prompt; wait for it (no time-out), as the platform does.
    auto answered = std::make_shared<bool>(false);
    auto wait = std::make_shared<QEventLoop>();
    addressBook_->requestAccess([answered, wait](bool) {
        *answered = true;
        wait->quit();
    });
    if (!*answered) wait->exec();

    QVariantList entries;
    for (const AddressBook::Person& person : addressBook_->allPeople()) {
        QString phone;
        for (const QString& number : person.phones) {
            const QString normalised = normalisedPhone(number);
            if (!normalised.isEmpty()) phone = normalised;  // the last usable number wins
        }
        if (phone.isEmpty()) continue;
        entries << QVariantMap{{QStringLiteral("name"), person.lastName + person.firstName},
                               {QStringLiteral("phone"), phone}};
    }
    phoneDicArray = entries;
    callback(1, {{QStringLiteral("dic"), entries}});
}
