// An agent configuration dialog (SNMP, RPC, CMIP, MIS): a top-level
// application shell around a message box with OK, Apply, Cancel and Help.
// The protocol dialogs derive from it and fill its work area; in agent mode
// one of them is the tool's only window.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"

// What tells the four dialogs apart.
struct AgentDialogTexts {
    const char* shell_name;  // "snmp_config_dialog"
    int title_number;        // set 23
    const char* title;
    int icon_number;  // set 23
    const char* icon_name;
    int ok_number;  // then Apply, Cancel, Help follow
    int help_topic;
};

class AgentConfigDialog : public xd_XmDialog_c {
public:
    explicit AgentConfigDialog(const AgentDialogTexts& texts) : texts_(texts) {}

    virtual void create(Display* display, int argc, char** argv);

    // Top-level shells are popped up and down as a whole.
    void xd_show() override;
    void xd_hide() override;

    // Hides the dialog; in agent mode the program ends with status 0.
    virtual void cancel_button_cb(Widget widget, XtPointer call_data);
    virtual void help_button_cb(Widget widget, XtPointer call_data);

    Widget shell() const { return _xd_rootwidget; }
    Widget ok_button() const { return ok_button_; }
    Widget apply_button() const { return apply_button_; }
    Widget cancel_button() const { return cancel_button_; }
    Widget work_form() const { return work_form_; }
    const AgentDialogTexts& texts() const { return texts_; }

    static const AgentDialogTexts kSnmp;
    static const AgentDialogTexts kRpc;
    static const AgentDialogTexts kCmip;
    static const AgentDialogTexts kMis;

private:
    AgentDialogTexts texts_;
    Widget ok_button_ = nullptr;
    Widget apply_button_ = nullptr;
    Widget cancel_button_ = nullptr;
    Widget work_form_ = nullptr;
};
