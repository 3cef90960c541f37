#include "main/Handshake.hpp"

#include <cerrno>
#include <cstring>
#include <unistd.h>

void g2_panel_response(int fd, const char* text)
{
    if (fd == -1 || !text)
        return;
    const char* data = text;
    std::size_t left = std::strlen(text) + 1;
    while (left > 0) {
        const ssize_t n = write(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;  // the viewer went away; nothing more to tell it
        data += n;
        left -= static_cast<std::size_t>(n);
    }
    close(fd);
}
