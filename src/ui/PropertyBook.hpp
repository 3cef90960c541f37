// The "Detailed Properties" frame of the main window: a tab manager with one
// scrolled page each for agents, display, coordinates and stored data. The
// pages' contents are built by the page classes on top of the forms here.
#pragma once

#include <X11/Intrinsic.h>

class PropertyBook {
public:
    // Builds "bot_frame" and the four pages under parent (a form).
    void create(Widget parent);

    Widget frame() const { return frame_; }
    Widget prop_label() const { return prop_label_; }
    Widget tab_mgr() const { return tab_mgr_; }
    Widget agent_form() const { return agent_form_; }
    Widget add_button() const { return add_button_; }
    Widget protocol_option_menu() const { return protocol_option_menu_; }
    Widget protocol_menu() const { return protocol_menu_; }
    // The protocol menu's buttons: SNMP, RPC, MIS, CMIP.
    Widget protocol_button(int index) const { return protocol_buttons_[index]; }
    Widget add_default_button() const { return add_default_button_; }
    Widget agent_form2() const { return agent_form2_; }
    Widget table_frame() const { return table_frame_; }
    Widget change_button() const { return change_button_; }
    Widget delete_button() const { return delete_button_; }
    Widget display_form() const { return display_form_; }
    Widget coord_form() const { return coord_form_; }
    Widget object_desc_form() const { return object_desc_form_; }
    Widget user_data_row_col() const { return user_data_row_col_; }

private:
    // A scrolled page of the tab manager labelled with a catalogue text.
    Widget add_page(const char* name, int label_number, const char* label);
    void create_agent_page();
    // "Create Agent": Configure Manually, the protocol menu, Configure Default.
    Widget create_agent_frame();
    void create_protocol_menu(Widget parent);
    // "Configured Agents": the table's frame with Change and Delete below.
    void create_configured_agents(Widget above);

    Widget frame_ = nullptr;
    Widget prop_label_ = nullptr;
    Widget tab_mgr_ = nullptr;
    Widget agent_form_ = nullptr;
    Widget add_button_ = nullptr;
    Widget protocol_option_menu_ = nullptr;
    Widget protocol_menu_ = nullptr;
    Widget protocol_buttons_[4] = {};
    Widget add_default_button_ = nullptr;
    Widget agent_form2_ = nullptr;
    Widget table_frame_ = nullptr;
    Widget change_button_ = nullptr;
    Widget delete_button_ = nullptr;
    Widget display_form_ = nullptr;
    Widget coord_form_ = nullptr;
    Widget object_desc_form_ = nullptr;
    Widget user_data_row_col_ = nullptr;
};
