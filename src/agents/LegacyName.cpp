#include "agents/LegacyName.hpp"

#include <cstring>

namespace {

constexpr std::size_t kInputSize = 256;
constexpr std::size_t kOutputSize = 512;
constexpr std::size_t kOutputLimit = 504;
constexpr std::size_t kMaxTableName = 248;
constexpr std::size_t kMarkerLength = 7;

// The working copy has room for a maximal name plus the attribute marker
// appended to it.
char working[kInputSize + kMarkerLength];
char output[kOutputSize];

struct Replacement {
    const char* marker;
    char legacy;  // 0: the marker is only removed
};

// Decoding order: each pass replaces the first occurrence of the first kind
// of marker present.
constexpr Replacement kDecodeOrder[] = {
    {"atrSIGN", 0}, {"tblSIGN", 0}, {"typSIGN", 0}, {"dotSIGN", '.'},
    {"pctSIGN", '%'}, {"usrSIGN", '_'}, {"plsSIGN", '+'},
};

constexpr const char* kTypePrefixes[] = {"component.", "view.", "connection.", "bus."};
constexpr const char* kIgnoredNames[] = {"netmgt_endofargs", "netmgt_endofrow", "netmgt_table_key", "netmgt_schema"};

bool starts_with(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// Appends to the output up to the conversion limit.
class Output {
public:
    Output() { output[0] = '\0'; }
    void append(const char* text, std::size_t size)
    {
        for (std::size_t i = 0; i < size && length_ < kOutputLimit; ++i)
            output[length_++] = text[i];
        output[length_] = '\0';
    }
    void append(const char* text) { append(text, std::strlen(text)); }
    void append(char c) { append(&c, 1); }
    bool full() const { return length_ >= kOutputLimit; }

private:
    std::size_t length_ = 0;
};

const char* marker_for(char c)
{
    switch (c) {
    case '%':
        return "pctSIGN";
    case '+':
        return "plsSIGN";
    case '.':
        return "dotSIGN";
    case '_':
        return "usrSIGN";
    default:
        return nullptr;
    }
}

// The part of a name after its first '"' ':' pair, or the whole name.
const char* after_module(const char* text)
{
    const char* pair = std::strstr(text, "\":");
    return pair ? pair + 2 : text;
}

// The encoding is a stored format: capitals are ASCII ones, whatever the
// locale says.
bool is_capital(char c)
{
    return c >= 'A' && c <= 'Z';
}

char lower(char c)
{
    return is_capital(c) ? static_cast<char>(c - 'A' + 'a') : c;
}

char raise(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

void load_working_copy(const char* name, const char* table, char is_table)
{
    std::memset(working, 0, sizeof working);
    std::memset(output, 0, sizeof output);
    if (is_table) {
        std::strcpy(working, table);
        std::strcat(working, "tblSIGN");
        return;
    }
    for (const char* ignored : kIgnoredNames)
        if (starts_with(name, ignored))
            return;  // an empty working copy: the result is ""
    std::strcpy(working, name);
    if (table && std::strcmp(after_module(working), after_module(table)) == 0)
        std::strcat(working, "atrSIGN");
}

void encode(const char* text, Output& out)
{
    if (is_capital(*text)) {
        out.append(lower(*text));
        out.append("upcSIGN");
        ++text;
    } else {
        for (const char* prefix : kTypePrefixes)
            if (starts_with(text, prefix)) {
                out.append("typSIGN");
                break;
            }
    }
    for (; *text && !out.full(); ++text) {
        const char* marker = marker_for(*text);
        if (marker)
            out.append(marker);
        else
            out.append(*text);
    }
}

// Replaces the first marker of the first kind present; false when none is.
bool decode_one(char* text)
{
    if (char* at = std::strstr(text, "upcSIGN")) {
        // A marker at the very start has no letter to raise and is dropped.
        if (at > text)
            at[-1] = raise(at[-1]);
        std::memmove(at, at + kMarkerLength, std::strlen(at + kMarkerLength) + 1);
        return true;
    }
    for (const Replacement& r : kDecodeOrder) {
        char* at = std::strstr(text, r.marker);
        if (!at)
            continue;
        char* rest = at;
        if (r.legacy)
            *rest++ = r.legacy;
        std::memmove(rest, at + kMarkerLength, std::strlen(at + kMarkerLength) + 1);
        return true;
    }
    return false;
}

}  // namespace

char* cvt_xnlname2qv(const char* name, const char* table, char is_table)
{
    if (!name && !table)
        return nullptr;
    if (is_table && (!table || std::strlen(table) > kMaxTableName))
        return nullptr;
    if (!is_table && !name)
        return nullptr;
    if (name && std::strlen(name) >= kInputSize)
        return nullptr;
    load_working_copy(name, table, is_table);
    Output out;
    const char* start = after_module(working);
    out.append(working, static_cast<std::size_t>(start - working));
    encode(start, out);
    return output;
}

char* cvt_qvname2xnl(const char* name)
{
    if (!name || std::strlen(name) >= kInputSize)
        return nullptr;
    std::memset(working, 0, sizeof working);
    std::strcpy(working, name);
    while (decode_one(working)) {
    }
    return working;
}
