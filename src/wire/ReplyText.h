#pragma once

#include <QString>
#include <optional>

#include "wire/Package.h"

// A string field of a reply as text; nothing when it is cut off or not valid UTF-8.
// A present empty string is an empty (not a null) text.
inline std::optional<QString> readText(Package& reply) {
    const std::optional<std::string> bytes = reply.readString();
    if (!bytes || reply.overrun()) return std::nullopt;
    QString text = QString::fromStdString(*bytes);
    return text.isNull() ? QStringLiteral("") : text;
}
