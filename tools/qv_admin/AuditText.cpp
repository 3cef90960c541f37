#include "AuditText.hpp"

#include <cstdio>
#include <ctime>
#include <regex>

namespace audit_text {
namespace {

using nlohmann::json;

std::string value_text(const json& value) { return value.dump(-1, ' ', false, json::error_handler_t::replace); }

// name=value, name=value
std::string listing(const json& attrs)
{
    std::string out;
    for (auto it = attrs.begin(); it != attrs.end(); ++it)
        out += (out.empty() ? "" : ", ") + it.key() + "=" + value_text(*it);
    return out;
}

// name: before -> after; ...
std::string changes(const json& before, const json& after)
{
    json names = json::object();
    for (const json* side : {&before, &after})
        for (auto it = side->begin(); it != side->end(); ++it)
            names[it.key()] = true;
    std::string out;
    for (auto it = names.begin(); it != names.end(); ++it) {
        auto side = [&](const json& attrs) {
            auto found = attrs.find(it.key());
            return found == attrs.end() ? std::string("(none)") : value_text(*found);
        };
        out += (out.empty() ? "" : "; ") + it.key() + ": " + side(before) + " -> " + side(after);
    }
    return out;
}

std::string change_text(const AuditEntry& e)
{
    if (e.operation == "load") {
        std::string out;
        for (auto it = e.counts.begin(); it != e.counts.end(); ++it)
            out += (out.empty() ? "" : " ") + it.key() + "=" + value_text(*it);
        return e.file.empty() ? out : out + " from " + e.file;
    }
    if (e.operation == "user.passwd")
        return "new password";
    if (e.before.empty())
        return listing(e.after);
    if (e.after.empty())
        return "was " + listing(e.before);
    return changes(e.before, e.after);
}

}  // namespace

std::string format_time(std::int64_t ms)
{
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000 - (ms % 1000 < 0 ? 1 : 0));
    std::tm utc{};
    gmtime_r(&seconds, &utc);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03dZ", utc.tm_year + 1900, utc.tm_mon + 1,
                  utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec, static_cast<int>((ms % 1000 + 1000) % 1000));
    return text;
}

std::optional<std::int64_t> parse_time(const std::string& text)
{
    static const std::regex form(
        R"(^(\d{4})-(\d{2})-(\d{2})(?:[T ](\d{2}):(\d{2})(?::(\d{2})(?:\.(\d{1,3}))?)?)?Z?$)");
    std::smatch m;
    if (!std::regex_match(text, m, form))
        return std::nullopt;
    auto part = [&](int i) { return m[i].matched ? std::stoi(m[i].str()) : 0; };
    std::tm utc{};
    utc.tm_year = part(1) - 1900;
    utc.tm_mon = part(2) - 1;
    utc.tm_mday = part(3);
    utc.tm_hour = part(4);
    utc.tm_min = part(5);
    utc.tm_sec = part(6);
    const std::tm asked = utc;
    const std::time_t seconds = timegm(&utc);
    // timegm moves a day 31 of April to May; such a date is no date.
    if (utc.tm_mday != asked.tm_mday || utc.tm_mon != asked.tm_mon || utc.tm_hour != asked.tm_hour ||
        utc.tm_min != asked.tm_min || utc.tm_sec != asked.tm_sec)
        return std::nullopt;
    std::string fraction = m[7].matched ? m[7].str() : "";
    fraction.resize(3, '0');
    return std::int64_t(seconds) * 1000 + std::stoi(fraction);
}

std::string line(const AuditEntry& e)
{
    std::string who = e.user.empty() ? "?" : e.user;
    if (!e.address.empty())
        who += "@" + e.address;
    if (!e.program.empty())
        who += " (" + e.program + ")";
    std::string target = e.dn;
    if (!e.account.empty())
        target = "user " + e.account;
    std::string out = format_time(e.time_ms) + " " + who + " " + e.operation;
    if (!target.empty())
        out += " " + target;
    const std::string change = change_text(e);
    return change.empty() ? out : out + " " + change;
}

}  // namespace audit_text
