#include "ModelFixture.hpp"

std::unique_ptr<qv::test::TestServer> ModelFixture::server_;
std::unique_ptr<Platform> ModelFixture::platform_;

void ModelFixture::SetUpTestSuite()
{
    qv::test::ServerOptions options;
    options.load_file = qv::test::source_dir() + "/data/fixture/topology.json";
    server_ = std::make_unique<qv::test::TestServer>(options);
}

void ModelFixture::TearDownTestSuite()
{
    platform_.reset();
    server_.reset();
}

void ModelFixture::SetUp()
{
    // A fresh connection per test keeps syntax caches and events apart.
    platform_.reset();
    platform_ = std::make_unique<Platform>();
    platform_->set_port(server_->port());
    ASSERT_EQ(platform_->connect(DataUnit(server_->system_name()), "model_tests"), 1)
        << platform_->get_error_string().str();
    ASSERT_TRUE(QvTopoPlatform::initialize(*platform_, 1));
    set_server_connection(platform_.get());
    static std::string system_name;  // server is a C string that outlives the test
    system_name = server_->system_name();
    server = system_name.data();
    ModelContext& c = model_context();
    c = ModelContext();
    c.header = &header;
    c.coord = &coord;
    c.display = &display;
    c.stored_data = &stored;
    c.agents = &agents;
    c.report = [this](const RWCString& text) { reports.push_back(text); };
    node_list.clear();
    old_saved_node = Node();
}

void ModelFixture::TearDown()
{
    node_list.clear();
    model_context() = ModelContext();
    set_server_connection(nullptr);
    server = nullptr;
    create_node = 0;
}
