// JSON spelt by hand where building it as objects would cost more than all
// the work around it (a loaded node, a read one).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace qv::server::json_text {

// Appends text as a JSON string, escaped as nlohmann::json writes it. The
// text must be valid UTF-8 (as the parser and the DN code give).
void append_string(std::string& out, std::string_view text);

// One member of an object's text: its key as spelt between the quotes, and
// its value's text.
struct Member {
    std::string_view key;
    std::string_view value;
};

// The members of the text of one JSON object, in their order, as views into
// that text. False when the text is not shaped as an object (unbalanced,
// unterminated, a member without a value); the values themselves are not
// checked further: meant for the text the server wrote itself.
bool split_members(std::string_view object, std::vector<Member>& out);

}  // namespace qv::server::json_text
