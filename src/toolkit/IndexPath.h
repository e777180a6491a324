#pragma once

#include <compare>

// A row of a table: section and row within it.
struct IndexPath {
    int section = 0;
    int row = 0;
    auto operator<=>(const IndexPath&) const = default;
};
