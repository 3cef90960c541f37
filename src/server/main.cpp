// qv_server: the management server of the qv platform.
#include <malloc.h>

#include <csignal>
#include <iostream>

#include <sqlite3.h>
#include <systemd/sd-daemon.h>

#include "server/CommandLine.hpp"
#include "server/Log.hpp"
#include "server/PasswordHash.hpp"
#include "server/RequestError.hpp"
#include "server/Server.hpp"
#include "server/StoreError.hpp"

int main(int argc, char** argv)
{
    using namespace qv::server;
    CommandLine command;
    try {
        command = parse_command_line(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const UsageError& e) {
        std::cerr << "qv_server: " << e.what() << "\n" << usage_text();
        return 2;
    }
    if (command.help) {
        std::cout << usage_text();
        return 0;
    }
    if (command.version) {
        std::cout << version_text();
        return 0;
    }
    std::signal(SIGPIPE, SIG_IGN);
    // The log is standard error (the journal, under systemd): there is no
    // log file for SIGHUP to reopen, and a hang-up must not stop the server.
    std::signal(SIGHUP, SIG_IGN);
    // Nothing reads SQLite's memory statistics; keeping them takes a lock
    // around every allocation of every statement.
    sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0);
    // One malloc arena for every thread: a load's worker frees what the
    // network thread allocated (and the reverse), and with an arena each the
    // freed blocks stayed spread over both, some megabytes more at the peak
    // of a large load. The threads seldom allocate at the same moment.
    mallopt(M_ARENA_MAX, 1);
    if (!password::init()) {
        std::cerr << "qv_server: libsodium cannot be initialised\n";
        return 1;
    }
    const ServerConfig& config = command.config;
    try {
        Backend backend(config.db_path, config.system_name);
        if (!config.load_file.empty()) {
            auto counts = backend.load_file(config.load_file, config.mib_roots);
            log_line("loaded " + config.load_file + ": " + counts.dump());
        }
        Server server(config, backend);
        server.listen();
        // The service manager (Type=notify) takes the server as started once
        // it listens; without NOTIFY_SOCKET this does nothing.
        sd_notify(0, "READY=1");
        server.run();
    } catch (const StoreError& e) {
        std::cerr << "qv_server: " << e.what() << "\n";
        return 1;
    } catch (const RequestError& e) {
        std::cerr << "qv_server: cannot load " << config.load_file << ": " << e.what() << "\n";
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "qv_server: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
