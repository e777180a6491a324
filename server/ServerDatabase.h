#pragma once

#include <SQLiteCpp/Database.h>
#include <SQLiteCpp/Statement.h>

#include <QString>
#include <memory>
#include <string>
#include <unordered_map>

#include "StatementLease.h"

// The server's state: one SQLite file (WAL) under the data folder, used from the main
// thread only (the HTTP threads open connections of their own).
class ServerDatabase {
  public:
    // Throws SQLite::Exception when the file cannot be opened or laid out.
    explicit ServerDatabase(const QString& path);

    SQLite::Database& db() { return *db_; }
    const QString& path() const { return path_; }
    // The statement for the text, prepared once; never lease the same text twice at once.
    StatementLease statement(const std::string& sql);

    QString meta(const QString& key) const;
    void setMeta(const QString& key, const QString& value);

  private:
    QString path_;
    std::unique_ptr<SQLite::Database> db_;
    std::unordered_map<std::string, std::unique_ptr<SQLite::Statement>>
        statements_;  // die before db_
};
