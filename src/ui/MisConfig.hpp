// The MIS configuration dialog "mis_config_dialog": the MIS host combo (the
// systems the server knows), the object path below the MIS system with
// " Browser... ", and the port. It is the MIS agent's view.
#pragma once

#include "agents/AgentViews.hpp"
#include "ui/AgentConfigDialog.hpp"
#include "ui/NameCombo.hpp"

class MisAgent;

class MisConfig : public AgentConfigDialog, public MisAgentView {
public:
    MisConfig() : AgentConfigDialog(kMis) {}

    void create(Display* display, int argc, char** argv) override;

    // OK: Apply, then the dialog closes (in agent mode the program ends)
    // unless Apply refused or failed.
    void ok_button_cb(Widget widget, XtPointer call_data) override;
    virtual void browser_cb(Widget widget, XtPointer call_data);
    Widget object_path_field() const override { return path_field_; }
    int browser_kind() const override { return 2; }

    // MisAgentView
    RWCString name_text() override { return combo_.text(); }
    void show_name(const RWCString& name) override { combo_.show_text(name); }
    void set_names(const RWTValSlist<RWCString>& names) override { combo_.set_names(names); }
    void add_name(const RWCString& name) override { combo_.add_name(name); }
    void remove_name(const RWCString& name) override { combo_.remove_name(name); }
    void set_writable(bool writable) override;
    void set_path_sensitive(bool sensitive) override;
    void show_fields(const MisFields& fields) override;
    MisFields read_fields() override;

    const NameCombo& combo() const { return combo_; }

protected:
    bool apply() override;

private:
    // Apply's checks of the dialog's values, each refusal told the user.
    bool refused(MisAgent& agent);

    NameCombo combo_;
    Widget path_label_ = nullptr;
    Widget path_field_ = nullptr;
    Widget browser_button_ = nullptr;
    Widget port_field_ = nullptr;
};
