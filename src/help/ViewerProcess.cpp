#include "help/ViewerProcess.hpp"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

#include "help/HelpRecord.hpp"
#include "help/XtHelp.hpp"
#include "help/XtHelpNotify.hpp"
#include "platform/Words.hpp"

namespace {

struct Watched {
    XtHelp* help;
    XtHelpNotify* notify;
};

// A fixed table: the signal handler must not see it reallocate.
constexpr int kMaxWatched = 8;
Watched watched[kMaxWatched];
bool handler_installed = false;

void child_exited(int)
{
    const int saved_errno = errno;
    for (Watched& entry : watched) {
        if (!entry.help)
            continue;
        const long pid = entry.help->viewer_pid();
        if (pid < 1)
            continue;
        int status = 0;
        pid_t result;
        do
            result = waitpid(static_cast<pid_t>(pid), &status, WNOHANG);
        while (result < 0 && errno == EINTR);
        if (result == pid && entry.notify)
            entry.notify->processExited(pid);
    }
    errno = saved_errno;
}

void install_handler()
{
    if (handler_installed)
        return;
    struct sigaction action {};
    action.sa_handler = child_exited;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_NOCLDSTOP;
    sigaction(SIGCHLD, &action, nullptr);
    handler_installed = true;
}

}  // namespace

long ViewerProcess::start(const std::string& program, const std::string& display_name, const std::string& command)
{
    std::vector<std::string> args = {"hyperhelp", "-d", std::to_string(HelpRecord::kClientKey), "-s", "0",
                                     "-display", display_name};
    // The viewer takes its command as at most three words.
    const std::vector<std::string> words = split_words(command);
    args.insert(args.end(), words.begin(), words.begin() + static_cast<long>(std::min<std::size_t>(words.size(), 3)));
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);

    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        execv(program.c_str(), argv.data());
        std::fprintf(stderr, "Can't execute %s\n", program.c_str());
        _exit(127);
    }
    return pid;
}

void ViewerProcess::watch(XtHelp* help, XtHelpNotify* notify)
{
    install_handler();
    for (Watched& entry : watched)
        if (entry.help == help || !entry.help) {
            entry.notify = notify;
            entry.help = help;
            return;
        }
}

void ViewerProcess::forget(XtHelp* help)
{
    for (Watched& entry : watched)
        if (entry.help == help)
            entry = Watched{nullptr, nullptr};
}
