#include "platform/TerminalInput.hpp"

#include <cstdio>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Restores the terminal's echo even when reading fails half-way.
class EchoOff {
public:
    explicit EchoOff(int fd) : fd_(fd)
    {
        if (tcgetattr(fd_, &saved_) == 0) {
            termios quiet = saved_;
            quiet.c_lflag &= ~static_cast<tcflag_t>(ECHO);
            active_ = tcsetattr(fd_, TCSAFLUSH, &quiet) == 0;
        }
    }
    ~EchoOff()
    {
        if (active_)
            tcsetattr(fd_, TCSAFLUSH, &saved_);
    }
    EchoOff(const EchoOff&) = delete;
    EchoOff& operator=(const EchoOff&) = delete;
    bool active() const { return active_; }

private:
    int fd_;
    termios saved_{};
    bool active_ = false;
};

std::optional<std::string> read_until_newline(int fd)
{
    std::string line;
    char c;
    for (;;) {
        const ssize_t n = read(fd, &c, 1);
        if (n <= 0)
            return line.empty() ? std::nullopt : std::optional<std::string>(line);
        if (c == '\n')
            return line;
        line.push_back(c);
    }
}

void write_text(int fd, const std::string& text)
{
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n <= 0)
            return;
        done += static_cast<std::size_t>(n);
    }
}

}  // namespace

std::optional<std::string> TerminalInput::read_line(const std::string& prompt, bool echo)
{
    int in = open("/dev/tty", O_RDWR | O_CLOEXEC);
    const bool own = in >= 0;
    int out = own ? in : STDERR_FILENO;
    if (!own)
        in = STDIN_FILENO;
    write_text(out, prompt);
    std::optional<std::string> line;
    {
        std::optional<EchoOff> quiet;
        if (!echo)
            quiet.emplace(in);
        line = read_until_newline(in);
        if (!echo && quiet->active())
            write_text(out, "\n");
    }
    if (own)
        close(in);
    return line;
}
