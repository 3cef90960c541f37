#include "HelpFile.hpp"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace {

bool starts_with(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// "N TEXT" after a directive: false when N is not a decimal integer.
bool number_and_text(const std::string& rest, int& number, std::string& text)
{
    std::size_t i = 0;
    while (i < rest.size() && rest[i] == ' ')
        ++i;
    const std::size_t digits = i;
    while (i < rest.size() && std::isdigit(static_cast<unsigned char>(rest[i])))
        ++i;
    if (i == digits || i - digits > 9 || (i < rest.size() && rest[i] != ' '))
        return false;
    number = std::stoi(rest.substr(digits, i - digits));
    while (i < rest.size() && rest[i] == ' ')
        ++i;
    text = rest.substr(i);
    return true;
}

void strip_cr(std::string& line)
{
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
}

}  // namespace

std::string blocks_text(const std::vector<HelpBlock>& blocks, const ParagraphShaper& shape)
{
    std::string text;
    bool previous_preformatted = false;
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        const HelpBlock& block = blocks[i];
        if (i > 0)
            text += (block.preformatted && previous_preformatted) ? "\n" : "\n\n";
        text += block.preformatted || !shape ? block.text : shape(block.text);
        previous_preformatted = block.preformatted;
    }
    return text;
}

bool HelpFile::load(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error_ = "Can't read help file " + path;
        return false;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (!parse(text.str(), path))
        return false;
    path_ = path;
    return true;
}

bool HelpFile::fail(const std::string& name, int line, const std::string& message)
{
    error_ = name + ":" + std::to_string(line) + ": " + message;
    topics_.clear();
    index_.clear();
    return false;
}

bool HelpFile::parse(const std::string& text, const std::string& name)
{
    topics_.clear();
    index_.clear();
    error_.clear();
    std::istringstream in(text);
    std::string line;
    int number = 0;
    bool in_paragraph = false;
    while (std::getline(in, line)) {
        ++number;
        strip_cr(line);
        if (number == 1) {
            if (line != kMagic)
                return fail(name, 1, std::string("not a help file (the first line must be \"") + kMagic + "\")");
            continue;
        }
        if (starts_with(line, "%%"))
            continue;
        if (starts_with(line, "@topic")) {
            HelpTopic topic;
            if (!number_and_text(line.substr(6), topic.number, topic.title))
                return fail(name, number, "@topic needs a topic number");
            if (index_.count(topic.number))
                return fail(name, number, "topic " + std::to_string(topic.number) + " appears twice");
            index_[topic.number] = topics_.size();
            topics_.push_back(topic);
            in_paragraph = false;
            continue;
        }
        if (topics_.empty())
            continue;  // before the first topic
        HelpTopic& topic = topics_.back();
        if (starts_with(line, "@see")) {
            HelpLink link;
            if (!number_and_text(line.substr(4), link.topic, link.text))
                return fail(name, number, "@see needs a topic number");
            topic.links.push_back(link);
            in_paragraph = false;
        } else if (line.find_first_not_of(' ') == std::string::npos) {
            in_paragraph = false;
        } else if (starts_with(line, "  ")) {
            topic.blocks.push_back(HelpBlock{true, line});
            in_paragraph = false;
        } else if (in_paragraph) {
            topic.blocks.back().text += " " + line;
        } else {
            topic.blocks.push_back(HelpBlock{false, line});
            in_paragraph = true;
        }
    }
    if (number == 0)
        return fail(name, 1, "empty file");
    return true;
}

const HelpTopic* HelpFile::find(int number) const
{
    const auto it = index_.find(number);
    return it == index_.end() ? nullptr : &topics_[it->second];
}

std::vector<const HelpTopic*> HelpFile::search(const std::string& query) const
{
    std::vector<std::string> words;
    std::istringstream in(lower(query));
    for (std::string word; in >> word;)
        words.push_back(word);
    std::vector<const HelpTopic*> found;
    if (words.empty())
        return found;
    for (const HelpTopic& topic : topics_) {
        const std::string haystack = lower(topic.title + "\n" + topic.body_text());
        if (std::all_of(words.begin(), words.end(),
                        [&](const std::string& w) { return haystack.find(w) != std::string::npos; }))
            found.push_back(&topic);
    }
    return found;
}
