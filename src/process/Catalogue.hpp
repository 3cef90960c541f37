// The message catalogue "qv.cat". Set 23 holds the tool's texts, set 8 the
// generic dialog boxes and the login window. Every lookup carries its
// built-in default, so the tool reads right without a catalogue.
#pragma once

#include <nl_types.h>

#include <string>

extern nl_catd catd;

inline constexpr int kToolSet = 23;
inline constexpr int kDialogSet = 8;

// Opens "qv.cat" through NLSPATH into catd.
void open_catalogue();

// catgets on catd; the default when the catalogue is not open or lacks it.
const char* cat_text(int set, int number, const char* fallback);

// A catalogue text with its one "%s" or "%d" replaced by argument.
std::string cat_format(int set, int number, const char* fallback, const std::string& argument);
// The same with two: the first "%s" gets first, the next second.
std::string cat_format(int set, int number, const char* fallback, const std::string& first,
                       const std::string& second);
