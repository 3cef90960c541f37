// The benchmark's topology document: views, hosts below them, and one scope
// of generic objects to derive.
#pragma once

#include <string>

#include <nlohmann/json.hpp>

struct BenchDocument {
    static constexpr int kScopeChildren = 10000;
    static constexpr const char* kScopeRdn = "benchScopeId=\"big\"";

    // total_objects counts nodes, the scope and its children.
    static nlohmann::json generate(int total_objects);
    // The name of a host node the document holds exactly once.
    static std::string host_name(int id) { return "host-" + std::to_string(id); }
};
