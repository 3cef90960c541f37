// The audit trail at size: entries recorded over the loaded topology, then a
// query by DN beside a plain get of the same nodes, in the same run.
#pragma once

#include "support/TestServer.hpp"

// Records entries (the server stopped, in-process, as its writes do), starts
// the server again and prints the figures.
void audit_figures(qv::test::TestServer& server, int nodes, int entries);
