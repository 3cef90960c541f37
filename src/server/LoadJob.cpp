#include "server/LoadJob.hpp"

namespace qv::server {

namespace {

// The load's connection writes each page once and hardly reads: a small page
// cache serves it as fast as a large one (faster, in fact: fewer pages to
// manage) and keeps the memory a load takes small.
Backend& small_cache(Backend& backend)
{
    backend.db.exec("PRAGMA cache_size=-3072");
    return backend;
}

}  // namespace

LoadJob::LoadJob(const std::string& db_path, const std::string& system, std::vector<std::string> mib_roots,
                 Actor who)
    : mib_roots_(std::move(mib_roots)),
      who_(std::move(who)),
      backend_(db_path, system),
      transaction_(small_cache(backend_).db)
{
}

void LoadJob::add(const LoadInput& input)
{
    const LoadPlan plan =
        input.checked.empty()
            ? read_topology_document(*input.text, input.member, input.what, backend_.system_name(), mib_roots_,
                                     progress_.seen)
            : read_topology_document(input.checked, nullptr, input.what, backend_.system_name(), mib_roots_,
                                     progress_.seen, true);
    ChangeSet changes;
    backend_.loader.apply(plan, progress_, changes);
    if (dropped_ || changes_.size() + changes.size() > kMaxChanges) {
        dropped_ = true;
        progress_.record_node_changes = false;
        changes_.clear();
        changes_.shrink_to_fit();
        return;
    }
    changes_.insert(changes_.end(), std::make_move_iterator(changes.begin()), std::make_move_iterator(changes.end()));
}

nlohmann::json LoadJob::commit()
{
    nlohmann::json counts = backend_.loader.finish(progress_);
    progress_ = LoadProgress();
    backend_.audit.record_load(who_, counts);
    transaction_.commit();
    // A large load leaves the log as large as itself: write it into the
    // database now and give the space back.
    backend_.db.checkpoint();
    return counts;
}

}  // namespace qv::server
