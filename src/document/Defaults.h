#pragma once
// The default values of a new document. Fields the defaults leave "not set"
// keep whatever they held before.

#include "document/Document.h"
#include "document/Records.h"

// The parameter dialog's defaults of the simulation record.
void SetDefaultParameter(TSimparameter& p);
// The evaluation dialog's defaults of the evaluation settings.
void SetDefaultParameter(TAuswertungpara& a);
void SetDefaultOptions(TOptionpara& o);
void SetEHOptionDefaults(TEHOptionpara& e);
// Titles and limits of the main plot of a new document.
void SetDefaultPlot(TPlotwindowpara& p);

// The document of a freshly started program: every part at its defaults,
// the field-view options included, the lists empty, "untitled".
Document DefaultDocument();
