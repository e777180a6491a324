#include <gtest/gtest.h>
#include <QLabel>
#include <QTest>

#include "core/MainQueue.h"
#include "toolkit/RefreshControl.h"
#include "toolkit/TableView.h"
#include "toolkit/TableViewCell.h"
#include "toolkit/TableViewDataSource.h"
#include "toolkit/TableViewDelegate.h"

namespace {

class RowCell : public TableViewCell {
  public:
    RowCell() : TableViewCell(QStringLiteral("row")), label(new QLabel(this)) {}
    void prepareForReuse() override { ++reuses; }
    QLabel* label;
    int reuses = 0;
};

// The timeline's shape: one row per section, 320-point rows, a 0.1 then 10-point header.
class Feed : public TableViewDataSource, public TableViewDelegate {
  public:
    int sections = 10'000;
    bool withHeaders = false;
    std::vector<IndexPath> displayed;
    std::vector<IndexPath> selected;
    std::vector<std::string> scrollEvents;

    int numberOfSectionsInTableView(TableView&) override { return sections; }
    int numberOfRowsInSection(TableView&, int) override { return 1; }
    TableViewCell* cellForRowAtIndexPath(TableView& table, const IndexPath& indexPath) override {
        auto* cell =
            static_cast<RowCell*>(table.dequeueReusableCellWithIdentifier(QStringLiteral("row")));
        if (!cell) cell = new RowCell;
        cell->label->setText(QString::number(indexPath.section));
        return cell;
    }
    double heightForRowAtIndexPath(TableView&, const IndexPath&) override { return 320; }
    double heightForHeaderInSection(TableView&, int section) override {
        return section == 0 ? 0.1 : 10;
    }
    QWidget* viewForHeaderInSection(TableView&, int section) override {
        if (!withHeaders) return nullptr;
        auto* header = new QLabel(QStringLiteral("header %1").arg(section));
        header->setObjectName(QStringLiteral("header%1").arg(section));
        return header;
    }
    void willDisplayCell(TableView&, TableViewCell*, const IndexPath& indexPath) override {
        displayed.push_back(indexPath);
    }
    void didSelectRowAtIndexPath(TableView&, const IndexPath& indexPath) override {
        selected.push_back(indexPath);
    }
    void scrollViewWillBeginDragging(TableView&) override {
        scrollEvents.push_back("willBeginDragging");
    }
    void scrollViewDidEndDragging(TableView&, bool decelerate) override {
        scrollEvents.push_back(decelerate ? "didEndDragging+decelerate" : "didEndDragging");
    }
    void scrollViewDidEndDecelerating(TableView&) override {
        scrollEvents.push_back("didEndDecelerating");
    }
};

class TableViewTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        table.setDataSource(&feed);
        table.setDelegate(&feed);
        table.resize(320, 568);
        table.show();
        table.reloadData();
    }
    Feed feed;
    TableView table;
};

}  // namespace

