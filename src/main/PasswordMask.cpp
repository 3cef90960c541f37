#include "main/PasswordMask.hpp"

#include <algorithm>

namespace {

// The byte offset of the character at index in a UTF-8 text (its size past the end).
std::size_t utf8_offset(const std::string& text, int index)
{
    std::size_t at = 0;
    for (int n = 0; n < index && at < text.size(); ++n) {
        ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80)
            ++at;
    }
    return at;
}

}  // namespace

PasswordMask::Verdict PasswordMask::verify(const Change& change)
{
    if (change.inserted_length == 0 && change.start < change.insert_position) {
        const std::size_t cut = utf8_offset(password_, std::max(change.start, 0));
        std::fill(password_.begin() + static_cast<long>(cut), password_.end(), '\0');
        password_.resize(cut);
        return Verdict::Delete;
    }
    if (change.inserted_length == 0 && change.start == change.end)
        return Verdict::Accept;
    if (change.inserted_length == 1 && !change.inserted.empty() && change.start == change.end &&
        change.start == change.text_length) {
        password_ += change.inserted;
        return Verdict::Append;
    }
    return Verdict::Refuse;
}

void PasswordMask::clear()
{
    std::fill(password_.begin(), password_.end(), '\0');
    password_.clear();
}
