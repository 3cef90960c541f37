// The top of the main window: the list of the objects being edited, the name
// field, and the current topology type shown as a glyph and as the label of a
// menu of the types the object may take. The model reads the current name and
// type from here and makes a type current when it shows an object.
#pragma once

#include <memory>
#include <vector>

#include <X11/Intrinsic.h>

#include "model/Views.hpp"
#include "platform/QvTopoNodeDn.hpp"
#include "platform/Types.hpp"
#include "ui/Type.hpp"

class ObjectConfig;
class TopoTypeMenu;

class Header : public HeaderView {
public:
    // Takes its widgets from the main window. Creating an object hides the
    // list and its buttons; configuring, the user's rights may make OK,
    // Apply, the type button and Delete insensitive.
    explicit Header(ObjectConfig* window);
    ~Header() override;
    Header(const Header&) = delete;
    Header& operator=(const Header&) = delete;

    // The name list and the name field.
    void add_name(const char* name) override;
    // As if the name were typed and Add pressed; then the last entry is selected.
    void add_to_name_list(const char* name);
    void select_top();
    RWCString get_current_name() override;
    void set_name_text(const RWCString& text);
    // The server takes no double quote in a name: such a name is refused with
    // a message and the field emptied. True when it was refused.
    bool refuse_quoted_name();

    // The types. Start-up fills type_dns() before set_types.
    RWTValSlist<QvTopoTypeDn>& type_dns() { return type_dns_; }
    // Builds the type menu and the type list; in array mode "Array" is shown.
    void set_types(char array_mode);
    RWCString get_current_type_name() override { return current_type_name_; }
    int current_type_index() const { return current_type_index_; }
    void update_types(const RWCString& type) override;
    void update_glyph(const RWCString& type);
    char is_legal_type_change(const RWCString& old_type, const RWCString& new_type);
    char is_mixed_state() override;
    void set_types_sensitivity(char sensitive) override;
    // Makes the types of kind (a menu_kind word) the ones that can be picked;
    // a kind it does not know changes nothing.
    void set_menu_items(Widget menu, const RWCString& kind);
    void build_widget_list(Widget menu);
    // The menu's buttons, built first if need be.
    const RWTValSlist<Widget>& menu_items();

    // A pick in the type menu (legal or not) sets the flag; Apply clears it.
    void type_changed_cb(Widget widget, XtPointer type_name, XtPointer call_data);
    char type_changed() const { return type_changed_; }
    void clear_type_changed() { type_changed_ = 0; }

    // Columns of the type menu for count types: one up to 39, then one more
    // per 40.
    static short menu_columns(std::size_t count);

private:
    // The menu's buttons are made when the menu is first opened (or its
    // items first asked for): a topology may have thousands of types. Until
    // then the sensitivity asked for is kept and applied when they are made.
    void build_menu();
    void apply_sensitivity();
    static void cascading_cb(Widget widget, XtPointer header, XtPointer call_data);
    void show_kind_sections(const RWCString& type);
    void set_type_label(const RWCString& text);
    void report(const char* message);

    Widget name_list_ = nullptr;
    Widget name_field_ = nullptr;
    Widget type_button_ = nullptr;
    Widget delete_button_ = nullptr;
    Widget list_label_ = nullptr;
    Widget add_button_ = nullptr;
    Widget type_glyph_ = nullptr;
    Widget type_menu_ = nullptr;
    Widget error_parent_ = nullptr;
    char type_changed_ = 0;
    int current_type_index_ = 0;
    RWCString current_type_name_;
    RWTValSlist<QvTopoTypeDn> type_dns_;
    RWTValSlist<Type> types_;
    RWTValSlist<Widget> menu_items_;
    std::unique_ptr<TopoTypeMenu> menu_;
    RWTValSlist<RWCString> menu_names_;
    bool menu_built_ = false;
    // The sensitivity of the buttons: all on or off, or by kind when
    // sensitive_kind_ is set.
    bool all_sensitive_ = true;
    RWCString sensitive_kind_;
};

// The header of the main window, built by start-up.
extern Header* header;

// The type menu's activation callback: forwards to header.
void type_menu_cb(Widget widget, XtPointer type_name, XtPointer call_data);
