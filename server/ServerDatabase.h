#pragma once

#include <SQLiteCpp/Database.h>

#include <QString>
#include <memory>

// The server's state: one SQLite file (WAL) under the data folder.
class ServerDatabase {
  public:
    // Throws SQLite::Exception when the file cannot be opened or laid out.
    explicit ServerDatabase(const QString& path);

    SQLite::Database& db() { return *db_; }
    const QString& path() const { return path_; }

    QString meta(const QString& key) const;
    void setMeta(const QString& key, const QString& value);

  private:
    QString path_;
    std::unique_ptr<SQLite::Database> db_;
};
