#include "ui/MonitorSection.hpp"

#include <Xm/Form.h>
#include <Xm/RowColumn.h>
#include <Xm/Scale.h>

#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "process/Catalogue.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"

namespace {

constexpr int kMaxRotation = 359;

const MemberColumns::Names kMonitorNames = {
    "monitor_hide_members_label", 59, "hide_members_list", "rowcol2", "monitor_add_button", 60,
    "monitor_remove_button", 61, "monitor_show_members_label", 62, "show_members_list", "rowcol3",
    "monitor_move_up_button", 63, "monitor_move_down_button", 64,
};

}  // namespace

void MonitorSection::create(ObjectConfig* window, Widget parent)
{
    form_ = make_form(parent, "monitor_form");
    columns_.create(form_, kMonitorNames);
    add_member_callback<ObjectConfig, &ObjectConfig::monitor_add_cb>(columns_.show_button(), XmNactivateCallback,
                                                                     window);
    add_member_callback<ObjectConfig, &ObjectConfig::monitor_remove_cb>(columns_.hide_button(),
                                                                        XmNactivateCallback, window);
    add_member_callback<ObjectConfig, &ObjectConfig::monitor_move_up_cb>(columns_.up_button(), XmNactivateCallback,
                                                                         window);
    add_member_callback<ObjectConfig, &ObjectConfig::monitor_move_down_cb>(columns_.down_button(),
                                                                           XmNactivateCallback, window);

    Args row_args;
    row_args.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, columns_.bottom())
        .add(XmNtopOffset, 8)
        .add(XmNleftAttachment, XmATTACH_FORM);
    Widget row = make_row(form_, "rowcol4", row_args);
    make_label(row, "label3", cat_text(kToolSet, 65, "Rotation:"));
    XmStr title(cat_text(kToolSet, 66, " "));
    Args scale_args;
    scale_args.add(XmNminimum, 0)
        .add(XmNmaximum, kMaxRotation)
        .add(XmNorientation, XmHORIZONTAL)
        .add(XmNshowValue, True)
        .add(XmNscaleWidth, 250)
        .add(XmNtitleString, title.get());
    rotation_scale_ = make_widget(xmScaleWidgetClass, row, "rotation_scale", scale_args);
    add_member_callback<ObjectConfig, &ObjectConfig::rotation_change_cb>(rotation_scale_, XmNvalueChangedCallback,
                                                                         window);
    show(false);
}

void MonitorSection::set(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                         long max_visible, long rotation)
{
    long value = rotation;
    if (value < 0 || value > kMaxRotation)
        value = ((value % (kMaxRotation + 1)) + kMaxRotation + 1) % (kMaxRotation + 1);
    XmScaleSetValue(rotation_scale_, static_cast<int>(value));
    columns_.set_members(shown, hidden);
    max_visible_ = max_visible;
    show(true);
}

void MonitorSection::get(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden, long& rotation) const
{
    int value = 0;
    XmScaleGetValue(rotation_scale_, &value);
    rotation = value;
    columns_.append_members(shown, hidden);
}

bool MonitorSection::show_selected()
{
    if (columns_.shown().count() >= max_visible_) {
        page_error(page_text(201, "Can only show %d", static_cast<int>(max_visible_)));
        return true;
    }
    return columns_.show_selected();
}

bool MonitorSection::hide_selected() { return columns_.hide_selected(); }

bool MonitorSection::move_up() { return columns_.move_up(); }

bool MonitorSection::move_down() { return columns_.move_down(); }

void MonitorSection::show(bool shown) { set_managed(form_, shown); }

void MonitorSection::set_editable(bool editable)
{
    columns_.set_buttons_sensitive(editable);
    XtSetSensitive(rotation_scale_, editable ? True : False);
}
