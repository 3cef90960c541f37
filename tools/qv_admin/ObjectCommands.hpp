// qv_admin commands on managed objects and topology documents.
#pragma once

#include <string>
#include <vector>

#include "AdminContext.hpp"

namespace object_commands {

using Args = std::vector<std::string>;

void load(AdminContext& ctx, const Args& args);
void dump(AdminContext& ctx, const Args& args);
void get(AdminContext& ctx, const Args& args);
void set(AdminContext& ctx, const Args& args);
void create(AdminContext& ctx, const Args& args);
void create_node(AdminContext& ctx, const Args& args);
void remove(AdminContext& ctx, const Args& args);

// A command-line value: JSON when it parses as JSON, else the text itself.
nlohmann::json value_argument(const std::string& text);

}  // namespace object_commands
