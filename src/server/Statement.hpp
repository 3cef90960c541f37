// One prepared SQLite statement: bind, step, read columns, reset.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace qv::server {

class Statement {
public:
    Statement(sqlite3* db, std::string_view sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Binding is by 1-based position, as in the SQL text.
    Statement& bind(int index, std::string_view text);
    // The same without a copy: text must stay as it is until the statement
    // is reset (a caller's parameter, bound and run within the call).
    Statement& bind_static(int index, std::string_view text);
    Statement& bind(int index, std::int64_t number);
    Statement& bind_null(int index);

    // True while a row is available; throws StoreError on failure.
    bool step();
    // Runs a statement that returns no rows.
    void run();
    // Ready for the next use with new bindings.
    void reset();

    std::string text(int column) const;
    std::int64_t integer(int column) const;
    bool is_null(int column) const;

private:
    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

// Resets a statement when the scope that used it ends, even by an exception.
class StatementUse {
public:
    explicit StatementUse(Statement& s) : s_(s) {}
    ~StatementUse() { s_.reset(); }
    StatementUse(const StatementUse&) = delete;
    StatementUse& operator=(const StatementUse&) = delete;
    Statement* operator->() { return &s_; }
    Statement& operator*() { return s_; }

private:
    Statement& s_;
};

}  // namespace qv::server
