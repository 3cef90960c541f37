// White-space tokenising of a text, the one splitter of ids, names and
// command words for every layer.
#pragma once

#include <sstream>

#include "platform/Types.hpp"

// The blank-separated words of a text, in order.
inline RWTValSlist<RWCString> split_words(const RWCString& text)
{
    RWTValSlist<RWCString> out;
    std::istringstream in(text);
    for (RWCString word; in >> word;)
        out.push_back(word);
    return out;
}
