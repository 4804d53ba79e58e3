#include "plot/plain/Sprachfeld.h"

const std::array<std::array<const char*, SprachfeldCount>, 2> Sprachfeld = {{
    {"&Abbruch", "X-Achsen-Dialog", "Y-Achsen-Dialog", "Y1-Achsen-Dialog", "Y2-Achsen-Dialog",
     "von:", "bis:", "Format:", "Titel:", "log-Skala", "Null-Linie", "Gitter-Linie",
     "Plot-Titel", "Plot-\xC3\x9C" "bersicht", "Automatik", "Flie\xC3\x9F" "komma", "Exponential",
     "Technisch", "Drucker:", "Hochformat", "Querformat", "Format", "Einrichten", "drucke Plot"},
    {"&Cancel", "X-Axis-Dialog", "Y-Axis-Dialog", "Y1-Axis-Dialog", "Y2-Axis-Dialog",
     "from:", "to:", "format:", "title:", "log-scale", "zero-line", "grid-line",
     "Plot-Title", "Plot-View", "automatic", "decimal", "exponentical",
     "technical", "printer:", "portrait", "landscape", "orientation", "Setup", "printing plot"},
}};

const char* SprachText(TSprachart sprache, int index)
{
    int lang = sprache == englisch ? 1 : 0;
    if (index < 0 || index >= SprachfeldCount)
        return "";
    return Sprachfeld[lang][index];
}
