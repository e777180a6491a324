#include "store/NSObjectExtention.h"

#include "store/DataBase.h"

bool NSObjectExtention::synchronize(const QString& tableName) {
    const RecordClass& meta = recordClass();
    if (!meta.registTable(tableName)) return false;
    std::vector<SqlValue> values;
    values.reserve(meta.propertys().size());
    for (const RecordField& field : meta.propertys())
        values.push_back(field.value(*this));
    return meta.database().executeUpdate(meta.updateSql(tableName), values);
}

QVariantMap NSObjectExtention::serialization() const {
    QVariantMap dictionary;
    for (const RecordField& field : recordClass().propertys())
        dictionary.insert(field.name, field.variant(*this));
    return dictionary;
}
