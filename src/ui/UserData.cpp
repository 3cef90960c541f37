#include "ui/UserData.hpp"

#include <algorithm>
#include <string>

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/RowColumn.h>
#include <Xm/ScrolledW.h>

#include "gui/MemberCallback.hpp"
#include "gui/ScrolledView.hpp"
#include "gui/WidgetMaker.hpp"
#include "gui/WindowShow.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "ui/DelObjectDesc.hpp"
#include "ui/Page.hpp"
#include "ui/PageWidgets.hpp"
#include "ui/Windows.hpp"
#include "widgets/CaptionLayout.hpp"

namespace {

constexpr Dimension kScrollWidth = 380;
constexpr Dimension kScrollHeight = 200;
constexpr short kFieldColumns = 100;

bool editable() { return may_edit(modify_desc_agent_type_status_access); }

// The number of a group in a set's labels.
std::string group_number(int group) { return "[" + std::to_string(group) + "]"; }

// Labels and fields are attached to one another: all of them leave the
// layout first, so that no layout runs over a destroyed widget.
void destroy_rows(RWTValSlist<Widget>& labels, RWTValSlist<Widget>& fields)
{
    RWTValSlist<Widget> all = labels;
    all.insert(all.end(), fields.begin(), fields.end());
    if (!all.empty())
        XtUnmanageChildren(all.data(), static_cast<Cardinal>(all.size()));
    for (Widget widget : all)
        XtDestroyWidget(widget);
    labels.clear();
    fields.clear();
}

}  // namespace

UserData::UserData(Page& page) : page_(page) {}

UserData::~UserData() = default;

RWCString UserData::display_title(const RWCString& name)
{
    if (name.find('.') == RWCString::npos)
        return name;
    return name + cat_text(kToolSet, 1002, " - XNL Backward Compatibility Data");
}

void UserData::create(Widget parent, const char* title)
{
    name_ = (title && *title) ? title : "ud_frame";
    const RWCString shown_title = display_title(name_);
    frame_ = XtCreateWidget(shown_title.c_str(), xmFrameWidgetClass, parent, nullptr, 0);
    Widget form = make_form(frame_, "ud_form");
    Args scroll_args;
    scroll_args.add(XmNscrollingPolicy, XmAUTOMATIC)
        .add(XmNwidth, kScrollWidth)
        .add(XmNheight, kScrollHeight)
        .add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNbottomAttachment, XmATTACH_FORM);
    Widget scroll = make_widget(xmScrolledWindowWidgetClass, form, "ud_scroll", scroll_args);
    give_keys_to_focus(scroll);
    Widget row_col = make_widget(xmRowColumnWidgetClass, scroll, "ud_row_col");
    caption_ = std::make_unique<CaptionLayout>(row_col, "ud_caption", 10, 4, Args().add(XmNmarginHeight, 4));
    build_buttons(form, scroll);
    Args title_args;
    title_args.add(XmNchildType, XmFRAME_TITLE_CHILD);
    make_label(frame_, "ud_title", shown_title.c_str(), title_args);
}

void UserData::build_buttons(Widget form, Widget scroll)
{
    Args add_args;
    add_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_WIDGET)
        .add(XmNleftWidget, scroll)
        .add(XmNleftOffset, 8)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNrightOffset, 4);
    add_button_ = make_button(form, "ud_add", cat_text(kToolSet, 1000, " Add "), add_args);
    Args del_args;
    del_args.add(XmNtopAttachment, XmATTACH_WIDGET)
        .add(XmNtopWidget, add_button_)
        .add(XmNtopOffset, 6)
        .add(XmNleftAttachment, XmATTACH_WIDGET)
        .add(XmNleftWidget, scroll)
        .add(XmNleftOffset, 8)
        .add(XmNrightAttachment, XmATTACH_FORM)
        .add(XmNrightOffset, 4);
    del_button_ = make_button(form, "ud_del", cat_text(kToolSet, 1001, "Delete "), del_args);
    add_member_callback<UserData, &UserData::ud_add_cb>(add_button_, XmNactivateCallback, this);
    add_member_callback<UserData, &UserData::ud_del_cb>(del_button_, XmNactivateCallback, this);
    if (!editable())
        set_sensitive({add_button_, del_button_}, false);
}

