#pragma once

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <variant>

// A value bound to or read from a statement: NULL, an integer (unsigned 64-bit ids bit for
// bit), a floating value, a text or a date.
using SqlValue = std::variant<std::monostate, int64_t, double, QString, QDateTime>;
