#include "ObjectCommands.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "AdminError.hpp"

namespace object_commands {
namespace {

std::string read_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw AdminError("cannot read " + path + ": " + std::strerror(errno));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

nlohmann::json attrs_argument(const std::string& text)
{
    auto attrs = nlohmann::json::parse(text, nullptr, false);
    if (attrs.is_discarded() || !attrs.is_object())
        throw AdminError::usage("attributes must be a JSON object, e.g. '{\"name\": \"router1\"}'");
    return attrs;
}

}  // namespace

nlohmann::json value_argument(const std::string& text)
{
    auto value = nlohmann::json::parse(text, nullptr, false);
    return value.is_discarded() ? nlohmann::json(text) : value;
}

void load(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 1, 1, "load FILE");
    const std::string text = read_file(args[0]);
    auto document = nlohmann::json::parse(text, nullptr, false);
    if (document.is_discarded() || !document.is_object())
        throw AdminError(args[0] + " is not a topology document (not a JSON object)");
    const nlohmann::json r = ctx.call("admin.load", {{"document", std::move(document)}});
    ctx.out() << "Loaded " << args[0] << ": " << r.value("nodes", 0) << " nodes, " << r.value("types", 0)
              << " types, " << r.value("objects", 0) << " objects, " << r.value("users", 0) << " users\n";
}

void dump(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 0, 1, "dump [DN]");
    nlohmann::json params = nlohmann::json::object();
    if (!args.empty())
        params["dn"] = ctx.dn_argument(args[0]);
    ctx.print_json(ctx.call("admin.dump", params).value("objects", nlohmann::json::array()));
}

void get(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 2, 2, "get DN ATTR");
    const std::string dn = ctx.dn_argument(args[0]);
    const nlohmann::json r = ctx.call("get", {{"dn", dn}, {"attrs", {args[1]}}});
    const auto attrs = r.value("attrs", nlohmann::json::object());
    const auto it = attrs.find(args[1]);
    if (it == attrs.end())
        throw AdminError(dn + " has no attribute " + args[1]);
    ctx.print_json(*it);
}

void set(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 3, 3, "set DN ATTR VALUE");
    ctx.call("set", {{"dn", ctx.dn_argument(args[0])}, {"attrs", {{args[1], value_argument(args[2])}}}});
}

void create(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 2, 3, "create DN CLASS [JSON-ATTRS]");
    const nlohmann::json attrs = args.size() > 2 ? attrs_argument(args[2]) : nlohmann::json::object();
    const nlohmann::json r = ctx.call("create", {{"dn", ctx.dn_argument(args[0])}, {"class", args[1]}, {"attrs", attrs}});
    ctx.out() << r.value("dn", std::string()) << '\n';
}

void create_node(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 1, 1, "create-node JSON-ATTRS");
    const nlohmann::json r = ctx.call("create", {{"class", "topoNode"}, {"attrs", attrs_argument(args[0])}});
    ctx.out() << r.value("dn", std::string()) << '\n';
}

void remove(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 1, 1, "delete DN");
    const nlohmann::json r = ctx.call("delete", {{"dn", ctx.dn_argument(args[0])}});
    for (const auto& dn : r.value("deleted", nlohmann::json::array()))
        ctx.out() << (dn.is_string() ? dn.get<std::string>() : dn.dump()) << '\n';
}

}  // namespace object_commands
