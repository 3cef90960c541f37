#include "main/PasswordMask.hpp"

#include <algorithm>

PasswordMask::Verdict PasswordMask::verify(const Change& change)
{
    if (change.inserted_length == 0 && change.start < change.insert_position) {
        const std::size_t cut = static_cast<std::size_t>(std::max(change.start, 0));
        if (cut < password_.size())
            password_.resize(cut);
        return Verdict::Delete;
    }
    if (change.inserted_length == 0 && change.start == change.end)
        return Verdict::Accept;
    if (change.inserted_length == 1 && change.start == change.end && change.start == change.text_length) {
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
