#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>

#include "toolkit/ImageBlur.h"
#include "toolkit/GridView.h"
#include "toolkit/GridViewCell.h"
#include "toolkit/GridViewDataSource.h"
#include "toolkit/TableView.h"
#include "toolkit/TableViewCell.h"
#include "toolkit/TableViewDataSource.h"
#include "toolkit/TableViewDelegate.h"

namespace {

// The overlay's blur of a full window snapshot at 2× (640 × 1136), strength 0.6.
void BM_BlurWindowSnapshot(benchmark::State& state) {
    QImage snapshot(640, 1136, QImage::Format_ARGB32_Premultiplied);
    snapshot.fill(QColor(0xF8, 0x8B, 0xB5));
    for (auto _ : state)
        benchmark::DoNotOptimize(ImageBlur::blurredImage(snapshot, 0.6).constBits());
}
BENCHMARK(BM_BlurWindowSnapshot)->Unit(benchmark::kMillisecond);

class Cell : public TableViewCell {
  public:
    Cell() : TableViewCell(QStringLiteral("cell")), label(new QLabel(this)) {}
    QLabel* label;
};

class Rows : public TableViewDataSource, public TableViewDelegate {
  public:
    int numberOfSectionsInTableView(TableView&) override { return 10'000; }
    int numberOfRowsInSection(TableView&, int) override { return 1; }
    TableViewCell* cellForRowAtIndexPath(TableView& table, const IndexPath& indexPath) override {
        auto* cell =
            static_cast<Cell*>(table.dequeueReusableCellWithIdentifier(QStringLiteral("cell")));
        if (!cell) cell = new Cell;
        cell->label->setText(QString::number(indexPath.section));
        return cell;
    }
    double heightForRowAtIndexPath(TableView&, const IndexPath&) override { return 320; }
    double heightForHeaderInSection(TableView&, int section) override {
        return section == 0 ? 0.1 : 10;
    }
};

// A phone-sized table over the rows.
void attach(TableView& table, Rows& rows) {
    table.setDataSource(&rows);
    table.setDelegate(&rows);
    table.resize(320, 568);
}

// Scrolling the whole 10,000-row timeline in 100-point steps (layout and cell reuse).
void BM_ScrollTenThousandRows(benchmark::State& state) {
    Rows rows;
    TableView table;
    attach(table, rows);
    table.reloadData();
    for (auto _ : state) {
        for (double y = 0; y < table.contentHeight(); y += 100)
            table.setContentOffset(y);
        table.setContentOffset(0);
    }
    state.counters["cells"] = table.cellsCreated();
    state.counters["steps"] = table.contentHeight() / 100;
}
BENCHMARK(BM_ScrollTenThousandRows)->Unit(benchmark::kMillisecond);

void BM_ReloadTenThousandRows(benchmark::State& state) {
    Rows rows;
    TableView table;
    attach(table, rows);
    for (auto _ : state)
        table.reloadData();
}
BENCHMARK(BM_ReloadTenThousandRows)->Unit(benchmark::kMicrosecond);

// 10,000 collected secrets, two tiles a row, each row its own section.
class Tiles : public GridViewDataSource, public GridViewDelegate {
  public:
    int numberOfSectionsInGridView(GridView&) override { return 5000; }
    int numberOfItemsInSection(GridView&, int) override { return 2; }
    GridViewCell* cellForItemAtIndexPath(GridView& grid, const IndexPath&) override {
        GridViewCell* cell = grid.dequeueReusableCellWithReuseIdentifier(QStringLiteral("tile"));
        return cell ? cell : new GridViewCell(QStringLiteral("tile"));
    }
    QRectF frameForItemAtIndexPath(GridView&, const IndexPath& at, const QRectF&) override {
        return {at.row * 160.0, at.section * 160.0, 160, 160};
    }
};

void BM_ScrollTenThousandTiles(benchmark::State& state) {
    Tiles tiles;
    GridView grid;
    grid.setDataSource(&tiles);
    grid.setDelegate(&tiles);
    grid.setFlowLayout({QSizeF(155, 160), 0, 0});
    grid.resize(320, 504);
    grid.show();
    grid.reloadData();
    for (auto _ : state) {
        for (double y = 0; y < grid.contentHeight(); y += 100)
            grid.setContentOffset(y);
        grid.setContentOffset(0);
    }
    state.counters["cells"] = grid.cellsCreated();
    state.counters["steps"] = grid.contentHeight() / 100;
}
BENCHMARK(BM_ScrollTenThousandTiles)->Unit(benchmark::kMillisecond);

void BM_ReloadTenThousandTiles(benchmark::State& state) {
    Tiles tiles;
    GridView grid;
    grid.setDataSource(&tiles);
    grid.setDelegate(&tiles);
    grid.resize(320, 504);
    grid.show();
    for (auto _ : state)
        grid.reloadData();
}
BENCHMARK(BM_ReloadTenThousandTiles)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
