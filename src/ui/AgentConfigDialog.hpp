// An agent configuration dialog (SNMP, RPC, CMIP, MIS): a top-level
// application shell around a message box with OK, Apply, Cancel and Help.
// The protocol dialogs derive from it and fill its work area; in agent mode
// one of them is the tool's only window.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

#include "agents/AgentMo.hpp"
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

class CaptionLayout;

class AgentConfigDialog : public xd_XmDialog_c {
public:
    explicit AgentConfigDialog(const AgentDialogTexts& texts) : texts_(texts) {}

    virtual void create(Display* display, int argc, char** argv);

    // Top-level shells are popped up and down as a whole.
    void xd_show() override;
    void xd_hide() override;

    // Writes the dialog's agent; the dialog stays open.
    virtual void apply_button_cb(Widget widget, XtPointer call_data);
    // Apply, then, when the agent was written, hides the dialog; in agent
    // mode the program then ends with status 0. After a refusal the dialog
    // stays open with what the user typed.
    virtual void ok_button_cb(Widget widget, XtPointer call_data);
    // Hides the dialog; in agent mode the program ends with status 0.
    virtual void cancel_button_cb(Widget widget, XtPointer call_data);
    virtual void help_button_cb(Widget widget, XtPointer call_data);

    Widget shell() const { return _xd_rootwidget; }
    Widget ok_button() const { return ok_button_; }
    Widget apply_button() const { return apply_button_; }
    Widget cancel_button() const { return cancel_button_; }
    Widget work_form() const { return work_form_; }
    const AgentDialogTexts& texts() const { return texts_; }

    // Shows a message in an error dialog over this dialog.
    void report(const std::string& message);

    static const AgentDialogTexts kSnmp;
    static const AgentDialogTexts kRpc;
    static const AgentDialogTexts kCmip;
    static const AgentDialogTexts kMis;

protected:
    // The dialog's Apply; true when the agent was written. The agents of
    // this dialogs override it.
    virtual bool apply() { return true; }
    // The Apply every proxy agent dialog shares: the dialog into the agent,
    // its checks, the agent page (outside agent mode), and the agent's
    // managed object written to the server. With load_before_create the
    // agent's fields are copied into its managed object first (in agent
    // mode, where no page does it).
    bool apply_agent(AgentMo& agent, bool load_before_create);
    // What the agent's fields must satisfy before anything is written.
    virtual QvStatus check_fields(AgentMo&) { return QvStatus::success(); }
    // " Browser... ": the object browser rooted at the agent; until it
    // exists, only the refusal while it derives.
    void browse(const std::string& host);

    // A labelled text field as a row of the dialog's aligner; the label is
    // returned through label.
    static Widget add_text_row(CaptionLayout& rows, const char* field_name, int number, const char* text,
                               Widget* label = nullptr);
    // The Object Path row: the field with the " Browser... " button beside
    // it; returns the field.
    static Widget add_path_row(CaptionLayout& rows, const char* field_name, int number, const char* button_name,
                               int button_number, Widget* label, Widget* button);

private:
    AgentDialogTexts texts_;
    Widget ok_button_ = nullptr;
    Widget apply_button_ = nullptr;
    Widget cancel_button_ = nullptr;
    Widget work_form_ = nullptr;
};
