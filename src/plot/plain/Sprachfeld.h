#pragma once
// The captions of the plot's own dialogs in German and English, indexed by
// language and caption number (0 to 23).

#include <array>

#include "plot/plain/Linedef.h"

constexpr int SprachfeldCount = 24;

// UTF-8 text; document files that carry such text store it in Windows-1252.
extern const std::array<std::array<const char*, SprachfeldCount>, 2> Sprachfeld;

// The caption in the given language; an index out of range gives "".
const char* SprachText(TSprachart sprache, int index);
