// One environment variable set (or removed) for the life of the object; the
// value it had before, or its absence, comes back at the end.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace qv::test {

class ScopedEnv {
public:
    // A null value removes the variable.
    ScopedEnv(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name))
            old_ = old;
        set(value);
    }
    ~ScopedEnv() { set(old_ ? old_->c_str() : nullptr); }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void set(const char* value)
    {
        if (value)
            setenv(name_.c_str(), value, 1);
        else
            unsetenv(name_.c_str());
    }

private:
    std::string name_;
    std::optional<std::string> old_;
};

}  // namespace qv::test
