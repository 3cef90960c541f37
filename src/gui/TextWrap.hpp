// Breaking a text into lines that fit a width, for messages and help text
// that must never push a window's buttons off the screen. Pure text logic:
// the caller measures.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The width of a line as it will be drawn, in any unit.
using LineWidth = std::function<int(const std::string&)>;

// Lines no wider than max_width: broken at blanks where possible, inside a
// word only when the word alone is too wide, never inside a character of
// the locale's multibyte encoding. Line breaks in text are kept; blanks at a
// break are dropped.
std::vector<std::string> wrap_lines(const std::string& text, int max_width, const LineWidth& width_of);

// At most max_lines lines (at least one); when lines are left out the last
// one kept ends with ellipsis, itself kept within max_width.
std::vector<std::string> elide_lines(std::vector<std::string> lines, std::size_t max_lines, int max_width,
                                     const std::string& ellipsis, const LineWidth& width_of);

// The lines joined with newlines.
std::string join_lines(const std::vector<std::string>& lines);
