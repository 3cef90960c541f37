// The "Coordinates" page: the object's logical position in its parent view
// and its geographical position in degrees, minutes and seconds. The texts
// and values are converted by the model's coordinate rules; the page keeps
// what it was last given so that Apply writes only what changed.
#pragma once

#include <X11/Intrinsic.h>

#include "model/CoordText.hpp"
#include "model/Views.hpp"
#include "ui/Page.hpp"

class ObjectConfig;

class CoordPage : public Page, public CoordView {
public:
    // Builds the page on the window's "coord_form"; without the right to
    // modify coordinates (and not creating) every field and toggle is
    // insensitive.
    explicit CoordPage(ObjectConfig* window);

    void set_coord(const QvTopoNode::Location& location) override;
    void set_coord(const QvTopoNode::GeoLocation& location) override;
    QvTopoNode::Location get_coord() override;
    QvTopoNode::GeoLocation get_geo() override;
    QvTopoNode::Location last_location() const override { return last_location_; }
    QvTopoNode::GeoLocation last_geo() const override { return last_geo_; }
    void coord_changed() override;
    char changed() const override { return is_changed(); }
    void clear_changed() override { clear_changed_flag(); }

    // The modify-verify rule of the eight fields: an insertion of anything
    // but digits and points is refused.
    static void verify_insertion(XtPointer call_data);

private:
    // One geographical group: degrees, minutes, seconds and a hemisphere pair.
    struct GeoGroup {
        Widget degrees = nullptr, minutes = nullptr, seconds = nullptr;
        Widget positive = nullptr;  // north or east
        Widget negative = nullptr;  // south or west
    };

    // The widget names and hemisphere labels of one group.
    struct GroupSpec {
        const char* row;
        const char* degrees;
        const char* minutes;
        const char* seconds;
        const char* radio;
        const char* positive;
        const char* negative;
        int positive_label;  // catalogue number; the negative one follows
        const char* positive_text;
        const char* negative_text;
    };

    void build(ObjectConfig* window);
    GeoGroup build_group(ObjectConfig* window, Widget parent, const GroupSpec& spec);
    void show_group(const GeoGroup& group, double value, char kind);
    double read_group(const GeoGroup& group, char kind) const;
    void apply_rights();

    Widget x_field_ = nullptr;
    Widget y_field_ = nullptr;
    GeoGroup north_south_;
    GeoGroup east_west_;
    QvTopoNode::Location last_location_;
    QvTopoNode::GeoLocation last_geo_;
};

extern CoordPage* coord_page;
