#include "gui/simulation/plain/LayerEditModel.h"

#include "document/Records.h"
#include "gui/simulation/plain/LayerRows.h"

LayerEditTexts LayerEditTextsFor(int operation)
{
    switch (operation) {
    case loMove: return {"Move Layer", "Layer:", "befor Layer:", true};
    case loCopy: return {"Copy Layer", "Layer:", "to Layer:", true};
    case loInsert: return {"Insert Layer", "befor Layer:", nullptr, false};
    case loDelete: return {"Delete Layer", "Layer:", nullptr, false};
    default: return {"ExChange Layer", "Layer:", " with Layer:", true};
    }
}

std::vector<LayerEditFailure> CheckLayerNumbers(int operation, int nr1, int nr2)
{
    const auto valid = [](int nr) { return nr >= 1 && nr <= MaxLayers; };
    std::vector<LayerEditFailure> failures;
    if (!valid(nr1))
        failures.push_back({"wrong Layer-Nr1 (1-30)", 1});
    if (operation == loInsert || operation == loDelete)
        return failures;
    if (!valid(nr2))
        failures.push_back({"wrong Layer-Nr2 (1-30)", 2});
    if (nr1 == nr2)
        failures.push_back({"Layer-Nr1 and Layer-Nr2 do be the same", 1});
    return failures;
}
