// The environment the help viewer runs in: where the installation is, and
// the variables the viewer reads (HHHOME, HHPATH, LD_LIBRARY_PATH).
#pragma once

#include <string>

class HelpEnvironment {
public:
    // Appends the viewer's library directory to LD_LIBRARY_PATH; the first
    // call also fixes the installation directory (QV_HOME, else the default)
    // and sets HHHOME and HHPATH to its help directory. 0, or -1 when a
    // variable could not be set.
    static int prepare();

    // The installation directory fixed by the first prepare().
    static const std::string& install_dir();

    static constexpr const char* kViewerLibDir = "/usr/valmora/lib";
};
