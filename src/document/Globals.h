#pragma once
// The document: a fixed set of global records and two lists that live for
// the whole process, with the program's constants and the parameter-name
// table. Pass references to these where a routine can take them.

#include <cstdint>
#include <string>

#include "document/Records.h"

extern TSimparameter Simparameter;
extern TEHOptionpara EHOptionpara;
extern TPlotwindowpara Plotwindowpara;
extern TAuswertungpara Auswertungpara;
extern TResColList ResColList;
extern TScanColList ScanColList;
extern std::string Titletext;
extern TOptionpara Optionpara;
extern std::uint8_t CalcRunning;
extern std::string FileName;
extern std::uint8_t HasResults;
extern std::uint8_t XIsTheta;

inline const std::string FileVersionText = "03.02";
inline const std::string Version = "3.02";
inline const std::string Release = "0.1";
inline const std::string Untitled = "untitled";
constexpr int RegPktanz = 100;
constexpr int SimparLayerRows = 7;
constexpr int IterLayerRows = 5;
constexpr std::int32_t K0Factor = 413007872;

// The transfer record over the global document parts.
TDocumentrec GlobalDocumentrec();

// Name of a parameter kind (0..11); column 0 in eps input mode, 1 in n and
// kappa mode. An index outside the table gives an empty name.
const std::string& ParaNames(int kind, int column);
constexpr int ParaKindCount = 12;
