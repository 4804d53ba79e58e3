#pragma once
// What "Edit value" hands back for a grid cell. A text that is no number
// leaves the edit with its empty marker; that marker is refused here, so
// it can never be written into a layer and computed with. A thickness
// below 0 is refused as well, naming its layer.

#include <string>

struct TValueEditModel {
    double Value = 0.0;
    // The layer (1 .. 30) whose thickness the cell holds; 0 when the cell
    // holds no thickness.
    int ThicknessLayer = 0;

    // OK with the edit's number: true when Value took it; false, with the
    // message for the "Error" box, when the text was no number or no
    // thickness.
    bool Take(double typed, std::string& message);
};
