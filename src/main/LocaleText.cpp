#include "main/LocaleText.hpp"

#include <iconv.h>
#include <langinfo.h>

#include <cstring>
#include <cwchar>

namespace {

std::string latin1_to_utf8(const char* text, int bytes)
{
    std::string out;
    for (int i = 0; i < bytes; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

}  // namespace

int locale_char_count(const char* text, int bytes)
{
    std::mbstate_t state{};
    int count = 0;
    for (int at = 0; at < bytes; ++count) {
        const std::size_t n = std::mbrlen(text + at, static_cast<std::size_t>(bytes - at), &state);
        if (n == 0 || n == static_cast<std::size_t>(-1) || n == static_cast<std::size_t>(-2)) {
            state = std::mbstate_t{};
            ++at;  // a byte the locale does not know counts as one character
        } else {
            at += static_cast<int>(n);
        }
    }
    return count;
}

std::string locale_to_utf8(const char* text, int bytes)
{
    const char* codeset = nl_langinfo(CODESET);
    if (std::strcmp(codeset, "UTF-8") == 0)
        return std::string(text, static_cast<std::size_t>(bytes));
    iconv_t cd = iconv_open("UTF-8", codeset);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return latin1_to_utf8(text, bytes);
    std::string in(text, static_cast<std::size_t>(bytes));
    std::string out(in.size() * 4 + 4, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t src_left = in.size(), dst_left = out.size();
    const std::size_t r = iconv(cd, &src, &src_left, &dst, &dst_left);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1))
        return latin1_to_utf8(text, bytes);
    out.resize(out.size() - dst_left);
    return out;
}
