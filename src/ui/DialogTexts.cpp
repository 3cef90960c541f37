#include "ui/DialogTexts.hpp"

#include "process/Catalogue.hpp"

BoxTexts error_box_texts()
{
    return {cat_text(kDialogSet, 606, "Error"), cat_text(kDialogSet, 405, "OK"),
            cat_text(kDialogSet, 406, "Cancel"), cat_text(kDialogSet, 807, "Help")};
}

BoxTexts question_box_texts()
{
    return {cat_text(kDialogSet, 607, "Question"), cat_text(kDialogSet, 610, "OK"),
            cat_text(kDialogSet, 611, "CANCEL"), cat_text(kDialogSet, 507, "Help")};
}

FileChooserTexts file_chooser_texts()
{
    return {cat_text(kDialogSet, 400, "Select File"), cat_text(kDialogSet, 401, "Filter"),
            cat_text(kDialogSet, 402, "Directories"), cat_text(kDialogSet, 403, "Files"),
            cat_text(kDialogSet, 404, "Selection"),   cat_text(kDialogSet, 405, "OK"),
            cat_text(kDialogSet, 406, "Cancel"),      cat_text(kDialogSet, 202, "Help")};
}