TEST_F(TableViewTest, TenThousandRowsScrolledTopToBottomUseAScreenfulOfCells) {
    EXPECT_NEAR(table.contentHeight(), 10'000 * 320 + 9'999 * 10 + 0.1, 0.01);
    EXPECT_EQ(table.indexPathsForVisibleRows().size(), 2u);
    const double end = table.contentHeight() - 568;
    for (double y = 0; y < end; y += 97)
        table.setContentOffset(y);
    table.setContentOffset(end);
    EXPECT_LE(table.cellsCreated(), 4) << "ceil(568 / 330) + 1 rows can show at once, plus one";
    EXPECT_EQ(table.findChildren<TableViewCell*>().size(),
              static_cast<qsizetype>(table.cellsCreated()));
    ASSERT_EQ(feed.displayed.size(), 10'000u) << "every row displayed once, in order";
    for (int i = 0; i < 10'000; ++i)
        EXPECT_EQ(feed.displayed[static_cast<std::size_t>(i)].section, i);
    EXPECT_EQ(table.indexPathsForVisibleRows().back().section, 9'999);
}

TEST_F(TableViewTest, VisibleCellsSitWhereTheirRowsAreAndShowTheirOwnRow) {
    table.setContentOffset(5 * 330 + 100);
    for (const IndexPath& indexPath : table.indexPathsForVisibleRows()) {
        auto* cell = static_cast<RowCell*>(table.cellForRowAtIndexPath(indexPath));
        ASSERT_NE(cell, nullptr);
        EXPECT_TRUE(cell->isVisible());
        EXPECT_EQ(cell->label->text(), QString::number(indexPath.section));
        const QRectF rect = table.rectForRowAtIndexPath(indexPath);
        EXPECT_EQ(cell->geometry().top(),
                  static_cast<int>(std::lround(rect.top() - table.contentOffset())));
        EXPECT_EQ(cell->height(), 320);
        EXPECT_EQ(cell->width(), 320);
    }
    EXPECT_EQ(table.cellForRowAtIndexPath({0, 0}), nullptr) << "scrolled away";
    EXPECT_EQ(table.indexPathForRowAtPoint(QPoint(10, 0)), (IndexPath{5, 0}));
    EXPECT_EQ(table.indexPathForRowAtPoint(QPoint(10, 225)), std::nullopt)
        << "the gap between cards";
}

TEST_F(TableViewTest, ATapSelectsItsRowAndADragDoesNot) {
    table.setContentOffset(330 * 3);
    QTest::mouseClick(table.viewport(), Qt::LeftButton, {}, QPoint(100, 50));
    ASSERT_EQ(feed.selected.size(), 1u);
    EXPECT_EQ(feed.selected[0], (IndexPath{3, 0}));
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, QPoint(100, 50));
    QTest::mouseMove(table.viewport(), QPoint(100, 150));
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, QPoint(100, 150));
    EXPECT_EQ(feed.selected.size(), 1u);
}

TEST_F(TableViewTest, ReloadingWithFewerRowsRecyclesAndClampsTheOffset) {
    table.setContentOffset(330 * 100);
    feed.sections = 3;
    table.reloadData();
    EXPECT_LE(table.contentOffset(), table.contentHeight() - 568 + 1);
    for (const IndexPath& indexPath : table.indexPathsForVisibleRows())
        EXPECT_LT(indexPath.section, 3);
    feed.sections = 0;
    table.reloadData();
    EXPECT_TRUE(table.indexPathsForVisibleRows().empty());
    for (TableViewCell* cell : table.findChildren<TableViewCell*>())
        EXPECT_FALSE(cell->isVisible());
}

TEST_F(TableViewTest, HeaderViewsLiveWhileTheirSectionIsOnScreen) {
    feed.withHeaders = true;
    table.reloadData();
    EXPECT_EQ(table.findChild<QLabel*>(QStringLiteral("header0")), nullptr)
        << "a 0.1-point header has no room";
    auto* header = table.findChild<QLabel*>(QStringLiteral("header1"));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(header->geometry(), QRect(0, 320, 320, 10));
    table.setContentOffset(330 * 50);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(table.findChild<QLabel*>(QStringLiteral("header1")), nullptr);
    EXPECT_NE(table.findChild<QLabel*>(QStringLiteral("header51")), nullptr);
}

// A drag follows the finger; a quick release flicks on, slowing on the clock until it rests.
TEST_F(TableViewTest, DragAndFlickOnTheClock) {
    table.setKineticScrolling(true);
    MainQueue& clock = MainQueue::shared();
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, QPoint(100, 400));
    for (int y = 390; y >= 200; y -= 10) {
        clock.advance(0.01);
        QTest::mouseMove(table.viewport(), QPoint(100, y));
    }
    EXPECT_TRUE(table.isDragging());
    EXPECT_NEAR(table.contentOffset(), 200, 1) << "the content follows the finger";
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_TRUE(table.isDecelerating());
    clock.advance(0.5);
    const double midway = table.contentOffset();
    EXPECT_GT(midway, 400);
    clock.advance(10);
    EXPECT_FALSE(table.isDecelerating());
    EXPECT_GT(table.contentOffset(), midway);
    EXPECT_EQ(feed.scrollEvents,
              (std::vector<std::string>{"willBeginDragging", "didEndDragging+decelerate",
                                        "didEndDecelerating"}));
    EXPECT_TRUE(feed.selected.empty());

    // A slow drag ends without a flick; a touch during a flick stops it and selects nothing.
    feed.scrollEvents.clear();
    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, QPoint(100, 300));
    clock.advance(1.0);
    QTest::mouseMove(table.viewport(), QPoint(100, 280));
    clock.advance(1.0);
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, QPoint(100, 280));
    EXPECT_EQ(feed.scrollEvents, (std::vector<std::string>{"willBeginDragging", "didEndDragging"}));
    EXPECT_FALSE(table.isDecelerating());
}

TEST_F(TableViewTest, PullingDownPastTheTriggerRefreshesUntilTheControlEnds) {
    table.setKineticScrolling(true);
    MainQueue& clock = MainQueue::shared();
    auto drag = [&](int from, int to) {
        QTest::mousePress(table.viewport(), Qt::LeftButton, {}, QPoint(100, from));
        for (int y = from; y != to; y += (to > from ? 10 : -10)) {
            clock.advance(0.05);
            QTest::mouseMove(table.viewport(), QPoint(100, y + (to > from ? 10 : -10)));
        }
        QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, QPoint(100, to));
    };

    drag(100, 260);
    EXPECT_EQ(table.pullDistance(), 0) << "no control: the top does not move";
    EXPECT_EQ(table.contentOffset(), 0);

    auto* control = new RefreshControl;
    table.setRefreshControl(control);
    int refreshes = 0;
    QObject::connect(control, &RefreshControl::refresh, [&] { ++refreshes; });

    drag(100, 160);  // 60 points of finger: pulled 30
    EXPECT_EQ(refreshes, 0);
    clock.advance(0.3);
    EXPECT_EQ(table.pullDistance(), 0) << "falls back";

    QTest::mousePress(table.viewport(), Qt::LeftButton, {}, QPoint(100, 100));
    for (int y = 110; y <= 260; y += 10) {
        clock.advance(0.05);
        QTest::mouseMove(table.viewport(), QPoint(100, y));
    }
    EXPECT_NEAR(table.pullDistance(), 80, 0.5);
    EXPECT_EQ(table.cellForRowAtIndexPath({0, 0})->y(), 80) << "the rows move down with the pull";
    QTest::mouseRelease(table.viewport(), Qt::LeftButton, {}, QPoint(100, 260));
    EXPECT_EQ(refreshes, 1);
    EXPECT_TRUE(control->isRefreshing());
    clock.advance(0.3);
    EXPECT_NEAR(table.pullDistance(), RefreshControl::kTriggerDistance, 0.5)
        << "held open while refreshing";
    EXPECT_TRUE(feed.selected.empty());

    control->endRefreshing();
    clock.advance(0.3);
    EXPECT_EQ(table.pullDistance(), 0);
    EXPECT_EQ(table.cellForRowAtIndexPath({0, 0})->y(), 0);
    EXPECT_EQ(refreshes, 1);
}
