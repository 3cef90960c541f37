#include "ui/RpcConfig.hpp"

#include <Xm/Form.h>
#include <Xm/Frame.h>
#include <Xm/Xm.h>

#include "agents/CurrentAgents.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/Table.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "ui/ChooserDialog.hpp"
#include "ui/PageWidgets.hpp"
#include "widgets/CaptionLayout.hpp"

Table* rpc_agent_table = nullptr;

namespace {

// Five rows, two columns: schema name, host.
constexpr int kRpcRows = 5;
constexpr int kRpcColumns = 2;

}  // namespace

void RpcConfig::create(Display* dpy, int argc, char** argv)
{
    AgentConfigDialog::create(dpy, argc, argv);
    create_fields(work_form());
    rpc_agent_table = new Table(table_frame());
    rpc_agent_table->create_table(kRpcRows, kRpcColumns);
    rpc_agent_table->create_col_label(0, cat_text(kToolSet, 809, "Agent Name"), 20);
    rpc_agent_table->create_col_label(1, cat_text(kToolSet, 810, "Proxy Host"), 20);
    rpc_agent_table->set_visible_columns(kRpcColumns);
    rpc_agent_table->allow_select(1);
}

void RpcConfig::create_fields(Widget parent)
{
    CaptionLayout rows(parent, "rpc_fields", 10, 4,
                       Args()
                           .add(XmNtopAttachment, XmATTACH_FORM)
                           .add(XmNleftAttachment, XmATTACH_FORM)
                           .add(XmNrightAttachment, XmATTACH_FORM));
    host_field_ = add_text_row(rows, "rpc_mo_name_text", 97, "Agent Host:");
    path_field_ = add_path_row(rows, "rpc_mo_fdn_text", 98, "rpc_browse_button", 104, &path_label_, &browser_button_);
    read_field_ = add_text_row(rows, "rpc_read_comm_text", 99, "Read Community:");
    write_field_ = add_text_row(rows, "rpc_write_comm_text", 100, "Write Community:");
    rows.finish();
    create_agents_frame(parent, rows.form());
    add_member_callback<RpcConfig, &RpcConfig::host_activate_cb>(host_field_, XmNactivateCallback, this);
    add_member_callback<RpcConfig, &RpcConfig::browser_cb>(browser_button_, XmNactivateCallback, this);
}

void RpcConfig::create_agents_frame(Widget parent, Widget above)
{
    Widget frame = make_frame(parent, "rpc_agents_frame", "rpc_agents_label", cat_text(kToolSet, 101, "Agents"),
                              nullptr,
                              Args()
                                  .add(XmNtopAttachment, XmATTACH_WIDGET)
                                  .add(XmNtopWidget, above)
                                  .add(XmNtopOffset, 10)
                                  .add(XmNleftAttachment, XmATTACH_FORM)
                                  .add(XmNrightAttachment, XmATTACH_FORM)
                                  .add(XmNbottomAttachment, XmATTACH_FORM));
    Widget form = make_form(frame, "rpc_agents_form");
    Widget add = make_button(form, "add_agent_button", cat_text(kToolSet, 102, "Add..."),
                             Args().add(XmNbottomAttachment, XmATTACH_FORM).add(XmNleftAttachment, XmATTACH_FORM));
    Widget remove = make_button(form, "delete_agent_button", cat_text(kToolSet, 103, "Delete"),
                                Args()
                                    .add(XmNbottomAttachment, XmATTACH_FORM)
                                    .add(XmNleftAttachment, XmATTACH_WIDGET)
                                    .add(XmNleftWidget, add)
                                    .add(XmNleftOffset, 6));
    table_frame_ = make_widget(xmFrameWidgetClass, form, "rpc_table_frame",
                               Args()
                                   .add(XmNtopAttachment, XmATTACH_FORM)
                                   .add(XmNleftAttachment, XmATTACH_FORM)
                                   .add(XmNrightAttachment, XmATTACH_FORM)
                                   .add(XmNbottomAttachment, XmATTACH_WIDGET)
                                   .add(XmNbottomWidget, add)
                                   .add(XmNbottomOffset, 6));
    add_member_callback<RpcConfig, &RpcConfig::add_agent_cb>(add, XmNactivateCallback, this);
    add_member_callback<RpcConfig, &RpcConfig::delete_agent_cb>(remove, XmNactivateCallback, this);
}

