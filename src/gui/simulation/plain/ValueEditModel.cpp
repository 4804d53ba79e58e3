#include "gui/simulation/plain/ValueEditModel.h"

#include "document/NoValue.h"
#include "gui/simulation/plain/LayerThickness.h"

bool TValueEditModel::Take(double typed, std::string& message)
{
    if (typed == Riedit::NADN) {
        message = "Value is not a number";
        return false;
    }
    if (ThicknessLayer > 0 && !ThicknessAllowed(typed)) {
        message = NegativeThicknessMessage(ThicknessLayer);
        return false;
    }
    Value = typed;
    return true;
}
