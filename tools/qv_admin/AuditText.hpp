// How qv_admin writes audit entries for people: UTC times to the millisecond
// (which --since and --until read back), and one line per entry with the
// attributes' change.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json.hpp>

struct AuditEntry {
    std::int64_t id = 0;
    std::int64_t time_ms = 0;
    std::string user, program, address, operation;
    std::string dn;       // an object's entry
    std::string account;  // a user's entry
    nlohmann::json before = nlohmann::json::object();
    nlohmann::json after = nlohmann::json::object();
    nlohmann::json counts = nlohmann::json::object();  // a load's
    std::string file;                                  // a load's at start-up
};

namespace audit_text {

// 2026-12-06T10:00:02.540Z
std::string format_time(std::int64_t ms);
// 2026-12-06, 2026-12-06T10:00, ...T10:00:02, ...T10:00:02.540, each with an
// optional Z ("T" may be a blank); UTC. Nothing when the text is none of them.
std::optional<std::int64_t> parse_time(const std::string& text);

// TIME USER@ADDRESS (PROGRAM) OPERATION TARGET CHANGE, e.g.
// 2026-12-06T10:00:02.540Z oper@10.1.2.3 (qv_tolvar) set /systemId=name:"vm"/topoNodeId=12 name: "r1" -> "r2"
std::string line(const AuditEntry& entry);

}  // namespace audit_text
