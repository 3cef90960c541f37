#include "ui/CoordPage.hpp"

#include <cstdio>

#include <Xm/RowColumn.h>
#include <Xm/Text.h>
#include <Xm/ToggleB.h>

#include "gui/MemberCallback.hpp"
#include "gui/WidgetMaker.hpp"
#include "process/Catalogue.hpp"
#include "process/Rights.hpp"
#include "ui/ObjectConfig.hpp"
#include "ui/PageWidgets.hpp"
#include "widgets/CaptionLayout.hpp"

CoordPage* coord_page = nullptr;

namespace {

Widget coordinate_field(ObjectConfig* window, Widget parent, const char* name, short columns)
{
    Widget field = make_text_field(parent, name, Args().add(XmNcolumns, columns));
    add_member_callback<ObjectConfig, &ObjectConfig::coord_change_cb>(field, XmNmodifyVerifyCallback, window);
    return field;
}

std::string decimal(long value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%ld", value);
    return buffer;
}

}  // namespace

CoordPage::CoordPage(ObjectConfig* window) : Page(window->book().coord_form())
{
    build(window);
    apply_rights();
}

void CoordPage::build(ObjectConfig* window)
{
    Args aligner_args;
    aligner_args.add(XmNtopAttachment, XmATTACH_FORM)
        .add(XmNleftAttachment, XmATTACH_FORM)
        .add(XmNmarginWidth, 10)
        .add(XmNmarginHeight, 10);
    CaptionLayout aligner(container(), "widget4", 10, 12, aligner_args);
    Widget logical_label = make_label(aligner.form(), "logicallabel", cat_text(kToolSet, 68, "Logical (pixels) :"));
    Widget logical_row = make_row(aligner.form(), "rowcol10");
    x_field_ = coordinate_field(window, logical_row, "xvaltextfield", 8);
    make_label(logical_row, "xvallabel", cat_text(kToolSet, 69, "x"));
    y_field_ = coordinate_field(window, logical_row, "yvaltextfield", 8);
    make_label(logical_row, "yvallabel", cat_text(kToolSet, 70, "y"));

    Widget geo_label = make_widget(xmRowColumnWidgetClass, aligner.form(), "rowcol11",
                                   Args().add(XmNmarginHeight, 0).add(XmNentryAlignment, XmALIGNMENT_END));
    make_label(geo_label, "geographylabel", cat_text(kToolSet, 71, "Geographical :"));
    make_label(geo_label, "geo_example_label", cat_text(kToolSet, 72, "(dd:mm:ss.ss)"));
    Widget geo_rows = make_widget(xmRowColumnWidgetClass, aligner.form(), "coordgeorowcol",
                                  Args().add(XmNmarginHeight, 0).add(XmNmarginWidth, 0));
    north_south_ = build_group(window, geo_rows,
                               {"rowcol12", "nsdd", "nsmm", "nsssss", "nsradiobox", "northbutton", "southbutton",
                                73, "N", "S"});
    east_west_ = build_group(window, geo_rows,
                             {"rowcol13", "ewdd", "ewmm", "ewssss", "ewradiobox", "eastbutton", "westbutton", 75,
                              "E", "W"});

    aligner.add_row(logical_label, logical_row);
    aligner.add_row(geo_label, geo_rows);
    aligner.finish();
}

CoordPage::GeoGroup CoordPage::build_group(ObjectConfig* window, Widget parent, const GroupSpec& spec)
{
    GeoGroup group;
    Widget line = make_row(parent, spec.row);
    group.degrees = coordinate_field(window, line, spec.degrees, 4);
    group.minutes = coordinate_field(window, line, spec.minutes, 3);
    group.seconds = coordinate_field(window, line, spec.seconds, 6);
    Widget radio = make_radio_box(line, spec.radio);
    group.positive = make_toggle(radio, spec.positive, cat_text(kToolSet, spec.positive_label, spec.positive_text));
    group.negative =
        make_toggle(radio, spec.negative, cat_text(kToolSet, spec.positive_label + 1, spec.negative_text));
    select_toggle(group.positive, group.negative);
    add_member_callback<ObjectConfig, &ObjectConfig::coord_button_change_cb>(group.positive,
                                                                             XmNvalueChangedCallback, window);
    return group;
}

void CoordPage::apply_rights()
{
    const bool editable = may_edit(modify_coordinates_access);
    set_sensitive({x_field_, y_field_}, editable);
    for (const GeoGroup* group : {&north_south_, &east_west_})
        set_sensitive({group->degrees, group->minutes, group->seconds, group->positive, group->negative}, editable);
}

void CoordPage::set_coord(const QvTopoNode::Location& location)
{
    set_field_text(x_field_, decimal(location.x));
    set_field_text(y_field_, decimal(location.y));
    last_location_ = location;
}

void CoordPage::set_coord(const QvTopoNode::GeoLocation& location)
{
    show_group(north_south_, location.latitude, 1);
    show_group(east_west_, location.longitude, 0);
    last_geo_ = location;
}

void CoordPage::show_group(const GeoGroup& group, double value, char kind)
{
    const GeoFields fields = geo_to_fields(value, kind);
    set_field_text(group.degrees, fields.degrees);
    set_field_text(group.minutes, fields.minutes);
    set_field_text(group.seconds, fields.seconds);
    if (fields.direction == DIR_SOUTH_WEST)
        select_toggle(group.negative, group.positive);
    else
        select_toggle(group.positive, group.negative);
}

double CoordPage::read_group(const GeoGroup& group, char kind) const
{
    GeoFields fields;
    fields.degrees = field_text(group.degrees);
    fields.minutes = field_text(group.minutes);
    fields.seconds = field_text(group.seconds);
    fields.direction = toggle_is_set(group.positive) ? DIR_NORTH_EAST : DIR_SOUTH_WEST;
    return geo_from_fields(fields, kind);
}

QvTopoNode::Location CoordPage::get_coord()
{
    QvTopoNode::Location location;
    location.x = static_cast<std::int32_t>(logical_from_text(field_text(x_field_)));
    location.y = static_cast<std::int32_t>(logical_from_text(field_text(y_field_)));
    location.z = 0;
    return location;
}

QvTopoNode::GeoLocation CoordPage::get_geo()
{
    QvTopoNode::GeoLocation location;
    location.latitude = read_group(north_south_, 1);
    location.longitude = read_group(east_west_, 0);
    return location;
}

void CoordPage::coord_changed()
{
    if (get_coord() != last_location_ || get_geo() != last_geo_)
        mark_changed();
}

void CoordPage::verify_insertion(XtPointer call_data)
{
    auto* verify = static_cast<XmTextVerifyCallbackStruct*>(call_data);
    if (!verify || !verify->text || !verify->text->ptr)
        return;
    for (int i = 0; i < verify->text->length; ++i) {
        const char c = verify->text->ptr[i];
        if (c != '.' && (c < '0' || c > '9')) {
            verify->doit = False;
            return;
        }
    }
}
