#include "ClientLink.hpp"

#include <cstring>

#include "help/HelpRecord.hpp"
#include "help/HelpRootProperty.hpp"

void ClientLink::attach(Widget shell)
{
    shell_ = shell;
    Display* display = XtDisplay(shell);
    HelpRootProperty property(display);
    if (!property.valid())
        return;
    HelpRecord record;
    const auto key = static_cast<std::int32_t>(key_);
    const auto window = static_cast<std::uint32_t>(XtWindow(shell));
    if (property.find(key, record)) {
        record.window = window;
        property.update(record);
    } else {
        property.append(HelpRecord(key, window, ""));
    }
    XFlush(display);
    XtAddEventHandler(shell, NoEventMask, True, client_message, this);
}

void ClientLink::client_message(Widget, XtPointer self, XEvent* event, Boolean*)
{
    if (event->type != ClientMessage || event->xclient.format != 8)
        return;
    auto* link = static_cast<ClientLink*>(self);
    Display* display = XtDisplay(link->shell_);
    HelpRootProperty property(display);
    if (event->xclient.message_type != property.atom())
        return;
    const std::string wake_up = std::to_string(link->key_);
    if (strncmp(event->xclient.data.b, wake_up.c_str(), sizeof event->xclient.data.b) != 0)
        return;
    HelpRecord record;
    if (property.find(static_cast<std::int32_t>(link->key_), record))
        link->handler_(record.command);
}
