// The rights a user may hold and what each write needs.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace qv::server::rights {

inline const std::string kRunObjectProperties = "RunObjectProperties";
inline const std::string kCreateObjects = "CreateObjects";
inline const std::string kModifyCoordinates = "ModifyCoordinates";
inline const std::string kModifyBackgroundImage = "ModifyBackgroundImage";
inline const std::string kModifyDescrAgentTypeStatus = "ModifyDescrAgentTypeStatus";
inline const std::string kAdmin = "Admin";
// Reading the audit trail without the other powers of Admin.
inline const std::string kReadAudit = "ReadAudit";

const std::vector<std::string>& all();
bool is_known(const std::string& right);

// The rights any one of which allows changing attribute attr of a topology node.
std::vector<std::string> for_node_attribute(const std::string& attr);
// The rights any one of which allows writing (creating, changing, deleting)
// an object of class cls other than a topology node.
std::vector<std::string> for_object_class(const std::string& cls);

// True when held contains one of needed; else throws RequestError (code 5)
// with a text naming what was refused, e.g.
// "Not authorized: changing geoLocation needs the right ModifyCoordinates".
void require(const std::set<std::string>& held, const std::vector<std::string>& needed, const std::string& what);

}  // namespace qv::server::rights
