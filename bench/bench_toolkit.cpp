#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLabel>

#include "toolkit/ImageBlur.h"
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

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
