#include "server/WriteRunner.hpp"

#include "server/RequestError.hpp"

namespace qv::server {

nlohmann::json WriteRunner::run(const Actor& who, const std::string& operation,
                                const std::function<nlohmann::json(ChangeSet&)>& write)
{
    if (!held_.empty())
        throw RequestError(ErrorCode::ServerError, held_);
    ChangeSet changes;
    nlohmann::json result;
    {
        Transaction transaction(db_);
        result = write(changes);
        for (const auto& change : changes)
            audit_.record(who, operation, change);
        transaction.commit();
    }
    hub_.publish(changes);
    return result;
}

}  // namespace qv::server
