#pragma once

#include <QDateTime>
#include <QString>
#include <QVariant>
#include <cstdint>
#include <type_traits>

#include "store/ResultSet.h"
#include "store/SqlValue.h"

class NSObjectExtention;

// Column types of the persistent field types.
enum class ColumnType { Text, Int, Char, Long, Double, Float, Date, Integer };

QString columnTypeText(ColumnType type);

// One persistent field of a record class: its column name and type, and how to move its
// value to a statement, from a result row and into a dictionary.
struct RecordField {
    QString name;
    ColumnType type;
    SqlValue (*value)(const NSObjectExtention& record);
    void (*read)(NSObjectExtention& record, const ResultSet& row, int column);
    QVariant (*variant)(const NSObjectExtention& record);
};

namespace record_field_detail {

template <class M>
struct MemberOf;
template <class C, class T>
struct MemberOf<T C::*> {
    using Class = C;
    using Type = T;
};

template <class T>
constexpr ColumnType columnTypeOf() {
    if constexpr (std::is_same_v<T, QString>)
        return ColumnType::Text;
    else if constexpr (std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t>)
        return ColumnType::Int;
    else if constexpr (std::is_same_v<T, char> || std::is_same_v<T, signed char> ||
                       std::is_same_v<T, bool>)
        return ColumnType::Char;
    else if constexpr (std::is_same_v<T, long>)
        return ColumnType::Long;
    else if constexpr (std::is_same_v<T, double>)
        return ColumnType::Double;
    else if constexpr (std::is_same_v<T, float>)
        return ColumnType::Float;
    else if constexpr (std::is_same_v<T, QDateTime>)
        return ColumnType::Date;
    else if constexpr (std::is_same_v<T, uint64_t>)
        return ColumnType::Integer;
    else
        static_assert(sizeof(T) == 0, "this field type has no column type");
}

template <auto Member>
auto& fieldOf(auto& record) {
    using Class = typename MemberOf<decltype(Member)>::Class;
    using Record = std::remove_reference_t<decltype(record)>;
    if constexpr (std::is_const_v<Record>)
        return static_cast<const Class&>(record).*Member;
    else
        return static_cast<Class&>(record).*Member;
}

template <auto Member>
SqlValue valueOf(const NSObjectExtention& record) {
    const auto& field = fieldOf<Member>(record);
    using T = std::remove_cvref_t<decltype(field)>;
    if constexpr (std::is_same_v<T, QString>) {
        if (field.isNull()) return std::monostate{};
        return field;
    } else if constexpr (std::is_same_v<T, QDateTime>) {
        if (!field.isValid()) return std::monostate{};
        return field;
    } else if constexpr (std::is_floating_point_v<T>) {
        return static_cast<double>(field);
    } else {
        return static_cast<int64_t>(field);  // unsigned 64-bit ids bit for bit
    }
}

template <auto Member>
void readInto(NSObjectExtention& record, const ResultSet& row, int column) {
    auto& field = fieldOf<Member>(record);
    using T = std::remove_cvref_t<decltype(field)>;
    if constexpr (std::is_same_v<T, QString>)
        field = row.stringForColumn(column);
    else if constexpr (std::is_same_v<T, QDateTime>)
        field = row.dateForColumn(column);
    else if constexpr (std::is_floating_point_v<T>)
        field = static_cast<T>(row.doubleForColumn(column));
    else if constexpr (std::is_same_v<T, bool>)
        field = static_cast<signed char>(row.longLongIntForColumn(column)) != 0;
    else if constexpr (std::is_same_v<T, char> || std::is_same_v<T, signed char>)
        field = static_cast<T>(static_cast<signed char>(row.longLongIntForColumn(column)));
    else if constexpr (std::is_same_v<T, int32_t> || std::is_same_v<T, uint32_t>)
        field = static_cast<T>(static_cast<int32_t>(row.longLongIntForColumn(column)));
    else
        field = static_cast<T>(row.longLongIntForColumn(column));
}

template <auto Member>
QVariant variantOf(const NSObjectExtention& record) {
    const auto& field = fieldOf<Member>(record);
    using T = std::remove_cvref_t<decltype(field)>;
    if constexpr (std::is_same_v<T, QString>)
        return field.isNull() ? QVariant() : QVariant(field);
    else if constexpr (std::is_same_v<T, QDateTime>)
        return field.isValid() ? QVariant(field) : QVariant();
    else if constexpr (std::is_same_v<T, uint64_t>)
        return QVariant::fromValue<qulonglong>(field);
    else if constexpr (std::is_same_v<T, long>)
        return QVariant::fromValue<qlonglong>(field);
    else
        return QVariant::fromValue(field);
}

}  // namespace record_field_detail

// The declaration of one persistent field: recordField<&Feed::likeNum>("likeNum").
template <auto Member>
RecordField recordField(const char* name) {
    using T = typename record_field_detail::MemberOf<decltype(Member)>::Type;
    return RecordField{QString::fromLatin1(name), record_field_detail::columnTypeOf<T>(),
                       &record_field_detail::valueOf<Member>,
                       &record_field_detail::readInto<Member>,
                       &record_field_detail::variantOf<Member>};
}

// Declares a field whose column is named after it.
#define XJ_FIELD(Class, name) recordField<&Class::name>(#name)
