// A topology type and the static kind tests on type names (answered from the
// types QvTopoPlatform read at initialisation).
#pragma once

#include "platform/QvObject.hpp"
#include "platform/QvTopoNodeDn.hpp"

class QvTopoType : public QvObject {
public:
    explicit QvTopoType(const QvTopoTypeDn& dn, Platform* platform = nullptr);

    // The names of the stored-data attributes the type declares, in order.
    QvStatus get_user_data_attribute_names(RWTValSlist<RWCString>& names) const;
    QvStatus get_kinds(RWTValSlist<RWCString>& kinds) const;

    static bool is_view(const RWCString& type_name);
    static bool is_device(const RWCString& type_name);
    static bool is_monitor(const RWCString& type_name);
    static bool is_array(const RWCString& type_name);
    static bool is_link(const RWCString& type_name);
    static bool is_bus(const RWCString& type_name);
    static bool is_container(const RWCString& type_name);

protected:
    void check_reply_attributes(ReplyReader& attrs) const override;
};
