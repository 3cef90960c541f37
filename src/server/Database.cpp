#include "server/Database.hpp"

#include <sqlite3.h>

#include "server/StoreError.hpp"

namespace qv::server {
namespace {

// Version 1 of the schema. Objects hold their attributes as JSON; the topo_*
// tables index what lookups by name, type and reference need.
const char* const kSchemaV1 = R"sql(
CREATE TABLE objects(
  dn     TEXT NOT NULL UNIQUE,
  parent TEXT NOT NULL,
  class  TEXT NOT NULL,
  attrs  TEXT NOT NULL
);
CREATE INDEX objects_by_parent ON objects(parent);
CREATE INDEX objects_by_class ON objects(class);
CREATE TABLE topo_nodes(
  dn     TEXT PRIMARY KEY,
  system TEXT NOT NULL,
  number INTEGER NOT NULL,
  name   TEXT NOT NULL,
  type   TEXT NOT NULL
) WITHOUT ROWID;
CREATE INDEX topo_nodes_by_name ON topo_nodes(name);
CREATE INDEX topo_nodes_by_type ON topo_nodes(type);
CREATE UNIQUE INDEX topo_nodes_by_number ON topo_nodes(system, number);
CREATE TABLE topo_refs(
  source   TEXT NOT NULL,
  attr     TEXT NOT NULL,
  position INTEGER NOT NULL,
  target   TEXT NOT NULL
);
CREATE INDEX topo_refs_by_source ON topo_refs(source, attr, position);
CREATE INDEX topo_refs_by_target ON topo_refs(target);
CREATE TABLE syntaxes(
  name   TEXT PRIMARY KEY,
  syntax TEXT NOT NULL
) WITHOUT ROWID;
CREATE TABLE users(
  name   TEXT PRIMARY KEY,
  hash   TEXT NOT NULL,
  rights TEXT NOT NULL
) WITHOUT ROWID;
CREATE TABLE counters(
  name  TEXT PRIMARY KEY,
  value INTEGER NOT NULL
) WITHOUT ROWID;
)sql";

// Version 2: users get an id that is never handed out again, so that a
// session stays bound to the account it logged in to, not to its name.
const char* const kUsersV2 = R"sql(
CREATE TABLE users_v2(
  id     INTEGER PRIMARY KEY AUTOINCREMENT,
  name   TEXT NOT NULL UNIQUE,
  hash   TEXT NOT NULL,
  rights TEXT NOT NULL
);
INSERT INTO users_v2(name, hash, rights) SELECT name, hash, rights FROM users ORDER BY name;
DROP TABLE users;
ALTER TABLE users_v2 RENAME TO users;
)sql";

// Version 3: the audit trail. audit_scopes lists each entry under its DN and
// every DN above it but the root, so that the entries of a subtree are one
// index walk, newest first; audit_anchor holds where the hash chain begins
// once retention has dropped its oldest entries.
const char* const kAuditV3 = R"sql(
CREATE TABLE audit(
  id        INTEGER PRIMARY KEY AUTOINCREMENT,
  time_ms   INTEGER NOT NULL,
  latest_ms INTEGER NOT NULL,
  username  TEXT NOT NULL,
  program   TEXT NOT NULL,
  address   TEXT NOT NULL,
  operation TEXT NOT NULL,
  dn        TEXT NOT NULL,
  account   TEXT NOT NULL,
  detail    TEXT NOT NULL,
  hash      TEXT NOT NULL
);
CREATE INDEX audit_by_user ON audit(username);
CREATE TABLE audit_scopes(
  scope TEXT NOT NULL,
  entry INTEGER NOT NULL,
  PRIMARY KEY(scope, entry)
) WITHOUT ROWID;
CREATE TABLE audit_anchor(
  one  INTEGER PRIMARY KEY CHECK(one = 1),
  id   INTEGER NOT NULL,
  hash TEXT NOT NULL
);
)sql";

}  // namespace

