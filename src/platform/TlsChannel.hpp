// TLS over a connected non-blocking socket. OpenSSL is mapped only by a
// client that speaks TLS: the channel lives in a module of its own,
// libqvtls.so beside the programs' lib directory, loaded on the first TLS
// connection. A client on loopback without QV_TLS_CA never maps it.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

class TlsChannel {
public:
    // What a step did, or what it waits for before it can go on.
    enum class Step { Done, WantRead, WantWrite, Closed, Failed };

    virtual ~TlsChannel() = default;
    // Prepares a client channel on fd that trusts only ca_file's authority
    // and wants a certificate naming host; false with why set on failure.
    virtual bool open(int fd, const std::string& ca_file, const std::string& host, std::string& why) = 0;
    // One step of the handshake; on Failed, why says what went wrong.
    virtual Step handshake(std::string& why) = 0;
    virtual Step write(const char* data, std::size_t size, std::size_t& written, std::string& why) = 0;
    virtual Step read(char* buffer, std::size_t size, std::size_t& got, std::string& why) = 0;
    // Decrypted bytes are waiting to be read.
    virtual bool pending() const = 0;
    // Tells the peer the end is wanted (not waited for).
    virtual void shutdown() = 0;
};

// The module's channel, or null with why set when the module cannot be loaded.
std::unique_ptr<TlsChannel> make_tls_channel(std::string& why);

// The module's entry point.
extern "C" TlsChannel* qv_tls_channel_new();
