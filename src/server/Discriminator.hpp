// Which notifications one connection receives: by object class and by
// notification type. An empty list admits everything of its kind.
#pragma once

#include <set>
#include <string>

namespace qv::server {

class Discriminator {
public:
    void replace(std::set<std::string> classes, std::set<std::string> types)
    {
        classes_ = std::move(classes);
        types_ = std::move(types);
    }
    bool admits(const std::string& cls, const std::string& type) const
    {
        return (classes_.empty() || classes_.count(cls)) && (types_.empty() || types_.count(type));
    }

private:
    std::set<std::string> classes_;
    std::set<std::string> types_;
};

}  // namespace qv::server
