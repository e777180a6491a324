#include "store/RecordClass.h"

#include <QRegularExpression>
#include <QStringList>
#include <unordered_map>

#include "store/DataBase.h"
#include "store/NSObjectExtention.h"
#include "store/PublicDataBaseManager.h"
#include "store/UserDataBaseManager.h"

namespace {

// Process-wide, keyed by the exact table name.
std::unordered_map<QString, bool>& registrationCache() {
    static std::unordered_map<QString, bool> cache;
    return cache;
}
std::unordered_map<QString, QString>& createTexts() {
    static std::unordered_map<QString, QString> cache;
    return cache;
}
std::unordered_map<QString, QString>& insertTexts() {
    static std::unordered_map<QString, QString> cache;
    return cache;
}

const QString kTableExists = QStringLiteral(
    "select count(*) as 'count' from sqlite_master where type ='table' and name = ?");

}  // namespace

QString columnTypeText(ColumnType type) {
    switch (type) {
        case ColumnType::Text:
            return QStringLiteral("TEXT");
        case ColumnType::Int:
            return QStringLiteral("INT");
        case ColumnType::Char:
            return QStringLiteral("CHAR");
        case ColumnType::Long:
            return QStringLiteral("LONG");
        case ColumnType::Double:
            return QStringLiteral("DOUBLE");
        case ColumnType::Float:
            return QStringLiteral("FLOAT");
        case ColumnType::Date:
            return QStringLiteral("DATE");
        case ColumnType::Integer:
            return QStringLiteral("INTEGER");
    }
    return {};
}

RecordClass::RecordClass(QString className, std::vector<RecordField> fields, QString primaryKey,
                         int databaseType)
    : className_(std::move(className)),
      fields_(std::move(fields)),
      primaryKey_(std::move(primaryKey)),
      databaseType_(databaseType) {}

DataBase& RecordClass::database() const {
    if (databaseType_ != 0) return UserDataBaseManager::sharedInstance();
    return PublicDataBaseManager::sharedInstance();
}

bool RecordClass::isPlainIdentifier(const QString& name) {
    static const QRegularExpression identifier(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return identifier.match(name).hasMatch();
}

QString RecordClass::tableOrDefault(const QString& tableName) const {
    const QString table = tableName.isEmpty() ? defaultTableName() : tableName;
    // Table names are pasted into SQL: only plain identifiers are ever accepted.
    return isPlainIdentifier(table) ? table : QString();
}

void RecordClass::resetRegistrationCache() {
    registrationCache().clear();
}

bool RecordClass::registTable(const QString& tableName) const {
    const QString table = tableOrDefault(tableName);
    if (table.isNull()) return false;
    auto cached = registrationCache().find(table);
    if (cached != registrationCache().end() && cached->second) return true;

    DataBase& db = database();
    bool registered = false;
    std::unique_ptr<ResultSet> rows = db.executeQuery(kTableExists, {table});
    if (rows && rows->next()) {
        const int64_t count = rows->longLongIntForColumn(QStringLiteral("count"));
        rows.reset();
        if (count != 0) {
            for (const RecordField& field : fields_) {
                if (db.columnExists(table, field.name)) continue;
                db.executeUpdate(QStringLiteral("ALTER TABLE %1 add COLUMN %2 %3;")
                                     .arg(table, field.name, columnTypeText(field.type)));
            }
            registered = true;
        } else {
            registered = db.registerTable(createSql(table));
        }
    }
    registrationCache()[table] = registered;
    return registered;
}

QString RecordClass::createSql(const QString& tableName) const {
    const QString table = tableOrDefault(tableName);
    if (table.isNull()) return {};
    auto& cache = createTexts();
    if (const auto it = cache.find(table); it != cache.end()) return it->second;
    QStringList columns;
    for (const RecordField& field : fields_) {
        QString column = field.name + ' ' + columnTypeText(field.type);
        if (field.name == primaryKey_) column += QStringLiteral(" PRIMARY KEY");
        columns << column;
    }
    const QString sql =
        QStringLiteral("create table if not exists %1 (%2)").arg(table, columns.join(','));
    cache.emplace(table, sql);
    return sql;
}

QString RecordClass::updateSql(const QString& tableName) const {
    const QString table = tableOrDefault(tableName);
    if (table.isNull()) return {};
    auto& cache = insertTexts();
    if (const auto it = cache.find(table); it != cache.end()) return it->second;
    QStringList names, marks;
    for (const RecordField& field : fields_) {
        names << field.name;
        marks << QStringLiteral("?");
    }
    const QString sql = QStringLiteral("insert or replace into %1 (%2) values (%3)")
                            .arg(table, names.join(','), marks.join(','));
    cache.emplace(table, sql);
    return sql;
}

QString RecordClass::queryWithSelect(const QString& select, const QString& condition,
                                     const QString& tableName) const {
    const QString table = tableOrDefault(tableName);
    if (table.isNull()) return {};
    registTable(table);
    return QStringLiteral(" %1 %2 %3")
        .arg(select.isEmpty() ? QStringLiteral("select * from") : select, table, condition);
}

std::vector<int> RecordClass::columnIndexes(const ResultSet& row) const {
    std::vector<int> columns;
    columns.reserve(fields_.size());
    for (const RecordField& field : fields_)
        columns.push_back(row.columnIndex(field.name));
    return columns;
}

void RecordClass::fill(NSObjectExtention& record, const ResultSet& row,
                       const std::vector<int>& columns) const {
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (columns[i] >= 0) fields_[i].read(record, row, columns[i]);
    }
}
