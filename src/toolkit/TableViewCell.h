#pragma once

#include "toolkit/ReusableCell.h"

// A row's widget.
class TableViewCell : public ReusableCell {
    Q_OBJECT
  public:
    using ReusableCell::ReusableCell;
};
