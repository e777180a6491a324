#pragma once

#include <QColor>
#include <cstdint>

// An opaque colour from a 24-bit RGB number (0xD0246C); bits above 23 are ignored.
inline QColor colorWithHex(uint32_t rgb) {
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}
