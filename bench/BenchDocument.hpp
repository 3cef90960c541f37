// The benchmark's topology document: views, hosts below them, and scopes of
// generic objects to derive (a large one and a small one).
#pragma once

#include <string>

struct BenchDocument {
    static constexpr int kScopeChildren = 10000;
    static constexpr const char* kScopeRdn = "benchScopeId=\"big\"";
    static constexpr int kSmallScopeChildren = 100;
    static constexpr const char* kSmallScopeRdn = "benchScopeId=\"small\"";

    // Writes the document for total_objects (nodes, the scopes and their
    // children) to path, entry by entry, never holding it whole; its size.
    static std::size_t write(const std::string& path, int total_objects);
    // The number of nodes such a document holds.
    static int nodes_for(int total_objects) { return total_objects - 2 - kScopeChildren - kSmallScopeChildren; }
    // The name of a host node the document holds exactly once.
    static std::string host_name(int id) { return "host-" + std::to_string(id); }
};
