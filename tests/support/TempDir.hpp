// A temporary directory for one test, removed with its contents.
#pragma once

#include <string>

namespace qv::test {

// A fresh directory under $TMPDIR (or /tmp), removed with everything in it
// when the object dies.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return path_; }
    // Writes a file below the directory and returns its full path.
    std::string write_file(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

}  // namespace qv::test
