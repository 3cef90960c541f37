// A topology node: the platform object the object properties tool edits.
#pragma once

#include <cstdint>
#include <set>

#include "platform/Morf.hpp"
#include "platform/QvObject.hpp"
#include "platform/QvTopoNodeDn.hpp"

class QvTopoNode : public QvObject {
public:
    struct Location {
        std::int32_t x = 0, y = 0, z = 0;
        bool operator==(const Location& o) const { return x == o.x && y == o.y && z == o.z; }
        bool operator!=(const Location& o) const { return !(*this == o); }
    };
    struct GeoLocation {
        double longitude = 0.0;  // east/west, negative west
        double latitude = 0.0;   // north/south, negative south
        bool operator==(const GeoLocation& o) const { return longitude == o.longitude && latitude == o.latitude; }
        bool operator!=(const GeoLocation& o) const { return !(*this == o); }
    };
    enum ArrayOrientation { Horizontal = 0, Vertical = 1 };
    struct ArrayCellSize {
        unsigned long width = 0;  // 0: fit the longest label
        unsigned long height = 25;
    };
    struct UserDatum {
        RWCString name;
        Morf value;
    };

    // Attribute numbers, for load_some_attributes.
    enum Attribute {
        AttrName = 1,
        AttrTypeName = 2,
        AttrUserData = 3,
        AttrManagedObjects = 4,
        AttrLogicalLocations = 5,
        AttrGeoLocation = 6,
        AttrSeverityPropagated = 7,
        AttrParents = 8,
        AttrLinks = 9,
        AttrBusLocations = 10,
        AttrMonitorMaxVisible = 11,
        AttrMonitorRotation = 12,
        AttrMonitorVisibleChildren = 13,
        AttrMonitorHiddenChildren = 14,
        AttrArrayVisibleChildren = 15,
        AttrArrayHiddenChildren = 16,
        AttrArrayOrientation = 17,
        AttrArrayNumColumns = 18,
        AttrArrayCellSize = 19,
        AttrViewBackgroundImage = 20,
        AttrViewMapFile = 21,
        AttrLast = 21,
    };
    // A set of attribute numbers; the capacity argument is accepted and unused.
    class AttributeSet {
    public:
        explicit AttributeSet(int capacity = 36) {}
        AttributeSet& insert(int attribute)
        {
            items_.insert(attribute);
            return *this;
        }
        bool contains(int attribute) const { return items_.count(attribute) > 0; }
        const std::set<int>& items() const { return items_; }

    private:
        std::set<int> items_;
    };
    // (0, 0): every attribute; (0, 1): name and type name only.
    static AttributeSet get_valid_attributes(int reserved, int names_only);
    static const char* attribute_name(int attribute);  // protocol name, or null

    explicit QvTopoNode(Platform* platform = nullptr);

    QvStatus set_dn(const QvTopoNodeDn& dn);
    QvTopoNodeDn get_dn() const;

    QvStatus load_some_attributes(const AttributeSet& attributes);
    // Creates the node; the server gives it its number, which get_dn() then returns.
    QvStatus create_with_all_attributes() override;

    QvStatus get_name(RWCString& name) const;
    QvStatus set_name(const RWCString& name);
    QvStatus get_type_name(RWCString& type) const;
    QvStatus set_type_name(const RWCString& type);

    QvStatus get_parents(RWTValSlist<QvTopoNodeDn>& parents) const;
    QvStatus set_parents(const RWTValSlist<QvTopoNodeDn>& parents);
    QvStatus add_parent(const QvTopoNodeDn& parent);  // no change when present

    QvStatus get_logical_location(const QvTopoNodeDn& parent, Location& location) const;
    QvStatus set_logical_location(const QvTopoNodeDn& parent, const Location& location);
    QvStatus get_geographical_location(GeoLocation& location, int& flags) const;
    QvStatus set_geographical_location(const GeoLocation& location, int flags);

    QvStatus get_is_severity_propagated(int& propagated) const;
    QvStatus set_is_severity_propagated(char propagated);

    QvStatus get_monitor_max_visible_children(long& max) const;
    QvStatus set_monitor_max_visible_children(long max);
    QvStatus get_monitor_rotation(long& rotation, int& flags) const;
    QvStatus set_monitor_rotation(long rotation, int flags);
    QvStatus get_monitor_visible_children(RWTValSlist<QvTopoNodeDn>& children) const;
    QvStatus set_monitor_visible_children(const RWTValSlist<QvTopoNodeDn>& children);
    QvStatus get_monitor_hidden_children(RWTValSlist<QvTopoNodeDn>& children) const;
    QvStatus set_monitor_hidden_children(const RWTValSlist<QvTopoNodeDn>& children);

    QvStatus get_array_visible_children(RWTValSlist<QvTopoNodeDn>& children) const;
    QvStatus set_array_visible_children(const RWTValSlist<QvTopoNodeDn>& children);
    QvStatus get_array_hidden_children(RWTValSlist<QvTopoNodeDn>& children) const;
    QvStatus set_array_hidden_children(const RWTValSlist<QvTopoNodeDn>& children);
    QvStatus get_array_orientation(ArrayOrientation& orientation) const;
    QvStatus set_array_orientation(ArrayOrientation orientation);
    QvStatus get_array_num_columns(unsigned long& columns) const;
    QvStatus set_array_num_columns(unsigned long columns);
    QvStatus get_array_cell_size(ArrayCellSize& size) const;
    QvStatus set_array_cell_size(const ArrayCellSize& size);

    QvStatus get_view_background_image_filename(RWCString& file) const;
    QvStatus set_view_background_image_filename(const RWCString& file);
    QvStatus get_view_map_config_filename(RWCString& file) const;
    QvStatus set_view_map_config_filename(const RWCString& file);

    // Values come with the syntax of their attribute (looked up on the server).
    QvStatus get_user_data(RWTValSlist<UserDatum>& data) const;
    QvStatus set_user_data(const RWTValSlist<UserDatum>& data);

    QvStatus get_managed_objects(RWTValSlist<RWCString>& dns) const;
    QvStatus set_managed_objects(const RWTValSlist<RWCString>& dns);

    QvStatus get_links(RWTValSlist<QvTopoNodeDn>& ends) const;
    QvStatus set_links(const RWTValSlist<QvTopoNodeDn>& ends);
    QvStatus get_bus_logical_locations(RWTValSlist<Location>& points) const;
    QvStatus set_bus_logical_locations(const RWTValSlist<Location>& points);

    // Asks the server; one name per path from a root view, "World/Europe/x".
    QvStatus get_topology_pathnames(RWTValSlist<RWCString>& pathnames) const;

protected:
    void check_reply_attributes(ReplyReader& attrs) const override;
};
