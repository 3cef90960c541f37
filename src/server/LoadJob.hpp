// One topology load on a database connection of its own, in one transaction
// from its first part to its commit: its parts are stored on a worker thread
// while the network thread goes on serving everyone's reads, which see the
// database as it was until the commit. Made and destroyed on the network
// thread; add and commit on one worker at a time.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/Backend.hpp"

namespace qv::server {

// Where a document to load is: its JSON text, or the value of the text's
// top-level member when member is not null; what names it in errors.
// checked, when not empty, is that value within text, the whole text's
// syntax already checked (RequestReader).
struct LoadInput {
    std::shared_ptr<const std::string> text;
    const char* member = nullptr;
    std::string what;
    std::string_view checked;
};

class LoadJob {
public:
    // A load's changes beyond this many are not announced one by one (a
    // client cannot use a million notifications); the log says so.
    static constexpr std::size_t kMaxChanges = 10000;

    // Opens the connection and takes the database's write lock; the load is
    // recorded in the audit trail as made by who.
    LoadJob(const std::string& db_path, const std::string& system, std::vector<std::string> mib_roots, Actor who);

    // Reads and stores one part of a document (DocumentParts), from its text
    // or the text's member (see LoadInput); RequestError naming the entry at
    // fault.
    void add(const LoadInput& input);
    // The checks left for the end, the load's audit entry, the commit, and
    // the write-ahead log emptied into the database; the counts.
    nlohmann::json commit();

    const ChangeSet& changes() const { return changes_; }
    bool changes_dropped() const { return dropped_; }

private:
    std::vector<std::string> mib_roots_;
    Actor who_;
    Backend backend_;
    Transaction transaction_;
    LoadProgress progress_;
    ChangeSet changes_;
    bool dropped_ = false;
};

}  // namespace qv::server
