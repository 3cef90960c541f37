// Text typed in the user's locale, as the UTF-8 the server keeps.
#pragma once

#include <string>

// The number of characters of a text in the current locale's encoding.
int locale_char_count(const char* text, int bytes);
// The text converted from the current locale's encoding to UTF-8 (bytes
// that do not convert are read as Latin-1, what an 8-bit keyboard sends).
std::string locale_to_utf8(const char* text, int bytes);
