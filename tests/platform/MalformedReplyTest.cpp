// A server reply or event of another shape than docs/protocol.md documents:
// the call fails with a text naming the field, the connection is closed as if
// lost ("DISCONNECTED" is delivered once), and nothing aborts.
#include <functional>
#include <gtest/gtest.h>

#include "EventWait.hpp"
#include "FakePeer.hpp"
#include "platform/Image.hpp"
#include "platform/QvTopoNode.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "support/RunBinary.hpp"

namespace {

using Call = std::function<QvStatus(Platform&)>;

QvStatus ping(Platform& p)
{
    nlohmann::json result;
    return p.request("ping", nlohmann::json::object(), result, 5.0);
}

QvStatus read_types(Platform& p)
{
    QvTopoPlatform::initialize(p, 1);
    RWTValSlist<QvTopoTypeDn> types;
    return QvTopoPlatform::instance()->find_all_types(types);
}

QvStatus read_rights(Platform& p)
{
    AuthFeatures features;
    if (p.get_authorized_features(features, nullptr, nullptr))
        return QvStatus::success();
    return QvStatus::failure(QvStatus::MalformedReply, p.get_error_string().str());
}

QvStatus load_node(Platform& p)
{
    QvTopoNode node(&p);
    node.set_dn(QvTopoNodeDn("fakesys", 1));
    return node.load_all_attributes();
}

QvStatus derive(Platform& p)
{
    Album album("a", &p);
    album.set_derivation("/*");
    album.derive(5.0);
    return album.status();
}

struct Case {
    std::string frame;  // sent after the hello
    Call call;
    std::string problem;
};

const std::string kNode = R"("/systemId=name:\"fakesys\"/topoNodeId=1")";

}  // namespace

TEST(MalformedReply, ClosesTheConnectionWithAClearReason)
{
    const std::vector<Case> cases = {
        {R"({"id": null, "ok": true})", ping, "field 'id' of the reply is null, expected an integer"},
        {R"({"id": "1", "ok": true})", ping, "field 'id' of the reply is a string, expected an integer"},
        {R"({"id": 1, "ok": "yes"})", ping, "field 'ok' of the reply is a string, expected a boolean"},
        {R"({"id": 1, "ok": false, "code": null, "error": "x"})", ping,
         "field 'code' of the error reply is null, expected an integer"},
        {R"({"id": 1, "ok": false, "code": 99, "error": "x"})", ping,
         "field 'code' of the error reply is 99, expected an integer from 1 to 19"},
        {R"([1, 2])", ping, "frame body is not a JSON object"},
        {R"({"event": "album", "album": "3", "type": "OBJECT_CREATED", "dn": "/a=1"})", ping,
         "field 'album' of the album event is a string, expected an integer"},
        {R"({"event": "notification", "type": "objectCreation", "dn": 7})", ping,
         "field 'dn' of the notification is 7, expected a string"},
        {R"({"id": 1, "ok": true, "types": [{"dn": "x", "name": null, "kinds": [], "attributes": []}]})",
         read_types, "field 'name' of a type in the topo.types reply is null, expected a string"},
        {R"({"id": 1, "ok": true, "user": "u", "rights": ["Admin", 3]})", read_rights,
         "field 'rights' of the rights reply holds 3, expected strings only"},
        {R"({"id": 1, "ok": true, "dn": "x", "class": "topoNode", "attrs": []})", load_node,
         "field 'attrs' of the get reply is an array, expected an object"},
        {R"({"id": 1, "ok": true, "dn": "x", "class": "topoNode", "attrs": {"geoLocation": {"longitude": "east"}}})",
         load_node, "field 'longitude' of the geoLocation in the attributes in the get reply is a string"},
        {R"({"id": 1, "ok": true, "dn": "x", "class": "topoNode", "attrs": {"parents": ["/a=1"]}})", load_node,
         "field 'parents' of the attributes in the get reply holds \"/a=1\", expected topology node names"},
        {R"({"id": 1, "ok": true, "images": ["x"]})", derive,
         "an image in the derive reply is a string, expected an object"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frame);
        FakePeer peer({FakePeer::hello_body(), c.frame});
        Platform p;
        p.set_port(peer.port());
        ASSERT_EQ(p.connect("localhost", "test", 5.0), 1) << p.get_error_string().str();
        SeenEvents lost;
        p.when("DISCONNECTED", lost.callback());

        const QvStatus st = c.call(p);
        EXPECT_FALSE(st);
        EXPECT_NE(st.text().find(c.problem), std::string::npos) << st.text();
        EXPECT_FALSE(p.is_connected());
        EXPECT_EQ(p.get_error_type(), Error::Protocol);
        p.dispatch_events();
        EXPECT_EQ(lost.events.size(), 1u);
        EXPECT_EQ(ping(p).code(), QvStatus::MalformedReply);  // later calls say why
    }
}

