// A real qv_server loaded with the test fixture, a connection to it, and the
// model wired to fake window sections.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "FakeViews.hpp"
#include "model/NodeList.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "process/RunState.hpp"
#include "support/TestServer.hpp"

class ModelFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    QvTopoNodeDn node(long id) const { return QvTopoNodeDn(server_->system_name(), id); }

    FakeHeader header;
    FakeCoord coord;
    FakeDisplay display;
    FakeStoredData stored;
    FakeAgents agents;
    RWTValSlist<RWCString> reports;

    static std::unique_ptr<qv::test::TestServer> server_;
    static std::unique_ptr<Platform> platform_;
};
