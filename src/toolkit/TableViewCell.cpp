#include "toolkit/TableViewCell.h"

TableViewCell::TableViewCell(QString reuseIdentifier, QWidget* parent)
    : QWidget(parent), reuseIdentifier_(std::move(reuseIdentifier)) {}
