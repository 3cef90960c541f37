// Figures of the server under clients that try to hold it, and its request
// rate, each beside a baseline of the same run.
#pragma once

#include "support/TestServer.hpp"

// A well-behaved client's ping times alone, then beside one client
// pipelining derives, four that never read and 200 idle ones.
void fairness_figures(const qv::test::TestServer& server);
// "get" and "ping" requests per second of 20 clients.
void throughput_figures(const qv::test::TestServer& server, int nodes);
