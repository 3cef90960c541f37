// The CMIP delete-entity dialog "cmip_del_entity_dialog": the server's CMIP
// agent entities, to pick the ones to delete from the server.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"
#include "platform/Types.hpp"

class CmipDel : public xd_XmDialog_c {
public:
    virtual void create(Widget parent, const char* name = "cmip_del_entity_dialog");

    // Shows the dialog titled "Object Properties: Delete CMIP Entity" with
    // the entities names.
    void open(const RWTValSlist<RWCString>& names);

    // Apply: the selected entities are deleted and leave the list.
    virtual void apply_button_cb(Widget widget, XtPointer call_data);
    // Apply, then the dialog goes away.
    virtual void ok_button_cb(Widget widget, XtPointer call_data);
    virtual void cancel_button_cb(Widget widget, XtPointer call_data);
    virtual void help_button_cb(Widget widget, XtPointer call_data);

    Widget cmip_del_list() const { return list_; }
    Widget ok_button() const { return ok_button_; }
    Widget apply_button() const { return apply_button_; }

    static constexpr int kHelpTopic = 1140;

private:
    void fill(const RWTValSlist<RWCString>& names);

    Widget list_ = nullptr;
    Widget ok_button_ = nullptr;
    Widget apply_button_ = nullptr;
};
