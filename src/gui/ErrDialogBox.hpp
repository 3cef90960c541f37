// A full-application-modal error box "ErrorDialog" showing only its OK button.
#pragma once

#include "gui/AppsDialogBox.hpp"
#include "gui/BoxTexts.hpp"

class ErrDialogBox : public AppsDialogBox {
public:
    // Left unmanaged; manage() shows it.
    ErrDialogBox(Widget parent, const char* message, const BoxTexts& texts);
};
