#pragma once
// A document for the fit and evaluation windows: the sensor of FitSensor.h
// and a measured scan file written from it by the engine with deterministic
// noise, read back through the scan-file reader.

#include <QTemporaryDir>
#include <fstream>
#include <string>

#include "FitSensor.h"
#include "document/Defaults.h"
#include "document/ScanFile.h"

namespace fittest {

// The Rp curve of the record as a measured two-column scan file, with two
// header lines and a comma as decimal separator, as a German system writes.
inline void writeScanFile(const std::string& path, const TSimparameter& p, double noise)
{
    std::ofstream out(path, std::ios::binary);
    out << "measured sensor\nTheta Rp\n";
    Noise n(noise);
    const TResColList results = simulate(p);
    for (const TResPunkt& r : results.front().Points) {
        std::string x = std::to_string(r.x), y = std::to_string(r.Rp + n.next());
        for (std::string* s : {&x, &y})
            for (char& c : *s)
                if (c == '.')
                    c = ',';
        out << x << '\t' << y << "\r\n";
    }
}

// The document of a fit: defaults, the sensor record with the film at
// startNm, and the scan file of the true film read in.
inline Document fitDocument(const QTemporaryDir& dir, double startNm, double noise = 0.002)
{
    Document doc = DefaultDocument();
    const TSimparameter truth = sensor();
    const std::string path = (dir.path() + "/sensor.dat").toStdString();
    writeScanFile(path, truth, noise);
    AddScanFile(path, doc.ScanColList);
    doc.Simparameter = truth;
    doc.Simparameter.Dicke[FilmLayer] = startNm;
    return doc;
}

}  // namespace fittest
