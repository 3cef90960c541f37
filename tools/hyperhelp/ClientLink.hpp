// The viewer's side of the hand-off with the help launcher: it writes its
// window into its client's record on the root window, and on the client
// message with its key reads the command from that record.
#pragma once

#include <functional>
#include <string>

#include <X11/Intrinsic.h>

class ClientLink {
public:
    using CommandHandler = std::function<void(const std::string& command)>;

    ClientLink(long key, CommandHandler handler) : key_(key), handler_(std::move(handler)) {}

    // Registers the realized shell's window in the first record with the key
    // (appending a record when there is none) and listens for wake-ups.
    void attach(Widget shell);

private:
    static void client_message(Widget, XtPointer self, XEvent* event, Boolean*);

    long key_;
    CommandHandler handler_;
    Widget shell_ = nullptr;
};
