#pragma once

#include <QString>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "store/ResultSet.h"
#include "store/SqlValue.h"

namespace SQLite {
class Database;
class Statement;
}  // namespace SQLite

// One SQLite file: every statement of the cache runs through here. Every operation returns
// a failure value, without touching SQLite, when the file could not be opened; SQLite's
// errors go to the log. Statements are prepared once per text and reused.
class DataBase {
  public:
    virtual ~DataBase();

    bool registerTable(const QString& sql);
    bool executeUpdate(const QString& sql, const std::vector<SqlValue>& arguments = {});
    bool executeUpdateWithArgumentsInArray(const QString& sql,
                                           const std::vector<SqlValue>& arguments) {
        return executeUpdate(sql, arguments);
    }
    // Nothing when the statement could not run.
    std::unique_ptr<ResultSet> executeQuery(const QString& sql,
                                            const std::vector<SqlValue>& arguments = {});
    std::unique_ptr<ResultSet> getTableSchema(const QString& tableName);
    bool columnExists(const QString& tableName, const QString& columnName);
    // Every row of the table (T's default table when none is given) matching the condition,
    // in ascending primary-key order; empty when the query fails. Defined in Record.h.
    template <class T>
    std::vector<T> queryWithClass(const QString& tableName = {}, const QString& condition = {});

    bool isOpen() const { return database != nullptr; }
    const QString& filePath() const { return path_; }

  protected:
    DataBase();
    // Opens (creating owner-only) the file; a file that is not a database is moved aside
    // and a new one started, so the cache keeps working and nothing is lost.
    void openFile(const QString& path);

    std::unique_ptr<SQLite::Database> database;

  private:
    struct CachedStatement;
    // A prepared statement for the text with the arguments bound; nothing on failure.
    SQLite::Statement* prepare(const QString& sql, const std::vector<SqlValue>& arguments,
                               std::unique_ptr<SQLite::Statement>* owned, bool** inUse);
    void logError(const char* what, const QString& sql) const;

    QString path_;
    std::unordered_map<std::string, std::unique_ptr<CachedStatement>> statements_;
};
