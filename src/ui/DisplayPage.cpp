#include "ui/DisplayPage.hpp"

#include <cstdlib>

#include <Xm/RowColumn.h>
#include <Xm/TextF.h>

#include "gui/FileChooser.hpp"
#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "ui/DialogTexts.hpp"
#include "ui/DragDrop.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"
#include "ui/Windows.hpp"
#include "widgets/CaptionLayout.hpp"

DisplayPage* display_page = nullptr;

namespace {

struct FileRow {
    Widget row, text, button;
};

// A text field and a "..." button side by side.
FileRow file_row(Widget parent, const char* row_name, const char* text_name, const char* button_name,
                 int button_label)
{
    FileRow row;
    row.row = make_row(parent, row_name);
    row.text = make_text_field(row.row, text_name, Args().add(XmNcolumns, 28));
    row.button = make_button(row.row, button_name, cat_text(kToolSet, button_label, "..."));
    return row;
}

void open_chooser(FileChooserCallback completion)
{
    if (first_fchooser) {
        first_fchooser = 0;
        create_file_chooser_shell(object_config_tool->tolvar_dialog(), file_chooser_texts());
    }
    fchooser_setup(GET_FILENAME_ONLY, completion);
}

}  // namespace

DisplayPage::DisplayPage(ObjectConfig* window) : Page(window->book().display_form()), window_(window)
{
    build(window);
    apply_rights();
}

// A section built on first use, with the page's rights and its lists'
// drag and drop.
template <class Section>
Section& DisplayPage::built(Section& section, bool array)
{
    if (!section.form()) {
        section.create(window_, container());
        section.set_editable(editable());
        init_section_drag(section.columns().shown().widget(), section.columns().hidden().widget(), array);
    }
    return section;
}

MonitorSection& DisplayPage::monitor() { return built(monitor_, false); }

ArraySection& DisplayPage::array() { return built(array_, true); }

void DisplayPage::build(ObjectConfig* window)
{
    Args aligner_args;
    aligner_args.add(XmNmarginWidth, 6).add(XmNmarginHeight, 6);
    CaptionLayout aligner(container(), "widget8", 10, 6, aligner_args);
    Widget parent = aligner.form();

    Widget propagate_label =
        make_label(parent, "propagate_severity_label", cat_text(kToolSet, 33, "       Propagate Severity:"));
    Widget radio = make_radio_box(parent, "propagate_severity_radio");
    propagate_on_ = make_toggle(radio, "propagate_status_on", cat_text(kToolSet, 34, "On"));
    propagate_off_ = make_toggle(radio, "propagate_status_off", cat_text(kToolSet, 35, "Off"));
    select_toggle(propagate_on_, propagate_off_);
    add_member_callback<ObjectConfig, &ObjectConfig::propagate_status_cb>(propagate_on_, XmNvalueChangedCallback,
                                                                          window);

    bg_bitmap_label_ = make_label(parent, "bg_bitmap_label", cat_text(kToolSet, 36, "Background Image:"));
    const FileRow image = file_row(parent, "bg_bitmap_form", "bg_bitmap_text", "bg_bitmap_file", 37);
    bg_bitmap_form_ = image.row, bg_bitmap_text_ = image.text, bg_bitmap_file_ = image.button;
    add_member_callback<ObjectConfig, &ObjectConfig::bg_changed_cb>(bg_bitmap_text_, XmNvalueChangedCallback, window);
    add_member_callback<ObjectConfig, &ObjectConfig::bg_bitmap_cb>(bg_bitmap_file_, XmNactivateCallback, window);

    bg_geo_label_ = make_label(parent, "bg_geo_label", cat_text(kToolSet, 38, "Geographical Map:"));
    const FileRow map = file_row(parent, "bg_geo_form", "bg_geo_text", "bg_geo_file", 39);
    bg_geo_form_ = map.row, bg_geo_text_ = map.text, bg_geo_file_ = map.button;
    add_member_callback<ObjectConfig, &ObjectConfig::bg_changed_cb>(bg_geo_text_, XmNvalueChangedCallback, window);
    add_member_callback<ObjectConfig, &ObjectConfig::bg_geo_cb>(bg_geo_file_, XmNactivateCallback, window);

    aligner.add_row(propagate_label, radio);
    aligner.add_row(bg_bitmap_label_, bg_bitmap_form_);
    aligner.add_row(bg_geo_label_, bg_geo_form_);
    aligner.finish();
}

