#include "server/AlbumTracker.hpp"

namespace qv::server {

bool AlbumTracker::track(std::int64_t album, AlbumSpec spec)
{
    if (albums_.size() >= kMaxAlbums && !albums_.count(album))
        return false;
    albums_[album] = std::move(spec);
    return true;
}

std::vector<std::int64_t> AlbumTracker::matching(const std::string& parent, const std::string& cls) const
{
    std::vector<std::int64_t> out;
    for (const auto& [number, spec] : albums_)
        if (spec.base == parent && (spec.cls.empty() || spec.cls == cls))
            out.push_back(number);
    return out;
}

}  // namespace qv::server