TEST(MalformedReply, MalformedHelloFailsTheConnect)
{
    const std::vector<std::pair<std::string, std::string>> hellos = {
        {R"({"type": "hello", "protocol": 1, "system": 5})", "field 'system' of the hello is 5, expected a string"},
        {R"({"type": "hello", "protocol": 1, "login": "maybe"})", "field 'login' of the hello is \"maybe\""},
        {R"({"protocol": 1})", "field 'type' of the hello is missing, expected a string"},
        {R"({"type": "error", "code": "1", "error": "no"})",
         "field 'code' of the server's refusal is a string, expected an integer"},
    };
    for (const auto& [hello, problem] : hellos) {
        SCOPED_TRACE(hello);
        FakePeer peer({hello});
        Platform p;
        p.set_port(peer.port());
        EXPECT_EQ(p.connect("localhost", "test", 5.0), 0);
        EXPECT_NE(p.get_error_string().str().find(problem), std::string::npos) << p.get_error_string().str();
        EXPECT_EQ(p.get_error_type(), Error::Protocol);
        EXPECT_FALSE(p.is_connected());
    }
}

TEST(MalformedReply, AbsentOptionalFieldsKeepTheirDefaults)
{
    FakePeer peer({R"({"type": "hello", "protocol": 1})",
                   R"({"event": "notification", "type": "objectCreation", "dn": "/a=1"})",
                   R"({"id": 1, "ok": true, "dn": )" + kNode + R"(, "class": "topoNode", "attrs": {"name": "r1"}})"});
    Platform p;
    p.set_port(peer.port());
    ASSERT_EQ(p.connect("localhost", "test", 5.0), 1) << p.get_error_string().str();
    EXPECT_EQ(p.system_name(), "localhost");  // no system named: the host asked for
    SeenEvents created;
    p.when("OBJECT_CREATED", created.callback());
    QvTopoNode node(&p);
    node.set_dn(QvTopoNodeDn("fakesys", 1));
    ASSERT_TRUE(node.load_all_attributes());
    RWCString name;
    EXPECT_TRUE(node.get_name(name));
    EXPECT_EQ(name, "r1");
    EXPECT_EQ(p.dispatch_events(), 1);
    EXPECT_EQ(created.events, std::vector<std::string>{"OBJECT_CREATED /a=1"});
    EXPECT_TRUE(p.is_connected());
}

TEST(MalformedReply, QvAdminSaysSoAndFails)
{
    FakePeer peer({FakePeer::hello_body(), R"({"id": 1, "ok": true, "objects": "all"})"});
    qv::test::RunOptions options;
    options.env = {{"QV_PORT", std::to_string(peer.port())}, {"QV_SERVER", "localhost"}};
    const auto r = qv::test::run_binary("qv_admin", {"dump"}, options);
    EXPECT_EQ(r.exit_status, 1);
    EXPECT_EQ(r.err.rfind("qv_admin: malformed reply from the server: field 'objects' of the admin.dump reply is a "
                          "string, expected an array",
                          0),
              0u)
        << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "said once: " << r.err;
    EXPECT_TRUE(r.out.empty());
}
