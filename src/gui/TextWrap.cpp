#include "gui/TextWrap.hpp"

#include <cwchar>
#include <sstream>

namespace {

// The byte length of the character at text[at] in the locale's encoding; a
// byte the locale does not know counts as one character.
std::size_t char_length(const std::string& text, std::size_t at)
{
    std::mbstate_t state{};
    const std::size_t n = std::mbrlen(text.data() + at, text.size() - at, &state);
    return (n == 0 || n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) ? 1 : n;
}

// The longest prefix of word that fits, at least one character.
std::size_t fitting_prefix(const std::string& word, int max_width, const LineWidth& width_of)
{
    std::size_t end = char_length(word, 0);
    while (end < word.size()) {
        const std::size_t next = end + char_length(word, end);
        if (width_of(word.substr(0, next)) > max_width)
            break;
        end = next;
    }
    return end;
}

void wrap_paragraph(const std::string& paragraph, int max_width, const LineWidth& width_of,
                    std::vector<std::string>& lines)
{
    std::istringstream words(paragraph);
    std::string line;
    for (std::string word; words >> word;) {
        if (!line.empty() && width_of(line + " " + word) <= max_width) {
            line += " " + word;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        while (width_of(word) > max_width) {
            const std::size_t cut = fitting_prefix(word, max_width, width_of);
            lines.push_back(word.substr(0, cut));
            word.erase(0, cut);
        }
        line = word;
    }
    lines.push_back(line);
}

}  // namespace

std::vector<std::string> wrap_lines(const std::string& text, int max_width, const LineWidth& width_of)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find('\n', start);
        const std::string paragraph = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (width_of(paragraph) <= max_width)
            lines.push_back(paragraph);  // kept as written, blanks and all
        else
            wrap_paragraph(paragraph, max_width, width_of, lines);
        if (end == std::string::npos)
            return lines;
        start = end + 1;
    }
}

std::vector<std::string> elide_lines(std::vector<std::string> lines, std::size_t max_lines, int max_width,
                                     const std::string& ellipsis, const LineWidth& width_of)
{
    if (max_lines == 0)
        max_lines = 1;
    if (lines.size() <= max_lines)
        return lines;
    lines.resize(max_lines);
    std::string& last = lines.back();
    while (!last.empty() && width_of(last + ellipsis) > max_width) {
        // Drop whole characters from the end.
        std::size_t at = 0, previous = 0;
        while (at < last.size()) {
            previous = at;
            at += char_length(last, at);
        }
        last.erase(previous);
    }
    last += ellipsis;
    return lines;
}

std::string join_lines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i)
        text += (i ? "\n" : "") + lines[i];
    return text;
}
