// The attributes of a topology node: their defaults, the checks on each
// value (shape, range, referenced nodes, stored-data syntax) and the
// canonical form stored, so that an unchanged value written back compares equal.
#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "server/SyntaxStore.hpp"
#include "server/TopoIndex.hpp"
#include "server/TypeCatalog.hpp"

namespace qv::server {

class NodeSchema {
public:
    NodeSchema(TopoIndex& index, SyntaxStore& syntaxes, TypeCatalog& types)
        : index_(index), syntaxes_(syntaxes), types_(types)
    {
    }

    static const std::vector<std::string>& attribute_names();
    static bool is_reference_attribute(const std::string& attr);
    // The attributes listing nodes, in the order references() gives them
    // (the locations' parents come after them).
    static const std::vector<std::string>& node_list_attributes();
    // The value of an attribute a node never had set.
    static nlohmann::json default_value(const std::string& attr);
    // Stored attributes completed with the defaults of the missing ones.
    static nlohmann::json with_defaults(nlohmann::json stored);
    // The same on the stored text, appended to out as JSON text (keys
    // sorted, as with_defaults(...).dump() spells them); false, and nothing
    // appended, when the text is not an object's.
    static bool append_with_defaults(std::string_view stored, std::string& out);

    // The canonical form of a value; RequestError when it is not acceptable.
    nlohmann::json normalize(const std::string& attr, const nlohmann::json& value);
    // The checks of normalize on a name and a type name given as text.
    static void check_name(const std::string& name);
    void check_type(const std::string& type);
    // Every node the attributes refer to, for the reference index.
    static std::vector<NodeReference> references(const nlohmann::json& attrs);

    // For the loader, which holds the only write transaction: referenced
    // nodes are not looked up (it checks them once the document is in), and
    // the types found stay known for the rest of the load.
    void set_loading(bool loading)
    {
        loading_ = loading;
        known_types_.clear();
    }

private:
    nlohmann::json node_list(const std::string& attr, const nlohmann::json& value);
    std::string node_dn(const nlohmann::json& value, const std::string& what);
    nlohmann::json logical_locations(const nlohmann::json& value);
    nlohmann::json user_data(const nlohmann::json& value);

    TopoIndex& index_;
    SyntaxStore& syntaxes_;
    TypeCatalog& types_;
    bool loading_ = false;
    std::set<std::string> known_types_;
};

}  // namespace qv::server
