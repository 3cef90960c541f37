// What one request changed, collected while its transaction runs and turned
// into notifications only after it committed.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace qv::server {

struct Change {
    enum class Kind { Created, Deleted, AttributesChanged };
    Kind kind;
    std::string dn;
    std::string cls;
    std::string parent;               // containment parent, for album events
    std::vector<std::string> attrs;   // AttributesChanged: the attributes that changed
};

using ChangeSet = std::vector<Change>;

// The rights of whoever writes; the loader and start-up hold all of them.
using RightSet = std::set<std::string>;

}  // namespace qv::server
