// What one request changed, collected while its transaction runs: the audit
// trail records it before the commit, notifications announce it after.
#pragma once

#include <set>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace qv::server {

struct Change {
    // Account: a user added, changed or deleted; recorded, never announced.
    enum class Kind { Created, Deleted, AttributesChanged, Account };
    Kind kind;
    std::string dn;                   // Account: the user's name
    std::string cls;
    std::string parent;               // containment parent, for album events
    std::vector<std::string> attrs;   // AttributesChanged: the attributes that changed
    // For the audit trail, the attributes changed as they were and as they
    // became ({name: value}; a creation has nothing before, a deletion
    // nothing after). Null where no entry is recorded (a load's own changes).
    nlohmann::json before{};
    nlohmann::json after{};
};

using ChangeSet = std::vector<Change>;

// The rights of whoever writes; the loader and start-up hold all of them.
using RightSet = std::set<std::string>;

}  // namespace qv::server
