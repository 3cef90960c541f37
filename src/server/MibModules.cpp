#include "server/MibModules.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>

namespace qv::server {
namespace {

// A module header lies near the top; this much text always holds it.
constexpr std::size_t kHeaderBytes = 64 * 1024;

std::string head_of(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string text(kHeaderBytes, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

// ASN.1 comments run from "--" to the next "--" or the end of the line.
std::string without_comments(const std::string& text)
{
    std::string out;
    out.reserve(text.size());
    bool in_comment = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            in_comment = false;
            out.push_back('\n');
        } else if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-') {
            in_comment = !in_comment;
            ++i;
            out.push_back(' ');
        } else if (!in_comment) {
            out.push_back(text[i]);
        }
    }
    return out;
}

}  // namespace

std::string mib_module_name(const std::string& text)
{
    const std::string clean = without_comments(text);
    auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    auto ident = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_'; };
    for (std::size_t at = clean.find("DEFINITIONS"); at != std::string::npos;
         at = clean.find("DEFINITIONS", at + 1)) {
        // "DEFINITIONS ::= BEGIN" must follow, blanks allowed between.
        std::size_t i = at + 11;
        while (i < clean.size() && blank(clean[i]))
            ++i;
        if (clean.compare(i, 3, "::=") != 0)
            continue;
        i += 3;
        while (i < clean.size() && blank(clean[i]))
            ++i;
        if (clean.compare(i, 5, "BEGIN") != 0)
            continue;
        // The identifier before it.
        std::size_t end = at;
        while (end > 0 && blank(clean[end - 1]))
            --end;
        std::size_t begin = end;
        while (begin > 0 && ident(clean[begin - 1]))
            --begin;
        if (begin < end && std::isalpha(static_cast<unsigned char>(clean[begin])))
            return clean.substr(begin, end - begin);
    }
    return {};
}

std::vector<std::string> mib_modules(const std::string& dir)
{
    std::vector<std::string> out;
    std::error_code ec;
    if (!std::filesystem::is_directory(dir, ec))
        return out;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec)) {
        if (!entry.is_regular_file(ec))
            continue;
        const std::string name = mib_module_name(head_of(entry.path()));
        if (!name.empty())
            out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}

}  // namespace qv::server
