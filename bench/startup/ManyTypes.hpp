// A topology document with many types: the demo topology, whose objects the
// tool is started on, with generated types added after its own.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

struct ManyTypes {
    // The demo document with types added until it declares total_types
    // (none when it already declares as many). The added types are of every
    // kind in turn and declare the demo's stored-data attributes in turn,
    // so the menu and the kind tables see the usual mixture.
    static nlohmann::json generate(const nlohmann::json& demo, int total_types);
};
