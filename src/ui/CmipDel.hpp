// The CMIP delete-entity dialog "cmip_del_entity_dialog": a list of the
// agent's entities to pick the ones to delete. Deleting is the CMIP agent's
// work; OK and Apply are connected by it.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/XdXmDialog.hpp"

class CmipDel : public xd_XmDialog_c {
public:
    virtual void create(Widget parent, const char* name = "cmip_del_entity_dialog");

    virtual void cancel_button_cb(Widget widget, XtPointer call_data);
    virtual void help_button_cb(Widget widget, XtPointer call_data);

    Widget cmip_del_list() const { return list_; }
    Widget ok_button() const { return ok_button_; }
    Widget apply_button() const { return apply_button_; }

    static constexpr int kHelpTopic = 1140;

private:
    Widget list_ = nullptr;
    Widget ok_button_ = nullptr;
    Widget apply_button_ = nullptr;
};
