#include "platform/AlbumState.hpp"
#include "platform/EventRouter.hpp"
#include "platform/Image.hpp"
#include "platform/ReplyReader.hpp"

namespace {

const std::string kCmisFilter = "/CMISFilter(";

// "BASE/*", "/*", "a=1/*", each optionally followed by /CMISFilter(...).
bool well_formed_derivation(const std::string& text)
{
    std::string scope = text;
    const auto filter = text.find(kCmisFilter);
    if (filter != std::string::npos) {
        if (text.back() != ')')
            return false;
        scope = text.substr(0, filter);
    }
    return scope.size() >= 2 && scope.compare(scope.size() - 2, 2, "/*") == 0;
}

}  // namespace

bool AlbumImage::valid() const { return album_ && index_ < album_->images.size(); }

Image AlbumImage::image() const
{
    if (!valid())
        return Image();
    const AlbumEntry& e = album_->images[index_];
    return Image(e.dn, e.objclass, album_->platform);
}

AlbumImage AlbumImage::next_image() const { return AlbumImage(album_, index_ + 1); }

Album::Album() = default;

Album::Album(const DataUnit& name, Platform* platform)
    : state_(std::make_shared<AlbumState>(name.str(), platform ? platform : Platform::default_platform()))
{
}

bool Album::valid() const { return state_ && state_->platform; }

int Album::set_prop(const DataUnit& property, const DataUnit& value)
{
    if (!state_)
        return 0;
    const std::string& p = property.str();
    if (p != "TRACKMODE" && p != "AUTOIMAGE" && p != "NICKNAME") {
        state_->status = QvStatus::failure(QvStatus::BadArgument, "Unknown album property " + p);
        return 0;
    }
    state_->props[p] = value.str();
    if (p == "NICKNAME")
        state_->name = value.str();
    return 1;
}

DataUnit Album::get_prop(const DataUnit& property) const
{
    if (!state_)
        return DataUnit();
    auto it = state_->props.find(property.str());
    return it == state_->props.end() ? DataUnit() : DataUnit(it->second);
}

int Album::set_derivation(const DataUnit& derivation)
{
    if (!state_)
        return 0;
    if (!well_formed_derivation(derivation.str())) {
        state_->status = QvStatus::failure(QvStatus::BadArgument,
                                           "Not a derivation (BASE/* with an optional CMISFilter): " +
                                               derivation.str());
        return 0;
    }
    state_->derivation = derivation.str();
    return 1;
}

int Album::derive(double timeout)
{
    // Callbacks run below may drop the last other copy of this album, or this
    // Album object itself: hold the state and touch nothing else afterwards.
    std::shared_ptr<AlbumState> s = state_;
    if (!s || !s->platform) {
        if (s)
            s->status = QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
        return 0;
    }
    if (s->derivation.empty()) {
        s->status = QvStatus::failure(QvStatus::BadArgument, "The album has no derivation");
        return 0;
    }
    Platform& platform = *s->platform;
    if (s->number == 0)
        s->number = platform.events().register_album(s);
    nlohmann::json result;
    s->status = platform.request(
        "derive", {{"derivation", s->derivation}, {"album", s->number}, {"track", s->tracking()}}, result,
        timeout);
    if (s->status) {
        ReplyReader reply(result, "the derive reply");
        std::vector<AlbumEntry> images;
        for (const auto& image : reply.array("images")) {
            ReplyReader entry = reply.item(image, "an image");
            std::string dn = entry.text("dn");
            images.push_back(AlbumEntry{std::move(dn), entry.text("class")});
        }
        if (reply.ok()) {
            s->tracked_on_server = s->tracking();
            s->images = std::move(images);
        } else {
            s->status = platform.reject_reply(reply);
        }
    }
    if (platform.events().deliver_pending() > 0)
        advance_cookie();
    return s->status ? 1 : 0;
}

int Album::num_images() const { return state_ ? static_cast<int>(state_->images.size()) : 0; }

AlbumImage Album::first_image() const { return AlbumImage(state_, 0); }

void Album::when(const DataUnit& event, const Callback& callback)
{
    if (state_ && callback.valid())
        state_->callbacks[event.str()].push_back(callback);
}

void Album::release()
{
    if (state_)
        state_->release_on_server();
}

QvStatus Album::status() const { return state_ ? state_->status : QvStatus::failure(QvStatus::BadArgument, "No album"); }
