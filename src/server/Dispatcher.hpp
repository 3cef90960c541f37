// Request routing: the table of operations, the login gate, and the mapping
// of every failure to an error reply. No failure of one request reaches the
// connection or the server.
#pragma once

#include <functional>
#include <map>
#include <string>

#include <nlohmann/json.hpp>

#include "server/Call.hpp"

namespace qv::server {

class Dispatcher {
public:
    // Answered on the spot: the result, or an exception.
    using Handler = std::function<nlohmann::json(Call&)>;
    // Answers the call itself, possibly later (see Offload).
    using AsyncHandler = std::function<void(const CallPtr&)>;

    void add(const std::string& op, Handler handler);
    void add_async(const std::string& op, AsyncHandler handler);
    // Runs before every request of a logged-in session but login and ping;
    // what it throws is that request's error reply.
    void set_gate(std::function<void(Call&)> gate) { gate_ = std::move(gate); }

    void dispatch(const CallPtr& call);

    // Runs fn; a failure it throws becomes the call's error reply.
    static void guarded(const CallPtr& call, const std::function<void()>& fn);

private:
    std::map<std::string, AsyncHandler> handlers_;
    std::function<void(Call&)> gate_;
};

}  // namespace qv::server
