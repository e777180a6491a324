#pragma once

#include <QString>

// Phone numbers as the server compares them.
class PhoneNumbers {
  public:
    // The client's whole-text mainland mobile pattern.
    static bool isMobileNumber(const QString& text);
    // Keeps "+0123456789", then drops a leading +86 or 86 before an 11-digit mobile number,
    // so "+86 138-0000-1111" and "13800001111" are the same number.
    static QString national(const QString& text);
};
