#pragma once

#include "toolkit/IndexPath.h"

class TableView;
class TableViewCell;

// What a table shows: its sections, their rows and the cell of each row.
class TableViewDataSource {
  public:
    virtual ~TableViewDataSource() = default;
    virtual int numberOfSectionsInTableView(TableView&) { return 1; }
    virtual int numberOfRowsInSection(TableView& table, int section) = 0;
    // A configured cell: dequeueReusableCellWithIdentifier() first, a new one when that is empty.
    virtual TableViewCell* cellForRowAtIndexPath(TableView& table, const IndexPath& indexPath) = 0;
};
