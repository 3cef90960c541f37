// Whether a text is JSON, without reading it into anything: the network
// thread checks a load's document so before a worker reads it. Accepts
// exactly what nlohmann::json's parser accepts (a leading byte order mark,
// strict UTF-8, paired surrogate escapes, finite numbers, nothing after the
// value but a NUL byte and what follows it), so that a frame is refused or taken the same either way.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "server/JsonText.hpp"

namespace qv::server::json_syntax {

// What a check found out about a valid text on the way.
struct Shape {
    std::size_t depth = 0;  // of the deepest array or object
    // The members of a text that is an object, as views into it (keys as
    // spelt between their quotes).
    std::vector<json_text::Member> members;
};

bool valid(std::string_view text, Shape* shape = nullptr);

}  // namespace qv::server::json_syntax
