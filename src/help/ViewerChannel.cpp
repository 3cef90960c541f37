#include "help/ViewerChannel.hpp"

#include <cstring>
#include <string>

namespace {

bool x_error_seen = false;

int record_error(Display*, XErrorEvent*)
{
    x_error_seen = true;
    return 0;
}

}  // namespace

bool ViewerChannel::deliver(Display* display, const HelpRootProperty& property, const HelpRecord& record)
{
    XSync(display, False);
    x_error_seen = false;
    XErrorHandler previous = XSetErrorHandler(record_error);

    property.update(record);
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.display = display;
    event.xclient.window = record.window;
    event.xclient.message_type = property.atom();
    event.xclient.format = 8;
    // The text of the client key tells the viewer to read its record.
    const std::string key = std::to_string(HelpRecord::kClientKey);
    std::strncpy(event.xclient.data.b, key.c_str(), sizeof event.xclient.data.b);
    XSendEvent(display, record.window, True, NoEventMask, &event);

    XSync(display, False);
    XSetErrorHandler(previous);
    return !x_error_seen;
}
