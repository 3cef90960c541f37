// Shape checks on JSON values from requests and documents. Each names what it
// checks in the error text ("monitorRotation: expected an integer 0..359"),
// and throws RequestError with the code given (invalid value by default).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "protocol/Dn.hpp"
#include "server/RequestError.hpp"

namespace qv::server::check {

[[noreturn]] void fail(const std::string& what, const std::string& expected, ErrorCode code = ErrorCode::InvalidValue);

const std::string& string(const nlohmann::json& v, const std::string& what, ErrorCode code = ErrorCode::InvalidValue);
bool boolean(const nlohmann::json& v, const std::string& what, ErrorCode code = ErrorCode::InvalidValue);
std::int64_t integer(const nlohmann::json& v, const std::string& what, std::int64_t min, std::int64_t max,
                     ErrorCode code = ErrorCode::InvalidValue);
double number(const nlohmann::json& v, const std::string& what, double min, double max,
              ErrorCode code = ErrorCode::InvalidValue);
const nlohmann::json& array(const nlohmann::json& v, const std::string& what, ErrorCode code = ErrorCode::InvalidValue);
const nlohmann::json& object(const nlohmann::json& v, const std::string& what, ErrorCode code = ErrorCode::InvalidValue);
std::vector<std::string> strings(const nlohmann::json& v, const std::string& what,
                                 ErrorCode code = ErrorCode::InvalidValue);
// A member of an object that must be there.
const nlohmann::json& member(const nlohmann::json& obj, const std::string& name, const std::string& what,
                             ErrorCode code = ErrorCode::InvalidValue);
// Refuses members other than the allowed ones.
void only_members(const nlohmann::json& obj, const std::vector<std::string>& allowed, const std::string& what,
                  ErrorCode code = ErrorCode::InvalidValue);

// A distinguished name in its canonical spelling; code 9 when it is none.
std::string dn(const nlohmann::json& v, const std::string& what);
std::string dn_text(const std::string& text, const std::string& what);
// The same, parsed.
qv::dn::Dn canonical_dn(const std::string& text, const std::string& what);

inline constexpr std::int64_t kInt32Min = -2147483648LL;
inline constexpr std::int64_t kInt32Max = 2147483647LL;

}  // namespace qv::server::check
