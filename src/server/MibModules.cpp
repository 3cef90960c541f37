#include "server/MibModules.hpp"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "server/RequestError.hpp"

namespace qv::server {
namespace {

// A module header lies near the top; this much text always holds it.
constexpr std::size_t kHeaderBytes = 64 * 1024;

// The first bytes of a regular file no larger than the limit; nothing for
// anything else. Opened without following a link and without blocking, and
// checked after opening, so that it cannot be swapped for a device or a FIFO.
std::string head_of(const std::filesystem::path& file)
{
    const int fd = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return {};
    struct stat st {};
    std::string text;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= kMaxMibFileBytes) {
        text.resize(kHeaderBytes);
        std::size_t got = 0;
        for (ssize_t n; got < text.size() && (n = ::read(fd, text.data() + got, text.size() - got)) > 0;)
            got += static_cast<std::size_t>(n);
        text.resize(got);
    }
    ::close(fd);
    return text;
}

bool is_below(const std::filesystem::path& path, const std::filesystem::path& root)
{
    auto p = path.begin();
    for (const auto& part : root) {
        if (part.empty())
            continue;  // a trailing separator
        if (p == path.end() || *p != part)
            return false;
        ++p;
    }
    return true;
}

// The directory as the operator allowed it; throws when it is not allowed.
std::filesystem::path allowed_directory(const std::string& dir, const std::vector<std::string>& roots)
{
    namespace fs = std::filesystem;
    const fs::path asked = fs::path(dir).lexically_normal();
    std::error_code ec;
    const fs::path real = fs::canonical(asked, ec);
    for (const auto& root : roots) {
        const fs::path r = fs::path(root).lexically_normal();
        if (!asked.is_absolute() || !is_below(asked, r))
            continue;
        // Links inside the root must not lead out of it.
        const fs::path real_root = fs::canonical(r, ec);
        if (real.empty() || (!real_root.empty() && is_below(real, real_root)))
            return real;
    }
    throw RequestError(ErrorCode::InvalidValue, "mib_directories: " + dir +
                                                    " is not below a directory this server reads MIB files from"
                                                    " (qv_server --mib-dir)");
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

std::vector<std::string> mib_modules(const std::string& dir, const std::vector<std::string>& roots)
{
    std::vector<std::string> out;
    const std::filesystem::path real = allowed_directory(dir, roots);
    std::error_code ec;
    if (real.empty() || !std::filesystem::is_directory(real, ec))
        return out;
    std::size_t seen = 0;
    for (const auto& entry : std::filesystem::directory_iterator(real, ec)) {
        if (++seen > kMaxMibFiles)
            throw RequestError(ErrorCode::InvalidValue, "mib_directories: " + dir + " holds more than " +
                                                            std::to_string(kMaxMibFiles) + " files");
        if (!entry.is_regular_file(ec) || entry.is_symlink(ec))
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
