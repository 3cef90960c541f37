#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "platform/TlsChannel.hpp"

namespace {

// lib/libqvtls.so beside the running program's bin/ (the build tree and the
// installed tree have the same shape).
std::string module_path()
{
    char exe[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", exe, sizeof exe - 1);
    std::string dir = n > 0 ? std::string(exe, static_cast<std::size_t>(n)) : std::string();
    dir = dir.substr(0, dir.find_last_of('/') + 1);
    return dir + "../lib/libqvtls.so";
}

}  // namespace

std::unique_ptr<TlsChannel> make_tls_channel(std::string& why)
{
    struct Module {
        void* handle = nullptr;
        std::string error;
    };
    // Loaded once, by whichever thread asks first, and kept: channels made
    // by it may live until the exit.
    static const Module module = [] {
        Module m;
        const std::string path = module_path();
        m.handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!m.handle) {
            const char* text = ::dlerror();  // names the file
            m.error = std::string("cannot load the TLS module: ") + (text ? text : path.c_str());
        }
        return m;
    }();
    if (!module.handle) {
        why = module.error;
        return nullptr;
    }
    auto make = reinterpret_cast<TlsChannel* (*)()>(::dlsym(module.handle, "qv_tls_channel_new"));
    if (!make) {
        why = "the TLS module has no entry point qv_tls_channel_new";
        return nullptr;
    }
    return std::unique_ptr<TlsChannel>(make());
}
