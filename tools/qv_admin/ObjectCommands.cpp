#include "ObjectCommands.hpp"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include "AdminError.hpp"
#include "protocol/DocumentParts.hpp"

namespace object_commands {
namespace {

nlohmann::json attrs_argument(const std::string& text)
{
    auto attrs = nlohmann::json::parse(text, nullptr, false);
    if (attrs.is_discarded() || !attrs.is_object())
        throw AdminError::usage("attributes must be a JSON object, e.g. '{\"name\": \"router1\"}'");
    return attrs;
}

void print_created(AdminContext& ctx, const nlohmann::json& r)
{
    ReplyReader reply(r, "the create reply");
    const std::string dn = reply.text("dn");
    ctx.accept(reply);
    ctx.out() << dn << '\n';
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
    // Sent in parts, each well inside a frame, so that a document of any
    // size loads; the server stores them in one transaction, which the last
    // part commits (so each part waits to know whether it is the last).
    constexpr double kCommitSeconds = 3600;
    nlohmann::json pending;
    try {
        qv::proto::DocumentParts::split_file(args[0], [&](nlohmann::json part) {
            if (!pending.is_null())
                ctx.call("admin.load_part", {{"part", std::move(pending)}, {"last", false}}, kCommitSeconds);
            pending = std::move(part);
        });
    } catch (const std::runtime_error& e) {
        if (dynamic_cast<const AdminError*>(&e))
            throw;
        throw AdminError(e.what());
    }
    const nlohmann::json r =
        ctx.call("admin.load_part", {{"part", std::move(pending)}, {"last", true}}, kCommitSeconds);
    ReplyReader reply(r, "the admin.load_part reply");
    const auto nodes = reply.integer("nodes"), types = reply.integer("types");
    const auto objects = reply.integer("objects"), users = reply.integer("users");
    ctx.accept(reply);
    ctx.out() << "Loaded " << args[0] << ": " << nodes << " nodes, " << types << " types, " << objects
              << " objects, " << users << " users\n";
}

void dump(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 0, 1, "dump [DN]");
    nlohmann::json params = nlohmann::json::object();
    if (!args.empty())
        params["dn"] = ctx.dn_argument(args[0]);
    // Page after page, each printed as it comes, as one JSON array.
    std::int64_t after = 0;
    bool first = true;
    do {
        params["after"] = after;
        const nlohmann::json page = ctx.call("admin.dump", params);
        ReplyReader reply(page, "the admin.dump reply");
        const nlohmann::json& objects = reply.array("objects");
        after = reply.integer_or("next", 0, 0);
        ctx.accept(reply);
        for (const auto& object : objects) {
            std::string text = object.dump(2, ' ', false, nlohmann::json::error_handler_t::replace);
            std::string indented = "  ";
            for (char c : text) {
                indented.push_back(c);
                if (c == '\n')
                    indented += "  ";
            }
            ctx.out() << (first ? "[\n" : ",\n") << indented;
            first = false;
        }
    } while (after > 0);
    ctx.out() << (first ? "[]\n" : "\n]\n");
}

void get(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 2, 2, "get DN ATTR");
    const std::string dn = ctx.dn_argument(args[0]);
    const nlohmann::json r = ctx.call("get", {{"dn", dn}, {"attrs", {args[1]}}});
    ReplyReader reply(r, "the get reply");
    const nlohmann::json& attrs = reply.object("attrs");
    ctx.accept(reply);
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
    print_created(ctx, r);
}

void create_node(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 1, 1, "create-node JSON-ATTRS");
    print_created(ctx, ctx.call("create", {{"class", "topoNode"}, {"attrs", attrs_argument(args[0])}}));
}

void remove(AdminContext& ctx, const Args& args)
{
    AdminContext::expect_args(args, 1, 1, "delete DN");
    const nlohmann::json r = ctx.call("delete", {{"dn", ctx.dn_argument(args[0])}});
    ReplyReader reply(r, "the delete reply");
    const std::vector<std::string> deleted = reply.texts("deleted");
    ctx.accept(reply);
    for (const std::string& dn : deleted)
        ctx.out() << dn << '\n';
}

}  // namespace object_commands
