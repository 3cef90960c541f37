#include "main/CommandLine.hpp"

#include <cctype>

std::string CommandLine::optarg;

CommandLine::CommandLine(char** argv, int argc)
{
    for (int i = 0; argv && i < argc; ++i)
        words_.emplace_back(argv[i] ? argv[i] : "");
}

int CommandLine::set_args(const char* spec)
{
    options_.clear();
    if (!spec)
        return 0;
    const std::string text(spec);
    std::size_t start = 0;
    while (start <= text.size() && options_.size() < kMaxOptions) {
        std::size_t bar = text.find('|', start);
        if (bar == std::string::npos)
            bar = text.size();
        Option option;
        for (std::size_t i = start; i < bar; ++i) {
            const char c = text[i];
            if (c == ':')
                ++option.count;
            else if (c == '*')
                option.count = kAnyCount;
            else if (std::isalpha(static_cast<unsigned char>(c)) || c == '_')
                option.name += c;
        }
        if (bar > start)
            options_.push_back(option);
        start = bar + 1;
    }
    return static_cast<int>(options_.size());
}

const CommandLine::Option* CommandLine::find_option(const std::string& word) const
{
    const std::string name = word.size() > 1 ? word.substr(1) : std::string();
    for (const Option& option : options_)
        if (option.name == name)
            return &option;
    return nullptr;
}

const char* CommandLine::get_arg()
{
    optarg.clear();
    if (next_ >= words_.size())
        return nullptr;
    const Option* option = find_option(words_[next_++]);
    if (!option)
        return kErrorOption;  // the word is consumed, so a caller cannot loop on it
    // Every word up to the next option is consumed, whatever the count says,
    // so a wrong count is reported once instead of as stray options.
    int taken = 0;
    while (next_ < words_.size() && words_[next_].compare(0, 1, "-") != 0) {
        optarg += words_[next_++];
        ++taken;
        if (next_ < words_.size() && (option->count == kAnyCount || taken < option->count))
            optarg += ' ';
    }
    if (taken == option->count || option->count == kAnyCount)
        return option->name.c_str();
    return kErrorOption;
}

void CommandLine::print_args(std::FILE* out) const
{
    std::fprintf(out, "Arguments List\n--------------\n");
    for (const Option& option : options_)
        std::fprintf(out, "%s\t%d\n", option.name.c_str(), option.count);
    std::fprintf(out, "Entered on Command line\n-----------------------\n");
    for (std::size_t i = next_; i < words_.size(); ++i)
        std::fprintf(out, "%s\n", words_[i].c_str());
}
