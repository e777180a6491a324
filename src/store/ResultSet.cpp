#include "store/ResultSet.h"

#include <SQLiteCpp/Column.h>
#include <SQLiteCpp/Statement.h>

#include <QtDebug>

const QString ResultSet::kDateFormat = QStringLiteral("yyyy-MM-dd HH:mm:ss:zzz");

ResultSet::ResultSet(SQLite::Statement& statement, std::unique_ptr<SQLite::Statement> owned,
                     bool* inUse)
    : statement_(&statement), owned_(std::move(owned)), inUse_(inUse) {}

ResultSet::~ResultSet() {
    close();
}

void ResultSet::close() {
    if (!open_) return;
    open_ = false;
    statement_->tryReset();
    if (inUse_) *inUse_ = false;
}

bool ResultSet::next() {
    if (!open_) return false;
    try {
        return statement_->executeStep();
    } catch (const std::exception& error) {
        qWarning("DataBase: %s", error.what());
        return false;
    }
}

int ResultSet::columnCount() const {
    return open_ ? statement_->getColumnCount() : 0;
}

int ResultSet::columnIndex(const QString& name) const {
    if (columns_.empty()) {
        for (int i = 0; i < columnCount(); ++i)
            columns_.emplace(QString::fromUtf8(statement_->getColumnName(i)), i);
    }
    const auto it = columns_.find(name);
    return it == columns_.end() ? -1 : it->second;
}

bool ResultSet::valid(int index) const {
    return open_ && index >= 0 && index < statement_->getColumnCount();
}

bool ResultSet::columnIsNull(int index) const {
    return !valid(index) || statement_->isColumnNull(index);
}

QString ResultSet::stringForColumn(int index) const {
    if (!valid(index)) return {};
    const SQLite::Column column = statement_->getColumn(index);
    const char* text = column.getText(nullptr);  // nullptr for NULL
    if (!text) return {};
    QString value = QString::fromUtf8(text, column.getBytes());
    return value.isNull() ? QStringLiteral("") : value;  // present but empty is not "no text"
}

int64_t ResultSet::longLongIntForColumn(int index) const {
    if (!valid(index)) return 0;
    return statement_->getColumn(index).getInt64();
}

double ResultSet::doubleForColumn(int index) const {
    if (!valid(index)) return 0;
    return statement_->getColumn(index).getDouble();
}

QDateTime ResultSet::dateForColumn(int index) const {
    const QString text = stringForColumn(index);
    if (text.isNull()) return {};
    // Date and time parsed apart: a UTC wall time may not exist in the local time zone.
    const QDate day = QDate::fromString(text.left(10), QStringLiteral("yyyy-MM-dd"));
    const QTime time = QTime::fromString(text.mid(11), QStringLiteral("HH:mm:ss:zzz"));
    if (!day.isValid() || !time.isValid()) return {};
    return QDateTime(day, time, Qt::UTC);
}
