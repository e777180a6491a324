#pragma once

#include <QDateTime>
#include <QString>
#include <memory>
#include <unordered_map>

namespace SQLite {
class Statement;
}

// The rows of one query. Reading a missing column or a NULL gives 0 / no text / no date.
// Closing (or destroying) the set makes its statement reusable.
class ResultSet {
  public:
    ResultSet(SQLite::Statement& statement, std::unique_ptr<SQLite::Statement> owned, bool* inUse);
    ~ResultSet();
    ResultSet(const ResultSet&) = delete;
    ResultSet& operator=(const ResultSet&) = delete;

    // Steps to the next row; false at the end or on an error (logged).
    bool next();
    void close();

    int columnCount() const;
    // -1 when the row has no column of that name (exact, case-sensitive).
    int columnIndex(const QString& name) const;
    bool columnIsNull(int index) const;
    QString stringForColumn(int index) const;
    int64_t longLongIntForColumn(int index) const;
    int intForColumn(int index) const { return static_cast<int>(longLongIntForColumn(index)); }
    double doubleForColumn(int index) const;
    QDateTime dateForColumn(int index) const;

    QString stringForColumn(const QString& name) const {
        return stringForColumn(columnIndex(name));
    }
    int64_t longLongIntForColumn(const QString& name) const {
        return longLongIntForColumn(columnIndex(name));
    }

    static const QString kDateFormat;

  private:
    bool valid(int index) const;

    SQLite::Statement* statement_;
    std::unique_ptr<SQLite::Statement> owned_;
    bool* inUse_;
    bool open_ = true;
    mutable std::unordered_map<QString, int> columns_;
};
