// qv_admin commands on users and rights.
#pragma once

#include <string>
#include <vector>

#include "AdminContext.hpp"

namespace user_commands {

using Args = std::vector<std::string>;

// "user add|passwd|grant|revoke|list|delete ..."
void user(AdminContext& ctx, const Args& args);
// The connected user's rights.
void rights(AdminContext& ctx, const Args& args);

}  // namespace user_commands
