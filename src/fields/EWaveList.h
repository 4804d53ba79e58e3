#pragma once
// The sample lists of the field windows. A window owns its list; the
// calculators fill it in place.

#include <vector>

#include "document/Records.h"

using TEWaveList = std::vector<TEWave>;

// Frees every sample.
void ClearEWaveList_T(TEWaveList& list);
// Appends count new empty samples.
void CreateEWaveList_T(TEWaveList& list, int count);
// Marks every sample as not computed.
void ResetEWaveList_T(TEWaveList& list);

void ClearEWaveList_D(TEWaveList& list);
void CreateEWaveList_D(TEWaveList& list, int count);
void ResetEWaveList_D(TEWaveList& list);
