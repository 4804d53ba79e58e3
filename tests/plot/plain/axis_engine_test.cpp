#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/CFormat.h"
#include "plot/plain/Axis.h"
#include "plot/plain/DecimalDigits.h"
#include "plot_fake_metrics.h"

namespace {

struct Layout {
    double start, end, step;
    std::vector<std::string> labels;
};

std::vector<std::string> labelsOf(const TAxis& a)
{
    std::vector<std::string> out{a.GetLabel(a.StartValue())};
    double x = a.StartValue();
    for (int i = 1; i < 200; ++i) {
        double y = a.NextValue(i, x);
        if (!(y <= a.EndValue()))
            break;
        out.push_back(a.GetLabel(y));
        x = y;
    }
    return out;
}

TXAxis axisWith(double min, double max, bool log = false)
{
    TXAxis a;
    a.Setlogscale(log);
    a.SetminValue(min);
    a.SetmaxValue(max);
    a.SetFirstRealvalue(500);
    return a;
}

}  // namespace

TEST(AxisEngine, FirstLinearLayouts)
{
    struct Case {
        double min, max, start, end, step;
    } cases[] = {
        {0, 100, 0, 100, 10},
        {3, 97, 0, 100, 10},
        {-2.3, 7, -3, 7, 1},
        {-2, 7, -2, 7, 1},
        {5, 5, 4, 6, 0.2},
        {100, 0, 0, 100, 10},         // reversed limits are swapped
        {0, 12000, 0, 12000, 1000},
        {13, 100, 10, 100, 10},
        {0.0537, 0.065, 0.053, 0.065, 0.001},  // the start never lies above the minimum
        {-2.04, 7, -3, 7, 1},
        {-0.30000000000000004, 0.9, -0.3, 0.9, 0.1},  // binary noise is no digit
        {0.30000000000000004, 1.5, 0.3, 1.5, 0.1},
        {-1.0000000000000002, -1 + 1.5e-15, -1.0000000000000002, -1.0000000000000002 + 9 * 2e-16, 2e-16},  // last digit
    };
    for (const Case& c : cases) {
        TXAxis a = axisWith(c.min, c.max);
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        EXPECT_DOUBLE_EQ(a.Schrittweite(), c.step);
        EXPECT_DOUBLE_EQ(a.StartValue(), c.start);
        EXPECT_DOUBLE_EQ(a.EndValue(), c.end);
        EXPECT_LE(a.StartValue(), std::min(c.min, c.max) + 1e-12 * c.step);
        EXPECT_TRUE(a.LinearSteps());
    }
}

TEST(AxisEngine, AutomaticLabels)
{
    EXPECT_EQ(labelsOf(axisWith(0, 100)),
              (std::vector<std::string>{"0", "10", "20", "30", "40", "50", "60", "70", "80", "90", "100"}));
    EXPECT_EQ(labelsOf(axisWith(0, 12000)),
              (std::vector<std::string>{"0", "1E3", "2E3", "3E3", "4E3", "5E3", "6E3", "7E3", "8E3", "9E3",
                                        "10000", "11000", "12000"}));
    EXPECT_EQ(labelsOf(axisWith(5, 5)).front(), "4.0");
    EXPECT_EQ(labelsOf(axisWith(5, 5)).back(), "6.0");
    EXPECT_EQ(labelsOf(axisWith(1, 1000, true)), (std::vector<std::string>{"1", "10", "100", "1E3"}));
}

TEST(AxisEngine, CoarserLayoutsStepOneTwoFive)
{
    TXAxis a = axisWith(0, 100);
    std::vector<double> steps;
    for (int i = 0; i < 3; ++i) {
        a.SetNextRealvalue(500);
        steps.push_back(a.Schrittweite());
        EXPECT_DOUBLE_EQ(a.StartValue(), 0);
        EXPECT_DOUBLE_EQ(a.EndValue(), 100);
    }
    EXPECT_EQ(steps, (std::vector<double>{20, 50, 100}));
}

TEST(AxisEngine, LogarithmicLayouts)
{
    struct Case {
        double min, max, start, end;
        bool linear;
        double step;
    } cases[] = {
        {1, 1000, 1, 1000, false, 1},
        {0, 0, 1e-5, 1e-3, false, 1},
        {1e-5, 1e-5, 1e-5, 1e-3, false, 1},
        {2, 8, 1, 8, true, 1},
        {0.01, 1.2, 0.01, 10, false, 1},  // the last decade encloses the data
        {0.096, 50, 0.01, 100, false, 1},  // and so does the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        TXAxis a = axisWith(c.min, c.max, true);
        EXPECT_DOUBLE_EQ(a.StartValue(), c.start);
        EXPECT_DOUBLE_EQ(a.EndValue(), c.end);
        EXPECT_EQ(a.LinearSteps(), c.linear);
        EXPECT_DOUBLE_EQ(a.Schrittweite(), c.step);
    }
    TXAxis within = axisWith(2, 8, true);
    within.SetNextRealvalue(500);
    EXPECT_FALSE(within.LinearSteps());
    EXPECT_DOUBLE_EQ(within.Schrittweite(), 2);
    EXPECT_GE(within.EndValue(), 8);
}

