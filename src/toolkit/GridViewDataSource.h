#pragma once

#include <QMarginsF>
#include <QRectF>

#include "toolkit/IndexPath.h"

class GridView;
class GridViewCell;

// What a grid shows: its sections, their items (IndexPath::row is the item) and the cell of
// each item.
class GridViewDataSource {
  public:
    virtual ~GridViewDataSource() = default;
    virtual int numberOfSectionsInGridView(GridView&) { return 1; }
    virtual int numberOfItemsInSection(GridView& grid, int section) = 0;
    // A configured cell: dequeueReusableCellWithReuseIdentifier() first, else a new one.
    virtual GridViewCell* cellForItemAtIndexPath(GridView& grid, const IndexPath& indexPath) = 0;
};

// What a grid tells and asks besides its data.
class GridViewDelegate {
  public:
    virtual ~GridViewDelegate() = default;
    virtual void didSelectItemAtIndexPath(GridView&, const IndexPath&) {}
    virtual QMarginsF insetForSectionAtIndex(GridView&, int) { return {}; }
    // Where the item goes, when the screen places it itself rather than where the flow puts
    // it. Items must keep their order from top to bottom.
    virtual QRectF frameForItemAtIndexPath(GridView&, const IndexPath&, const QRectF& flowFrame) {
        return flowFrame;
    }
    virtual void scrollViewDidScroll(GridView&) {}
};
