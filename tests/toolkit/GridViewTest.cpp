#include <gtest/gtest.h>
#include <QTest>

#include "core/MainQueue.h"
#include "toolkit/GridView.h"
#include "toolkit/GridViewCell.h"
#include "toolkit/GridViewDataSource.h"

namespace {

// Two tiles a row, one section a row, placed by the screen at 0 or 160 (the messages screen's
// grid), over a list of `count` items.
class TwoColumnTiles : public GridViewDataSource, public GridViewDelegate {
  public:
    int count = 0;
    std::vector<IndexPath> selected;
    int numberOfSectionsInGridView(GridView&) override { return (count + 1) / 2; }
    int numberOfItemsInSection(GridView&, int section) override {
        return section == (count + 1) / 2 - 1 && count % 2 == 1 ? 1 : 2;
    }
    GridViewCell* cellForItemAtIndexPath(GridView& grid, const IndexPath& indexPath) override {
        GridViewCell* cell = grid.dequeueReusableCellWithReuseIdentifier(QStringLiteral("tile"));
        if (!cell) cell = new GridViewCell(QStringLiteral("tile"));
        cell->setProperty("position", indexPath.row + 2 * indexPath.section);
        return cell;
    }
    QRectF frameForItemAtIndexPath(GridView&, const IndexPath& indexPath, const QRectF&) override {
        return {indexPath.row * 160.0, indexPath.section * 160.0, 160, 160};
    }
    void didSelectItemAtIndexPath(GridView&, const IndexPath& indexPath) override {
        selected.push_back(indexPath);
    }
};

// Items flowing in lines, with spacing and insets.
class Flow : public GridViewDataSource, public GridViewDelegate {
  public:
    int numberOfItemsInSection(GridView&, int) override { return 5; }
    int numberOfSectionsInGridView(GridView&) override { return 2; }
    GridViewCell* cellForItemAtIndexPath(GridView& grid, const IndexPath&) override {
        GridViewCell* cell = grid.dequeueReusableCellWithReuseIdentifier(QStringLiteral("c"));
        return cell ? cell : new GridViewCell(QStringLiteral("c"));
    }
    QMarginsF insetForSectionAtIndex(GridView&, int) override { return {10, 5, 10, 5}; }
};

class GridViewTest : public testing::Test {
  protected:
    void SetUp() override {
        MainQueue::shared().useManualClock();
        grid.resize(320, 504);
        grid.show();
    }
    GridView grid;
};

}  // namespace

TEST_F(GridViewTest, TilesOfTwoPerRowWithAnOddLastRow) {
    TwoColumnTiles tiles;
    tiles.count = 5;
    grid.setFlowLayout({QSizeF(155, 160), 0, 0});
    grid.setDataSource(&tiles);
    grid.setDelegate(&tiles);
    grid.reloadData();
    EXPECT_EQ(grid.numberOfSections(), 3);
    EXPECT_EQ(grid.numberOfItemsInSection(2), 1);
    EXPECT_EQ(grid.frameForItemAtIndexPath({2, 0}), QRectF(0, 320, 160, 160));
    EXPECT_EQ(grid.frameForItemAtIndexPath({0, 1}), QRectF(160, 0, 160, 160));
    EXPECT_EQ(grid.contentHeight(), 480);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(200, 200));
    ASSERT_EQ(tiles.selected.size(), 1u);
    EXPECT_EQ(tiles.selected[0], (IndexPath{1, 1}));
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(200, 400));
    EXPECT_EQ(tiles.selected.size(), 1u) << "no tile right of the odd last one";
}

TEST_F(GridViewTest, OnlyVisibleTilesExistAndCellsAreReused) {
    TwoColumnTiles tiles;
    tiles.count = 10'000;
    grid.setDataSource(&tiles);
    grid.setDelegate(&tiles);
    grid.reloadData();
    EXPECT_EQ(grid.indexPathsForVisibleItems().size(), 8u) << "four rows of 160 touch 504 points";
    for (double y = 0; y < grid.contentHeight(); y += 97)
        grid.setContentOffset(y);
    EXPECT_LE(grid.cellsCreated(), 12);
    GridViewCell* last = grid.cellForItemAtIndexPath({4999, 1});
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->property("position").toInt(), 9999);
}

TEST_F(GridViewTest, FlowWrapsLinesWithinTheInsets) {
    Flow flow;
    grid.setFlowLayout({QSizeF(90, 50), 10, 8});
    grid.setDataSource(&flow);
    grid.setDelegate(&flow);
    grid.reloadData();
    // 300 points inside the insets: three items of 90 with 10 between fit a line.
    EXPECT_EQ(grid.frameForItemAtIndexPath({0, 0}), QRectF(10, 5, 90, 50));
    EXPECT_EQ(grid.frameForItemAtIndexPath({0, 2}), QRectF(210, 5, 90, 50));
    EXPECT_EQ(grid.frameForItemAtIndexPath({0, 3}), QRectF(10, 63, 90, 50));
    EXPECT_EQ(grid.frameForItemAtIndexPath({1, 0}), QRectF(10, 63 + 50 + 5 + 5, 90, 50));
    EXPECT_EQ(grid.contentHeight(), 2 * (5 + 50 + 8 + 50 + 5));
}

TEST_F(GridViewTest, DragScrollsAndAFlickGoesOn) {
    TwoColumnTiles tiles;
    tiles.count = 100;
    grid.setDataSource(&tiles);
    grid.setDelegate(&tiles);
    grid.setKineticScrolling(true);
    grid.reloadData();
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, QPoint(100, 400));
    MainQueue::shared().advance(0.05);
    QTest::mouseMove(grid.viewport(), QPoint(100, 300));
    MainQueue::shared().advance(0.05);
    QTest::mouseMove(grid.viewport(), QPoint(100, 200));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, QPoint(100, 200));
    EXPECT_EQ(grid.contentOffset(), 200);
    EXPECT_TRUE(tiles.selected.empty()) << "a drag is not a tap";
    MainQueue::shared().advance(2);
    EXPECT_GT(grid.contentOffset(), 400) << "the flick carried on";
}