TEST(AxisEngine, LabelFormats)
{
    struct Case {
        double v;
        int deci;
        TZahlenFormat f;
        const char* text;
    } cases[] = {
        {12.5, -1, zfAutomatic, "12.5"},
        {0.001, -3, zfAutomatic, "1E-3"},
        {1500, 2, zfAutomatic, "1500"},
        {5, 0, zfAutomatic, "5"},
        {0, 0, zfAutomatic, "0"},
        {0, -2, zfFliesskommar, "0"},
        {0, -2, zfExponent, "0"},
        {-0.0, -2, zfTechnik, "0"},
        {-1e-17, -2, zfFliesskommar, "0"},  // never "-0.00"
        {9.9996, -3, zfFliesskommar, "10.000"},
        {12500, 2, zfExponent, "1.25E4"},
        {12500, 2, zfTechnik, "12.5E3"},
        {0.00125, -5, zfTechnik, "1.25E-3"},
        {-2.5, -1, zfAutomatic, "-2.5"},
        {0.0996, -2, zfFliesskommar, "0.10"},
        {1e10 + 1, 0, zfFliesskommar, "10000000001"},
        {1e10, 0, zfFliesskommar, "10000000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TAxis::Getformatstr(c.v, c.deci, c.f), c.text) << c.v << " " << c.deci;
}

TEST(AxisEngine, DigitPositions)
{
    EXPECT_EQ(TAxis::Getdeci(0.5), -1);
    EXPECT_EQ(TAxis::Getdeci(2), 0);
    EXPECT_EQ(TAxis::Getdeci(10), 1);
    EXPECT_EQ(TAxis::Getdeci(0.25), -2);
    EXPECT_EQ(TAxis::Getdeci(150), 1);
    EXPECT_EQ(TAxis::Runden(2.5), 3);
    EXPECT_EQ(TAxis::Runden(-2.5), -3);
    EXPECT_DOUBLE_EQ(TAxis::Runden_nach(4.1000000000000005, -1), 4.1);
    EXPECT_DOUBLE_EQ(TAxis::Runden_nach(1234, 2), 1200);
}

TEST(AxisMapping, RoundTripsAndEnds)
{
    for (bool log : {false, true}) {
        TXAxis a = axisWith(log ? 1 : 0, log ? 1000 : 100, log);
        a.SetPixelRange(51, 578);
        EXPECT_EQ(a.Kor2Pkt(a.StartValue()), 51);
        EXPECT_EQ(a.Kor2Pkt(a.EndValue()), 578);
        for (int p : {51, 100, 300, 577}) {
            double v = a.Pkt2kord(p);
            EXPECT_EQ(a.Kor2Pkt(v), p) << log;
        }
    }
    TY1Axis y = TY1Axis();
    y.SetmaxValue(100);
    y.SetFirstRealvalue(300);
    y.SetPixelRange(341, 32);
    EXPECT_EQ(y.Kor2Pkt(0), 341);
    EXPECT_EQ(y.Kor2Pkt(100), 32);
    EXPECT_NEAR(y.Pkt2kord(186), 50.16, 0.01);
}

TEST(AxisMapping, UnplaceableValuesHaveNoPixel)
{
    TXAxis lin = axisWith(0, 100);
    lin.SetPixelRange(50, 550);
    EXPECT_FALSE(lin.TryKor2Pkt(NAN));
    EXPECT_FALSE(lin.TryKor2Pkt(INFINITY));
    EXPECT_FALSE(lin.TryKor2Pkt(1e300));
    EXPECT_FALSE(lin.TryKor2Pkt(-3e5));  // 1.5 million pixels to the left
    EXPECT_TRUE(lin.TryKor2Pkt(-1e5));
    EXPECT_EQ(lin.Kor2Pkt(1e300), 1000000);
    EXPECT_EQ(lin.Kor2Pkt(-1e300), -1000000);
    TXAxis log = axisWith(1, 1000, true);
    log.SetPixelRange(50, 550);
    EXPECT_FALSE(log.TryKor2Pkt(0));
    EXPECT_FALSE(log.TryKor2Pkt(-5));
    EXPECT_EQ(log.Kor2Pkt(0), -1000000);
    EXPECT_EQ(*log.TryKor2Pkt(10), 217);
}

TEST(AxisEngine, DegenerateLimitsEndAndStaySane)
{
    struct Case {
        double min, max;
        bool log;
    } cases[] = {
        {1e20, 1e20, false}, {-1e20, -1e20, false}, {1e10, 1e10 + 1, false}, {1, 1 + 1e-15, false},
        {-1e308, 1e308, false}, {1e-300, 1e300, true}, {0, 1e308, true}, {1e-320, 1e-320, false},
        {5e-324, 1e-323, true},
    };
    FixedMetrics m;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        TXAxis a;
        a.Setlogscale(c.log);
        a.SetminValue(c.min);
        a.SetmaxValue(c.max);
        a.SetFirstRealvalue(500);
        for (int n = 0; n < 40 && a.Getminspace(500) < 30; ++n)
            a.SetNextRealvalue(500);
        EXPECT_TRUE(std::isfinite(a.StartValue()));
        EXPECT_TRUE(std::isfinite(a.EndValue()));
        EXPECT_LE(a.StartValue(), a.EndValue());
        EXPECT_GE(a.GetmaxTextbreite(m), 8);
    }
    // Equal limits far from zero widen relatively.
    TXAxis big = axisWith(1e20, 1e20);
    EXPECT_LT(big.StartValue(), 1e20);
    EXPECT_GT(big.EndValue(), 1e20);
    // Neighbouring labels of a narrow range far from zero stay apart.
    TXAxis narrow = axisWith(1e10, 1e10 + 1);
    std::vector<std::string> labels = labelsOf(narrow);
    ASSERT_GE(labels.size(), 2u);
    EXPECT_NE(labels[0], labels[1]);
}

TEST(AxisEngine, NonFiniteLimitsKeepTheLastLayout)
{
    TXAxis a = axisWith(0, 50);
    a.SetmaxValue(INFINITY);
    a.SetFirstRealvalue(500);
    EXPECT_DOUBLE_EQ(a.StartValue(), 0);
    EXPECT_DOUBLE_EQ(a.EndValue(), 50);
    a.SetminValue(NAN);
    a.SetFirstRealvalue(500);
    EXPECT_DOUBLE_EQ(a.EndValue(), 50);
}

TEST(AxisEngine, MinimumSpacingAndBoundedWalk)
{
    TXAxis a = axisWith(0, 100);
    a.SetOverlap(12);
    // 10 intervals over 563 - 24 pixels.
    EXPECT_EQ(a.Getminspace(563), 53);
    EXPECT_EQ(a.FirstPixel(), 12);
    EXPECT_EQ(a.LastPixel(), 551);
    TXAxis one = axisWith(0, 100);
    one.SetNextRealvalue(10);
    one.SetNextRealvalue(10);
    one.SetNextRealvalue(10);  // step 100: a single interval
    EXPECT_EQ(one.Getminspace(200), 200);
}

TEST(AxisSettings, WritersNotifyOnlyOnChange)
{
    TXAxis a;
    int calls = 0;
    a.OnValueChange = [&](TAxis& sender) {
        EXPECT_EQ(&sender, &a);
        ++calls;
    };
    a.SetminValue(0);  // unchanged
    a.SetmaxValue(5);
    a.SetmaxValue(5);
    a.SetTitle("t");
    a.Setlogscale(true);
    a.SetZeroline(true);
    a.SetGitter(true);  // default already
    EXPECT_EQ(calls, 4);
    TXAxis b;
    b.Assign(a);
    EXPECT_EQ(b.Title(), "t");
    EXPECT_TRUE(b.logscale());
    EXPECT_DOUBLE_EQ(b.maxValue(), 5);
    EXPECT_FALSE(b.OnValueChange);
}

// Decade ticks near the top of the double range: every label names its
// decade, and a decade beyond the largest double ends the ticks at the axis
// limit instead of crowding them.
TEST(AxisEngine, DecadesUpToTheLargestDouble)
{
    for (double max : {1e300, 1.7e308}) {
        TXAxis a = axisWith(1e-300, max, true);
        for (int layout = 0; layout < 80; ++layout, a.SetNextRealvalue(500)) {
            const int step = int(a.Schrittweite());
            double x = a.StartValue();
            for (int i = 1; i < 700; ++i) {
                const double y = a.NextValue(i, x);
                if (!(y <= a.EndValue()))
                    break;
                const std::string label = a.GetLabel(y);
                const int decade = int(std::lround(std::log10(y)));
                double read = 0;
                ASSERT_TRUE(veltrane::parseDouble(label, '.', read)) << label;
                if (y != a.EndValue()) {
                    EXPECT_DOUBLE_EQ(read, veltrane::pow10Exact(decade)) << max << " step " << step;
                    EXPECT_EQ(decade - int(std::lround(std::log10(x))), step) << max << " at " << label;
                } else {
                    EXPECT_DOUBLE_EQ(read, y);
                }
                x = y;
            }
        }
    }
}
