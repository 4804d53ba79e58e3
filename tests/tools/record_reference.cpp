// Records the results of the engine's and the field runs' reference cases
// into the data files their tests compare against. Run it only when the
// results are meant to change, and say why in the commit:
//
//   build/tests/record_reference [tests folder]

#include <iostream>
#include <string>

#include "fields/FieldReferenceCases.h"
#include "optics/EngineReferenceCases.h"
#include "support/RecordedResults.h"

using namespace veltrane::test;

int main(int argc, char** argv)
{
    const std::string dir = argc > 1 ? argv[1] : VELTRANE_TESTS_DIR;
    RecordedCases engine;
    for (const EngineCase& c : engineCases())
        engine.push_back({c.name, engineResults(c.rec)});
    RecordedCases fields;
    for (const FieldCase& c : fieldCases())
        fields.push_back({c.name, fieldResults(c)});
    const std::string enginePath = dir + "/optics/data/engine_reference.txt";
    const std::string fieldPath = dir + "/fields/data/field_reference.txt";
    bool ok = writeRecorded(enginePath,
                            "Engine results of the cases in tests/optics/EngineReferenceCases.h,\n"
                            "written by tests/tools/record_reference.cpp.",
                            engine);
    ok = writeRecorded(fieldPath,
                       "Field samples of the cases in tests/fields/FieldReferenceCases.h,\n"
                       "written by tests/tools/record_reference.cpp.",
                       fields) &&
         ok;
    std::cout << (ok ? "written: " : "FAILED: ") << enginePath << ", " << fieldPath << '\n';
    return ok ? 0 : 1;
}
