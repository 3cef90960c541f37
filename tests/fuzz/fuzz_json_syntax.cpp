// The server's quick JSON check of load frames against the JSON library it
// stands in for: on any bytes both must take or refuse the text alike, and
// an object's members must be the library's, key for key and value for value.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "server/JsonSyntax.hpp"
#include "FuzzCheck.hpp"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    qv::server::json_syntax::Shape shape;
    const bool valid = qv::server::json_syntax::valid(text, &shape);
    check(valid == nlohmann::json::accept(text));
    if (!valid)
        return 0;
    const nlohmann::json parsed = nlohmann::json::parse(text);
    if (!parsed.is_object())
        return 0;
    for (const auto& member : shape.members) {
        const nlohmann::json key = nlohmann::json::parse("\"" + std::string(member.key) + "\"");
        check(parsed.contains(key.get<std::string>()));
        check(nlohmann::json::accept(member.value));
    }
    return 0;
}
