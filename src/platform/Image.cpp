#include "platform/Image.hpp"

#include "platform/AlbumState.hpp"
#include "platform/EventRouter.hpp"
#include "platform/ReplyReader.hpp"

struct ImageState {
    std::string dn;
    std::string objclass;
    Platform* platform = nullptr;
    nlohmann::json attrs = nlohmann::json::object();
    bool booted = false;
    QvStatus status;
};

Image::Image() : state_(std::make_shared<ImageState>()) {}

Image::Image(const DataUnit& dn, const DataUnit& objclass, Platform* platform) : Image()
{
    state_->dn = dn.str();
    state_->objclass = objclass.str();
    state_->platform = platform ? platform : Platform::default_platform();
}

DataUnit Image::get_objname() const { return state_->dn; }
DataUnit Image::get_objclass() const { return state_->objclass; }
QvStatus Image::status() const { return state_->status; }

int Image::boot(double timeout)
{
    ImageState& s = *state_;
    if (!s.platform) {
        s.status = QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
        return 0;
    }
    nlohmann::json result;
    s.status = s.platform->request("get", {{"dn", s.dn}}, result, timeout);
    if (!s.status)
        return 0;
    ReplyReader reply(result, "the get reply");
    reply.text("dn");
    std::string objclass = reply.text("class");
    const nlohmann::json& attrs = reply.object("attrs");
    if (!reply.ok()) {
        s.status = s.platform->reject_reply(reply);
        return 0;
    }
    s.objclass = std::move(objclass);
    s.attrs = attrs;
    s.booted = true;
    return 1;
}

DataUnit Image::get_str(const DataUnit& attribute, int)
{
    if (!state_->booted && !boot())
        return DataUnit();
    const auto it = state_->attrs.find(attribute.str());
    if (it == state_->attrs.end())
        return DataUnit();
    return it->is_string() ? it->get<std::string>() : it->dump();
}

DataUnit Image::call(const DataUnit& action, const DataUnit& argument, double timeout)
{
    ImageState& s = *state_;
    if (!s.platform) {
        s.status = QvStatus::failure(QvStatus::NotConnected, "Not connected to the server");
        return DataUnit();
    }
    nlohmann::json result;
    s.status = s.platform->request("action", {{"dn", s.dn}, {"action", action.str()}, {"arg", argument.str()}},
                                   result, timeout);
    if (!s.status)
        return DataUnit();
    ReplyReader reply(result, "the action reply");
    std::string text = reply.text("reply");
    if (!reply.ok()) {
        s.status = s.platform->reject_reply(reply);
        return DataUnit();
    }
    return DataUnit(std::move(text));
}

std::vector<Album> Image::albums() const
{
    std::vector<Album> out;
    if (!state_->platform)
        return out;
    for (auto& album : state_->platform->events().albums_holding(state_->dn))
        out.push_back(Album(album));
    return out;
}
