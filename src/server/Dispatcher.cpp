#include "server/Dispatcher.hpp"

#include "server/Log.hpp"
#include "server/Session.hpp"
#include "server/StoreError.hpp"

namespace qv::server {

void Dispatcher::add(const std::string& op, Handler handler)
{
    handlers_[op] = [handler = std::move(handler)](const CallPtr& call) { call->reply(handler(*call)); };
}

void Dispatcher::add_async(const std::string& op, AsyncHandler handler) { handlers_[op] = std::move(handler); }

void Dispatcher::dispatch(const CallPtr& call)
{
    const std::string& op = call->op();
    Session& session = call->session();
    if (!session.logged_in() && op != "login" && op != "ping") {
        call->fail(ErrorCode::Login, "Login required");
        return;
    }
    auto it = handlers_.find(op);
    if (it == handlers_.end()) {
        call->fail(ErrorCode::UnknownOperation, "unknown operation \"" + op + "\"");
        return;
    }
    guarded(call, [&] {
        if (gate_ && op != "login" && op != "ping")
            gate_(*call);
        it->second(call);
    });
}

void Dispatcher::guarded(const CallPtr& call, const std::function<void()>& fn)
{
    // Spelt only for the log, when something went wrong.
    auto who = [&call] { return "#" + std::to_string(call->session().number()) + " " + call->op(); };
    try {
        fn();
    } catch (const RequestError& e) {
        call->fail(e.code(), e.what());
    } catch (const StoreError& e) {
        log_line(who() + ": storage error: " + e.what());
        call->fail(ErrorCode::ServerError, std::string("server error, nothing was changed: ") + e.what());
    } catch (const nlohmann::json::exception& e) {
        call->fail(ErrorCode::Malformed, std::string("malformed request: ") + e.what());
    } catch (const std::bad_alloc&) {
        log_line(who() + ": out of memory");
        call->fail(ErrorCode::ServerError, "server error: out of memory, nothing was changed");
    } catch (const std::exception& e) {
        log_line(who() + ": " + e.what());
        call->fail(ErrorCode::ServerError, std::string("server error, nothing was changed: ") + e.what());
    }
}

}  // namespace qv::server
