#pragma once

#include <QString>
#include <cstdint>

// " where column = 'id'" for an unsigned 64-bit id. The id is written as the signed value
// the INTEGER column holds, so ids of 2^63 and above match their rows too (as unsigned
// decimal text they would be compared as a floating value and never match).
inline QString whereIdEquals(const QString& column, uint64_t id) {
    return QStringLiteral(" where %1 = '%2'").arg(column).arg(static_cast<qint64>(id));
}
