// qv_admin audit: the audit trail, filtered and paged; its size; its chain.
#pragma once

#include <string>
#include <vector>

#include "AdminContext.hpp"

namespace audit_command {

// "audit [--dn DN] [--user U] [--operation OP] [--since T] [--until T]
//  [--limit N] [--json] | --stats [--json] | --verify [--json]"
void audit(AdminContext& ctx, const std::vector<std::string>& args);

}  // namespace audit_command
