// The timeline over a large cache: loading 10,000 stored secrets into the list and scrolling
// through all of them, offscreen.
#include <benchmark/benchmark.h>
#include <QApplication>
#include <QTemporaryDir>

#include "core/ApplicationHome.h"
#include "model/Feed.h"
#include "model/UserInfo.h"
#include "screens/feed/MainViewController.h"
#include "services/LogicManager.h"
#include "services/SettingsKeys.h"
#include "store/UserDataBaseManager.h"
#include "toolkit/PhoneWindow.h"
#include "toolkit/TableView.h"

namespace {

constexpr int kSecrets = 10'000;

void seed() {
    UserInfo& myself = UserInfo::myselfInstance();
    myself.userId = 7;
    myself.userKey = QStringLiteral("bench-key");
    myself.synchronize();
    LogicManager::sharedInstance().setPersistenceData(4, SettingsKeys::PhoneBook);
    UserDataBaseManager::sharedInstance().executeUpdate(QStringLiteral("BEGIN"));
    for (int i = 1; i <= kSecrets; ++i) {
        Feed feed;
        feed.DBUid = 7;
        feed.feedId = static_cast<uint64_t>(i);
        feed.contentStr = QStringLiteral("第%1条秘密：今天终于鼓起勇气和她说了心里话").arg(i);
        feed.imageStr = QStringLiteral("img_secretCell_background_%1").arg(i % 12);
        feed.addressStr = QStringLiteral("朋友圈");
        feed.synchronize();
    }
    UserDataBaseManager::sharedInstance().executeUpdate(QStringLiteral("COMMIT"));
}

PhoneWindow* timelineWindow() {
    static PhoneWindow* window = [] {
        auto* phone = new PhoneWindow;
        phone->show();
        MainViewController::showAsRoot();
        QApplication::processEvents();
        return phone;
    }();
    return window;
}

// Reading the 10,000 stored secrets into the list and redrawing the rows on screen.
void BM_LoadTenThousandCachedSecrets(benchmark::State& state) {
    timelineWindow();
    MainViewController& timeline = MainViewController::sharedInstance();
    for (auto _ : state) timeline.fetchFeedsDataFromDB();
    state.counters["secrets"] = static_cast<double>(timeline.feedDataArray().size());
}
BENCHMARK(BM_LoadTenThousandCachedSecrets)->Unit(benchmark::kMillisecond);

// Scrolling the whole timeline in 100-point steps: rows configured, cells reused.
void BM_ScrollTenThousandSecrets(benchmark::State& state) {
    timelineWindow();
    TableView* table = MainViewController::sharedInstance().feedTableView();
    for (auto _ : state) {
        for (double y = 0; y < table->contentHeight(); y += 100) table->setContentOffset(y);
        table->setContentOffset(0);
    }
    state.counters["cells"] = table->cellsCreated();
    state.counters["steps"] = table->contentHeight() / 100;
}
BENCHMARK(BM_ScrollTenThousandSecrets)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir home;
    ApplicationHome::setPath(home.path());
    LogicManager::sharedInstance().reloadSettings();
    UserDataBaseManager::sharedInstance().open();
    UserInfo::reloadMyselfInstance();
    seed();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
