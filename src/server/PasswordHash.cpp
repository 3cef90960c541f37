#include "server/PasswordHash.hpp"

#include <mutex>
#include <stdexcept>

#include <sodium.h>

namespace qv::server::password {
namespace {

// The libsodium "interactive" cost: about a tenth of a second and 64 MiB.
const unsigned long long kOps = crypto_pwhash_OPSLIMIT_INTERACTIVE;
const std::size_t kMem = crypto_pwhash_MEMLIMIT_INTERACTIVE;

const std::string& decoy_hash()
{
    static std::once_flag once;
    static std::string decoy;
    std::call_once(once, [] { decoy = hash("decoy password nobody has"); });
    return decoy;
}

}  // namespace

bool init() { return sodium_init() >= 0; }

std::string hash(const std::string& password)
{
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str(out, password.data(), password.size(), kOps, kMem) != 0)
        throw std::runtime_error("not enough memory to hash a password");
    return out;
}

bool verify(const std::string& hash, const std::string& password)
{
    if (hash.empty()) {
        const bool ignored = crypto_pwhash_str_verify(decoy_hash().c_str(), password.data(), password.size()) == 0;
        (void)ignored;
        return false;
    }
    return crypto_pwhash_str_verify(hash.c_str(), password.data(), password.size()) == 0;
}

}  // namespace qv::server::password
