#pragma once

#include <QAbstractScrollArea>
#include <QSizeF>
#include <map>
#include <optional>
#include <vector>

#include "toolkit/CellPool.h"
#include "toolkit/IndexPath.h"

class GridViewCell;
class GridViewDataSource;
class GridViewDelegate;
class KineticScroller;

// A vertically scrolling grid in the manner of the phone's collection views with a flow
// layout: each section's items flow left to right in lines, sections one below the other.
// Only the items that intersect the viewport exist as widgets, taken from a reuse pool.
class GridView : public QAbstractScrollArea {
    Q_OBJECT
  public:
    struct FlowLayout {
        QSizeF itemSize{50, 50};
        double minimumInteritemSpacing = 0;
        double minimumLineSpacing = 0;
    };

    explicit GridView(QWidget* parent = nullptr);
    ~GridView() override;

    // Borrowed; they must outlive the grid or be unset first.
    void setDataSource(GridViewDataSource* dataSource) { dataSource_ = dataSource; }
    void setDelegate(GridViewDelegate* delegate) { delegate_ = delegate; }
    void setFlowLayout(const FlowLayout& layout) { layout_ = layout; }
    const FlowLayout& flowLayout() const { return layout_; }

    void reloadData();
    GridViewCell* dequeueReusableCellWithReuseIdentifier(const QString& identifier);

    int numberOfSections() const { return static_cast<int>(sectionStarts_.size()); }
    int numberOfItemsInSection(int section) const;
    GridViewCell* cellForItemAtIndexPath(const IndexPath& indexPath) const;
    std::vector<IndexPath> indexPathsForVisibleItems() const;
    // In content coordinates.
    QRectF frameForItemAtIndexPath(const IndexPath& indexPath) const;
    std::optional<IndexPath> indexPathForItemAtPoint(const QPoint& viewportPoint) const;

    double contentOffset() const;
    void setContentOffset(double y);
    double contentHeight() const { return contentHeight_; }
    void setKineticScrolling(bool enabled);
    int cellsCreated() const { return pool_.cellsCreated(); }

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;

  private:
    struct Item {
        IndexPath indexPath;
        QRectF frame;
        double bottomSoFar;  // the lowest bottom of this and every earlier item
    };

    void layoutItems();
    void layoutVisibleItems();
    void updateScrollRange();
    std::optional<std::size_t> itemIndex(const IndexPath& indexPath) const;

    GridViewDataSource* dataSource_ = nullptr;
    GridViewDelegate* delegate_ = nullptr;
    FlowLayout layout_;
    std::vector<std::size_t> sectionStarts_;  // into items_
    std::vector<int> sectionCounts_;
    std::vector<Item> items_;
    double contentHeight_ = 0;
    std::map<IndexPath, GridViewCell*> visible_;
    CellPool pool_;
    KineticScroller* scroller_;
    double dragStartOffset_ = 0;
};
