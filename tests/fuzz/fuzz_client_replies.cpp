// The client library on arbitrary server bytes. The input is what the server
// sends, hello first, on a socketpair whose writing end is then shut: each
// call below takes the next reply (request ids count from 1 in this order),
// events anywhere in the stream go through the event router, and the stream's
// end is a lost connection. Nothing may crash, leak or throw out.
#include <cstddef>
#include <cstdint>
#include <sys/socket.h>
#include <unistd.h>

#include "platform/Image.hpp"
#include "platform/QvAgents.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "platform/QvTopoType.hpp"

namespace {

// A server that wants a login gets one without a terminal.
class FixedLogin : public PasswordTty {
public:
    int password_function(RWCString& user, RWCString& password) override
    {
        password = "secret";
        return 1;
    }
};

void read_node(QvTopoNode& node)
{
    RWCString text;
    long number = 0;
    int flags = 0;
    RWTValSlist<QvTopoNodeDn> dns;
    const QvTopoNodeDn parent("fuzz", 2);
    node.get_name(text);
    node.get_type_name(text);
    node.get_parents(dns);
    node.add_parent(parent);
    QvTopoNode::Location location;
    node.get_logical_location(parent, location);
    node.set_logical_location(parent, location);
    QvTopoNode::GeoLocation geo;
    node.get_geographical_location(geo, flags);
    node.get_is_severity_propagated(flags);
    node.get_monitor_max_visible_children(number);
    node.get_monitor_rotation(number, flags);
    node.get_monitor_visible_children(dns);
    node.get_array_hidden_children(dns);
    QvTopoNode::ArrayOrientation orientation;
    node.get_array_orientation(orientation);
    unsigned long columns = 0;
    node.get_array_num_columns(columns);
    QvTopoNode::ArrayCellSize size;
    node.get_array_cell_size(size);
    node.get_view_background_image_filename(text);
    RWTValSlist<RWCString> names;
    node.get_managed_objects(names);
    node.get_links(dns);
    RWTValSlist<QvTopoNode::Location> points;
    node.get_bus_logical_locations(points);
    RWTValSlist<QvTopoNode::UserDatum> data;
    node.get_user_data(data);  // asks the server for the syntaxes
    node.set_user_data(data);
    node.get_topology_pathnames(names);
}

void read_agents(Platform& p)
{
    RWCString text;
    long number = 0;
    int flag = 0;
    QvCmipAgent cmip(QvCmipAgentDn("fuzz", "mis"), &p);
    cmip.load_all_attributes();
    cmip.get_mpa_address_info(text, number, flag);
    cmip.get_agent_address_tag(number);
    cmip.get_name_translation(text);
    QvRpcAgent rpc(QvRpcAgentDn("fuzz", "host"), &p);
    rpc.load_all_attributes();
    RWTValSlist<QvRpcAgent::Schema> schemas;
    rpc.get_schemas(schemas);
    QvSnmpAgent snmp(QvSnmpAgentDn("fuzz", "host"), &p);
    snmp.load_attributes({"supportedMibs", "managementProtocol"});
    RWTValSlist<RWCString> mibs;
    snmp.get_supported_mibs(mibs);
    QvSnmpAgent::ManagementProtocol protocol;
    snmp.get_management_protocol(protocol);
}

void exercise(Platform& p)
{
    nlohmann::json result;
    p.request("ping", nlohmann::json::object(), result, 1.0);
    AuthFeatures features;
    p.get_authorized_features(features, nullptr, nullptr);
    QvTopoPlatform::initialize(p, 1);
    QvTopoPlatform& topo = *QvTopoPlatform::instance();
    RWTValSlist<QvTopoTypeDn> types;
    topo.find_all_types(types);
    RWTValSlist<QvTopoNodeDn> nodes;
    topo.find_nodes_by_name("n", {}, nodes);
    topo.system_names();
    QvCmipAgentDn agent;
    topo.managed_object_to_cmip_agent("x", agent);

    QvTopoNode node(&p);
    node.set_dn(QvTopoNodeDn("fuzz", 1));
    node.load_all_attributes();
    read_node(node);

    Album album("a", &p);
    album.set_prop("TRACKMODE", "TRACK");
    album.set_derivation("/*");
    album.derive(1.0);
    Image image("/a=1", "topoNode", &p);
    image.boot(1.0);
    image.get_str("name");
    image.call("getAllDocuments", "", 1.0);

    QvTopoType type(QvTopoTypeDn("fuzz", "router"), &p);
    type.load_all_attributes();
    RWTValSlist<RWCString> kinds;
    type.get_kinds(kinds);
    read_agents(p);
    QvObject object("topoNode", &p);
    object.set_dn_text("/a=1");
    object.exists();
    object.create_with_all_attributes();
    object.destroy();
    p.dispatch_events();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static FixedLogin login;
    int fds[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, fds) != 0)
        return 0;
    // Inputs are a few KiB and fit the socket's buffer; more is cut off.
    for (std::size_t at = 0; at < size;) {
        const ssize_t n = ::write(fds[1], data + at, size - at);
        if (n <= 0)
            break;
        at += static_cast<std::size_t>(n);
    }
    ::shutdown(fds[1], SHUT_WR);
    {
        Platform p;
        if (p.connect_socket(fds[0], "fuzz", "qv_fuzz", 1.0))
            exercise(p);
        p.dispatch_events();
    }
    ::close(fds[1]);
    return 0;
}
