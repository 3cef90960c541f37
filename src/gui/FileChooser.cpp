#include "gui/FileChooser.hpp"

#include <string>

#include <Xm/DialogS.h>
#include <Xm/FileSB.h>
#include <Xm/Text.h>

#include "gui/Args.hpp"
#include "gui/WindowShow.hpp"
#include "gui/XmStr.hpp"
#include "main/Catalogue.hpp"

int first_fchooser = 1;

namespace {

struct ChooserState {
    Widget box = nullptr;
    FileChooserCallback callback = nullptr;
};

ChooserState chooser;

// In every mode the caller gets the selected name and decides what to do
// with it (the tool only asks for names), so the mode is not kept.
void ok_cb(Widget, XtPointer, XtPointer)
{
    if (!chooser.callback)
        return;
    char* text = XmTextGetString(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_TEXT));
    chooser.callback(text);
    XtFree(text);
}

void cancel_cb(Widget, XtPointer, XtPointer) { fchooser_unmanage(); }

void set_label(Widget box, const char* resource, int number, const char* fallback)
{
    XmStr text(cat_text(kDialogSet, number, fallback));
    Args().add(resource, text.get()).set_on(box);
}

}  // namespace

void create_file_chooser_shell(Widget parent)
{
    Args shell_args;
    shell_args.add(XmNtitle, cat_text(kDialogSet, 400, "Select File")).add(XmNallowShellResize, True);
    Widget shell = XmCreateDialogShell(parent, const_cast<char*>("file_chooser_shell"), shell_args.list(),
                                       shell_args.count());
    chooser.box = XmCreateFileSelectionBox(shell, const_cast<char*>("file_chooser"), nullptr, 0);
    set_label(chooser.box, XmNfilterLabelString, 401, "Filter");
    set_label(chooser.box, XmNdirListLabelString, 402, "Directories");
    set_label(chooser.box, XmNfileListLabelString, 403, "Files");
    set_label(chooser.box, XmNselectionLabelString, 404, "Selection");
    set_label(chooser.box, XmNokLabelString, 405, "OK");
    set_label(chooser.box, XmNapplyLabelString, 401, "Filter");
    set_label(chooser.box, XmNcancelLabelString, 406, "Cancel");
    set_label(chooser.box, XmNhelpLabelString, 202, "Help");
    XtAddCallback(chooser.box, XmNokCallback, ok_cb, nullptr);
    XtAddCallback(chooser.box, XmNcancelCallback, cancel_cb, nullptr);
}

void fchooser_setup(int, FileChooserCallback callback)
{
    chooser.callback = callback;
    if (chooser.box)
        g2_win_show(chooser.box);
}

void fchooser_default_file(const char* directory, const char* file)
{
    if (!chooser.box || !directory || !*directory)
        return;
    const std::string pattern = std::string(directory) + "/*";
    XmTextSetString(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_FILTER_TEXT),
                    const_cast<char*>(pattern.c_str()));
    XmStr mask(pattern);
    XmFileSelectionDoSearch(chooser.box, mask.get());
    if (file && *file) {
        const std::string selection = std::string(directory) + "/" + file;
        XmTextSetString(XmFileSelectionBoxGetChild(chooser.box, XmDIALOG_TEXT), const_cast<char*>(selection.c_str()));
    }
}

void fchooser_unmanage()
{
    if (chooser.box)
        XtUnmanageChild(chooser.box);
}

Widget fchooser_getwidget() { return chooser.box; }
