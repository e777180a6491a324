#pragma once

#include <SQLiteCpp/Statement.h>

#include <utility>

// A prepared statement borrowed from the server database's cache; reset when the lease ends,
// so that no read stays open between requests.
class StatementLease {
  public:
    explicit StatementLease(SQLite::Statement& statement) : statement_(&statement) {}
    ~StatementLease() { statement_->tryReset(); }
    StatementLease(const StatementLease&) = delete;
    StatementLease& operator=(const StatementLease&) = delete;

    template <class... Args>
    void bind(Args&&... args) {
        statement_->bind(std::forward<Args>(args)...);
    }
    bool executeStep() { return statement_->executeStep(); }
    int exec() { return statement_->exec(); }
    void reset() { statement_->reset(); }
    SQLite::Column getColumn(int index) const { return statement_->getColumn(index); }
    SQLite::Statement& operator*() { return *statement_; }

  private:
    SQLite::Statement* statement_;
};
