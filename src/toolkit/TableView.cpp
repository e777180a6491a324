#include "toolkit/TableView.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include <QVariantAnimation>

#include "toolkit/KineticScroller.h"
#include "toolkit/RefreshControl.h"
#include "toolkit/TableViewCell.h"
#include "toolkit/TableViewDataSource.h"
#include "toolkit/TableViewDelegate.h"

namespace {
constexpr double kPullResistance = 0.5;
constexpr int kPullSettleMillis = 250;
}  // namespace

TableView::TableView(QWidget* parent)
    : QAbstractScrollArea(parent), scroller_(new KineticScroller(this)) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    verticalScrollBar()->setSingleStep(20);
    connectScroller();
}

TableView::~TableView() = default;

void TableView::setKineticScrolling(bool enabled) {
    scroller_->setEnabled(enabled);
}
bool TableView::isDragging() const {
    return scroller_->isDragging();
}
bool TableView::isDecelerating() const {
    return scroller_->isDecelerating();
}

void TableView::connectScroller() {
    scroller_->offset = [this] { return contentOffset(); };
    scroller_->setOffset = [this](double y) { setContentOffset(y); };
    scroller_->tap = [this](const QPoint& at) {
        if (!delegate_) return;
        if (const auto indexPath = indexPathForRowAtPoint(at))
            delegate_->didSelectRowAtIndexPath(*this, *indexPath);
    };
    scroller_->willBeginDragging = [this] { beginDrag(); };
    scroller_->dragged = [this](double travel) { dragBy(travel); };
    scroller_->released = [this] { return endDrag(); };
    scroller_->didEndDragging = [this](bool decelerate) {
        if (delegate_) delegate_->scrollViewDidEndDragging(*this, decelerate);
    };
    scroller_->didEndDecelerating = [this] {
        if (delegate_) delegate_->scrollViewDidEndDecelerating(*this);
    };
}

int TableView::numberOfRowsInSection(int section) const {
    if (section < 0 || section >= numberOfSections()) return 0;
    return sections_[static_cast<std::size_t>(section)].rowCount;
}

void TableView::reloadData() {
    for (const auto& [indexPath, cell] : visible_)
        recycle(cell);
    visible_.clear();
    for (const auto& [section, header] : visibleHeaders_)
        header->deleteLater();
    visibleHeaders_.clear();
    sections_.clear();
    rows_.clear();
    double top = 0;
    const int sectionCount =
        dataSource_ ? std::max(0, dataSource_->numberOfSectionsInTableView(*this)) : 0;
    sections_.reserve(static_cast<std::size_t>(sectionCount));
    for (int section = 0; section < sectionCount; ++section) {
        const double header =
            delegate_ ? std::max(0.0, delegate_->heightForHeaderInSection(*this, section)) : 0;
        const int rowCount = std::max(0, dataSource_->numberOfRowsInSection(*this, section));
        sections_.push_back({top, header, rows_.size(), rowCount});
        top += header;
        for (int row = 0; row < rowCount; ++row) {
            const IndexPath indexPath{section, row};
            const double height =
                delegate_ ? std::max(0.0, delegate_->heightForRowAtIndexPath(*this, indexPath))
                          : 44;
            rows_.push_back({indexPath, top, height});
            top += height;
        }
    }
    contentHeight_ = top;
    updateScrollRange();
    layoutVisibleRows();
}

void TableView::updateScrollRange() {
    const int range =
        std::max(0, static_cast<int>(std::ceil(contentHeight_)) - viewport()->height());
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setRange(0, range);
}

TableViewCell* TableView::dequeueReusableCellWithIdentifier(const QString& identifier) {
    return static_cast<TableViewCell*>(pool_.dequeue(identifier));
}

void TableView::recycle(TableViewCell* cell) {
    pool_.recycle(cell);
}

std::optional<std::size_t> TableView::rowIndex(const IndexPath& indexPath) const {
    if (indexPath.section < 0 || indexPath.section >= numberOfSections()) return std::nullopt;
    const SectionGeometry& section = sections_[static_cast<std::size_t>(indexPath.section)];
    if (indexPath.row < 0 || indexPath.row >= section.rowCount) return std::nullopt;
    return section.firstRow + static_cast<std::size_t>(indexPath.row);
}

QRectF TableView::rectForRowAtIndexPath(const IndexPath& indexPath) const {
    const auto index = rowIndex(indexPath);
    if (!index) return {};
    const RowGeometry& row = rows_[*index];
    return {0, row.top, static_cast<double>(viewport()->width()), row.height};
}

