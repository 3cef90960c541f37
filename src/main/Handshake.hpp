// The -fd handshake: tells the topology viewer that started the tool that it
// is up, by writing the program name with its NUL byte to a descriptor.
#pragma once

// Writes text and its terminating NUL to fd and closes fd; does nothing for -1.
void g2_panel_response(int fd, const char* text);
