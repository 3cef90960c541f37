// The topology side of the connection: types, lookups by name, systems.
#pragma once

#include <map>

#include "platform/Platform.hpp"
#include "platform/QvTopoNodeDn.hpp"

class QvTopoPlatform {
public:
    // Once after connecting. The types are read from the server by the first
    // call that needs them (find_all_types, kinds_of, full_attribute_name),
    // so start-up asks for them once.
    static QvStatus initialize(Platform& platform, int reserved);
    static QvTopoPlatform* instance();  // null before initialize

    Platform& platform() const { return *platform_; }

    QvStatus find_all_types(RWTValSlist<QvTopoTypeDn>& types);
    // An empty systems list means every system.
    QvStatus find_nodes_by_name(const RWCString& name, const RWTValSlist<RWCString>& systems,
                                RWTValSlist<QvTopoNodeDn>& nodes);
    RWCString local_system_name() const;
    RWTValSlist<RWCString> system_names();
    // The CMIP agent entity serving the object named dn.
    QvStatus managed_object_to_cmip_agent(const RWCString& dn, class QvCmipAgentDn& agent);

    // Kinds of a type name as last read; empty when unknown.
    const RWTValSlist<RWCString>& kinds_of(const RWCString& type_name) const;
    // The stored-data attributes a type declares, in order, as last read;
    // null for a type the server did not list.
    const RWTValSlist<RWCString>* attributes_of(const RWCString& type_name) const;
    // The stored-data attribute a type declares whose name, less any module
    // prefix ("Acme:"), is short_name; short_name itself when none does.
    RWCString full_attribute_name(const RWCString& short_name) const;

private:
    explicit QvTopoPlatform(Platform& platform) : platform_(&platform) {}
    QvStatus read_types(RWTValSlist<QvTopoTypeDn>* types);
    // Reads the types when no read has succeeded yet.
    void ensure_types() const;

    Platform* platform_;
    std::map<RWCString, RWTValSlist<RWCString>> kinds_;
    std::map<RWCString, RWTValSlist<RWCString>> attributes_;
    std::map<RWCString, RWCString> attribute_by_short_name_;
    bool types_read_ = false;
};
