// What the model is given by start-up: the connection, the server's name, the
// mode, the window sections it fills and reads, and how it tells the user of
// a failure. Set once, before any object is loaded.
#pragma once

#include <functional>

#include "model/Views.hpp"
#include "platform/Platform.hpp"

struct ModelContext {
    Platform* platform = nullptr;
    RWCString server;          // the management server's host name (default system)
    bool create_node = false;  // a new object is being prepared
    HeaderView* header = nullptr;
    CoordView* coord = nullptr;
    DisplayView* display = nullptr;
    StoredDataView* stored_data = nullptr;
    AgentView* agents = nullptr;
    // Shows a message in the modal error dialog and returns when it is closed.
    std::function<void(const RWCString&)> report;
    // A text of the message catalogue (set, number, built-in default).
    std::function<RWCString(int, int, const char*)> text;
};

ModelContext& model_context();

// A catalogue text with one "%s" or "%d" filled in.
RWCString model_text(int set, int number, const char* fallback);
RWCString model_format(int set, int number, const char* fallback, const RWCString& argument);
void model_report(const RWCString& message);
