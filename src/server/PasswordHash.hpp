// Argon2id password hashes (libsodium). Slow on purpose: call off the
// network thread.
#pragma once

#include <string>

namespace qv::server::password {

// Initialises libsodium; false when it cannot be used.
bool init();
// The encoded hash of a password; throws std::runtime_error when out of memory.
std::string hash(const std::string& password);
// True when password matches the hash. An empty hash matches nothing but
// costs as much as a real check, so that unknown users take as long.
bool verify(const std::string& hash, const std::string& password);

}  // namespace qv::server::password
