#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

#include "store/RecordField.h"

class DataBase;
class NSObjectExtention;
class ResultSet;

// What the mapping knows of one record class: its columns (in one order used by every
// statement), primary key and database, and the SQL texts built from them. Tables are
// created on first use and widened when the class gained fields.
class RecordClass {
  public:
    RecordClass(QString className, std::vector<RecordField> fields, QString primaryKey,
                int databaseType = 1);

    const QString& className() const { return className_; }
    QString defaultTableName() const { return className_.toUpper(); }
    // The column dictionary: name and type of every persistent field.
    const std::vector<RecordField>& propertys() const { return fields_; }
    const QString& primaryKey() const { return primaryKey_; }
    int databaseType() const { return databaseType_; }
    DataBase& database() const;

    // The table (given, or the default one) exists with every column.
    bool registTable(const QString& tableName = {}) const;
    // No text for a table name that is not a plain identifier.
    QString createSql(const QString& tableName = {}) const;
    QString updateSql(const QString& tableName = {}) const;
    QString queryWithSelect(const QString& select, const QString& condition,
                            const QString& tableName) const;

    // Column positions of this class's fields in a result row (-1 when absent).
    std::vector<int> columnIndexes(const ResultSet& row) const;
    void fill(NSObjectExtention& record, const ResultSet& row,
              const std::vector<int>& columns) const;

    // Forgets which tables were examined: for a process that switches to another database.
    static void resetRegistrationCache();
    static bool isPlainIdentifier(const QString& name);

  private:
    QString tableOrDefault(const QString& tableName) const;

    QString className_;
    std::vector<RecordField> fields_;
    QString primaryKey_;
    int databaseType_;
};
