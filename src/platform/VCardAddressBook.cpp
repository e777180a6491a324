#include "platform/VCardAddressBook.h"

#include <QFile>
#include <QtDebug>

#include "platform/VCardParser.h"

VCardAddressBook::VCardAddressBook(QString path, AccessPrompt prompt)
    : path_(std::move(path)), prompt_(std::move(prompt)) {}

bool VCardAddressBook::open() {
    if (path_.isEmpty() && chooser_) path_ = chooser_();
    QFile file(path_);
    if (path_.isEmpty() || !file.open(QIODevice::ReadOnly)) return false;
    if (file.size() > kMaxFileSize) {
        qWarning("address book %s is larger than %lld bytes; not read", qPrintable(path_),
                 kMaxFileSize);
        return false;
    }
    people_ = VCardParser::parse(file.readAll());
    return true;
}

void VCardAddressBook::requestAccess(std::function<void(bool granted)> completion) {
    if (access_ >= 0 || !prompt_) {
        if (access_ < 0) access_ = 1;
        completion(access_ == 1);
        return;
    }
    prompt_([this, completion = std::move(completion)](bool granted) {
        access_ = granted ? 1 : 0;
        completion(granted);
    });
}

std::vector<AddressBook::Person> VCardAddressBook::allPeople() {
    return access_ == 1 ? people_ : std::vector<Person>();
}
