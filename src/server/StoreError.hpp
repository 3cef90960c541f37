// A failure of the database itself (not of a request's content).
#pragma once

#include <stdexcept>
#include <string>

namespace qv::server {

class StoreError : public std::runtime_error {
public:
    explicit StoreError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace qv::server