bool DisplayPage::editable() const { return may_edit(modify_desc_agent_type_status_access); }

void DisplayPage::apply_rights()
{
    set_sensitive({propagate_on_, propagate_off_, bg_bitmap_label_, bg_bitmap_text_, bg_bitmap_file_, bg_geo_label_,
                   bg_geo_text_, bg_geo_file_},
                  editable());
}

void DisplayPage::set_propagate(char on)
{
    if (on)
        select_toggle(propagate_on_, propagate_off_);
    else
        select_toggle(propagate_off_, propagate_on_);
}

char DisplayPage::get_propagate() { return toggle_is_set(propagate_on_) ? 1 : 0; }

void DisplayPage::set_background(const RWCString& image, const RWCString& map)
{
    filling_ = true;
    set_field_text(bg_bitmap_text_, image);
    set_field_text(bg_geo_text_, map);
    filling_ = false;
}

void DisplayPage::get_background(RWCString& image, RWCString& map)
{
    image = field_text(bg_bitmap_text_);
    map = field_text(bg_geo_text_);
}

void DisplayPage::set_monitor(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                              long max_visible, long rotation)
{
    monitor().set(shown, hidden, max_visible, rotation);
}

void DisplayPage::get_monitor(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden, long& rotation)
{
    monitor().get(shown, hidden, rotation);
}

void DisplayPage::set_array(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                            QvTopoNode::ArrayOrientation orientation, unsigned long columns,
                            const QvTopoNode::ArrayCellSize& cell)
{
    array().set(shown, hidden, orientation, columns, cell);
}

void DisplayPage::get_array(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden,
                            QvTopoNode::ArrayOrientation& orientation, unsigned long& columns,
                            QvTopoNode::ArrayCellSize& cell)
{
    array().get(shown, hidden, orientation, columns, cell);
}

void DisplayPage::set_array_defaults() { array().set_defaults(); }

void DisplayPage::show_view_controls(bool shown)
{
    for (Widget widget : {bg_bitmap_label_, bg_bitmap_form_, bg_geo_label_, bg_geo_form_})
        set_managed(widget, shown);
}

// Hiding a section never built leaves it unbuilt.
void DisplayPage::show_monitor_section(bool shown)
{
    if (shown || monitor_.form())
        monitor().show(shown);
}

void DisplayPage::show_array_section(bool shown)
{
    if (shown || array_.form())
        array().show(shown);
}

void DisplayPage::background_edited()
{
    if (!filling_)
        mark_changed();
}

void DisplayPage::choose_background_file() { open_chooser(&DisplayPage::background_chosen); }

void DisplayPage::choose_map_file()
{
    open_chooser(&DisplayPage::map_chosen);
    const std::string directory = map_directory();
    if (!directory.empty())
        fchooser_default_file(directory.c_str(), "");
    mark_changed();
}

int DisplayPage::background_chosen(void* file_name)
{
    set_field_text(display_page->bg_bitmap_text_, static_cast<const char*>(file_name));
    fchooser_unmanage();
    return 1;
}

int DisplayPage::map_chosen(void* file_name)
{
    set_field_text(display_page->bg_geo_text_, static_cast<const char*>(file_name));
    fchooser_unmanage();
    return 1;
}

std::string DisplayPage::map_directory()
{
    if (const char* map_path = std::getenv("QV_MAPPATH"))
        return map_path;
    if (const char* home = std::getenv("QV_HOME"))
        return std::string(home) + "/mapdata/";
    return "";
}
