#include "ManyTypes.hpp"

#include <cstdio>
#include <vector>

nlohmann::json ManyTypes::generate(const nlohmann::json& demo, int total_types)
{
    static const char* const kinds[] = {"view", "device", "monitor", "array", "link", "bus", "container"};
    nlohmann::json doc = demo;
    nlohmann::json& types = doc["types"];
    std::vector<std::string> attributes;
    const nlohmann::json syntaxes = demo.value("syntaxes", nlohmann::json::object());
    for (const auto& [name, syntax] : syntaxes.items())
        attributes.push_back(name);
    for (int i = static_cast<int>(types.size()); i < total_types; ++i) {
        char name[32];
        std::snprintf(name, sizeof name, "BenchType%05d", i);
        nlohmann::json declared = nlohmann::json::array();
        if (!attributes.empty())
            declared.push_back(attributes[static_cast<std::size_t>(i) % attributes.size()]);
        types.push_back({{"name", name}, {"kinds", {kinds[i % 7]}}, {"attributes", declared}});
    }
    return doc;
}
