#include "agents/RepositoryDocuments.hpp"

#include "platform/Image.hpp"
#include "process/RunState.hpp"
#include "protocol/Dn.hpp"

namespace {

// The quoted text starting at the quote at open; npos when it never closes.
RWCString::size_type read_quoted(const RWCString& reply, RWCString::size_type open, RWCString& text)
{
    text.clear();
    for (auto at = open + 1; at < reply.size(); ++at) {
        const char c = reply[at];
        if (c == '"')
            return at;
        if (c == '\\' && at + 1 < reply.size())
            text += reply[++at];
        else
            text += c;
    }
    return RWCString::npos;
}

RWCString call_repository(const RWCString& system)
{
    if (system.empty() || !server_connection())
        return {};
    Image repository(DataUnit("/systemId=" + qv::dn::quote(system) + "/metaName=\"MDR\""), DataUnit(),
                     server_connection());
    if (!repository.boot(kDefaultTimeoutRequest))
        return {};
    return repository.call(DataUnit("getAllDocuments"), DataUnit("getAllDocuments"), kDefaultTimeoutRequest).str();
}

}  // namespace

RWTValSlist<RWCString> scan_documents(const RWCString& reply, std::initializer_list<const char*> markers)
{
    RWTValSlist<RWCString> names;
    RWCString::size_type from = 0;
    for (;;) {
        const auto word = reply.find("document", from);
        if (word == RWCString::npos)
            break;
        const auto open = reply.find('"', word);
        if (open == RWCString::npos)
            break;
        RWCString name;
        const auto close = read_quoted(reply, open, name);
        if (close == RWCString::npos)
            break;
        for (const char* marker : markers)
            if (name.find(marker) != RWCString::npos) {
                names.push_back(name);
                break;
            }
        from = close + 1;
    }
    return names;
}

RWCString fetch_all_documents()
{
    // The repository belongs to the server's host; a server that names its
    // system otherwise keeps it under that name.
    RWCString reply = call_repository(server_name());
    if (reply.empty() && server_connection() && server_connection()->system_name() != server_name())
        reply = call_repository(server_connection()->system_name());
    return reply;
}
