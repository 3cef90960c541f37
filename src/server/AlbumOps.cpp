#include "server/AlbumOps.hpp"

#include "server/Derivation.hpp"
#include "server/Params.hpp"
#include "server/Session.hpp"

namespace qv::server {

using nlohmann::json;

void AlbumOps::register_in(Dispatcher& dispatcher)
{
    dispatcher.add("derive", [this](Call& call) { return derive(call); });
    dispatcher.add("release_album", [](Call& call) {
        call.session().albums().release(Params(call.params()).integer("album"));
        return json::object();
    });
}

json AlbumOps::derive(Call& call)
{
    Params p(call.params());
    const Derivation d = parse_derivation(p.text("derivation"), local_system_);
    const std::int64_t album = p.integer("album");
    if (d.base != "/" && !store_.exists(d.base))
        throw RequestError(ErrorCode::NoSuchObject, "no such object: " + d.base);
    json images = json::array();
    for (const auto& ref : store_.children(d.base, d.cls))
        images.push_back(json{{"dn", ref.dn}, {"class", ref.cls}});
    if (p.flag_or("track", false) && !call.session().albums().track(album, AlbumSpec{d.base, d.cls}))
        throw RequestError(ErrorCode::Conflict, "too many tracked albums on this connection; release some");
    return json{{"images", images}};
}

}  // namespace qv::server
