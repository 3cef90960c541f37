// The CMIP configuration dialog "cmip_config_dialog": the entity name combo
// with "Delete..." above two tabs. "Basic" holds the presentation address
// and the Agent DNs list (one selected DN ties the topology object to the
// entity); "Advanced" the name translation, the application entity title
// and the MPA address. It is the CMIP agent's view.
#pragma once

#include "agents/AgentViews.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/NameCombo.hpp"

class CmipDel;
class CaptionLayout;

class CmipConfig : public AgentConfigDialog, public CmipAgentView {
public:
    CmipConfig() : AgentConfigDialog(kCmip) {}

    void create(Display* display, int argc, char** argv) override;
    // The delete-entity dialog, built by start-up under this dialog.
    void set_delete_dialog(CmipDel* dialog) { delete_dialog_ = dialog; }

    // OK: Apply, then the dialog closes unless Apply refused or failed.
    void ok_button_cb(Widget widget, XtPointer call_data) override;
    // "Delete...": the server's entities in the delete dialog.
    virtual void delete_entity_cb(Widget widget, XtPointer call_data);
    // " Add " and Return in "MO DN:": a new DN joins the Agent DNs.
    virtual void add_dn_cb(Widget widget, XtPointer call_data);
    virtual void dn_activate_cb(Widget widget, XtPointer call_data);
    // " Delete ": the selected Agent DNs leave the list.
    virtual void delete_dn_cb(Widget widget, XtPointer call_data);
    virtual void aetitle_toggle_cb(Widget widget, XtPointer call_data);
    virtual void mpa_toggle_cb(Widget widget, XtPointer call_data);

    // CmipAgentView
    RWCString name_text() override { return combo_.text(); }
    void show_name(const RWCString& name) override { combo_.show_text(name); }
    void set_names(const RWTValSlist<RWCString>& names) override { combo_.set_names(names); }
    void add_name(const RWCString& name) override { combo_.add_name(name); }
    void remove_name(const RWCString& name) override { combo_.remove_name(name); }
    void set_writable(bool writable) override;
    void show_fields(const CmipFields& fields) override;
    CmipFields read_fields() override;
    void show_ap_title(const RWCString& title) override;

    const NameCombo& combo() const { return combo_; }
    Widget delete_button() const { return delete_button_; }
    Widget agent_dn_list() const { return dn_list_; }

protected:
    bool apply() override;

private:
    void create_entity_row(Widget parent);
    Widget create_tabs(Widget parent, Widget above);
    Widget add_tab(Widget tabs, const char* name, int number, const char* label);
    void create_basic_tab(Widget page);
    Widget create_address_frame(Widget page);
    void create_dn_frame(Widget page, Widget above);
    void create_advanced_tab(Widget page);
    Widget create_entity_frame(Widget page);
    void create_mpa_frame(Widget page, Widget above);
    // A labelled text field of a frame's rows; the label through label.
    static Widget add_row(CaptionLayout& rows, const char* name, int number, const char* text,
                          Widget* label = nullptr);
    // The AE title fields follow the toggle; the MPA fields the Default
    // button (showing "<Default>" and "5557" while it is on).
    void ae_title_sensitive(bool on);
    void show_mpa(bool use_default, const RWCString& host, const RWCString& port);

    NameCombo combo_;
    CmipDel* delete_dialog_ = nullptr;
    Widget delete_button_ = nullptr;
    Widget selector_fields_[4] = {};
    Widget dn_list_ = nullptr;
    Widget dn_field_ = nullptr;
    Widget translation_toggles_[3] = {};  // LDN, FDN, None
    Widget aetitle_toggle_ = nullptr;
    Widget title_widgets_[8] = {};  // APTitle .. ApInvokeId: label and field each
    Widget title_fields_[4] = {};
    Widget mpa_default_toggle_ = nullptr;
    Widget mpa_custom_toggle_ = nullptr;
    Widget mpa_widgets_[4] = {};  // host label and field, port label and field
    Widget mpa_host_field_ = nullptr;
    Widget mpa_port_field_ = nullptr;
};