TableViewCell* TableView::cellForRowAtIndexPath(const IndexPath& indexPath) const {
    const auto it = visible_.find(indexPath);
    return it == visible_.end() ? nullptr : it->second;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() const {
    std::vector<IndexPath> paths;
    for (const auto& [indexPath, cell] : visible_)
        paths.push_back(indexPath);
    return paths;
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(const QPoint& viewportPoint) const {
    const double y = viewTop() + viewportPoint.y();
    const auto it =
        std::upper_bound(rows_.begin(), rows_.end(), y,
                         [](double value, const RowGeometry& row) { return value < row.top; });
    if (it == rows_.begin()) return std::nullopt;
    const RowGeometry& row = *(it - 1);
    if (y >= row.top + row.height) return std::nullopt;  // in a header below the row
    return row.indexPath;
}

double TableView::contentOffset() const {
    return verticalScrollBar()->value();
}

void TableView::setContentOffset(double y) {
    verticalScrollBar()->setValue(static_cast<int>(std::lround(y)));
}

void TableView::scrollToRowAtIndexPath(const IndexPath& indexPath) {
    if (const auto index = rowIndex(indexPath)) setContentOffset(rows_[*index].top);
}

void TableView::layoutVisibleRows() {
    const double top = viewTop();
    const double bottom = top + viewport()->height();
    const int width = viewport()->width();

    // First row that ends below the top edge, then every row that starts above the bottom.
    auto first = std::partition_point(rows_.begin(), rows_.end(), [top](const RowGeometry& row) {
        return row.top + row.height <= top;
    });
    std::map<IndexPath, const RowGeometry*> wanted;
    for (auto it = first; it != rows_.end() && it->top < bottom; ++it)
        if (it->height > 0) wanted.emplace(it->indexPath, &*it);

    for (auto it = visible_.begin(); it != visible_.end();) {
        if (wanted.contains(it->first)) {
            ++it;
        } else {
            recycle(it->second);
            it = visible_.erase(it);
        }
    }
    for (const auto& [indexPath, row] : wanted) {
        TableViewCell* cell = cellForRowAtIndexPath(indexPath);
        const bool appearing = cell == nullptr;
        if (appearing) {
            cell = dataSource_ ? dataSource_->cellForRowAtIndexPath(*this, indexPath) : nullptr;
            if (!cell) continue;
            pool_.noteShown(cell);
            if (cell->parentWidget() != viewport()) cell->setParent(viewport());
            visible_.emplace(indexPath, cell);
        }
        cell->setGeometry(0, static_cast<int>(std::lround(row->top - top)), width,
                          static_cast<int>(std::lround(row->height)));
        if (appearing) {
            if (delegate_) delegate_->willDisplayCell(*this, cell, indexPath);
            cell->show();
        }
    }

    // Header views of the sections whose header is on screen.
    std::map<int, const SectionGeometry*> wantedHeaders;
    for (std::size_t s = 0; s < sections_.size(); ++s) {
        const SectionGeometry& section = sections_[s];
        if (section.headerHeight >= 1 && section.top < bottom &&
            section.top + section.headerHeight > top)
            wantedHeaders.emplace(static_cast<int>(s), &section);
        if (section.top >= bottom) break;
    }
    for (auto it = visibleHeaders_.begin(); it != visibleHeaders_.end();) {
        if (wantedHeaders.contains(it->first)) {
            ++it;
        } else {
            it->second->deleteLater();
            it = visibleHeaders_.erase(it);
        }
    }
    for (const auto& [section, geometry] : wantedHeaders) {
        QWidget* header = nullptr;
        if (const auto it = visibleHeaders_.find(section); it != visibleHeaders_.end()) {
            header = it->second;
        } else if (delegate_) {
            header = delegate_->viewForHeaderInSection(*this, section);
            if (!header) continue;
            header->setParent(viewport());
            header->show();
            visibleHeaders_.emplace(section, header);
        }
        if (header)
            header->setGeometry(0, static_cast<int>(std::lround(geometry->top - top)), width,
                                static_cast<int>(std::lround(geometry->headerHeight)));
    }
}

void TableView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollRange();
    layoutVisibleRows();
}

void TableView::scrollContentsBy(int, int) {
    layoutVisibleRows();
    if (delegate_) delegate_->scrollViewDidScroll(*this);
}

bool TableView::viewportEvent(QEvent* event) {
    scroller_->handle(event);
    return QAbstractScrollArea::viewportEvent(event);
}

void TableView::beginDrag() {
    if (pullAnimation_) pullAnimation_->stop();
    dragStartOffset_ = contentOffset();
    dragStartPull_ = pull_;
    if (delegate_) delegate_->scrollViewWillBeginDragging(*this);
}

void TableView::dragBy(double travel) {
    // Where the finger puts the top of the rows; above 0 only with a refresh control, and
    // then at half the finger's speed.
    const double wanted = dragStartOffset_ - dragStartPull_ / kPullResistance + travel;
    if (wanted >= 0 || !refreshControl_) {
        setPull(0);
        setContentOffset(wanted);
    } else {
        setContentOffset(0);
        setPull(-wanted * kPullResistance);
    }
}

bool TableView::endDrag() {
    if (pull_ <= 0) return false;
    // Let go while pulled: refresh, or fall back.
    if (delegate_) delegate_->scrollViewDidEndDragging(*this, false);
    if (!refreshControl_->isRefreshing() && pull_ >= RefreshControl::kTriggerDistance)
        refreshControl_->beginRefreshing();
    animatePullTo(refreshControl_->isRefreshing() ? RefreshControl::kTriggerDistance : 0);
    return true;
}

void TableView::setRefreshControl(RefreshControl* control) {
    delete refreshControl_;
    refreshControl_ = control;
    if (!control) return;
    control->setParent(viewport());
    control->lower();
    control->show();
    connect(control, &RefreshControl::refreshingEnded, this, [this] {
        if (!scroller_->isDragging()) animatePullTo(0);
    });
    if (!pullAnimation_) {
        pullAnimation_ = new QVariantAnimation(this);
        pullAnimation_->setDuration(kPullSettleMillis);
        pullAnimation_->setEasingCurve(QEasingCurve::OutCubic);
        connect(pullAnimation_, &QVariantAnimation::valueChanged, this,
                [this](const QVariant& value) { setPull(value.toDouble()); });
    }
    setPull(pull_);
}

void TableView::setPull(double pull) {
    pull_ = std::max(0.0, pull);
    if (refreshControl_) {
        refreshControl_->setGeometry(0, 0, viewport()->width(),
                                     static_cast<int>(std::lround(pull_)));
        refreshControl_->setPulled(pull_);
    }
    layoutVisibleRows();
}

void TableView::animatePullTo(double pull) {
    if (!pullAnimation_) return setPull(pull);
    pullAnimation_->stop();
    pullAnimation_->setStartValue(pull_);
    pullAnimation_->setEndValue(pull);
    pullAnimation_->start();
}
