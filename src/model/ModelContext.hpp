// What the model is given by start-up: the window sections it fills and
// reads, and how it tells the user of a failure. Set once, before any object
// is loaded. The connection, the server and the mode are the process's own
// (process/RunState.hpp).
#pragma once

#include <functional>

#include "model/Views.hpp"
#include "platform/Types.hpp"

struct ModelContext {
    HeaderView* header = nullptr;
    CoordView* coord = nullptr;
    DisplayView* display = nullptr;
    StoredDataView* stored_data = nullptr;
    AgentView* agents = nullptr;
    // Shows a message in the modal error dialog and returns when it is closed.
    std::function<void(const RWCString&)> report;
};

ModelContext& model_context();

void model_report(const RWCString& message);
