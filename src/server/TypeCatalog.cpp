#include "server/TypeCatalog.hpp"

#include <algorithm>

#include "protocol/Dn.hpp"

namespace qv::server {
namespace {

std::vector<std::string> string_list(const nlohmann::json& attrs, const char* name)
{
    std::vector<std::string> out;
    auto it = attrs.find(name);
    if (it != attrs.end() && it->is_array())
        for (const auto& v : *it)
            if (v.is_string())
                out.push_back(v.get<std::string>());
    return out;
}

}  // namespace

bool TopoType::has_kind(const std::string& kind) const
{
    return std::find(kinds.begin(), kinds.end(), kind) != kinds.end();
}

TypeCatalog::TypeCatalog(ObjectStore& objects, std::string local_system)
    : objects_(objects), system_dn_(qv::dn::format(qv::dn::system_dn(local_system)))
{
}

std::string TypeCatalog::dn_of(const std::string& type_name) const
{
    return system_dn_ + "/topoTypeId=" + qv::dn::quote(type_name);
}

std::optional<TopoType> TypeCatalog::find(const std::string& type_name)
{
    auto object = objects_.find(dn_of(type_name));
    if (!object || object->cls != "topoType")
        return std::nullopt;
    return from_object(*object);
}

std::vector<TopoType> TypeCatalog::all()
{
    std::vector<TopoType> out;
    for (const auto& ref : objects_.children(system_dn_, "topoType")) {
        if (auto object = objects_.find(ref.dn))
            out.push_back(from_object(*object));
    }
    std::sort(out.begin(), out.end(), [](const TopoType& a, const TopoType& b) { return a.name < b.name; });
    return out;
}

const std::vector<std::string>& TypeCatalog::kind_words()
{
    static const std::vector<std::string> words{"view", "device", "monitor", "array", "link", "bus", "container"};
    return words;
}

TopoType TypeCatalog::from_object(const StoredObject& object)
{
    TopoType t;
    t.dn = object.dn;
    auto name = object.attrs.find("name");
    t.name = name != object.attrs.end() && name->is_string() ? name->get<std::string>() : std::string();
    t.kinds = string_list(object.attrs, "kinds");
    t.attributes = string_list(object.attrs, "attributes");
    return t;
}

}  // namespace qv::server
