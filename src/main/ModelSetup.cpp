#include "main/ModelSetup.hpp"

#include "gui/XtGlobals.hpp"
#include "main/Catalogue.hpp"
#include "main/StartupState.hpp"
#include "model/ModelContext.hpp"
#include "platform/QvTopoPlatform.hpp"
#include "ui/ErrorDialog.hpp"

void init_model_context()
{
    ModelContext& c = model_context();
    // The connection qv, as the topology layer was initialised on it (the
    // name qv is also the namespace of the value classes the model uses).
    QvTopoPlatform* topology = QvTopoPlatform::instance();
    c.platform = topology ? &topology->platform() : nullptr;
    c.server = server ? server : "";
    c.create_node = create_node != 0;
    // Failures of the model are shown over the main shell; both buttons only
    // close the dialog.
    c.report = [](const RWCString& message) {
        error_dialog(root_widget, message.c_str(), cancel_error, cancel_error);
    };
    c.text = [](int set, int number, const char* fallback) { return RWCString(cat_text(set, number, fallback)); };
}
