#pragma once

#include <vector>

#include "store/DataBase.h"
#include "store/NSObjectExtention.h"

// The class operations of a record class T, which declares `static const RecordClass&
// metaClass()` listing its persistent fields.
template <class T>
class Record : public NSObjectExtention {
  public:
    const RecordClass& recordClass() const override { return T::metaClass(); }

    static const std::vector<RecordField>& propertys() { return T::metaClass().propertys(); }
    static const QString& primaryKey() { return T::metaClass().primaryKey(); }
    static int databaseType() { return T::metaClass().databaseType(); }
    static bool registTable(const QString& tableName = {}) {
        return T::metaClass().registTable(tableName);
    }
    static QString createSql(const QString& tableName = {}) {
        return T::metaClass().createSql(tableName);
    }
    static QString updateSql(const QString& tableName = {}) {
        return T::metaClass().updateSql(tableName);
    }
    static QString queryWithSelect(const QString& select, const QString& condition,
                                   const QString& tableName) {
        return T::metaClass().queryWithSelect(select, condition, tableName);
    }
    // A new record (made by T's initialiser) filled from the row.
    static T asynchronize(const ResultSet& row) {
        T record;
        T::metaClass().fill(record, row, T::metaClass().columnIndexes(row));
        return record;
    }
};

template <class T>
std::vector<T> DataBase::queryWithClass(const QString& tableName, const QString& condition) {
    std::vector<T> records;
    const RecordClass& meta = T::metaClass();
    const QString sql = meta.queryWithSelect(QString(), condition, tableName);
    if (sql.isNull()) return records;
    const std::unique_ptr<ResultSet> rows = executeQuery(sql);
    if (!rows) return records;
    const std::vector<int> columns = meta.columnIndexes(*rows);
    while (rows->next())
        meta.fill(records.emplace_back(), *rows, columns);
    return records;
}
