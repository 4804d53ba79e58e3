#include "fields/EWaveList.h"

void ClearEWaveList_T(TEWaveList& list) { list.clear(); }

void CreateEWaveList_T(TEWaveList& list, int count)
{
    if (count > 0)
        list.resize(list.size() + std::size_t(count));
}

void ResetEWaveList_T(TEWaveList& list)
{
    for (TEWave& w : list)
        w.Filled = 0;
}

void ClearEWaveList_D(TEWaveList& list) { ClearEWaveList_T(list); }
void CreateEWaveList_D(TEWaveList& list, int count) { CreateEWaveList_T(list, count); }
void ResetEWaveList_D(TEWaveList& list) { ResetEWaveList_T(list); }
