#include "server/AuditRow.hpp"

#include <sodium.h>

namespace qv::server {

const char* const AuditRow::kColumns =
    "id, time_ms, latest_ms, username, program, address, operation, dn, account, detail, hash";

AuditRow AuditRow::read(const Statement& s)
{
    return AuditRow{s.integer(0), s.integer(1), s.integer(2), s.text(3), s.text(4),  s.text(5),
                    s.text(6),    s.text(7),    s.text(8),    s.text(9), s.text(10)};
}

nlohmann::json AuditRow::to_json() const
{
    nlohmann::json entry = nlohmann::json::parse(detail, nullptr, false);
    if (!entry.is_object())
        entry = nlohmann::json::object();  // a row spoilt by hand still lists; verify names it
    entry["id"] = id;
    entry["time"] = time_ms;
    entry["user"] = user;
    entry["program"] = program;
    entry["address"] = address;
    entry["operation"] = operation;
    if (!dn.empty())
        entry["dn"] = dn;
    if (!account.empty())
        entry["account"] = account;
    return entry;
}

std::string AuditRow::chain_hash(const std::string& previous) const
{
    std::string content;
    auto field = [&](const std::string& text) {
        content += std::to_string(text.size());
        content += ':';
        content += text;
    };
    field(previous);
    for (std::int64_t number : {id, time_ms, latest_ms})
        field(std::to_string(number));
    for (const std::string* text : {&user, &program, &address, &operation, &dn, &account, &detail})
        field(*text);
    unsigned char digest[crypto_hash_sha256_BYTES];
    crypto_hash_sha256(digest, reinterpret_cast<const unsigned char*>(content.data()), content.size());
    char hex[crypto_hash_sha256_BYTES * 2 + 1];
    sodium_bin2hex(hex, sizeof hex, digest, sizeof digest);
    return hex;
}

}  // namespace qv::server
