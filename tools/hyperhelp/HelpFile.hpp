// A help file as described in docs/help-format.md: topics with a number, a
// title, paragraphs (joined and wrapped when shown) or lines shown as they
// stand, and links to other topics.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

struct HelpBlock {
    bool preformatted = false;  // a line that began with two blanks
    std::string text;           // a paragraph's lines joined with blanks
};

// Turns a paragraph into the lines it is shown as (the viewer wraps them to
// its width); without one a paragraph is one line.
using ParagraphShaper = std::function<std::string(const std::string&)>;

// Blocks as the viewer shows them: paragraphs separated by blank lines,
// preformatted lines one under the other, exactly as they stand.
std::string blocks_text(const std::vector<HelpBlock>& blocks, const ParagraphShaper& shape = {});

struct HelpLink {
    int topic = 0;
    std::string text;
};

struct HelpTopic {
    int number = 0;
    std::string title;
    std::vector<HelpBlock> blocks;
    std::vector<HelpLink> links;

    // The body as blocks_text shows it.
    std::string body_text(const ParagraphShaper& shape = {}) const { return blocks_text(blocks, shape); }
};

class HelpFile {
public:
    // Reads and parses path; false with error() set when it cannot be read
    // or is not a help file.
    bool load(const std::string& path);
    // Parses text; name is used in error messages.
    bool parse(const std::string& text, const std::string& name);

    const std::string& path() const { return path_; }
    const std::string& error() const { return error_; }

    // Topics in file order.
    const std::vector<HelpTopic>& topics() const { return topics_; }
    const HelpTopic* find(int number) const;

    // Topics whose title or text contains every word of query, ignoring
    // case, in file order.
    std::vector<const HelpTopic*> search(const std::string& query) const;

    static constexpr const char* kMagic = "%% qv help 1";

private:
    bool fail(const std::string& name, int line, const std::string& message);

    std::string path_;
    std::string error_;
    std::vector<HelpTopic> topics_;
    std::map<int, std::size_t> index_;
};