void RpcConfig::set_chooser(ChooserDialog* chooser)
{
    chooser_ = chooser;
    chooser_->set_handlers(
        [](const std::vector<std::string>& names) {
            for (const std::string& name : names)
                add_rpc_rows(name.c_str());
        },
        texts().help_topic);
}

void RpcConfig::host_activate_cb(Widget, XtPointer)
{
    if (!rpc_agent)
        rpc_agent = std::make_shared<RpcAgent>();
    rpc_agent->fill_defaults(field_text(host_field_));
}

void RpcConfig::add_agent_cb(Widget, XtPointer)
{
    if (!chooser_)
        return;
    if (!rpc_agent)
        rpc_agent = std::make_shared<RpcAgent>();
    const RWTValSlist<RWCString>& agents = rpc_agent->get_agent_list();
    chooser_->open(cat_text(kToolSet, 233, "All RPC Agents:"), cat_text(kToolSet, 232, "All RPC Agents to Add:"),
                   std::vector<std::string>(agents.begin(), agents.end()));
}

void RpcConfig::delete_agent_cb(Widget, XtPointer)
{
    if (!rpc_agent_table)
        return;
    for (int row = rpc_agent_table->get_num_rows() - 1; row >= 0; --row)
        if (rpc_agent_table->is_selected(row) >= 0 && rpc_agent)
            rpc_agent->remove_schema({rpc_agent_table->get_cell(row, 0), rpc_agent_table->get_cell(row, 1)});
    rpc_agent_table->delete_selected();
}

void RpcConfig::browser_cb(Widget, XtPointer)
{
    if (!rpc_agent)
        rpc_agent = std::make_shared<RpcAgent>();
    browse(field_text(host_field_), *rpc_agent, 3);
}

bool RpcConfig::apply()
{
    // What is typed in a cell counts only once the edit is committed.
    if (rpc_agent_table)
        rpc_agent_table->commit(1);
    if (!rpc_agent)
        rpc_agent = std::make_shared<RpcAgent>();
    return apply_agent(*rpc_agent, false);
}

void RpcConfig::set_writable(bool writable) { set_sensitive({ok_button(), apply_button()}, writable); }

void RpcConfig::set_path_sensitive(bool sensitive)
{
    set_sensitive({path_label_, path_field_, browser_button_}, sensitive);
}

RWCString RpcConfig::host() { return field_text(host_field_); }

void RpcConfig::show_host(const RWCString& host) { set_field_text(host_field_, host); }

void RpcConfig::show_fields(const RpcFields& fields)
{
    set_field_text(path_field_, fields.object_path);
    set_field_text(read_field_, fields.read_community);
    set_field_text(write_field_, fields.write_community);
}

RpcFields RpcConfig::read_fields()
{
    return {field_text(path_field_), field_text(read_field_), field_text(write_field_)};
}

void RpcConfig::clear_schemas()
{
    if (!rpc_agent_table)
        return;
    rpc_agent_table->deselect_all();
    rpc_agent_table->clear_all();
}

void RpcConfig::add_schema_row(const QvRpcAgent::Schema& schema, bool host_editable)
{
    if (!rpc_agent_table)
        return;
    const int row = rpc_agent_table->add_row(rpc_agent_table->get_num_rows());
    rpc_agent_table->create_cell(row, 0, schema.name.c_str());
    if (host_editable)
        rpc_agent_table->create_edit_cell(row, 1, schema.host.c_str());
    else
        rpc_agent_table->create_cell(row, 1, schema.host.c_str());
}

RWTValSlist<QvRpcAgent::Schema> RpcConfig::schema_rows()
{
    RWTValSlist<QvRpcAgent::Schema> schemas;
    if (!rpc_agent_table)
        return schemas;
    for (int row = 0; row < rpc_agent_table->get_num_rows(); ++row)
        schemas.emplace_back(rpc_agent_table->get_cell(row, 0), rpc_agent_table->get_cell(row, 1));
    return schemas;
}
