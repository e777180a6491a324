#pragma once

#include <QString>

#include "platform/AddressBook.h"

// The address book of a desktop: a vCard file chosen by the user or configured. Access is
// asked through a prompt the UI installs (granted when there is none).
class VCardAddressBook : public AddressBook {
  public:
    using AccessPrompt = std::function<void(std::function<void(bool granted)> answer)>;
    static constexpr qint64 kMaxFileSize = 32 << 20;

    explicit VCardAddressBook(QString path, AccessPrompt prompt = {});
    // Without a configured file: asks for one (a file dialog) the first time the book opens.
    using PathChooser = std::function<QString()>;
    void setPathChooser(PathChooser chooser) { chooser_ = std::move(chooser); }

    bool open() override;
    void requestAccess(std::function<void(bool granted)> completion) override;
    std::vector<Person> allPeople() override;

  private:
    QString path_;
    AccessPrompt prompt_;
    PathChooser chooser_;
    std::vector<Person> people_;
    int access_ = -1;  // -1 not asked yet, 0 refused, 1 granted
};
