// The RPC proxy agent through which the server reaches the RPC agents of one
// host; each schema names an RPC agent or proxy and the host it runs on.
#pragma once

#include "platform/QvAgentObject.hpp"

class QvRpcAgent : public QvProxyAgent {
public:
    struct Schema {
        Schema() = default;
        Schema(RWCString schema_name, RWCString schema_host) : name(std::move(schema_name)), host(std::move(schema_host)) {}
        bool operator==(const Schema& o) const { return name == o.name && host == o.host; }
        bool operator!=(const Schema& o) const { return !(*this == o); }
        RWCString name;
        RWCString host;
    };

    explicit QvRpcAgent(const QvRpcAgentDn& dn, Platform* platform = nullptr)
        : QvProxyAgent("rpcProxyAgent", dn, platform)
    {
    }

    QvStatus get_schemas(RWTValSlist<Schema>& schemas) const;
    QvStatus set_schemas(const RWTValSlist<Schema>& schemas);
};
