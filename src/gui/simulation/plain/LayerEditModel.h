#pragma once
// The layer-number dialog apart from its widgets: its texts per operation
// and the checks of its OK. The layer numbers are 1-based as the user
// types them; an empty edit is Riedit::NAIN.

#include <string>
#include <vector>

struct LayerEditTexts {
    const char* Caption;
    const char* Label1;
    const char* Label2;  // nullptr: the label keeps its text
    bool SecondNumber;   // Label2 and Nr2 shown
};

// The texts of an operation code (TLayerOperation); unknown codes get
// those of Exchange.
LayerEditTexts LayerEditTextsFor(int operation);

struct LayerEditFailure {
    std::string Message;
    int Field;  // 1 for Nr1, 2 for Nr2: the edit that takes the focus
    bool operator==(const LayerEditFailure&) const = default;
};

// Every failing check in order; each is shown in its own box. Empty when
// the dialog may close with OK.
std::vector<LayerEditFailure> CheckLayerNumbers(int operation, int nr1, int nr2);