void UserData::create_data(const RWTValSlist<RWCString>& columns, const RWTValSlist<RWCString>& cells, int groups,
                           char set)
{
    column_names_ = columns;
    set_ = set;
    group_count_ = 0;
    if (!set_)
        set_sensitive({add_button_, del_button_}, false);
    if (column_count() > 0)
        add_data(groups, cells);
    XtManageChild(frame_);
    if (XtIsRealized(XtParent(frame_)))
        XtRealizeWidget(frame_);
}

void UserData::add_data(int groups, const RWTValSlist<RWCString>& cells)
{
    if (groups == 0 && group_count_ == 0)
        groups = 1;
    std::size_t next_cell = 0;
    for (int i = 0; i < groups; ++i)
        add_group(cells, next_cell);
    caption_->finish();
}

void UserData::add_group(const RWTValSlist<RWCString>& cells, std::size_t& next_cell)
{
    const int group = ++group_count_;
    Widget parent = caption_->form();
    for (const RWCString& column : column_names_) {
        RWCString text = next_cell < cells.size() ? cells[next_cell++] : RWCString();
        std::replace(text.begin(), text.end(), '\n', ' ');
        Widget label;
        if (!column.empty())
            label = make_label(parent, "label", (column + (set_ ? group_number(group) : "")).c_str());
        else
            label = make_label(parent, "fake", set_ ? group_number(group).c_str() : " ");
        Args field_args;
        field_args.add(XmNcolumns, kFieldColumns).add(XmNeditable, editable() ? True : False);
        Widget field = make_text_field(parent, "attribute", field_args);
        set_field_text(field, text);
        caption_->add_row(label, field);
        labels_.push_back(label);
        fields_.push_back(field);
    }
}

void UserData::clear_data()
{
    caption_->clear_rows();
    destroy_rows(labels_, fields_);
    column_names_.clear();
    group_count_ = 0;
}

RWTValSlist<RWCString> UserData::get_userdata() const
{
    RWTValSlist<RWCString> cells;
    for (Widget field : fields_)
        cells.push_back(field_text(field));
    return cells;
}

void UserData::remove_data(int count, const int* groups)
{
    RWTValSlist<RWCString> cells = get_userdata();
    for (int i = count - 1; i >= 0; --i) {
        const int group = groups[i];
        if (group < 1 || group > group_count_)
            continue;
        const auto first = cells.begin() + (group - 1) * column_count();
        cells.erase(first, first + column_count());
    }
    recreate_data(cells);
}

void UserData::recreate_data(const RWTValSlist<RWCString>& cells)
{
    const RWTValSlist<RWCString> names = column_names_;
    const int columns = column_count();
    clear_data();
    const int groups = columns > 0 ? static_cast<int>(cells.size()) / columns : 0;
    create_data(names, cells, groups, set_);
}

void UserData::delete_widget()
{
    if (!frame_)
        return;
    XtUnmanageChild(frame_);
    XtDestroyWidget(frame_);
    frame_ = nullptr;
}

void UserData::ud_add_cb(Widget, XtPointer)
{
    add_data(1, RWTValSlist<RWCString>());
    page_.mark_changed();
}

void UserData::ud_del_cb(Widget, XtPointer)
{
    del_obj_desc_dialog()->fill_list(group_count_);
    current_user_data = this;
    const std::string title = page_text(835, "Object Properties: Delete %s", name_);
    XtVaSetValues(del_obj_desc_dialog()->shell(), XmNtitle, title.c_str(), nullptr);
    g2_win_show(del_obj_desc_dialog()->del_template());
    page_.mark_changed();
}
