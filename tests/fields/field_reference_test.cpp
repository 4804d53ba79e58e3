// The field samples of a fixed set of depth profiles and angle scans agree
// with the ones recorded before the computation's speed work, to 1e-13
// relative: faster code may round differently, never compute something else.
//
// "Relative" is taken to the field strength of the sample, the largest
// modulus of its six components. A component far weaker than the others
// (the imaginary part of Hx at a node, the fields behind a plasmon-coupled
// gold film after the walk through it) carries the rounding of the strong
// ones it was computed from; measured against itself, any change of the
// order of operations would move it by more than 1e-13.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "FieldReferenceCases.h"
#include "support/RecordedResults.h"

using namespace veltrane::test;

namespace {

constexpr double kRelative = 1e-13;
constexpr std::size_t kHead = 5, kPart = 5, kSample = kHead + 6 * kPart;

// The first value of a sample (Grenze, Theta, Pos, RelPos, Filled, then per
// component re, im, modulus, squared modulus, phase) that does not agree,
// or -1.
int firstDisagreement(const double* rec, const double* now)
{
    for (std::size_t i = 0; i < kHead; ++i)
        if (!agree(rec[i], now[i], kRelative))
            return int(i);
    double scale = 0.0;
    for (std::size_t c = 0; c < 6; ++c)
        if (rec[kHead + c * kPart + 2] != NOVALUE)
            scale = std::max(scale, std::hypot(rec[kHead + c * kPart], rec[kHead + c * kPart + 1]));
    const double tol = kRelative * scale;
    for (std::size_t c = 0; c < 6; ++c) {
        const double* r = rec + kHead + c * kPart;
        const double* n = now + kHead + c * kPart;
        if (std::equal(r, r + kPart, n))
            continue;
        const int at = int(kHead + c * kPart);
        // A component not computed holds its markers and nothing else.
        if (r[2] == NOVALUE || n[2] == NOVALUE || !std::isfinite(scale))
            return at;
        const double modulus = std::hypot(r[0], r[1]);
        double dPhase = std::abs(r[4] - n[4]);
        dPhase = std::min(dPhase, 360.0 - dPhase) * std::numbers::pi / 180.0;
        if (std::hypot(r[0] - n[0], r[1] - n[1]) > tol || std::abs(r[2] - n[2]) > tol ||
            std::abs(r[3] - n[3]) > tol * (r[2] + n[2]) || dPhase * modulus > tol)
            return at;
    }
    return -1;
}

}  // namespace

TEST(FieldReference, SamplesAgreeWithTheRecordedOnes)
{
    const RecordedCases recorded = readRecorded(VELTRANE_TEST_DATA "/field_reference.txt");
    const std::vector<FieldCase> cases = fieldCases();
    ASSERT_EQ(recorded.size(), cases.size()) << "the recorded file does not hold every case";
    for (std::size_t k = 0; k < cases.size(); ++k) {
        SCOPED_TRACE(cases[k].name);
        ASSERT_EQ(recorded[k].name, cases[k].name);
        const std::vector<double> now = fieldResults(cases[k]);
        ASSERT_EQ(now.size(), recorded[k].values.size());
        ASSERT_EQ(now.size() % kSample, 0u);
        int differing = 0;
        for (std::size_t s = 0; s < now.size(); s += kSample) {
            const int at = firstDisagreement(&recorded[k].values[s], &now[s]);
            if (at >= 0 && differing++ < 3)
                ADD_FAILURE() << "sample " << s / kSample << ", value " << at << ": recorded "
                              << hexText(recorded[k].values[s + std::size_t(at)]) << ", now "
                              << hexText(now[s + std::size_t(at)]);
        }
        EXPECT_EQ(differing, 0);
    }
}

TEST(FieldReference, ComparisonSeesAChangeAboveTheTolerance)
{
    // Guards the comparison: a change of 1e-12 of the field strength in a
    // weak component, or a flipped phase, is a disagreement.
    const RecordedCases recorded = readRecorded(VELTRANE_TEST_DATA "/field_reference.txt");
    ASSERT_FALSE(recorded.empty());
    std::vector<double> sample(recorded[0].values.begin(), recorded[0].values.begin() + kSample);
    ASSERT_EQ(sample[4], 1.0) << "the first sample is computed";
    EXPECT_EQ(firstDisagreement(sample.data(), sample.data()), -1);
    double scale = 0.0;
    for (std::size_t c = 0; c < 6; ++c)
        scale = std::max(scale, sample[kHead + c * kPart + 2]);
    std::vector<double> changed = sample;
    changed[kHead + 1] += 1e-12 * scale;
    EXPECT_EQ(firstDisagreement(sample.data(), changed.data()), int(kHead));
    changed = sample;
    changed[kHead + 4] += changed[kHead + 4] > 0.0 ? -180.0 : 180.0;
    EXPECT_EQ(firstDisagreement(sample.data(), changed.data()), int(kHead));
}
