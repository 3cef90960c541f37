// The agent name combo box of the CMIP and MIS dialogs ("entity_name_combo",
// "mis_name_combo"): a drop-down list of names with a text field. Choosing
// an item loads that agent into the dialog (combo_selected_cb).
#pragma once

#include <X11/Intrinsic.h>

#include "agents/AgentMo.hpp"
#include "gui/Args.hpp"
#include "gui/XrtComboWrap.hpp"

class NameCombo {
public:
    virtual ~NameCombo() = default;

    // Creates the managed combo name under parent; its chosen items go to
    // the current agent of protocol.
    void create(Widget parent, const char* name, ProtocolType protocol, Args args = Args());

    Widget widget() const { return combo_.widget(); }
    Widget text_field() const;

    // An item chosen from the list: fill_defaults of the protocol's current
    // agent with its text. Text typed into the field is read at Apply.
    virtual void combo_selected_cb(Widget widget, XtPointer call_data);

    RWCString text() const;
    void show_text(const RWCString& text);
    // The pick list: names (non-empty ones, each put in front); one more in
    // front; the first equal to name out.
    void set_names(const RWTValSlist<RWCString>& names);
    void add_name(const RWCString& name);
    void remove_name(const RWCString& name);

private:
    XrtComboWrap combo_;
    ProtocolType protocol_ = PROTO_NONE;
};
