// The TLS channel of the client library, over OpenSSL (the module
// libqvtls.so; see platform/TlsChannel.hpp).
#include <arpa/inet.h>
#include <openssl/err.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <algorithm>

#include "platform/TlsChannel.hpp"

namespace {

std::string tls_error_text()
{
    const unsigned long e = ERR_get_error();
    char text[256] = "the connection was closed";
    if (e != 0)
        ERR_error_string_n(e, text, sizeof text);
    return text;
}

bool is_ip_address(const std::string& host)
{
    unsigned char bytes[16];
    return inet_pton(AF_INET, host.c_str(), bytes) == 1 || inet_pton(AF_INET6, host.c_str(), bytes) == 1;
}

class OpenSslChannel final : public TlsChannel {
public:
    ~OpenSslChannel() override
    {
        if (tls_)
            SSL_free(tls_);
        if (context_)
            SSL_CTX_free(context_);
    }

    bool open(int fd, const std::string& ca_file, const std::string& host, std::string& why) override
    {
        context_ = SSL_CTX_new(TLS_client_method());
        if (!context_)
            return fail(tls_error_text(), why);
        SSL_CTX_set_min_proto_version(context_, TLS1_2_VERSION);
        if (SSL_CTX_load_verify_locations(context_, ca_file.c_str(), nullptr) != 1)
            return fail("cannot read the certificate authority file " + ca_file + " (QV_TLS_CA)", why);
        SSL_CTX_set_verify(context_, SSL_VERIFY_PEER, nullptr);
        tls_ = SSL_new(context_);
        if (!tls_ || SSL_set_fd(tls_, fd) != 1)
            return fail(tls_error_text(), why);
        // The certificate must name the host asked for, not only be signed.
        X509_VERIFY_PARAM* param = SSL_get0_param(tls_);
        if (is_ip_address(host)) {
            X509_VERIFY_PARAM_set1_ip_asc(param, host.c_str());
        } else {
            X509_VERIFY_PARAM_set_hostflags(param, X509_CHECK_FLAG_NO_PARTIAL_WILDCARDS);
            SSL_set1_host(tls_, host.c_str());
            SSL_set_tlsext_host_name(tls_, host.c_str());
        }
        return true;
    }

    Step handshake(std::string& why) override
    {
        const int rc = SSL_connect(tls_);
        if (rc == 1)
            return Step::Done;
        if (SSL_get_verify_result(tls_) != X509_V_OK) {
            why = std::string("the server's certificate is not trusted: ") +
                  X509_verify_cert_error_string(SSL_get_verify_result(tls_));
            return Step::Failed;
        }
        return step_after(rc, why);
    }

    Step write(const char* data, std::size_t size, std::size_t& written, std::string& why) override
    {
        const int n = SSL_write(tls_, data, static_cast<int>(std::min<std::size_t>(size, 1u << 30)));
        written = n > 0 ? static_cast<std::size_t>(n) : 0;
        return n > 0 ? Step::Done : step_after(n, why);
    }

    Step read(char* buffer, std::size_t size, std::size_t& got, std::string& why) override
    {
        const int n = SSL_read(tls_, buffer, static_cast<int>(std::min<std::size_t>(size, 1u << 30)));
        got = n > 0 ? static_cast<std::size_t>(n) : 0;
        return n > 0 ? Step::Done : step_after(n, why);
    }

    bool pending() const override { return SSL_pending(tls_) > 0; }

    void shutdown() override
    {
        if (tls_)
            SSL_shutdown(tls_);
    }

private:
    static bool fail(const std::string& text, std::string& why)
    {
        why = text;
        return false;
    }

    Step step_after(int rc, std::string& why) const
    {
        const int what = SSL_get_error(tls_, rc);
        if (what == SSL_ERROR_WANT_READ)
            return Step::WantRead;
        if (what == SSL_ERROR_WANT_WRITE)
            return Step::WantWrite;
        if (what == SSL_ERROR_ZERO_RETURN || (what == SSL_ERROR_SYSCALL && ERR_peek_error() == 0))
            return Step::Closed;
        why = tls_error_text();
        return Step::Failed;
    }

    SSL_CTX* context_ = nullptr;
    SSL* tls_ = nullptr;
};

}  // namespace

extern "C" TlsChannel* qv_tls_channel_new() { return new OpenSslChannel; }
