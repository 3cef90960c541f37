// topo.types, topo.find_by_name, topo.pathnames, topo.system_names,
// topo.cmip_agent_for and syntax.
#pragma once

#include "server/Dispatcher.hpp"
#include "server/SyntaxStore.hpp"
#include "server/TopologyQueries.hpp"
#include "server/TypeCatalog.hpp"

namespace qv::server {

class TopologyOps {
public:
    TopologyOps(TopologyQueries& queries, TopoIndex& index, TypeCatalog& types, SyntaxStore& syntaxes)
        : queries_(queries), index_(index), types_(types), syntaxes_(syntaxes)
    {
    }
    void register_in(Dispatcher& dispatcher);

private:
    nlohmann::json types();
    nlohmann::json syntax(Call& call);

    TopologyQueries& queries_;
    TopoIndex& index_;
    TypeCatalog& types_;
    SyntaxStore& syntaxes_;
};

}  // namespace qv::server
