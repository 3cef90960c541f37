#include "server/AlbumOps.hpp"

#include "server/Derivation.hpp"
#include "server/JsonText.hpp"
#include "server/Params.hpp"
#include "server/Session.hpp"

namespace qv::server {

using nlohmann::json;

void AlbumOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add_async("derive", [this](const CallPtr& call) { derive(*call); });
    dispatcher.add("release_album", [](Call& call) {
        call.session().albums().release(Params(call.params()).integer("album"));
        return json::object();
    });
}

// Spelt as text: a scope's images are many, and building them as objects
// to write them out again cost most of the request.
void AlbumOps::derive(Call& call)
{
    Params p(call.params());
    const Derivation d = parse_derivation(p.text("derivation"), local_system_);
    const std::int64_t album = p.integer("album");
    if (d.base != "/" && !store_.exists(d.base))
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + d.base);
    const auto children = store_.children(d.base, d.cls);
    if (p.flag_or("track", false) && !call.session().albums().track(album, AlbumSpec{d.base, d.cls}))
        throw RequestError(ErrorCode::Conflict, "too many tracked albums on this connection; release some");
    std::string members = "\"images\":[";
    for (const auto& ref : children) {
        members += members.back() == '[' ? "{\"class\":" : ",{\"class\":";
        json_text::append_string(members, ref.cls);
        members += ",\"dn\":";
        json_text::append_string(members, ref.dn);
        members += '}';
    }
    members += ']';
    call.reply_members(members);
}

}  // namespace qv::server
