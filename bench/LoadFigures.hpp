// Loading a generated topology through qv_admin: time, the server's CPU and
// memory beside the document's size and beside the same rows inserted once
// with SQLite, and the database's size.
#pragma once

#include <string>

#include "support/TestServer.hpp"

// Writes a document of total_objects to dir and loads it into server.
void load_figures(const qv::test::TestServer& server, int total_objects);
