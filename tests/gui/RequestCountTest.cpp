// The requests the tool sends, counted on the wire by a relay in front of the
// real server: start-up loads an object, its type, its path names and its
// syntaxes once; a further object costs its own load and path names; Apply
// is one store of the node and one read and store of each agent.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include <Xm/List.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/MainWindowDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "support/CountingProxy.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/Windows.hpp"

namespace qv::gui {
namespace {

using Counts = std::map<std::string, int>;

std::string describe(const Counts& counts)
{
    std::string text;
    for (const auto& [op, n] : counts)
        text += op + " " + std::to_string(n) + "; ";
    return text;
}

// What every start-up asks before it loads an object: the user's rights,
// the events it wants and the topology types.
const Counts kSession = {{"rights", 1}, {"set_discriminator", 1}, {"topo.types", 1}};

Counts plus(Counts counts, const Counts& more)
{
    for (const auto& [op, n] : more)
        counts[op] += n;
    return counts;
}

using RequestCount = ToolTest;

TEST_F(RequestCount, StartupLoadsEachPieceOnceAndApplyStoresEachObjectOnce)
{
    auto server = start_server(false);
    qv::test::CountingProxy proxy(server->port());
    // fx-router: a type with ten stored-data attributes, eight of them set.
    start_tool({"-id", "10"}, server.get(), {{"QV_PORT", std::to_string(proxy.port())}});
    const Counts one =
        plus(kSession, {{"get", 1}, {"topo.pathnames", 1}, {"syntax", 1}, {"topo.cmip_agent_for", 1}});
    EXPECT_EQ(proxy.requests_by_op(), one) << describe(proxy.requests_by_op());

    // Apply stores the node and writes its two agents: each agent is read
    // once (is it there, what does it hold) and stored once. Start-up read
    // none of them: the rows show what the agents' names say.
    const Counts apply = {{"get", 2}, {"set", 3}};
    for (int round = 0; round < 2; ++round) {
        proxy.reset();
        activate(object_config_tool->apply_button());
        EXPECT_EQ(proxy.requests_by_op(), apply) << round << ": " << describe(proxy.requests_by_op());
    }
}

TEST_F(RequestCount, EachPickInTheListReadsItsObjectAfresh)
{
    auto server = start_server(false);
    qv::test::CountingProxy proxy(server->port());
    start_tool({"-id", "16", "11"}, server.get(), {{"QV_PORT", std::to_string(proxy.port())}});
    // Picking an entry is an action of its own: the object is read again,
    // once. The switch's stored-data syntaxes are asked the first time only.
    const struct {
        int position;
        Counts requests;
    } picks[] = {{2, {{"get", 1}, {"syntax", 1}}}, {1, {{"get", 1}}}, {2, {{"get", 1}}}};
    for (const auto& pick : picks) {
        proxy.reset();
        XmListSelectPos(name_list(), pick.position, True);
        EXPECT_EQ(proxy.requests_by_op(), pick.requests) << pick.position << ": " << describe(proxy.requests_by_op());
    }
}

TEST_F(RequestCount, AFurtherObjectCostsItsLoadAndPathNames)
{
    auto server = start_server(false);
    qv::test::CountingProxy proxy(server->port());
    // fx-monitor with five members, whose names it shows; then fx-router and
    // fx-firewall, objects of another kind: the monitor is shown again, from
    // what was read.
    start_tool({"-id", "20", "10", "17"}, server.get(), {{"QV_PORT", std::to_string(proxy.port())}});
    const Counts three = plus(kSession, {{"get", 3 + 5}, {"topo.pathnames", 3}, {"syntax", 1}});
    EXPECT_EQ(proxy.requests_by_op(), three) << describe(proxy.requests_by_op());
}

}  // namespace
}  // namespace qv::gui
