#pragma once
// A document for the fit and evaluation windows and for the fit run, which
// is tested without Qt (nothing here needs it): the demo sensor (p light,
// Theta 40 to 60 in 200 points) with a 20 nm film, and a measured scan file
// written from it by the engine with deterministic noise, read back through
// the scan-file reader.

#include <fstream>
#include <memory>
#include <string>

#include "document/Defaults.h"
#include "document/ScanFile.h"
#include "optics/CalcPlasmon.h"
#include "support/Noise.h"
#include "support/Stacks.h"

namespace fittest {

constexpr int FilmLayer = 2;  // 0-based row of the film
constexpr int FilmThicknessSlot = FilmLayer * 7;
constexpr double FilmNm = 20.0;

inline TSimparameter sensor()
{
    TSimparameter p = veltrane::stacks::demo();
    p.PolArt = paP;
    p.PolMode = pmP;
    p.Dicke[FilmLayer] = FilmNm;
    veltrane::stacks::thetaScan(p, 40.0, 60.0, 200);
    return p;
}

inline TResColList simulate(const TSimparameter& p)
{
    std::unique_ptr<TCalcPlasmon> calc;
    TResColList results;
    CreateCalcPlasmon(calc, p, results, veltrane::ErrorReport::ToCaller);
    RunCalcPlasmon(calc.get(), p, results, veltrane::ErrorReport::ToCaller);
    return results;
}

using veltrane::test::Noise;

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
inline Document fitDocument(const std::string& folder, double startNm, double noise = 0.002)
{
    Document doc = DefaultDocument();
    const TSimparameter truth = sensor();
    const std::string path = folder + "/sensor.dat";
    writeScanFile(path, truth, noise);
    AddScanFile(path, doc.ScanColList);
    doc.Simparameter = truth;
    doc.Simparameter.Dicke[FilmLayer] = startNm;
    return doc;
}

}  // namespace fittest
