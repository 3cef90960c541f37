// The catalogue's words for the toolkit kit's dialogs (set 8).
#pragma once

#include "gui/BoxTexts.hpp"

BoxTexts error_box_texts();
BoxTexts question_box_texts();
FileChooserTexts file_chooser_texts();
