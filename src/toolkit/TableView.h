#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QPoint>
#include <map>
#include <optional>
#include <vector>

#include "core/MainQueue.h"
#include "toolkit/CellPool.h"
#include "toolkit/IndexPath.h"

class KineticScroller;
class QVariantAnimation;
class RefreshControl;
class TableViewCell;
class TableViewDataSource;
class TableViewDelegate;

// A vertical list of sections and rows in the manner of the phone's table views. Only the
// rows that intersect the viewport exist as widgets: a row that scrolls out gives its cell
// back to a pool, from which the data source takes cells for the rows that scroll in.
class TableView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    explicit TableView(QWidget* parent = nullptr);
    ~TableView() override;

    // Borrowed; they must outlive the table or be unset first.
    void setDataSource(TableViewDataSource* dataSource) { dataSource_ = dataSource; }
    void setDelegate(TableViewDelegate* delegate) { delegate_ = delegate; }

    // Asks the data source and delegate again for everything and redraws.
    void reloadData();
    // A pooled cell of that identifier, or none: the data source then makes a new one.
    TableViewCell* dequeueReusableCellWithIdentifier(const QString& identifier);

    int numberOfSections() const { return static_cast<int>(sections_.size()); }
    int numberOfRowsInSection(int section) const;
    // The cell shown for the row, or none when the row is not visible.
    TableViewCell* cellForRowAtIndexPath(const IndexPath& indexPath) const;
    std::vector<IndexPath> indexPathsForVisibleRows() const;
    // In content coordinates (0 at the top of the first header).
    QRectF rectForRowAtIndexPath(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForRowAtPoint(const QPoint& viewportPoint) const;

    double contentOffset() const;
    void setContentOffset(double y);
    double contentHeight() const { return contentHeight_; }
    void scrollToRowAtIndexPath(const IndexPath& indexPath);

    // Drag-to-scroll with a flick, as on a touch screen (on the one clock); reports the drag
    // life cycle to the delegate.
    void setKineticScrolling(bool enabled);
    bool isDragging() const;
    bool isDecelerating() const;

    // Pull-to-refresh: dragging down past the top pulls the rows down (at half the finger's
    // speed); letting go more than the control's trigger distance down starts a refresh, and
    // the gap stays open until the control ends refreshing. The table owns the control.
    void setRefreshControl(RefreshControl* control);
    RefreshControl* refreshControl() const { return refreshControl_; }
    // How far the rows are pulled down below the top.
    double pullDistance() const { return pull_; }

    // How many distinct cells the table has been given: a screenful and a few more, however
    // long the list, when the data source reuses cells.
    int cellsCreated() const { return pool_.cellsCreated(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

  private:
    struct RowGeometry {
        IndexPath indexPath;
        double top;
        double height;
    };
    struct SectionGeometry {
        double top;  // of its header
        double headerHeight;
        std::size_t firstRow;  // into rows_
        int rowCount;
    };

    void layoutVisibleRows();
    void recycle(TableViewCell* cell);
    void updateScrollRange();
    void connectScroller();
    void beginDrag();
    void dragBy(double travel);
    bool endDrag();
    // Top of the rows in view coordinates: the offset, less any pull.
    double viewTop() const { return contentOffset() - pull_; }
    void setPull(double pull);
    void animatePullTo(double pull);
    std::optional<std::size_t> rowIndex(const IndexPath& indexPath) const;

    TableViewDataSource* dataSource_ = nullptr;
    TableViewDelegate* delegate_ = nullptr;
    std::vector<SectionGeometry> sections_;
    std::vector<RowGeometry> rows_;
    double contentHeight_ = 0;
    std::map<IndexPath, TableViewCell*> visible_;
    std::map<int, QWidget*> visibleHeaders_;
    CellPool pool_;
    KineticScroller* scroller_;
    double dragStartOffset_ = 0;
    RefreshControl* refreshControl_ = nullptr;
    double pull_ = 0;
    double dragStartPull_ = 0;
    QVariantAnimation* pullAnimation_ = nullptr;
};
