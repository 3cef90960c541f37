#include "server/Derivation.hpp"

#include "protocol/Dn.hpp"
#include "server/JsonCheck.hpp"
#include "server/RequestError.hpp"

namespace qv::server {
namespace {

std::string trim(const std::string& s)
{
    const auto b = s.find_first_not_of(" \t");
    if (b == std::string::npos)
        return {};
    const auto e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

[[noreturn]] void malformed(const std::string& text, const std::string& why)
{
    throw RequestError(ErrorCode::Malformed, "derivation \"" + text + "\": " + why);
}

// The class named by a filter text "objectClass=C".
std::string filter_class(const std::string& text, const std::string& filter)
{
    const auto eq = filter.find('=');
    if (eq == std::string::npos || trim(filter.substr(0, eq)) != "objectClass")
        malformed(text, "only the filter objectClass=C is supported");
    std::string cls = trim(filter.substr(eq + 1));
    if (cls.size() >= 2 && cls.front() == '"' && cls.back() == '"')
        cls = cls.substr(1, cls.size() - 2);
    if (cls.empty())
        malformed(text, "the filter names no class");
    return cls;
}

}  // namespace

Derivation parse_derivation(const std::string& text, const std::string& local_system)
{
    std::string rest = trim(text);
    Derivation out;
    const std::string marker = "/CMISFilter(";
    const auto filter_at = rest.rfind(marker);
    if (filter_at != std::string::npos) {
        if (rest.back() != ')')
            malformed(text, "the filter is not closed");
        out.cls = filter_class(text, rest.substr(filter_at + marker.size(),
                                                 rest.size() - filter_at - marker.size() - 1));
        rest = trim(rest.substr(0, filter_at));
    }
    if (rest == "*" || rest.empty()) {
        out.base = qv::dn::format(qv::dn::system_dn(local_system));
        return out;
    }
    if (rest.size() < 2 || rest.compare(rest.size() - 2, 2, "/*") != 0)
        malformed(text, "expected BASE/*");
    std::string base = rest.substr(0, rest.size() - 2);
    if (base.empty()) {
        out.base = "/";
        return out;
    }
    const std::string canonical = check::dn_text(base, "derivation");
    auto parsed = qv::dn::parse(canonical);
    if (!parsed->absolute)
        parsed = qv::dn::resolve(*parsed, qv::dn::system_dn(local_system));
    out.base = qv::dn::format(*parsed);
    return out;
}

}  // namespace qv::server
