// The "Display" page: severity propagation, the background image and map of
// a view, and the monitor and array sections. It turns these controls into
// the values the model exchanges with the object and back; the main window's
// callbacks land in the editing operations below.
#pragma once

#include <string>

#include <X11/Intrinsic.h>

#include "model/Views.hpp"
#include "ui/ArraySection.hpp"
#include "ui/MonitorSection.hpp"
#include "ui/Page.hpp"

class ObjectConfig;

class DisplayPage : public Page, public DisplayView {
public:
    // Builds the page on the window's "display_form"; without the right to
    // modify descriptions (and not creating) every control is insensitive.
    // The monitor and array sections are built, hidden and with the layout
    // of a new array, when first used: most objects are neither.
    explicit DisplayPage(ObjectConfig* window);

    void set_propagate(char on) override;
    char get_propagate() override;
    void set_background(const RWCString& image, const RWCString& map) override;
    void get_background(RWCString& image, RWCString& map) override;
    void set_monitor(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden, long max_visible,
                     long rotation) override;
    void get_monitor(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden, long& rotation) override;
    void set_array(const RWTValSlist<RWCString>& shown, const RWTValSlist<RWCString>& hidden,
                   QvTopoNode::ArrayOrientation orientation, unsigned long columns,
                   const QvTopoNode::ArrayCellSize& cell) override;
    void get_array(RWTValSlist<RWCString>& shown, RWTValSlist<RWCString>& hidden,
                   QvTopoNode::ArrayOrientation& orientation, unsigned long& columns,
                   QvTopoNode::ArrayCellSize& cell) override;
    void set_array_defaults() override;
    void show_view_controls(bool shown) override;
    void show_monitor_section(bool shown) override;
    void show_array_section(bool shown) override;
    char changed() const override { return is_changed(); }
    void clear_changed() override { clear_changed_flag(); }

    long get_max_visible() const { return monitor_.max_visible(); }
    // The sections, built on first use; has_monitor/has_array ask without.
    MonitorSection& monitor();
    ArraySection& array();
    bool has_monitor() const { return monitor_.form() != nullptr; }
    bool has_array() const { return array_.form() != nullptr; }

    // A text edit of a file name; filling the page is not an edit.
    void background_edited();
    // The "..." buttons: the file chooser in file-name mode; its OK puts the
    // name into the field. The map chooser starts in the map directory.
    void choose_background_file();
    void choose_map_file();

    // Where map files are: QV_MAPPATH, else QV_HOME followed by
    // "/mapdata/", else "".
    static std::string map_directory();

private:
    void build(ObjectConfig* window);
    void apply_rights();
    bool editable() const;
    template <class Section>
    Section& built(Section& section, bool array);
    // The chooser's completions: the name goes into the field, the chooser
    // closes.
    static int background_chosen(void* file_name);
    static int map_chosen(void* file_name);

    Widget propagate_on_ = nullptr, propagate_off_ = nullptr;
    Widget bg_bitmap_label_ = nullptr, bg_bitmap_form_ = nullptr, bg_bitmap_text_ = nullptr,
           bg_bitmap_file_ = nullptr;
    Widget bg_geo_label_ = nullptr, bg_geo_form_ = nullptr, bg_geo_text_ = nullptr, bg_geo_file_ = nullptr;
    ObjectConfig* window_;
    MonitorSection monitor_;
    ArraySection array_;
    bool filling_ = false;
};

extern DisplayPage* display_page;
