// Path helpers of the help launcher: finding files on colon-separated path
// variables, following symbolic links by hand, and preparing PATH.
#pragma once

#include <string>

#include <sys/stat.h>

// The mode bits the launcher asks for: a regular file its owner may read, or
// may execute.
inline constexpr unsigned kRegularReadable = S_IFREG | S_IRUSR;    // 0x8100
inline constexpr unsigned kRegularExecutable = S_IFREG | S_IXUSR;  // 0x8040

// A name containing "/" is tested directly: 0 when it exists with all the
// mode bits set (result is the name), else -1. Otherwise every directory of
// the variable is tried in order as "dir/name": 1 for the first that
// qualifies (its path in result); -1 for none or an unset variable.
int find_in_path(const char* variable, const char* name, unsigned mode, std::string& result);

// Like lstat, but follows symbolic links itself and rewrites path to the
// file finally reached: an absolute target replaces it, a relative one its
// last component. 0 on success; -1 on failure or after more than 20 links.
int pstat(std::string& path, struct stat& info);

// find_in_path over PATH.
int which(const char* name, unsigned mode, std::string& result);

// Finds the program on PATH; when it was named with a "/" (and so found
// directly), puts its directory, made absolute, in front of PATH.
// 0 on success, -1 when the program is not found or PATH cannot be set.
int set_env(const char* program);

// Replaces the last component of path by name (all of it when there is no "/").
void modbasename(std::string& path, const char* name);
