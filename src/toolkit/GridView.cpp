#include "toolkit/GridView.h"

#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "toolkit/GridViewCell.h"
#include "toolkit/GridViewDataSource.h"
#include "toolkit/KineticScroller.h"

GridView::GridView(QWidget* parent)
    : QAbstractScrollArea(parent), scroller_(new KineticScroller(this)) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setSingleStep(20);
    scroller_->offset = [this] { return contentOffset(); };
    scroller_->setOffset = [this](double y) { setContentOffset(y); };
    scroller_->willBeginDragging = [this] { dragStartOffset_ = contentOffset(); };
    scroller_->dragged = [this](double travel) { setContentOffset(dragStartOffset_ + travel); };
    scroller_->tap = [this](const QPoint& at) {
        if (!delegate_) return;
        if (const auto indexPath = indexPathForItemAtPoint(at))
            delegate_->didSelectItemAtIndexPath(*this, *indexPath);
    };
}

GridView::~GridView() = default;

void GridView::setKineticScrolling(bool enabled) {
    scroller_->setEnabled(enabled);
}

int GridView::numberOfItemsInSection(int section) const {
    if (section < 0 || section >= numberOfSections()) return 0;
    return sectionCounts_[static_cast<std::size_t>(section)];
}

void GridView::reloadData() {
    for (const auto& [indexPath, cell] : visible_)
        pool_.recycle(cell);
    visible_.clear();
    layoutItems();
    updateScrollRange();
    layoutVisibleItems();
}

void GridView::layoutItems() {
    sectionStarts_.clear();
    sectionCounts_.clear();
    items_.clear();
    const double width = viewport()->width();
    const QSizeF size = layout_.itemSize;
    double y = 0;
    double lowest = 0;
    const int sections =
        dataSource_ ? std::max(0, dataSource_->numberOfSectionsInGridView(*this)) : 0;
    for (int section = 0; section < sections; ++section) {
        const int count = std::max(0, dataSource_->numberOfItemsInSection(*this, section));
        const QMarginsF inset =
            delegate_ ? delegate_->insetForSectionAtIndex(*this, section) : QMarginsF();
        sectionStarts_.push_back(items_.size());
        sectionCounts_.push_back(count);
        y += inset.top();
        double x = inset.left();
        for (int item = 0; item < count; ++item) {
            // A new line when this item would cross the right inset (never for the first).
            if (x > inset.left() && x + size.width() > width - inset.right() + 0.001) {
                x = inset.left();
                y += size.height() + layout_.minimumLineSpacing;
            }
            const IndexPath indexPath{section, item};
            QRectF frame(QPointF(x, y), size);
            if (delegate_) frame = delegate_->frameForItemAtIndexPath(*this, indexPath, frame);
            lowest = std::max(lowest, frame.bottom());
            items_.push_back({indexPath, frame, lowest});
            x += size.width() + layout_.minimumInteritemSpacing;
        }
        if (count > 0) y += size.height();
        y += inset.bottom();
    }
    contentHeight_ = std::max(y, lowest);
}

void GridView::updateScrollRange() {
    const int range =
        std::max(0, static_cast<int>(std::ceil(contentHeight_)) - viewport()->height());
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, range);
}

GridViewCell* GridView::dequeueReusableCellWithReuseIdentifier(const QString& identifier) {
    return static_cast<GridViewCell*>(pool_.dequeue(identifier));
}

std::optional<std::size_t> GridView::itemIndex(const IndexPath& indexPath) const {
    if (indexPath.section < 0 || indexPath.section >= numberOfSections()) return std::nullopt;
    const auto section = static_cast<std::size_t>(indexPath.section);
    if (indexPath.row < 0 || indexPath.row >= sectionCounts_[section]) return std::nullopt;
    return sectionStarts_[section] + static_cast<std::size_t>(indexPath.row);
}

QRectF GridView::frameForItemAtIndexPath(const IndexPath& indexPath) const {
    const auto index = itemIndex(indexPath);
    return index ? items_[*index].frame : QRectF();
}

GridViewCell* GridView::cellForItemAtIndexPath(const IndexPath& indexPath) const {
    const auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

std::vector<IndexPath> GridView::indexPathsForVisibleItems() const {
    std::vector<IndexPath> paths;
    for (const auto& [indexPath, cell] : visible_)
        paths.push_back(indexPath);
    return paths;
}

std::optional<IndexPath> GridView::indexPathForItemAtPoint(const QPoint& viewportPoint) const {
    const QPointF point(viewportPoint.x(), contentOffset() + viewportPoint.y());
    auto it = std::partition_point(items_.begin(), items_.end(), [&point](const Item& item) {
        return item.bottomSoFar <= point.y();
    });
    for (; it != items_.end() && it->frame.top() <= point.y(); ++it)
        if (it->frame.contains(point)) return it->indexPath;
    return std::nullopt;
}

double GridView::contentOffset() const {
    return verticalScrollBar()->value();
}

void GridView::setContentOffset(double y) {
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y)));
}

void GridView::layoutVisibleItems() {
    const double top = contentOffset();
    const double bottom = top + viewport()->height();
    auto first = std::partition_point(items_.begin(), items_.end(),
                                      [top](const Item& item) { return item.bottomSoFar <= top; });
    std::map<IndexPath, const Item*> wanted;
    for (auto it = first; it != items_.end() && it->frame.top() < bottom; ++it)
        if (it->frame.bottom() > top && !it->frame.isEmpty()) wanted.emplace(it->indexPath, &*it);

    for (auto it = visible_.begin(); it != visible_.end();) {
        if (wanted.contains(it->first)) {
            ++it;
        } else {
            pool_.recycle(it->second);
            it = visible_.erase(it);
        }
    }
    for (const auto& [indexPath, item] : wanted) {
        GridViewCell* cell = cellForItemAtIndexPath(indexPath);
        if (!cell && dataSource_) {
            cell = dataSource_->cellForItemAtIndexPath(*this, indexPath);
            if (!cell) continue;
            pool_.noteShown(cell);
            cell->setParent(viewport());
            visible_.emplace(indexPath, cell);
        }
        if (!cell) continue;
        const QRectF frame = item->frame.translated(0, -top);
        cell->setGeometry(frame.toAlignedRect());
        cell->show();
    }
}

void GridView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    reloadData();  // the lines depend on the width
}

void GridView::scrollContentsBy(int, int) {
    layoutVisibleItems();
    if (delegate_) delegate_->scrollViewDidScroll(*this);
}

bool GridView::viewportEvent(QEvent* event) {
    scroller_->handle(event);
    return QAbstractScrollArea::viewportEvent(event);
}
