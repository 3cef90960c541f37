// A full-application-modal question box "QuestionDialog" with OK and CANCEL.
#pragma once

#include "gui/AppsDialogBox.hpp"
#include "gui/BoxTexts.hpp"

class QuestionDialogBox : public AppsDialogBox {
public:
    // Left unmanaged; manage() shows it.
    QuestionDialogBox(Widget parent, const char* message, const BoxTexts& texts);
};
