#pragma once
// Scan files for the dialog tests, written into a temporary folder: a
// two-column scan and an ellipsometry scan with their two header lines.

#include <fstream>
#include <string>

#include "support/TempFolder.h"

struct ScanFiles {
    testdoc::TempFolder dir;

    std::string path(const std::string& name) const { return dir.path(name); }
    std::string write(const std::string& name, const std::string& body) const
    {
        const std::string p = path(name);
        std::ofstream(p, std::ios::binary) << body;
        return p;
    }
    // Two points of a reflectivity dip.
    std::string twoColumn(const std::string& name = "gold.dto") const
    {
        return write(name, "Scan\nTheta R\n40 0.9\n41 0.2\n42 0.8\n");
    }
    // Psi and Delta at three angles.
    std::string ellipsometry(const std::string& name = "film.ell") const
    {
        return write(name, "Ellipso\nTheta Psi Delta\n60 10 100\n65 12,5 110\n70 15 120\n");
    }
};
