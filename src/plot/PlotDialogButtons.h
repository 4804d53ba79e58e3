#pragma once
// The OK / Cancel row of the plot's own dialogs. Their buttons carry no
// object names, and each dialog sets the Cancel caption from the caption
// table in its language whenever it shows.

#include "controls/DialogButtons.h"

inline DialogButtons MakePlotDialogButtons(QDialog* dialog)
{
    return MakeDialogButtons(dialog, {.OkCaption = "&OK", .OkName = nullptr, .CancelCaption = {}, .CancelName = nullptr});
}
