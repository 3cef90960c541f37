// The name of a topology node: a system name and a number, spelt
// /systemId=name:"<system>"/topoNodeId=<number>.
#pragma once

#include <string>

#include "platform/Types.hpp"

class QvTopoNodeDn {
public:
    QvTopoNodeDn() = default;
    QvTopoNodeDn(RWCString system, long id) : system_(std::move(system)), id_(id) {}
    // From the DN text; invalid() when it names no topology node.
    static QvTopoNodeDn from_string(const std::string& dn);

    const RWCString& system_name() const { return system_; }
    long id() const { return id_; }
    bool valid() const { return id_ > 0 && !system_.empty(); }
    std::string to_string() const;

    bool operator==(const QvTopoNodeDn& o) const { return id_ == o.id_ && system_ == o.system_; }
    bool operator!=(const QvTopoNodeDn& o) const { return !(*this == o); }
    bool operator<(const QvTopoNodeDn& o) const
    {
        return system_ < o.system_ || (system_ == o.system_ && id_ < o.id_);
    }

private:
    RWCString system_;
    long id_ = 0;
};

class QvTopoTypeDn {
public:
    QvTopoTypeDn() = default;
    QvTopoTypeDn(RWCString system, RWCString type_name) : system_(std::move(system)), name_(std::move(type_name)) {}
    static QvTopoTypeDn from_string(const std::string& dn);

    const RWCString& system_name() const { return system_; }
    // The type's name.
    const RWCString& unique_name() const { return name_; }
    std::string to_string() const;
    bool operator==(const QvTopoTypeDn& o) const { return name_ == o.name_ && system_ == o.system_; }

private:
    RWCString system_;
    RWCString name_;
};
