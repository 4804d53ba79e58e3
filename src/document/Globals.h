#pragma once
// What is process-wide: the program's constants and the parameter-name
// table. The document itself is a value (Document.h).

#include <cstdint>
#include <string>

#include "document/Records.h"

inline const std::string FileVersionText = "03.02";
inline const std::string Version = "3.02";
inline const std::string Release = "0.1";
inline const std::string Untitled = "untitled";
constexpr int RegPktanz = 100;
constexpr int SimparLayerRows = 7;
constexpr int IterLayerRows = 5;
constexpr std::int32_t K0Factor = 413007872;

// Name of a parameter kind (0..11); column 0 in eps input mode, 1 in n and
// kappa mode. An index outside the table gives an empty name.
const std::string& ParaNames(int kind, int column);
constexpr int ParaKindCount = 12;
