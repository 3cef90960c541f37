#include "server/Offload.hpp"

#include "server/Dispatcher.hpp"

namespace qv::server {

void Offload::run(const CallPtr& call, std::function<void()> work, std::function<nlohmann::json()> finish)
{
    run_then(call, std::move(work), [call, finish = std::move(finish)] { call->reply(finish()); });
}

void Offload::run_then(const CallPtr& call, std::function<void()> work, std::function<void()> then)
{
    asio::post(pool_, [this, call, work = std::move(work), then = std::move(then)]() mutable {
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        asio::post(io_, [call, failure, then = std::move(then)] {
            Dispatcher::guarded(call, [&] {
                if (failure)
                    std::rethrow_exception(failure);
                then();
            });
        });
    });
}

}  // namespace qv::server
