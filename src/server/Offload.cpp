#include "server/Offload.hpp"

#include "server/Dispatcher.hpp"

namespace qv::server {

void Offload::run(const CallPtr& call, std::function<void()> work, std::function<nlohmann::json()> finish)
{
    asio::post(pool_, [this, call, work = std::move(work), finish = std::move(finish)]() mutable {
        std::exception_ptr failure;
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
        asio::post(io_, [call, failure, finish = std::move(finish)] {
            Dispatcher::guarded(call, [&] {
                if (failure)
                    std::rethrow_exception(failure);
                call->reply(finish());
            });
        });
    });
}

}  // namespace qv::server