Database::Database(const std::string& path) : path_(path)
{
    const int rc = sqlite3_open_v2(path.c_str(), &db_,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
        const std::string why = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError("cannot open database " + path + ": " + why);
    }
    try {
        configure();
        migrate();
    } catch (const StoreError& e) {
        statements_.clear();
        sqlite3_close(db_);
        db_ = nullptr;
        throw StoreError("database " + path + " is not usable: " + e.what());
    }
}

Database::~Database()
{
    end_shared_read();
    statements_.clear();
    sqlite3_close(db_);
}

void Database::configure()
{
    sqlite3_busy_timeout(db_, 5000);
    // WAL keeps readers and the one writer apart and makes a commit one
    // append; FULL syncs that append, so an acknowledged write survives even
    // a power cut, not only a killed process.
    exec("PRAGMA journal_mode=WAL");
    exec("PRAGMA synchronous=FULL");
    exec("PRAGMA foreign_keys=OFF");
    exec("PRAGMA cache_size=-32768");
    // Reads of a large database from the mapped file, without a system call
    // per page.
    exec("PRAGMA mmap_size=1073741824");
}

void Database::migrate()
{
    const int version = schema_version();
    if (version == kSchemaVersion)
        return;
    if (version > kSchemaVersion)
        throw StoreError("its schema version " + std::to_string(version) + " is newer than this server's (" +
                         std::to_string(kSchemaVersion) + ")");
    Transaction t(*this);
    if (version < 1)
        exec(kSchemaV1);
    if (version < 2)
        exec(kUsersV2);
    if (version < 3)
        exec(kAuditV3);
    exec("PRAGMA user_version=" + std::to_string(kSchemaVersion));
    t.commit();
}

Statement& Database::prepare(std::string_view sql)
{
    auto it = statements_.find(std::string(sql));
    if (it != statements_.end())
        return *it->second;
    auto stmt = std::make_unique<Statement>(db_, sql);
    Statement& ref = *stmt;
    statements_.emplace(std::string(sql), std::move(stmt));
    return ref;
}

void Database::exec(const std::string& sql)
{
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        std::string why = error ? error : sqlite3_errmsg(db_);
        sqlite3_free(error);
        throw StoreError(why);
    }
}

bool Database::in_transaction() const { return sqlite3_get_autocommit(db_) == 0; }

void Database::set_read_sharing(std::function<void(std::function<void()>)> defer)
{
    end_shared_read();
    defer_ = std::move(defer);
}

void Database::share_read()
{
    if (shared_read_ || !defer_ || in_transaction())
        return;
    exec("BEGIN");
    shared_read_ = true;
    defer_([this] { end_shared_read(); });
}

void Database::end_shared_read() noexcept
{
    if (!shared_read_)
        return;
    shared_read_ = false;
    // A read-only transaction's COMMIT has nothing to fail on; should it
    // anyway, the connection must not stay inside the transaction.
    if (sqlite3_exec(db_, "COMMIT", nullptr, nullptr, nullptr) != SQLITE_OK && in_transaction())
        sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

void Database::checkpoint()
{
    end_shared_read();
    exec("PRAGMA wal_checkpoint(TRUNCATE)");
}

int Database::schema_version()
{
    StatementUse s(prepare("PRAGMA user_version"));
    return s->step() ? static_cast<int>(s->integer(0)) : 0;
}

std::string Database::integrity_check()
{
    StatementUse s(prepare("PRAGMA integrity_check"));
    std::string out;
    while (s->step()) {
        if (!out.empty())
            out += "\n";
        out += s->text(0);
    }
    return out;
}

Transaction::Transaction(Database& db) : db_(db)
{
    db_.end_shared_read();
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction()
{
    if (!done_ && db_.in_transaction()) {
        try {
            db_.exec("ROLLBACK");
        } catch (const StoreError&) {
            // The connection rolls back by itself when a statement failed hard.
        }
    }
}

void Transaction::commit()
{
    db_.exec("COMMIT");
    done_ = true;
}

}  // namespace qv::server
