// JSON spelt by hand where building it as objects would cost more than all
// the work around it (a loaded node, a read one).
#pragma once

#include <string>
#include <string_view>

namespace qv::server::json_text {

// Appends text as a JSON string, escaped as nlohmann::json writes it. The
// text must be valid UTF-8 (as the parser and the DN code give).
void append_string(std::string& out, std::string_view text);

}  // namespace qv::server::json_text
