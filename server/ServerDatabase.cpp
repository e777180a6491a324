#include "ServerDatabase.h"

#include <SQLiteCpp/Statement.h>

namespace {

const char* const kSchema = R"SQL(
create table if not exists users (
    id integer primary key, phone text unique not null, salt blob not null, hash blob not null,
    created integer not null);
create table if not exists user_keys (key text primary key, user integer not null);
create table if not exists codes (phone text primary key, code text not null, created integer not null);
create table if not exists contacts (owner integer not null, phone text not null, name text,
    primary key (owner, phone));
create index if not exists contacts_by_phone on contacts (phone);
create table if not exists secrets (id integer primary key, author integer not null,
    content text not null, location text not null, created integer not null, demo integer not null default 0);
create table if not exists likes (secret integer not null, user integer not null, primary key (secret, user));
create index if not exists likes_by_user on likes (user);
create table if not exists comments (id integer primary key, secret integer not null,
    author integer not null, text text not null, floor integer not null, avatar integer not null,
    created integer not null);
create index if not exists comments_by_secret on comments (secret);
create table if not exists comment_likes (comment integer not null, user integer not null,
    primary key (comment, user));
create table if not exists collected (user integer not null, secret integer not null,
    created integer not null, primary key (user, secret));
create table if not exists removed (user integer not null, secret integer not null, primary key (user, secret));
create table if not exists reports (user integer not null, secret integer not null, reason text not null,
    unique_code integer not null, created integer not null);
create table if not exists feedback (id integer primary key, user integer not null, text text not null,
    created integer not null);
create table if not exists push_tokens (user integer primary key, token text not null,
    system integer not null, updated integer not null);
create table if not exists questions (id integer primary key, content text not null, created integer not null);
create table if not exists meta (key text primary key, value text not null);
)SQL";

}  // namespace

ServerDatabase::ServerDatabase(const QString& path)
    : path_(path),
      db_(std::make_unique<SQLite::Database>(path.toStdString(), SQLite::OPEN_READWRITE |
                                                                     SQLite::OPEN_CREATE |
                                                                     SQLite::OPEN_NOMUTEX)) {
    db_->exec("PRAGMA journal_mode=WAL");
    db_->exec("PRAGMA synchronous=NORMAL");  // WAL: a crash of the server loses nothing committed
    db_->exec("PRAGMA foreign_keys=ON");
    db_->exec(kSchema);
}

StatementLease ServerDatabase::statement(const std::string& sql) {
    auto it = statements_.find(sql);
    if (it == statements_.end())
        it = statements_.emplace(sql, std::make_unique<SQLite::Statement>(*db_, sql)).first;
    it->second->tryReset();
    it->second->clearBindings();
    return StatementLease(*it->second);
}

QString ServerDatabase::meta(const QString& key) const {
    SQLite::Statement query(*db_, "select value from meta where key = ?");
    query.bind(1, key.toStdString());
    return query.executeStep() ? QString::fromStdString(query.getColumn(0).getString()) : QString();
}

void ServerDatabase::setMeta(const QString& key, const QString& value) {
    SQLite::Statement update(*db_, "insert or replace into meta (key, value) values (?, ?)");
    update.bind(1, key.toStdString());
    update.bind(2, value.toStdString());
    update.exec();
}
