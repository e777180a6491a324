#pragma once

#include <QVariantMap>

#include "store/RecordClass.h"

// The base of every persisted record: saved with one insert-or-replace into its table.
class NSObjectExtention {
  public:
    virtual ~NSObjectExtention() = default;
    virtual const RecordClass& recordClass() const = 0;

    // Saves the record into the table (its class's default table when none is given).
    virtual bool synchronize(const QString& tableName = {});
    // Column name → value; an absent value is a null QVariant.
    QVariantMap serialization() const;

  protected:
    NSObjectExtention() = default;
    NSObjectExtention(const NSObjectExtention&) = default;
    NSObjectExtention& operator=(const NSObjectExtention&) = default;
};
