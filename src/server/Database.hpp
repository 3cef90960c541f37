// The server's SQLite database: opening (WAL, foreign keys off, a schema
// version), cached prepared statements and write transactions.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>

#include "server/Statement.hpp"

struct sqlite3;

namespace qv::server {

class Database {
public:
    static constexpr int kSchemaVersion = 3;

    // Opens or creates the database; throws StoreError with a message an
    // operator can act on (unwritable, not a database, newer schema).
    explicit Database(const std::string& path);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    // A statement prepared once and kept for the life of the database.
    Statement& prepare(std::string_view sql);
    void exec(const std::string& sql);

    bool in_transaction() const;
    int schema_version();
    // "ok" when PRAGMA integrity_check finds nothing wrong.
    std::string integrity_check();
    const std::string& path() const { return path_; }
    sqlite3* handle() const { return db_; }

private:
    void configure();
    void migrate();

    std::string path_;
    sqlite3* db_ = nullptr;
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
};

// BEGIN IMMEDIATE now; COMMIT by commit(); ROLLBACK when it ends without one.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Database& db_;
    bool done_ = false;
};

}  // namespace qv::server
