#pragma once

#include "toolkit/ReusableCell.h"

// An item's widget in a grid.
class GridViewCell : public ReusableCell {
    Q_OBJECT
  public:
    using ReusableCell::ReusableCell;
};
