// The -fd handshake: the program name and its NUL byte, then the end.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <string>
#include <unistd.h>

#include "main/Handshake.hpp"

namespace {

std::string read_all(int fd)
{
    std::string data;
    char buffer[64];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0)
        data.append(buffer, static_cast<std::size_t>(n));
    return data;
}

TEST(Handshake, WritesNameWithNulAndCloses)
{
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    g2_panel_response(fds[1], "qv_tolvar");
    // The write end is closed: reading reaches the end of the pipe.
    EXPECT_EQ(read_all(fds[0]), std::string("qv_tolvar\0", 10));
    EXPECT_EQ(fcntl(fds[1], F_GETFD), -1);
    close(fds[0]);
}

}  // namespace
