#include "server/AdminOps.hpp"

#include <malloc.h>

#include <algorithm>

#include "server/Log.hpp"
#include "server/Params.hpp"
#include "server/Rights.hpp"
#include "server/Session.hpp"

namespace qv::server {
namespace {

using nlohmann::json;

// A document or a part of one: a JSON object, left in the frame's text for
// the loader (RequestReader), or its text as a string.
LoadInput document_param(Call& call, const char* name)
{
    if (const TextMember* in_text = call.in_text(name)) {
        LoadInput input{call.text(), name, name, {}};
        if (in_text->size > 0)
            input.checked = std::string_view(*input.text).substr(in_text->at, in_text->size);
        return input;
    }
    Params p(call.params());
    if (!p.has(name))
        throw RequestError(ErrorCode::Malformed, std::string("the parameter \"") + name + "\" is missing");
    json value = call.take(name);
    // Anything else than a text is refused by the loader, as no document.
    auto text = std::make_shared<const std::string>(value.is_string() ? std::move(value.get_ref<std::string&>())
                                                                      : value.dump());
    return {std::move(text), nullptr, name, {}};
}

// A dump page holds about this much, far below any frame limit.
constexpr std::size_t kDumpPageBytes = 4u * 1024u * 1024u;

}  // namespace

void require_admin(Call& call, const std::string& what)
{
    rights::require(call.session().rights(), {rights::kAdmin}, what);
}

void AdminOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add_async("admin.load", [this](const CallPtr& call) { load(call); });
    dispatcher.add_async("admin.load_part", [this](const CallPtr& call) { load_part(call); });
    dispatcher.add("admin.dump", [this](Call& call) { return dump(call); });
}

void AdminOps::load(const CallPtr& call)
{
    require_admin(*call, "admin.load");
    auto document = document_param(*call, "document");
    if (job_)
        throw RequestError(ErrorCode::Conflict, "another topology load is under way; try again when it is done");
    job_ = std::make_unique<LoadJob>(config_.db_path, config_.local_system, config_.mib_roots,
                                     call->session().actor());
    owner_ = call->session().number();
    store_part(call, std::move(document), true);
}

void AdminOps::load_part(const CallPtr& call)
{
    require_admin(*call, "admin.load_part");
    auto part = document_param(*call, "part");
    const bool last = Params(call->params()).flag_or("last", false);
    if (job_ && owner_ != call->session().number())
        throw RequestError(ErrorCode::Conflict, "another topology load is under way; try again when it is done");
    if (!job_) {
        job_ = std::make_unique<LoadJob>(config_.db_path, config_.local_system, config_.mib_roots,
                                         call->session().actor());
        owner_ = call->session().number();
        log_line("#" + std::to_string(owner_) + " began a topology load");
    }
    store_part(call, std::move(part), last);
}

void AdminOps::store_part(const CallPtr& call, LoadInput part, bool last)
{
    writes_.hold("a topology load is under way; nothing was changed, try again when it is done");
    storing_ = true;
    auto counts = std::make_shared<json>(json::object());
    auto failure = std::make_shared<std::exception_ptr>();
    offload_.run_then(
        call,
        [job = job_.get(), part, last, counts, failure] {
            try {
                job->add(part);
                if (last)
                    *counts = job->commit();
            } catch (...) {
                *failure = std::current_exception();
            }
        },
        [this, call, last, counts, failure] {
            storing_ = false;
            const std::string who = "#" + std::to_string(owner_);
            if (*failure) {
                abandon("refused");
                std::rethrow_exception(*failure);
            }
            if (call->session().closed()) {
                abandon("its connection closed");
                return;
            }
            if (!last) {
                call->reply();
                return;
            }
            std::unique_ptr<LoadJob> done = std::move(job_);
            writes_.release();
            log_line(who + " loaded a topology: " + counts->dump() +
                     (done->changes_dropped() ? " (too many changes to announce one by one)" : ""));
            writes_.publish(done->changes());
            done.reset();
            // The load's buffers and its connection's cache are free now: give them back.
            malloc_trim(0);
            call->reply(*counts);
        });
}

void AdminOps::abandon(const std::string& why)
{
    if (!job_)
        return;
    log_line("#" + std::to_string(owner_) + " topology load rolled back: " + why);
    job_.reset();
    writes_.release();
}

void AdminOps::connection_closed(std::uint64_t number)
{
    if (job_ && owner_ == number && !storing_)
        abandon("its connection closed");
}

json AdminOps::dump(Call& call)
{
    require_admin(call, "admin.dump");
    Params p(call.params());
    std::string below;
    if (p.has("dn")) {
        below = p.dn("dn");
        if (!store_.exists(below))
            throw RequestError(ErrorCode::NoSuchObject, "no such object: " + below);
    }
    // With "after", one page at a time, each well inside a frame; without,
    // everything in one reply (or "ask for less").
    const bool paged = p.has("after");
    const std::int64_t after = paged ? p.integer("after") : 0;
    const std::size_t page_bytes = paged ? std::min<std::size_t>(kDumpPageBytes, config_.max_frame / 2) : SIZE_MAX;
    json objects = json::array();
    const std::int64_t next = store_.page(below, after, page_bytes, [&](StoredObject&& o) {
        objects.push_back(json{{"dn", std::move(o.dn)}, {"class", std::move(o.cls)}, {"attrs", std::move(o.attrs)}});
    });
    json result{{"objects", std::move(objects)}};
    if (next > 0)
        result["next"] = next;
    if (below.empty() && after == 0)
        result["syntaxes"] = syntaxes_.all();
    // The first page of a paged dump tells how many objects the pages hold
    // (as they are now: a write between pages may change it), for progress.
    if (paged && after == 0)
        result["total"] = store_.count(below);
    return result;
}

}  // namespace qv::server
