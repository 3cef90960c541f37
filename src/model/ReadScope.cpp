#include "model/ReadScope.hpp"

#include <algorithm>
#include <map>

namespace {

struct Read {
    QvTopoNode node;
    std::set<int> attributes;
};

struct Scope {
    int depth = 0;
    std::map<std::string, Read> reads;  // by DN
    std::string shown;                  // the DN the pages show, if read here
};

Scope& scope()
{
    static Scope open;
    return open;
}

}  // namespace

ReadScope::ReadScope() : outermost_(scope().depth == 0) { ++scope().depth; }

ReadScope::~ReadScope()
{
    --scope().depth;
    if (outermost_)
        forget();
}

QvStatus ReadScope::load(QvTopoNode& node, const QvTopoNode::AttributeSet& attributes)
{
    Scope& s = scope();
    if (s.depth > 0) {
        const auto it = s.reads.find(node.dn_text());
        if (it != s.reads.end() && it->second.node.platform() == node.platform() &&
            std::includes(it->second.attributes.begin(), it->second.attributes.end(), attributes.items().begin(),
                          attributes.items().end())) {
            node = it->second.node;
            return QvStatus::success();
        }
    }
    const QvStatus loaded = node.load_some_attributes(attributes);
    if (loaded && s.depth > 0) {
        Read& read = s.reads[node.dn_text()];
        // The wider read is kept: a names-only load after a whole one is
        // still served, a whole one after a names-only one replaces it.
        if (!std::includes(read.attributes.begin(), read.attributes.end(), attributes.items().begin(),
                           attributes.items().end())) {
            read.node = node;
            read.attributes = attributes.items();
        }
    }
    return loaded;
}

QvStatus ReadScope::load(QvTopoNode& node) { return load(node, QvTopoNode::get_valid_attributes(0, 0)); }

bool ReadScope::shows(const std::string& dn)
{
    const Scope& s = scope();
    return s.depth > 0 && !dn.empty() && s.shown == dn && s.reads.count(dn);
}

void ReadScope::mark_shown(const std::string& dn)
{
    if (scope().depth > 0)
        scope().shown = dn;
}

void ReadScope::pages_changed() { scope().shown.clear(); }

void ReadScope::forget()
{
    scope().reads.clear();
    scope().shown.clear();
}
