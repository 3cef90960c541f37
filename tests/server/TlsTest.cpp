// TLS: the client library (through qv_admin) verifies the server's
// certificate and name; plain text is refused from other machines when
// logins are required, and still served on 127.0.0.1. The keys are made
// here, at test time, for this test only.
#include <gtest/gtest.h>

#include "RawClient.hpp"
#include "TestTopology.hpp"
#include "support/TestServer.hpp"

using qv::test::RunOptions;
using qv::test::run_binary;

namespace {

// A certificate authority, and a certificate it signed for "localhost" only.
void make_keys(const qv::test::TempDir& dir, const std::string& ca)
{
    RunOptions run;
    run.cwd = dir.path();
    auto openssl = [&](std::vector<std::string> args) {
        const auto r = run_binary("/usr/bin/openssl", args, run);
        ASSERT_EQ(r.exit_status, 0) << r.err;
    };
    const std::vector<std::string> ec_key{"-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1", "-nodes"};
    auto with = [](std::vector<std::string> a, const std::vector<std::string>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    };
    openssl(with({"req", "-x509", "-days", "2", "-subj", "/CN=" + ca, "-keyout", ca + ".key", "-out", ca + ".pem"},
                 ec_key));
    if (ca != "ca")
        return;
    openssl(with({"req", "-subj", "/CN=localhost", "-keyout", "server.key", "-out", "server.csr"}, ec_key));
    dir.write_file("san.ext", "subjectAltName=DNS:localhost\n");
    openssl({"x509", "-req", "-days", "2", "-in", "server.csr", "-CA", "ca.pem", "-CAkey", "ca.key",
             "-CAcreateserial", "-extfile", "san.ext", "-out", "server.pem"});
}

}  // namespace

TEST(Tls, TheServerIsVerifiedAndPlainTextIsTakenOnlyFromThisMachine)
{
    qv::test::TempDir keys;
    make_keys(keys, "ca");
    make_keys(keys, "other-ca");
    auto options = qv::test::small_topology_server("tls", true);
    options.extra_args = {"--tls-cert", keys.path() + "/server.pem", "--tls-key", keys.path() + "/server.key"};
    qv::test::TestServer server(options);

    auto admin = [&](const std::string& host, const std::string& ca) {
        RunOptions run;
        run.env = server.client_env();
        run.env["QV_SERVER"] = host;
        run.env["QV_TLS_CA"] = keys.path() + "/" + ca;
        run.env["QV_PASSWORD"] = "admin";
        return run_binary("qv_admin", {"--user", "admin", "rights"}, run);
    };
    const auto trusted = admin("localhost", "ca.pem");
    EXPECT_EQ(trusted.exit_status, 0) << trusted.err;
    EXPECT_NE(trusted.out.find("\"admin\""), std::string::npos) << trusted.out;
    EXPECT_NE(server.log().find("TLS"), std::string::npos);
    // Another authority, or a name the certificate does not hold: refused.
    for (const auto& [host, ca] : {std::pair{"localhost", "other-ca.pem"}, std::pair{"127.0.0.1", "ca.pem"}}) {
        const auto refused = admin(host, ca);
        EXPECT_EQ(refused.exit_status, 1) << host << " " << ca;
        EXPECT_NE(refused.err.find("certificate is not trusted"), std::string::npos) << refused.err;
    }

    qv::test::RawClient elsewhere(server.port(), "127.0.0.2");
    const auto refused = elsewhere.hello();
    EXPECT_EQ(refused["type"], "error");
    EXPECT_NE(refused["error"].get<std::string>().find("only over TLS"), std::string::npos) << refused.dump();
    qv::test::RawClient local(server.port(), "127.0.0.1");
    EXPECT_EQ(local.hello()["type"], "hello");
}
