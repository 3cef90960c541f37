// What every agent managed object has: an administrative state, and typed
// access to its attributes in the cache of QvObject.
#pragma once

#include "platform/QvAgentDn.hpp"
#include "platform/QvObject.hpp"

class QvAgentObject : public QvObject {
public:
    enum AdministrativeState : long { Locked = 0, Unlocked = 1, ShuttingDown = 2 };

    QvStatus get_administrative_state(long& state) const { return get_long("administrativeState", state); }
    QvStatus set_administrative_state(long state) { return put("administrativeState", state); }

protected:
    QvAgentObject(const char* objclass, const QvAgentDn& dn, Platform* platform);
    // The attributes of the three agent classes (their names do not clash).
    void check_reply_attributes(ReplyReader& attrs) const override;
    QvStatus put(const char* attribute, nlohmann::json value)
    {
        set_attribute(attribute, std::move(value));
        return QvStatus::success();
    }
};

// SNMP and RPC proxy agents: both carry a read and a write community.
class QvProxyAgent : public QvAgentObject {
public:
    QvStatus get_get_community_string(RWCString& community) const { return get_string("getCommunity", community); }
    QvStatus set_get_community_string(const RWCString& community) { return put("getCommunity", community); }
    QvStatus get_set_community_string(RWCString& community) const { return get_string("setCommunity", community); }
    QvStatus set_set_community_string(const RWCString& community) { return put("setCommunity", community); }

protected:
    using QvAgentObject::QvAgentObject;
};
