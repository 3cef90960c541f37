#include "server/WriteRunner.hpp"

namespace qv::server {

nlohmann::json WriteRunner::run(const std::function<nlohmann::json(ChangeSet&)>& write)
{
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
