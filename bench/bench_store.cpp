#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QTemporaryDir>

#include "core/ApplicationHome.h"
#include "model/Feed.h"
#include "model/UserInfo.h"
#include "store/RecordClass.h"
#include "store/UserDataBaseManager.h"
#include "wire/FeedListReply.h"
#include "wire/Package.h"

namespace {

const char* const kContent =
    R"({"content":"今天终于鼓起勇气和他说了心里话，虽然结果不如意，但我不后悔。","img":"id:7"})";

Package timelinePage(uint64_t firstId) {
    Package p;
    for (const uint32_t word : {0u, Package::kMagic, Package::kVersion, 2u, 3u, 1u})
        p.appendInt32(word);
    p.appendInt32(0);
    p.appendInt64(firstId + 9);
    p.appendInt32(10);
    for (uint64_t i = 0; i < 10; ++i) {
        p.appendInt64(firstId + i);
        p.appendString(kContent);
        p.appendInt32(12);
        p.appendInt32(1);
        p.appendInt32(3);
        p.appendString("朋友圈");
    }
    return Package(p.getData());
}

// Decode a 10-secret page and save each secret with its own insert-or-replace.
void BM_StoreTimelinePage(benchmark::State& state) {
    Package page = timelinePage(1000);
    for (auto _ : state) {
        if (!FeedListReply::handleTimelinePage(page)) state.SkipWithError("not stored");
    }
}
BENCHMARK(BM_StoreTimelinePage)->Unit(benchmark::kMicrosecond);

// The mapping alone: ten decoded secrets saved with synchronize().
void BM_SynchronizeTenFeeds(benchmark::State& state) {
    std::vector<Feed> feeds(10);
    for (uint64_t i = 0; i < 10; ++i) {
        feeds[i].feedId = 1000 + i;
        feeds[i].contentJson = QString::fromUtf8(kContent);
        FeedListReply::decodeContent(feeds[i]);
        feeds[i].addressStr = QStringLiteral("朋友圈");
        feeds[i].likeNum = 12;
    }
    for (auto _ : state) {
        for (Feed& feed : feeds)
            if (!feed.synchronize()) state.SkipWithError("not saved");
    }
}
BENCHMARK(BM_SynchronizeTenFeeds)->Unit(benchmark::kMicrosecond);

void BM_DecodeContent(benchmark::State& state) {
    for (auto _ : state) {
        Feed feed;
        feed.contentJson = QString::fromUtf8(kContent);
        FeedListReply::decodeContent(feed);
        benchmark::DoNotOptimize(feed.imageStr.data());
    }
}
BENCHMARK(BM_DecodeContent);

// The same ten rows through SQLiteCpp alone, one autocommitted insert each.
void rawInserts(benchmark::State& state, bool phoneSettings) {
    QTemporaryDir dir;
    SQLite::Database db((dir.path() + "/raw.db").toStdString(),
                        SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    if (phoneSettings) {
        db.exec("PRAGMA journal_mode=WAL");
        db.exec("PRAGMA synchronous=NORMAL");
    }
    db.exec(Feed::metaClass().createSql("RAWFEED").toStdString());
    SQLite::Statement insert(db, Feed::metaClass().updateSql("RAWFEED").toStdString());
    const std::string content = kContent;
    for (auto _ : state) {
        for (int64_t i = 0; i < 10; ++i) {
            insert.reset();
            insert.bind(1, int64_t{7});
            insert.bind(2, 1000 + i);
            insert.bind(3, content);
            insert.bind(4, 12);
            insert.bind(5, 3);
            insert.bind(6, std::string("朋友圈"));
            insert.bind(7, 1);
            insert.bind(8, 0);
            insert.bind(
                9, std::string("今天终于鼓起勇气和他说了心里话，虽然结果不如意，但我不后悔。"));
            insert.bind(10, std::string("img_secretCell_background_7"));
            insert.exec();
        }
    }
}
void BM_RawInsertTenRows(benchmark::State& state) {
    rawInserts(state, true);
}
void BM_RawInsertTenRowsDefaultSettings(benchmark::State& state) {
    rawInserts(state, false);
}
BENCHMARK(BM_RawInsertTenRows)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RawInsertTenRowsDefaultSettings)->Unit(benchmark::kMicrosecond);

void fillTable(const QString& table, int64_t count) {
    DataBase& db = UserDataBaseManager::sharedInstance();
    if (db.queryWithClass<Feed>(table, QStringLiteral(" limit 1 offset %1").arg(count - 1))
            .size() == 1)
        return;
    db.executeUpdate(QStringLiteral("BEGIN"));
    for (int64_t i = 0; i < count; ++i) {
        Feed feed;
        feed.DBUid = 7;
        feed.feedId = static_cast<uint64_t>(i + 1);
        feed.contentJson = QString::fromUtf8(kContent);
        feed.contentStr =
            QStringLiteral("今天终于鼓起勇气和他说了心里话，虽然结果不如意，但我不后悔。");
        feed.imageStr = QStringLiteral("img_secretCell_background_7");
        feed.addressStr = QStringLiteral("朋友圈");
        feed.likeNum = 12;
        feed.synchronize(table);
    }
    db.executeUpdate(QStringLiteral("COMMIT"));
}

void BM_QueryWithClass(benchmark::State& state) {
    const QString table = QStringLiteral("BENCH%1").arg(state.range(0));
    fillTable(table, state.range(0));
    DataBase& db = UserDataBaseManager::sharedInstance();
    for (auto _ : state) {
        const std::vector<Feed> rows =
            db.queryWithClass<Feed>(table, QStringLiteral(" where DBUid = '7'"));
        if (static_cast<int64_t>(rows.size()) != state.range(0))
            state.SkipWithError("rows missing");
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_QueryWithClass)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

// The same rows read by hand with SQLiteCpp into the same records.
void BM_RawSelect(benchmark::State& state) {
    const QString table = QStringLiteral("BENCH%1").arg(state.range(0));
    fillTable(table, state.range(0));
    SQLite::Database db(UserDataBaseManager::sharedInstance().filePath().toStdString(),
                        SQLite::OPEN_READONLY);
    SQLite::Statement select(db, ("select * from " + table + " where DBUid = '7'").toStdString());
    for (auto _ : state) {
        std::vector<Feed> rows;
        select.reset();
        while (select.executeStep()) {
            Feed feed;
            feed.DBUid = static_cast<uint64_t>(select.getColumn(0).getInt64());
            feed.feedId = static_cast<uint64_t>(select.getColumn(1).getInt64());
            feed.contentJson = QString::fromUtf8(select.getColumn(2).getText());
            feed.likeNum = static_cast<uint32_t>(select.getColumn(3).getInt());
            feed.commentNum = static_cast<uint32_t>(select.getColumn(4).getInt());
            feed.addressStr = QString::fromUtf8(select.getColumn(5).getText());
            feed.isOwnZanFeed = static_cast<uint32_t>(select.getColumn(6).getInt());
            feed.canComment = static_cast<uint32_t>(select.getColumn(7).getInt());
            feed.contentStr = QString::fromUtf8(select.getColumn(8).getText());
            feed.imageStr = QString::fromUtf8(select.getColumn(9).getText());
            rows.push_back(std::move(feed));
        }
        if (static_cast<int64_t>(rows.size()) != state.range(0))
            state.SkipWithError("rows missing");
        benchmark::DoNotOptimize(rows.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RawSelect)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir home;
    ApplicationHome::setPath(home.path());
    UserInfo::myselfInstance().userId = 7;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
