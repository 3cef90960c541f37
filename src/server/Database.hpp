// The server's SQLite database: opening (WAL, foreign keys off, a schema
// version), cached prepared statements and write transactions.
#pragma once

#include <functional>
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

    // Reads that arrive together share one read transaction: SQLite takes
    // and drops its WAL read lock (two fcntl calls) per transaction, a third
    // of a get's system calls. defer runs the end once the reads at hand are
    // done (the network loop's next turn); a write transaction ends it first.
    // Without defer, each read is a transaction of its own.
    void set_read_sharing(std::function<void(std::function<void()>)> defer);
    // Called before a read that may share.
    void share_read();
    void end_shared_read() noexcept;
    // Copies the write-ahead log into the database and truncates it.
    void checkpoint();
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
    std::function<void(std::function<void()>)> defer_;
    bool shared_read_ = false;
    std::unordered_map<std::string, std::unique_ptr<Statement>> statements_;
};

// BEGIN IMMEDIATE now (after a shared read's end); COMMIT by commit();
// ROLLBACK when it ends without one.
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
