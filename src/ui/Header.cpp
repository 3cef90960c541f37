#include "ui/Header.hpp"

#include <Xm/CascadeB.h>
#include <Xm/List.h>
#include <Xm/RowColumn.h>
#include <Xm/TextF.h>
#include <Xm/Xm.h>

#include "gui/WidgetMaker.hpp"
#include "gui/XmStr.hpp"
#include "model/ModelContext.hpp"
#include "model/NodeList.hpp"
#include "platform/QvTopoType.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "process/RunState.hpp"
#include "ui/ErrorDialog.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"
#include "ui/TypeKinds.hpp"
#include "ui/Windows.hpp"
#include "widgets/TopoTypeMenu.hpp"

Header* header = nullptr;

namespace {

constexpr std::size_t kTypesPerColumn = 40;

}  // namespace

void type_menu_cb(Widget widget, XtPointer type_name, XtPointer call_data)
{
    if (header)
        header->type_changed_cb(widget, type_name, call_data);
}

Header::Header(ObjectConfig* window)
{
    IdentificationFrame& identification = window->identification();
    TypeFrame& type_frame = window->type_frame();
    name_list_ = identification.name_list();
    name_field_ = identification.name_text_field();
    type_button_ = type_frame.type_menu_cascade();
    delete_button_ = identification.delete_name_button();
    list_label_ = identification.list_label();
    add_button_ = identification.add_name_button();
    type_glyph_ = type_frame.type_pixmap();
    type_menu_ = type_frame.type_pulldown();
    error_parent_ = window->tolvar_dialog();

    if (create_node) {
        // One new object, named in the field: no list to pick from.
        XtUnmanageChild(XtParent(name_list_));
        XtUnmanageChild(delete_button_);
        XtUnmanageChild(add_button_);
        XtUnmanageChild(list_label_);
        return;
    }
    if (!modify_coordinates_access && !modify_desc_agent_type_status_access && !modify_bg_img_access) {
        XtSetSensitive(window->ok_button(), False);
        XtSetSensitive(window->apply_button(), False);
    }
    if (!modify_desc_agent_type_status_access) {
        XtSetSensitive(type_button_, False);
        XtSetSensitive(delete_button_, False);
    }
}

Header::~Header() = default;

void Header::add_name(const char* name)
{
    XmStr item(name ? name : "");
    XmListAddItemUnselected(name_list_, item.get(), 0);
    XmListSelectPos(name_list_, 1, True);
}

void Header::add_to_name_list(const char* name)
{
    set_name_text(name ? name : "");
    if (ObjectConfig* window = object_config_tool)
        window->add_name_button_cb(add_button_, nullptr);
    XmListSelectPos(name_list_, 0, True);
}

void Header::select_top() { XmListSelectPos(name_list_, 1, True); }

RWCString Header::get_current_name() { return field_text(name_field_); }

void Header::set_name_text(const RWCString& text) { set_field_text(name_field_, text); }

bool Header::refuse_quoted_name()
{
    if (get_current_name().find('"') == RWCString::npos)
        return false;
    report(cat_text(kToolSet, 221, "Can't handle double quotes in name field."));
    set_name_text("");
    return true;
}

short Header::menu_columns(std::size_t count)
{
    if (count < kTypesPerColumn)
        return 1;
    return static_cast<short>((count + kTypesPerColumn - 1) / kTypesPerColumn);
}

void Header::set_types(char array_mode)
{
    types_.clear();
    menu_.reset();
    menu_items_.clear();
    menu_names_.clear();
    menu_built_ = false;
    all_sensitive_ = true;
    sensitive_kind_.clear();
    // Each glyph is read when it is first shown (update_glyph).
    for (const QvTopoTypeDn& dn : type_dns_) {
        menu_names_.push_back(dn.unique_name());
        types_.emplace_back(dn);
    }
    XtVaSetValues(type_menu_, XmNpacking, XmPACK_COLUMN, XmNnumColumns, menu_columns(types_.size()), nullptr);
    XtRemoveCallback(type_button_, XmNcascadingCallback, &Header::cascading_cb, this);
    XtAddCallback(type_button_, XmNcascadingCallback, &Header::cascading_cb, this);
    current_type_index_ = 0;
    if (array_mode) {
        set_type_label("Array");
        update_glyph("Array");
    } else {
        set_type_label("");
    }
}

void Header::cascading_cb(Widget, XtPointer header, XtPointer)
{
    static_cast<Header*>(header)->build_menu();
}

void Header::build_menu()
{
    if (menu_built_)
        return;
    menu_built_ = true;
    menu_ = std::make_unique<TopoTypeMenu>(type_menu_, &type_menu_cb, menu_names_);
    build_widget_list(type_menu_);
    apply_sensitivity();
}

