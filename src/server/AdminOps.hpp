// admin.load, admin.load_part and admin.dump.
#pragma once

#include <cstdint>
#include <memory>

#include "server/Dispatcher.hpp"
#include "server/LoadJob.hpp"
#include "server/Offload.hpp"
#include "server/SyntaxStore.hpp"
#include "server/WriteRunner.hpp"

namespace qv::server {

struct AdminConfig {
    std::string db_path;
    std::string local_system;
    std::vector<std::string> mib_roots;
    std::uint32_t max_frame = 0;
};

class AdminOps {
public:
    AdminOps(ObjectStore& store, SyntaxStore& syntaxes, WriteRunner& writes, Offload& offload, AdminConfig config)
        : store_(store), syntaxes_(syntaxes), writes_(writes), offload_(offload), config_(std::move(config))
    {
    }
    void register_in(Dispatcher& dispatcher);
    // A connection ended: its unfinished load, if any, is rolled back.
    void connection_closed(std::uint64_t number);

private:
    void load(const CallPtr& call);
    void load_part(const CallPtr& call);
    void store_part(const CallPtr& call, LoadInput part, bool last);
    void abandon(const std::string& why);
    nlohmann::json dump(Call& call);

    ObjectStore& store_;
    SyntaxStore& syntaxes_;
    WriteRunner& writes_;
    Offload& offload_;
    AdminConfig config_;
    // The one load under way, the connection it belongs to, and whether a
    // worker is storing one of its parts.
    std::unique_ptr<LoadJob> job_;
    std::uint64_t owner_ = 0;
    bool storing_ = false;
};

// Code 5 unless the connection holds the right Admin.
void require_admin(Call& call, const std::string& what);

}  // namespace qv::server
