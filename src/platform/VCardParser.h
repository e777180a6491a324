#pragma once

#include <QByteArray>
#include <vector>

#include "platform/AddressBook.h"

// Reads the people of a vCard file (versions 2.1, 3.0 and 4.0): folded lines, quoted-
// printable and base64 values, charsets, escaped separators, grouped properties. Anything
// it cannot make sense of is skipped; it never fails.
class VCardParser {
  public:
    static std::vector<AddressBook::Person> parse(const QByteArray& file);
};
