#include "server/WriteRunner.hpp"

#include "server/RequestError.hpp"

namespace qv::server {

nlohmann::json WriteRunner::run(const std::function<nlohmann::json(ChangeSet&)>& write)
{
    if (!held_.empty())
        throw RequestError(ErrorCode::ServerError, held_);
    ChangeSet changes;
    nlohmann::json result;
    {
        Transaction transaction(db_);
        result = write(changes);
        transaction.commit();
    }
    hub_.publish(changes);
    return result;
}

}  // namespace qv::server
