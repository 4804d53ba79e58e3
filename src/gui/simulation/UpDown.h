#pragma once
// The arrow pair now lives with the other shared window parts; this name
// stays only until the parameter dialog includes gui/common/UpDown.h.
#include "gui/common/UpDown.h"
