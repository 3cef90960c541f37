#include "platform/SyntaxCache.hpp"

#include <algorithm>

#include "platform/Platform.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "platform/ReplyReader.hpp"

namespace {

void tell(std::string* error, const std::string& why)
{
    if (error)
        *error = why;
}

// Checks the shape of a syntax reply: "syntaxes" an object whose entries
// for the names asked are texts. A malformed reply closes the connection
// (false, with the reason in error).
bool well_formed(Platform& platform, const nlohmann::json& result, const std::vector<std::string>& names,
                 std::string* error)
{
    ReplyReader reply(result, "the syntax reply");
    ReplyReader syntaxes = reply.item(reply.object("syntaxes"), "the syntaxes");
    for (const std::string& name : names)
        syntaxes.text_or(name.c_str(), "");
    if (reply.ok())
        return true;
    tell(error, platform.reject_reply(reply).text());
    return false;
}

}  // namespace

std::string SyntaxCache::full_name(const std::string& attribute)
{
    if (attribute.find(':') != std::string::npos)
        return attribute;
    // The tool names attributes by their short name; the server by the full one.
    const QvTopoPlatform* topo = QvTopoPlatform::instance();
    return topo ? topo->full_attribute_name(attribute) : attribute;
}

qv::asn1::TypePtr SyntaxCache::lookup(Platform& platform, const std::string& attribute, std::string* error)
{
    if (auto it = types_.find(attribute); it != types_.end())
        return it->second;
    if (auto it = unknown_.find(attribute); it != unknown_.end()) {
        tell(error, it->second);
        return nullptr;
    }
    qv::asn1::TypePtr type = ask_server(platform, attribute, error);
    const std::string full = full_name(attribute);
    if (!type && full != attribute) {
        if (auto it = types_.find(full); it != types_.end())
            type = it->second;
        else
            type = ask_server(platform, full, error);
    }
    if (type) {
        types_[attribute] = type;
        unknown_.erase(attribute);
    }
    return type;
}

void SyntaxCache::prefetch(Platform& platform, const std::vector<std::string>& attributes)
{
    std::vector<std::string> wanted;
    auto want = [&](const std::string& name) {
        if (!known(name) && std::find(wanted.begin(), wanted.end(), name) == wanted.end())
            wanted.push_back(name);
    };
    // A prefixed attribute is also shown, and later looked up, by its short
    // name: that is asked in the same request.
    std::vector<std::string> names;
    for (const std::string& attribute : attributes) {
        names.push_back(attribute);
        if (const auto colon = attribute.rfind(':'); colon != std::string::npos)
            names.push_back(attribute.substr(colon + 1));
    }
    for (const std::string& name : names) {
        if (known(name))
            continue;
        want(name);
        want(full_name(name));
    }
    if (wanted.empty())
        return;
    nlohmann::json result;
    if (!platform.request("syntax", {{"attributes", wanted}}, result) || !well_formed(platform, result, wanted, nullptr))
        return;
    const nlohmann::json& syntaxes = result["syntaxes"];
    for (const std::string& name : wanted) {
        std::string why;
        if (auto type = take(name, syntaxes, why))
            types_[name] = type;
        else
            unknown_[name] = why;
    }
    // A short name the server does not know stands for its prefixed attribute.
    for (const std::string& attribute : names) {
        const std::string full = full_name(attribute);
        if (full == attribute || !unknown_.count(attribute) || !types_.count(full))
            continue;
        types_[attribute] = types_[full];
        unknown_.erase(attribute);
    }
}

void SyntaxCache::remember(const std::string& attribute, const std::string& text)
{
    if (auto type = qv::asn1::parse_type(text)) {
        types_[attribute] = type;
        unknown_.erase(attribute);
    }
}

qv::asn1::TypePtr SyntaxCache::take(const std::string& attribute, const nlohmann::json& syntaxes, std::string& why)
{
    const auto it = syntaxes.is_object() ? syntaxes.find(attribute) : syntaxes.end();
    if (it == syntaxes.end() || !it->is_string()) {
        why = "The server knows no syntax for the attribute " + attribute;
        return nullptr;
    }
    std::string parse_error;
    qv::asn1::TypePtr type = qv::asn1::parse_type(it->get<std::string>(), &parse_error);
    if (!type)
        why = "The syntax of " + attribute + " does not parse: " + parse_error;
    return type;
}

qv::asn1::TypePtr SyntaxCache::ask_server(Platform& platform, const std::string& attribute, std::string* error)
{
    nlohmann::json result;
    const QvStatus st = platform.request("syntax", {{"attributes", {attribute}}}, result);
    if (!st) {
        tell(error, st.text());
        return nullptr;
    }
    if (!well_formed(platform, result, {attribute}, error))
        return nullptr;
    std::string why;
    const qv::asn1::TypePtr type = take(attribute, result["syntaxes"], why);
    if (!type) {
        unknown_[attribute] = why;
        tell(error, why);
    }
    return type;
}
