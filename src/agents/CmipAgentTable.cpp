#include "agents/CmipAgentTable.hpp"

#include "agents/CmipAgent.hpp"
#include "process/RunState.hpp"
#include "protocol/Dn.hpp"

namespace {

const char kObjectIdentifier[] = "objectIdentifier";
const char kDistinguishedName[] = "distinguishedName";

// One album at a time: a new one replaces (and releases) the last, so an
// entity is reported once however often the table is read.
Album& agent_album()
{
    static Album* album = new Album;  // lives to the end, released with the connection
    return *album;
}

bool starts_with(const RWCString& text, const char* prefix)
{
    return text.compare(0, std::char_traits<char>::length(prefix), prefix) == 0;
}

}  // namespace

RWCString getAgentId(Image& image)
{
    const RWCString id = image.get_str("agentId", 18).str();
    if (starts_with(id, kObjectIdentifier)) {
        const auto brace = id.find('{');
        return brace == RWCString::npos ? RWCString() : id.substr(brace);
    }
    if (starts_with(id, kDistinguishedName)) {
        const auto colon = id.find(':');
        const RWCString dn = colon == RWCString::npos ? RWCString() : id.substr(colon + 1);
        const auto canonical = qv::dn::canonical(dn);
        return canonical ? *canonical : dn;
    }
    return id;
}

void get_fdn_table(RWTValSlist<RWCString>& ids)
{
    Album album("agent_list", server_connection());
    album.set_prop("TRACKMODE", "TRACK");
    album.set_prop("AUTOIMAGE", "YES");
    album.set_derivation("agentTableType=\"CMIP\"/*");
    agent_album() = album;
    album.derive(kDefaultTimeoutRequest);
    album.when("IMAGE_INCLUDED", Callback(agent_added_cb, nullptr));
    ids.clear();
    for (AlbumImage at = album.first_image(); at; at = at.next_image()) {
        Image image = at.image();
        ids.push_back(getAgentId(image));
    }
}

void agent_added_cb(void*, void* event)
{
    const CurrentEvent current(event);
    if (!current.has_image())
        return;
    Image image = current.get_image();
    CmipAgent::entity_added(getAgentId(image));
}
