// Writes the fuzzer's seed files: valid documents of versions 3.02, 3.00
// and 2.00. Usage: make_document_corpus <folder>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "SampleDocuments.h"

namespace {

void put(const std::string& folder, const std::string& name, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(folder + "/" + name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder>\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];

    Document empty = DefaultDocument();
    put(folder, "v302-new.vtn", testdoc::saveToBytes(empty));

    Document sample = testdoc::sampleDocument();
    put(folder, "v302-sample.vtn", testdoc::saveToBytes(sample));

    // Kinds at the ends of their range, as a damaged file may hold them.
    Document odd = testdoc::sampleDocument();
    odd.Simparameter.XAxis.Typ = INT32_MAX;
    odd.Simparameter.ZAxis.Typ = INT32_MIN;
    put(folder, "v302-odd-kinds.vtn", testdoc::saveToBytes(odd));

    Document v300 = testdoc::sampleDocument();
    v300.Simparameter.XAxis.Typ = 9;   // wavelength in version 3.00
    v300.Simparameter.ZAxis.Typ = 12;  // ellipticity in version 3.00
    v300.ResColList.resize(1);
    put(folder, "v300-wavelength.vtn", testdoc::saveToBytes(v300, "03.00"));

    put(folder, "v200-sample.vtn", testdoc::writeOldFile(testdoc::sampleOldFile()));

    testdoc::OldFile rotated = testdoc::sampleOldFile();
    rotated.x = {9, 0.0, 45.0, 1, 10, 0.0, 0};
    rotated.z = {13, 500.0, 700.0, 0, 3, 100.0, 1};
    rotated.plots.clear();
    rotated.scans.clear();
    put(folder, "v200-rotation.vtn", testdoc::writeOldFile(rotated));
    return 0;
}
