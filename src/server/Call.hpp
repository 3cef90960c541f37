// One request being answered. Handlers answer it exactly once, at once or
// later from another job; the connection takes no further request until then.
#pragma once

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/RequestError.hpp"

namespace qv::server {

class Session;

// A request member whose value stayed in the frame's text (RequestReader),
// and where: at and size place its value when the frame's syntax was checked
// whole on the way (size 0 when not), so that its reader need not again.
struct TextMember {
    std::string name;
    std::size_t at = 0, size = 0;
};

class Call {
public:
    // text: the frame, when members named in_text were left in it (RequestReader).
    Call(std::shared_ptr<Session> session, std::int64_t id, nlohmann::json request,
         std::shared_ptr<const std::string> text = nullptr, std::vector<TextMember> in_text = {})
        : session_(std::move(session)),
          id_(id),
          request_(std::move(request)),
          text_(std::move(text)),
          in_text_(std::move(in_text))
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
    // Whether a parameter stayed in the frame's text, and that text.
    const TextMember* in_text(const std::string& name) const
    {
        auto it = std::find_if(in_text_.begin(), in_text_.end(), [&](const TextMember& m) { return m.name == name; });
        return it == in_text_.end() ? nullptr : &*it;
    }
    const std::shared_ptr<const std::string>& text() const { return text_; }
    Session& session() const { return *session_; }
    std::shared_ptr<Session> session_ptr() const { return session_; }
    bool answered() const { return answered_; }

    // {"id", "ok": true, ...result}
    void reply(nlohmann::json result = nlohmann::json::object());
    // The same from the text of the result's members (JSON spelt by the
    // handler; they come before "id" and "ok"): no object built and written
    // again.
    void reply_members(std::string_view members);
    // {"id", "ok": false, "code", "error"}
    void fail(ErrorCode code, const std::string& text);

private:
    std::shared_ptr<Session> session_;
    std::int64_t id_;
    nlohmann::json request_;
    std::shared_ptr<const std::string> text_;
    std::vector<TextMember> in_text_;
    bool answered_ = false;
};

using CallPtr = std::shared_ptr<Call>;

}  // namespace qv::server
