#pragma once

#include "toolkit/IndexPath.h"

class QWidget;
class TableView;
class TableViewCell;

// How a table lays out and what it reports: heights, header views, display, selection and
// the scroll life cycle (drag, flick, rest).
class TableViewDelegate {
  public:
    virtual ~TableViewDelegate() = default;
    virtual double heightForRowAtIndexPath(TableView&, const IndexPath&) { return 44; }
    virtual double heightForHeaderInSection(TableView&, int) { return 0; }
    // A header widget for the section, or none; the table owns it while it is shown.
    virtual QWidget* viewForHeaderInSection(TableView&, int) { return nullptr; }
    virtual void willDisplayCell(TableView&, TableViewCell*, const IndexPath&) {}
    virtual void didSelectRowAtIndexPath(TableView&, const IndexPath&) {}
    virtual void scrollViewDidScroll(TableView&) {}
    virtual void scrollViewWillBeginDragging(TableView&) {}
    virtual void scrollViewDidEndDragging(TableView&, bool willDecelerate) { (void)willDecelerate; }
    virtual void scrollViewDidEndDecelerating(TableView&) {}
};
