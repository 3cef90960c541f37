// Reading a line from the controlling terminal, with echo off for secrets.
#pragma once

#include <optional>
#include <string>

class TerminalInput {
public:
    // Writes prompt to the terminal and reads one line (without its newline).
    // Uses /dev/tty, else standard input and error. Nothing at end of input.
    static std::optional<std::string> read_line(const std::string& prompt, bool echo);
};
