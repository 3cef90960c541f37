// A command to the help viewer, from its command line or from its record on
// the root window:
//   -c TOPIC FILE    show a topic of a help file
//   -i FILE          show the file's contents
//   -m helpon()      show how to use the viewer
//   -m search() [FILE]  open the search (in FILE, else the current file)
//   -q KEY           quit, when KEY is this viewer's client key
#pragma once

#include <string>
#include <vector>

struct ViewerCommand {
    enum Kind { Nothing, ShowTopic, Contents, HelpOn, Search, Quit, Invalid };

    Kind kind = Nothing;
    int topic = 0;
    std::string file;
    long key = 0;
    std::string error;  // for Invalid

    static ViewerCommand parse(const std::vector<std::string>& words);
    // A command text as written into the record (words separated by blanks,
    // ending in a newline).
    static ViewerCommand parse_text(const std::string& text);
};

// The viewer's own arguments: -d KEY, -s SCREEN, -display NAME, then the
// words of a first command.
struct ViewerArgs {
    long key = 0;
    int screen = 0;
    std::string display;
    std::vector<std::string> command;
    std::string error;  // set when the arguments are unusable

    static ViewerArgs parse(int argc, char** argv);
};
