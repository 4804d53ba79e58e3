#pragma once
// The result columns of a run: one per Z value, each with one point per X
// value, every point created invalid with no values.

#include "document/Records.h"

// Number of columns the record asks for: 1 without a Z parameter.
int ResColCount(const TSimparameter& para);
void CreateResColList(TResColList& list, const TSimparameter& para);
void ClearResColList(TResColList& list);
