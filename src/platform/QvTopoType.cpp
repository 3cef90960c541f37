#include "platform/QvTopoType.hpp"

#include <algorithm>

#include "platform/QvTopoPlatform.hpp"
#include "platform/ReplyReader.hpp"

namespace {

bool has_kind(const RWCString& type_name, const char* kind)
{
    const QvTopoPlatform* topo = QvTopoPlatform::instance();
    if (!topo)
        return false;
    const auto& kinds = topo->kinds_of(type_name);
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

}  // namespace

QvTopoType::QvTopoType(const QvTopoTypeDn& dn, Platform* platform) : QvObject("topoType", platform)
{
    set_dn_text(dn.to_string());
}

void QvTopoType::check_reply_attributes(ReplyReader& attrs) const
{
    attrs.text_or("name", "");
    attrs.texts_or_empty("kinds");
    attrs.texts_or_empty("attributes");
}

QvStatus QvTopoType::get_user_data_attribute_names(RWTValSlist<RWCString>& names) const
{
    return get_strings("attributes", names);
}

QvStatus QvTopoType::get_kinds(RWTValSlist<RWCString>& kinds) const { return get_strings("kinds", kinds); }

bool QvTopoType::is_view(const RWCString& type_name) { return has_kind(type_name, "view"); }
bool QvTopoType::is_device(const RWCString& type_name) { return has_kind(type_name, "device"); }
bool QvTopoType::is_monitor(const RWCString& type_name) { return has_kind(type_name, "monitor"); }
bool QvTopoType::is_array(const RWCString& type_name) { return has_kind(type_name, "array"); }
bool QvTopoType::is_link(const RWCString& type_name) { return has_kind(type_name, "link"); }
bool QvTopoType::is_bus(const RWCString& type_name) { return has_kind(type_name, "bus"); }
bool QvTopoType::is_container(const RWCString& type_name) { return has_kind(type_name, "container"); }
