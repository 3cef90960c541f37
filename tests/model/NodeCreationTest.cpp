// Preparing new objects from command-line values against the real server
// (the test fixture): what is refused, and what a monitor and a device make
// of visible children. Links, buses and monitors made through Apply are
// checked on the tool itself (tests/gui/CreateTest.cpp).
#include <gtest/gtest.h>

#include <memory>

#include "model/ModelContext.hpp"
#include "model/NodeCreation.hpp"
#include "model/NodeList.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/RunState.hpp"
#include "support/TestServer.hpp"

namespace {

// The window sections creation touches: the header gives the type, the
// others take what they are shown and forget it.
struct FakeHeader : HeaderView {
    RWCString type;
    RWCString get_current_name() override { return ""; }
    RWCString get_current_type_name() override { return type; }
    void update_types(const RWCString& t) override { type = t; }
    char is_mixed_state() override { return 0; }
    void set_types_sensitivity(char) override {}
    void add_name(const char*) override {}
};

struct FakeDisplay : DisplayView {
    using Names = RWTValSlist<RWCString>;
    void set_propagate(char) override {}
    char get_propagate() override { return 1; }
    void set_background(const RWCString&, const RWCString&) override {}
    void get_background(RWCString&, RWCString&) override {}
    void set_monitor(const Names&, const Names&, long, long) override {}
    void get_monitor(Names&, Names&, long&) override {}
    void set_array(const Names&, const Names&, QvTopoNode::ArrayOrientation, unsigned long,
                   const QvTopoNode::ArrayCellSize&) override {}
    void get_array(Names&, Names&, QvTopoNode::ArrayOrientation&, unsigned long&, QvTopoNode::ArrayCellSize&) override {}
    void set_array_defaults() override {}
    void show_view_controls(bool) override {}
    void show_monitor_section(bool) override {}
    void show_array_section(bool) override {}
    char changed() const override { return 0; }
    void clear_changed() override {}
};

struct FakeStoredData : StoredDataView {
    void add_user_data(const RWCString&, const RWTValSlist<RWCString>&, const RWTValSlist<RWCString>&, int,
                       char) override {}
    void clear_page() override {}
    RWTValSlist<Table> tables() override { return {}; }
    void set_changed() override {}
    char changed() const override { return 0; }
};

class Creation : public ::testing::Test {
protected:
    static void SetUpTestSuite() { server_ = std::make_unique<qv::test::TestServer>(qv::test::fixture_options()); }
    static void TearDownTestSuite() { server_.reset(); }
    void SetUp() override
    {
        platform_.set_port(server_->port());
        ASSERT_EQ(platform_.connect(DataUnit(server_->system_name()), "model_tests"), 1)
            << platform_.get_error_string().str();
        ASSERT_TRUE(QvTopoPlatform::initialize(platform_, 1));
        set_server_connection(&platform_);
        static std::string system_name;  // server is a C string that outlives the test
        system_name = server_->system_name();
        server = system_name.data();
        ModelContext& c = model_context();
        c.header = &header;
        c.display = &display;
        c.stored_data = &stored;
        c.report = [this](const RWCString& text) { reports.push_back(text); };
    }
    void TearDown() override
    {
        node_list.clear();
        model_context() = ModelContext();
        set_server_connection(nullptr);
        server = nullptr;
    }
    QvTopoNodeDn node(long id) const { return QvTopoNodeDn(server_->system_name(), id); }
    static void prepare(const char* name, const char* parent, const char* link, const char* type,
                        const char* children = "", const char* bus = "")
    {
        add_new_node_to_list(RWCString(name), RWCString(parent), RWCString(link), RWCString(type),
                             RWCString(children), RWCString(bus));
    }

    FakeHeader header;
    FakeDisplay display;
    FakeStoredData stored;
    RWTValSlist<RWCString> reports;
    Platform platform_;
    static inline std::unique_ptr<qv::test::TestServer> server_;
};

}  // namespace

TEST_F(Creation, RefusesWhatCannotBeMade)
{
    prepare("x", "", "", "Host");
    prepare("x", "abc", "10 11", "Link");
    prepare("x", "", "10 99999", "Link");
    prepare("b", "3", "", "Bus", "", "1:2:3");
    prepare("b", "3", "", "Bus");
    prepare("m", "3", "", "Monitor", "21 nope");
    EXPECT_TRUE(node_list.empty());
    EXPECT_EQ(reports, (RWTValSlist<RWCString>{"Parent or peers must be set", "Invalid parent id",
                                               "Error creating link: object doesn't exist",
                                               "Must enter at least 2 points for bus",
                                               "Must enter at least 2 points for bus",
                                               "Error visible child: incorrect id"}));
}

TEST_F(Creation, AMonitorKeepsItsVisibleChildrenAndADeviceIgnoresThem)
{
    header.type = "Monitor";
    prepare("new-monitor", "3", "", "Monitor", "21 22");
    ASSERT_EQ(node_list.size(), 1u) << (reports.empty() ? "" : reports.front());
    RWTValSlist<QvTopoNodeDn> visible;
    node_list.front().handle().get_monitor_visible_children(visible);
    EXPECT_EQ(visible, (RWTValSlist<QvTopoNodeDn>{node(21), node(22)}));

    node_list.clear();
    header.type = "Host";
    prepare("new-host", "3", "", "Host", "21 22");
    ASSERT_EQ(node_list.size(), 1u);
    visible.clear();
    node_list.front().handle().get_monitor_visible_children(visible);
    EXPECT_TRUE(visible.empty());
}
