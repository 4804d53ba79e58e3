#include "gui/main/plain/CommandEnabling.h"

#include "document/AxisKind.h"

TCommandStates CommandStates(const Document& doc)
{
    const bool R = !doc.ResColList.empty();
    const bool S = !doc.ScanColList.empty();
    const bool T = XAxisKind(doc.Simparameter) == pkTheta;
    const bool stack = doc.Simparameter.Layeranz >= 2 && doc.Simparameter.Layeranz <= MaxLayers;
    TCommandStates c;
    c.ScaleShift = S;
    c.Evaluation = (S || R) && T;
    c.Manual = R && stack;
    c.Fields = R && stack;
    c.ShowOverviewButtons = R;
    c.Iterative = S && T && stack;
    return c;
}
