#include "store/DataBase.h"

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>
#include <sqlite3.h>

#include <QDateTime>
#include <QFile>
#include <QtDebug>

#include "core/ApplicationHome.h"

struct DataBase::CachedStatement {
    SQLite::Statement statement;
    bool inUse = false;
};

namespace {

void bindAll(SQLite::Statement& statement, const std::vector<SqlValue>& arguments) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const int index = static_cast<int>(i) + 1;
        const SqlValue& value = arguments[i];
        if (const auto* integer = std::get_if<int64_t>(&value)) {
            statement.bind(index, *integer);
        } else if (const auto* real = std::get_if<double>(&value)) {
            statement.bind(index, *real);
        } else if (const auto* text = std::get_if<QString>(&value)) {
            if (text->isNull()) {
                statement.bind(index);
            } else {
                statement.bind(index, text->toStdString());
            }
        } else if (const auto* date = std::get_if<QDateTime>(&value)) {
            if (date->isValid()) {
                statement.bind(index, date->toUTC().toString(ResultSet::kDateFormat).toStdString());
            } else {
                statement.bind(index);
            }
        } else {
            statement.bind(index);
        }
    }
}

bool isNotADatabase(int code) {
    const int primary = code & 0xFF;
    return primary == SQLITE_NOTADB || primary == SQLITE_CORRUPT;
}

}  // namespace

DataBase::DataBase() = default;
DataBase::~DataBase() = default;

void DataBase::logError(const char* what, const QString& sql) const {
    qWarning("DataBase: %s [%s]", what, qPrintable(sql));
}

void DataBase::openFile(const QString& path) {
    statements_.clear();
    database.reset();
    path_ = path;
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            ApplicationHome::ensurePrivateFile(path);
            auto connection = std::make_unique<SQLite::Database>(
                path.toStdString(),
                // Used from the main thread only: no per-call locking inside SQLite.
                SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE | SQLite::OPEN_NOMUTEX);
            // A phone's cache: WAL with NORMAL sync commits without an fsync per row and
            // survives a crash of the app (not of the OS) without losing committed rows.
            connection->exec("PRAGMA journal_mode=WAL");
            connection->exec("PRAGMA synchronous=NORMAL");
            connection->exec("PRAGMA mmap_size=268435456");  // reads without copying pages
            connection->exec("select count(*) from sqlite_master");
            database = std::move(connection);
            return;
        } catch (const SQLite::Exception& error) {
            if (attempt == 0 && isNotADatabase(error.getErrorCode())) {
                const QString aside = path + QStringLiteral(".unreadable-") +
                                      QString::number(QDateTime::currentSecsSinceEpoch());
                qWarning("DataBase: %s is not a readable database (%s); kept as %s",
                         qPrintable(path), error.what(), qPrintable(aside));
                QFile::remove(path + QStringLiteral("-wal"));
                QFile::remove(path + QStringLiteral("-shm"));
                if (QFile::rename(path, aside)) continue;
            }
            qWarning("Could not open db.");
            qWarning("DataBase: %s: %s", qPrintable(path), error.what());
            return;
        }
    }
}

SQLite::Statement* DataBase::prepare(const QString& sql, const std::vector<SqlValue>& arguments,
                                     std::unique_ptr<SQLite::Statement>* owned, bool** inUse) {
    if (!database || sql.isNull()) return nullptr;
    try {
        const std::string text = sql.toStdString();
        SQLite::Statement* statement = nullptr;
        auto it = statements_.find(text);
        if (it == statements_.end()) {
            auto cached = std::make_unique<CachedStatement>(
                CachedStatement{SQLite::Statement(*database, text), false});
            it = statements_.emplace(text, std::move(cached)).first;
        }
        if (it->second->inUse) {
            // The same text is still being stepped by an open result set: use a fresh one.
            *owned = std::make_unique<SQLite::Statement>(*database, text);
            statement = owned->get();
            *inUse = nullptr;
        } else {
            statement = &it->second->statement;
            statement->tryReset();
            statement->clearBindings();
            *inUse = &it->second->inUse;
        }
        bindAll(*statement, arguments);
        return statement;
    } catch (const std::exception& error) {
        logError(error.what(), sql);
        return nullptr;
    }
}

bool DataBase::registerTable(const QString& sql) {
    if (sql.isNull()) return false;
    return executeUpdate(sql);
}

bool DataBase::executeUpdate(const QString& sql, const std::vector<SqlValue>& arguments) {
    std::unique_ptr<SQLite::Statement> owned;
    bool* inUse = nullptr;
    SQLite::Statement* statement = prepare(sql, arguments, &owned, &inUse);
    if (!statement) return false;
    try {
        while (statement->executeStep()) {
        }
        statement->tryReset();
        return true;
    } catch (const std::exception& error) {
        statement->tryReset();
        logError(error.what(), sql);
        return false;
    }
}

std::unique_ptr<ResultSet> DataBase::executeQuery(const QString& sql,
                                                  const std::vector<SqlValue>& arguments) {
    std::unique_ptr<SQLite::Statement> owned;
    bool* inUse = nullptr;
    SQLite::Statement* statement = prepare(sql, arguments, &owned, &inUse);
    if (!statement) return nullptr;
    if (inUse) *inUse = true;
    return std::make_unique<ResultSet>(*statement, std::move(owned), inUse);
}

std::unique_ptr<ResultSet> DataBase::getTableSchema(const QString& tableName) {
    return executeQuery(QStringLiteral("PRAGMA table_info(%1)").arg(tableName));
}

bool DataBase::columnExists(const QString& tableName, const QString& columnName) {
    const std::unique_ptr<ResultSet> rows = getTableSchema(tableName);
    if (!rows) return false;
    const int name = rows->columnIndex(QStringLiteral("name"));
    while (rows->next()) {
        if (rows->stringForColumn(name) == columnName) return true;
    }
    return false;
}
