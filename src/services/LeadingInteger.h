#pragma once

#include <QString>
#include <cstdint>

// The integer a text begins with, as the phone's string classes read it: optional blanks and
// sign, then decimal digits up to the first other character; 0 when there are none. Clamps
// on overflow.
inline int64_t leadingInteger(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i].unicode() - '0';
        if (value > (INT64_MAX - digit) / 10) return negative ? INT64_MIN : INT64_MAX;
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}
