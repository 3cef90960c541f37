// The tool in a German locale: the catalogue of nls/de serves the titles,
// labels and messages, umlauts included.
#include <gtest/gtest.h>

#include <string>

#include <Xm/Xm.h>

#include "driver/Fixture.hpp"
#include "driver/GuiDriver.hpp"
#include "driver/ToolSession.hpp"
#include "driver/ToolTest.hpp"
#include "gui/XtGlobals.hpp"
#include "ui/ErrorDialog.hpp"

namespace qv::gui {
namespace {

using German = ToolTest;

TEST_F(German, MainWindowAndErrorDialogSpeakGerman)
{
    auto server = start_server(false);
    start_tool({}, server.get(), {{"LANG", "de_DE.UTF-8"}, {"LC_ALL", "de_DE.UTF-8"}});

    EXPECT_EQ(shell_title(root_widget), "Zentra - Objekteigenschaften");
    EXPECT_EQ(label_of(find_widget_in(root_widget, "type_frame_label")), "Typ des ausgewählten Objekts");
    EXPECT_EQ(label_of(find_widget_in(root_widget, "apply_button")), "Übernehmen");

    std::string title;
    on_widget("ErrorDialog", [&](Widget box) {
        title = shell_title(box);
        press_box_button(box, XmDIALOG_OK_BUTTON);
    });
    error_dialog(root_widget, "Objekt nicht gefunden", cancel_error, cancel_error);
    EXPECT_EQ(title, "Objekteigenschaften: Fehler");
}

}  // namespace
}  // namespace qv::gui
