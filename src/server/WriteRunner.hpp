// Runs one write request as one transaction: on any failure nothing of it is
// stored and nothing is announced; after the commit its changes are published.
#pragma once

#include <functional>

#include <nlohmann/json.hpp>

#include "server/ChangeSet.hpp"
#include "server/Database.hpp"
#include "server/EventHub.hpp"

namespace qv::server {

class WriteRunner {
public:
    WriteRunner(Database& db, EventHub& hub) : db_(db), hub_(hub) {}

    nlohmann::json run(const std::function<nlohmann::json(ChangeSet&)>& write);

private:
    Database& db_;
    EventHub& hub_;
};

}  // namespace qv::server
