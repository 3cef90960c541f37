// The one file chooser of the process: a file selection box in a dialog
// shell, used to pick the background image and the map file.
#pragma once

#include <X11/Intrinsic.h>

#include "gui/BoxTexts.hpp"

inline constexpr int READ_FILE = 0;
inline constexpr int SAVE_FILE = 1;
inline constexpr int GET_FILENAME_ONLY = 2;

// 1 until the first caller has created the chooser (and cleared it).
extern int first_fchooser;

using FileChooserCallback = int (*)(void* file_name);

// Creates the dialog shell "file_chooser_shell" ("Select File") under parent
// with the file selection box "file_chooser".
void create_file_chooser_shell(Widget parent, const FileChooserTexts& texts);
// Sets the mode (other values than 1 and 2 count as 0) and the callback that
// OK hands the selection to, and shows the chooser.
void fchooser_setup(int mode, FileChooserCallback callback);
// Points the chooser at a directory and, when file is not empty, selects it.
void fchooser_default_file(const char* directory, const char* file);
void fchooser_unmanage();
Widget fchooser_getwidget();
