#include "ViewerCommand.hpp"

#include <cstdlib>
#include <sstream>

namespace {

bool read_long(const std::string& text, long& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return end && *end == '\0';
}

ViewerCommand invalid(const std::string& message)
{
    ViewerCommand command;
    command.kind = ViewerCommand::Invalid;
    command.error = message;
    return command;
}

}  // namespace

ViewerCommand ViewerCommand::parse(const std::vector<std::string>& words)
{
    ViewerCommand command;
    if (words.empty())
        return command;
    const std::string& option = words[0];
    const std::size_t n = words.size();
    if (option == "-c") {
        long topic = 0;
        if (n != 3 || !read_long(words[1], topic))
            return invalid("-c needs a topic number and a help file");
        command.kind = ShowTopic;
        command.topic = static_cast<int>(topic);
        command.file = words[2];
    } else if (option == "-i") {
        if (n != 2)
            return invalid("-i needs a help file");
        command.kind = Contents;
        command.file = words[1];
    } else if (option == "-m" && n >= 2 && words[1] == "helpon()") {
        command.kind = HelpOn;
    } else if (option == "-m" && n >= 2 && words[1] == "search()") {
        command.kind = Search;
        if (n >= 3)
            command.file = words[2];
    } else if (option == "-q") {
        if (n != 2 || !read_long(words[1], command.key))
            return invalid("-q needs a client key");
        command.kind = Quit;
    } else {
        return invalid("unknown command " + option);
    }
    return command;
}

ViewerCommand ViewerCommand::parse_text(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return parse(words);
}

ViewerArgs ViewerArgs::parse(int argc, char** argv)
{
    ViewerArgs args;
    int i = 1;
    for (; i < argc; ++i) {
        const std::string option = argv[i];
        const bool has_value = i + 1 < argc;
        if (option == "-d" && has_value) {
            if (!read_long(argv[++i], args.key))
                args.error = "-d needs a client key";
        } else if (option == "-s" && has_value) {
            long screen = 0;
            if (!read_long(argv[++i], screen))
                args.error = "-s needs a screen number";
            args.screen = static_cast<int>(screen);
        } else if (option == "-display" && has_value) {
            args.display = argv[++i];
        } else {
            break;
        }
    }
    for (; i < argc; ++i)
        args.command.emplace_back(argv[i]);
    return args;
}
