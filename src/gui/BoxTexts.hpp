// The words on a dialog's title bar and buttons. The toolkit kit knows no
// message catalogue: whoever makes a dialog passes its texts in.
#pragma once

#include <string>

struct BoxTexts {
    std::string title;
    std::string ok;
    std::string cancel;
    std::string help;
};

// The labels of the file chooser's parts.
struct FileChooserTexts {
    std::string title;
    std::string filter;
    std::string directories;
    std::string files;
    std::string selection;
    std::string ok;
    std::string cancel;
    std::string help;
};
