#include "platform/SyntaxCache.hpp"

#include "platform/Platform.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "platform/ReplyReader.hpp"

qv::asn1::TypePtr SyntaxCache::lookup(Platform& platform, const std::string& attribute, std::string* error)
{
    auto it = types_.find(attribute);
    if (it != types_.end())
        return it->second;
    qv::asn1::TypePtr type = ask_server(platform, attribute, error);
    if (!type && attribute.find(':') == std::string::npos) {
        // The tool names attributes by their short name; the server by the full one.
        if (QvTopoPlatform* topo = QvTopoPlatform::instance()) {
            const RWCString full = topo->full_attribute_name(attribute);
            if (full != attribute)
                type = ask_server(platform, full, error);
        }
    }
    if (type)
        types_[attribute] = type;
    return type;
}

void SyntaxCache::remember(const std::string& attribute, const std::string& text)
{
    if (auto type = qv::asn1::parse_type(text))
        types_[attribute] = type;
}

qv::asn1::TypePtr SyntaxCache::ask_server(Platform& platform, const std::string& attribute, std::string* error)
{
    nlohmann::json result;
    const QvStatus st = platform.request("syntax", {{"attributes", {attribute}}}, result);
    if (!st) {
        if (error)
            *error = st.text();
        return nullptr;
    }
    ReplyReader reply(result, "the syntax reply");
    ReplyReader syntaxes = reply.item(reply.object("syntaxes"), "the syntaxes");
    const bool known = syntaxes.has(attribute.c_str());
    const std::string text = syntaxes.text_or(attribute.c_str(), "");
    if (!reply.ok()) {
        const QvStatus st = platform.reject_reply(reply);
        if (error)
            *error = st.text();
        return nullptr;
    }
    if (!known) {
        if (error)
            *error = "The server knows no syntax for the attribute " + attribute;
        return nullptr;
    }
    std::string why;
    qv::asn1::TypePtr type = qv::asn1::parse_type(text, &why);
    if (!type && error)
        *error = "The syntax of " + attribute + " does not parse: " + why;
    return type;
}
