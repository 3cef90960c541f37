// The command-line parser: an option table built from a spec string such as
// "c|cmip|fd:|id*", and a walk over the arguments that returns one option at
// a time with its words joined in CommandLine::optarg.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

class CommandLine {
public:
    // argv and argc without the program name.
    CommandLine(char** argv, int argc);

    // Builds the option table: entries separated by "|"; each ":" adds one
    // argument, "*" takes any number; the name keeps letters and "_" only.
    // Returns the number of options (0 for a null spec).
    int set_args(const char* spec);

    // The name of the next option, kErrorOption for an unknown option or a
    // wrong number of words, null at the end. Sets optarg.
    const char* get_arg();

    // A debugging aid: the option table and the arguments not yet consumed.
    void print_args(std::FILE* out = stdout) const;

    // The value of the option last returned.
    static std::string optarg;

    static constexpr const char* kErrorOption = "####";
    static constexpr int kAnyCount = 999;
    static constexpr std::size_t kMaxOptions = 50;

private:
    struct Option {
        std::string name;
        int count = 0;
    };

    const Option* find_option(const std::string& word) const;

    std::vector<Option> options_;
    std::vector<std::string> words_;
    std::size_t next_ = 0;
};
