#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

// The phone's address book, as the platform offers it.
class AddressBook {
  public:
    struct Person {
        QString firstName;
        QString lastName;
        QStringList phones;  // as written, in the book's order
    };

    virtual ~AddressBook() = default;
    // Creates the platform's address-book object; false when there is none to read.
    virtual bool open() = 0;
    // Asks the user for access (once; later calls answer from memory). The completion runs
    // exactly once, now or later.
    virtual void requestAccess(std::function<void(bool granted)> completion) = 0;
    // Everyone in the book, in its order; nobody without access.
    virtual std::vector<Person> allPeople() = 0;
};