const RWTValSlist<Widget>& Header::menu_items()
{
    build_menu();
    return menu_items_;
}

void Header::apply_sensitivity()
{
    for (Widget item : menu_items_) {
        bool sensitive = all_sensitive_;
        if (!sensitive_kind_.empty()) {
            bool known = false;
            sensitive = type_is_of_kind(sensitive_kind_, get_label_text(item), known);
        }
        XtSetSensitive(item, sensitive ? True : False);
    }
}

void Header::set_type_label(const RWCString& text) { set_label_text(type_button_, text.c_str()); }

void Header::update_types(const RWCString& type)
{
    current_type_name_ = type;
    set_type_label(type);
    for (std::size_t index = 0; index < types_.size(); ++index) {
        if (types_[index].name() != type)
            continue;
        update_glyph(type);
        current_type_name_ = types_[index].name();
        current_type_index_ = static_cast<int>(index);
        show_kind_sections(type);
        set_menu_items(type_menu_, menu_kind(type_kinds(type)));
        return;
    }
}

// The display page's sections that belong to one kind of object.
void Header::show_kind_sections(const RWCString& type)
{
    DisplayView* page = model_context().display;
    if (!page)
        return;
    if (QvTopoType::is_monitor(type)) {
        page->show_monitor_section(true);
        page->show_array_section(false);
    } else if (QvTopoType::is_array(type)) {
        page->show_array_section(true);
    }
    if (QvTopoType::is_view(type))
        page->show_view_controls(true);
}

void Header::update_glyph(const RWCString& type)
{
    for (Type& entry : types_) {
        if (entry.name() == type) {
            if (!entry.glyph_read())
                entry.set_pixmap(type_glyph_);
            XtVaSetValues(type_glyph_, XmNlabelType, XmPIXMAP, XmNlabelPixmap, entry.pixmap(), nullptr);
            // A new pixmap of the same size is not redrawn by the label itself.
            if (XtIsRealized(type_glyph_))
                XClearArea(XtDisplay(type_glyph_), XtWindow(type_glyph_), 0, 0, 0, 0, True);
            return;
        }
    }
}

void Header::set_menu_items(Widget, const RWCString& kind)
{
    bool known = false;
    type_is_of_kind(kind, "", known);
    if (!known)
        return;
    sensitive_kind_ = kind;
    apply_sensitivity();
}

void Header::build_widget_list(Widget menu)
{
    if (menu == type_menu_)
        menu_items_.clear();
    WidgetList children = nullptr;
    Cardinal count = 0;
    XtVaGetValues(menu, XmNchildren, &children, XmNnumChildren, &count, nullptr);
    for (Cardinal i = 0; i < count; ++i) {
        Widget submenu = nullptr;
        if (XtIsSubclass(children[i], xmCascadeButtonWidgetClass))
            XtVaGetValues(children[i], XmNsubMenuId, &submenu, nullptr);
        if (submenu)
            build_widget_list(submenu);
        else if (XtIsManaged(children[i]))  // buttons of a replaced menu are unmanaged, dying
            menu_items_.push_back(children[i]);
    }
}

void Header::set_types_sensitivity(char sensitive)
{
    all_sensitive_ = sensitive != 0;
    sensitive_kind_.clear();
    apply_sensitivity();
}

char Header::is_legal_type_change(const RWCString& old_type, const RWCString& new_type)
{
    return ::is_legal_type_change(old_type, new_type) ? 1 : 0;
}

char Header::is_mixed_state()
{
    unsigned kinds = 0;
    for (const Node& node : node_list) {
        RWCString type;
        node.handle().get_type_name(type);
        kinds |= type_kinds(type);
    }
    return kinds_mixed(kinds) ? 1 : 0;
}

void Header::report(const char* message) { error_dialog(error_parent_, message, cancel_error, cancel_error); }

void Header::type_changed_cb(Widget, XtPointer type_name, XtPointer)
{
    type_changed_ = 1;
    const RWCString old_type = current_type_name_;
    const RWCString new_type = type_name ? static_cast<const char*>(type_name) : "";
    current_type_name_ = new_type;
    if (!is_legal_type_change(old_type, new_type)) {
        report(cat_text(kToolSet, 901, "Cannot change type as\nproperties are different."));
        current_type_name_ = old_type;
        return;
    }
    update_glyph(new_type);
    set_type_label(new_type);
    if (node_list.empty() || old_type == new_type)
        return;
    // The stored data an object can hold is named by its type.
    Node first = node_list.front();
    model_context().stored_data->clear_page();
    first.get_object_desc();
}
