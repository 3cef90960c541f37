#include "platform/Image.hpp"

namespace {
const PlatformEvent kNoEvent{};
}

CurrentEvent::CurrentEvent(void* event_data)
    : event_(event_data ? static_cast<const PlatformEvent*>(event_data) : &kNoEvent)
{
}

DataUnit CurrentEvent::get_event_name() const { return event_->name; }
DataUnit CurrentEvent::get_objname() const { return event_->objname; }
DataUnit CurrentEvent::get_objclass() const { return event_->objclass; }
DataUnit CurrentEvent::get_album() const { return event_->album; }
bool CurrentEvent::has_image() const { return !event_->objname.empty(); }

Image CurrentEvent::get_image() const
{
    if (!has_image())
        return Image();
    return Image(event_->objname, event_->objclass, event_->platform);
}
