#include "ui/NameCombo.hpp"

#include <Xm/ComboBox.h>
#include <Xm/List.h>
#include <Xm/TextF.h>

#include "agents/CurrentAgents.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/XmStr.hpp"

void NameCombo::create(Widget parent, const char* name, ProtocolType protocol, Args args)
{
    protocol_ = protocol;
    args.add(XmNcomboBoxType, XmDROP_DOWN_COMBO_BOX).add(XmNvisibleItemCount, 8);
    Widget combo = XmCreateComboBox(parent, const_cast<char*>(name), args.list(), args.count());
    XtManageChild(combo);
    combo_ = combo;
    add_member_callback<NameCombo, &NameCombo::combo_selected_cb>(combo, XmNselectionCallback, this);
}

Widget NameCombo::text_field() const
{
    Widget field = nullptr;
    XtVaGetValues(combo_.widget(), XmNtextField, &field, nullptr);
    return field;
}

void NameCombo::combo_selected_cb(Widget, XtPointer call_data)
{
    const auto* cb = static_cast<XmComboBoxCallbackStruct*>(call_data);
    // Only an item of the list: a typed text is taken at Apply. The item is
    // looked up, as the combo counts positions differently for a list pick
    // and for typed text.
    Widget list = nullptr;
    XtVaGetValues(combo_.widget(), XmNlist, &list, nullptr);
    if (!cb || cb->reason != XmCR_SELECT || !cb->item_or_text || !list || XmListItemPos(list, cb->item_or_text) < 1)
        return;
    const RWCString item = XmStr::to_string(cb->item_or_text);
    std::shared_ptr<AgentMo> agent = current_agent(protocol_);
    if (!agent) {
        agent = new_agent(protocol_);
        make_current(agent);
    }
    agent->fill_defaults(item);
}

RWCString NameCombo::text() const
{
    char* text = XmTextFieldGetString(text_field());
    RWCString value = text ? text : "";
    XtFree(text);
    return value;
}

void NameCombo::show_text(const RWCString& text)
{
    XmTextFieldSetString(text_field(), const_cast<char*>(text.c_str()));
}

void NameCombo::set_names(const RWTValSlist<RWCString>& names)
{
    combo_.wipe();
    for (const RWCString& name : names)
        if (!name.empty())
            combo_.add_item(name);
    combo_.set();
}

void NameCombo::add_name(const RWCString& name)
{
    combo_.add_item(name);
    combo_.set();
}

void NameCombo::remove_name(const RWCString& name)
{
    combo_.del_item(name);
    combo_.set();
}
