// One request being answered. Handlers answer it exactly once, at once or
// later from another job; the connection takes no further request until then.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <nlohmann/json.hpp>

#include "server/RequestError.hpp"

namespace qv::server {

class Session;

class Call {
public:
    Call(std::shared_ptr<Session> session, std::int64_t id, nlohmann::json request)
        : session_(std::move(session)), id_(id), request_(std::move(request))
    {
    }

    std::int64_t id() const { return id_; }
    const std::string& op() const { return request_["op"].get_ref<const std::string&>(); }
    const nlohmann::json& params() const { return request_; }
    // Moves a parameter out of the request (a large document, read once).
    nlohmann::json take(const std::string& name)
    {
        auto it = request_.find(name);
        return it == request_.end() ? nlohmann::json() : std::move(*it);
    }
    Session& session() const { return *session_; }
    std::shared_ptr<Session> session_ptr() const { return session_; }
    bool answered() const { return answered_; }

    // {"id", "ok": true, ...result}
    void reply(nlohmann::json result = nlohmann::json::object());
    // {"id", "ok": false, "code", "error"}
    void fail(ErrorCode code, const std::string& text);

private:
    std::shared_ptr<Session> session_;
    std::int64_t id_;
    nlohmann::json request_;
    bool answered_ = false;
};

using CallPtr = std::shared_ptr<Call>;

}  // namespace qv::server
