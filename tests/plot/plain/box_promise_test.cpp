// The promise the boxes of every plot keep, tried over random contents and
// sizes of the program's windows: the main window (legends of 1 to 90
// entries with names up to 255 characters, layer tables of 2 to 30 layers,
// long comments), the field windows (one to six components, the note), the
// fit window (a scan and its curve) and the evaluation window, each with
// the room its other parts take beside the plot.
// For every size from the plot's minimum to a large screen, every box lies
// wholly inside the plot area with all its text; the boxes stand apart
// wherever the area holds them apart; and the minimum fits a 1366 x 768
// screen and, where that screen leaves room, holds the boxes apart with as
// much room again for the curves.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "plot/plain/BoxFitting.h"
#include "plot/plain/Legend.h"
#include "plot/plain/PlotLayout.h"
#include "plot/plain/PlotMinimum.h"
#include "plot/plain/PlotNote.h"
#include "plot/plain/TextBox.h"
#include "plot_fake_metrics.h"

namespace {

constexpr int Legend = 0, Layers = 1, Comment = 2, Note = 3;

std::string withoutBlanks(std::string s)
{
    s.erase(std::remove(s.begin(), s.end(), ' '), s.end());
    return s;
}

struct Content {
    TLegend legend;
    std::vector<TDataCol> cols;
    TTextBox layers{1}, comment{2};
    std::vector<std::string> note;
    TXAxis x;
    TY1Axis y1;
    TY2Axis y2;
    bool y2On = false;
    // Curves in shares of the plot area, 0 to 1 across and down.
    std::vector<std::vector<std::pair<double, double>>> curves;
    TBoxSize rest;  // the window's other parts beside the plot
    std::string what;
};

class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

    std::string name(int length, bool blanks)
    {
        std::string s;
        for (int i = 0; i < length; ++i)
            s += blanks && i > 0 && between(0, 6) == 0 ? ' ' : char('a' + between(0, 25));
        return s;
    }
    int nameLength()
    {
        const int kind = between(0, 9);
        return kind < 5 ? between(3, 20) : kind < 8 ? between(20, 60) : between(60, 255);
    }

    void fill(Content& c)
    {
        // Which window: its boxes, and the room its tool bars and side
        // panel take (as measured on the windows, give or take).
        enum { Main, Field, Fit, Evaluation } window = Main;
        const int pick = between(0, 9);
        window = pick < 5 ? Main : pick < 8 ? Field : pick < 9 ? Fit : Evaluation;
        if (window == Field) {
            c.legend.SetTitle1("Part: |Field|²-Phase[°]");
            if (chance(0.3)) {
                c.note = {"No chosen field exists for S light:", "choose Hx, Ey or Hz under Option"};
            } else {
                const int components = between(1, 6);
                for (int k = 0; k < 2 * components; ++k)
                    c.cols.push_back(column("Ex |Field|²", k % 2 == 1));
            }
            c.rest = {between(270, 300), between(40, 60)};
        } else if (window == Main) {
            if (chance(0.5)) {
                c.legend.SetTitle1("Z=" + name(between(5, 30), true));
                c.legend.SetTitle2("(Layer_Nr=" + std::to_string(between(1, 30)) + ")");
            }
            for (int s = between(0, 3); s > 0; --s)
                c.cols.push_back(column(name(nameLength(), chance(0.3)) + " (Scale-factor:1.031 | Shift-factor:-0.25)",
                                        chance(0.2), paSymbol));
            const int kinds = between(1, 8), curves = between(1, chance(0.8) ? 5 : 11);
            for (int k = 0; k < kinds * curves; ++k)
                c.cols.push_back(column("R(p+s)(" + std::to_string(k) + ")", k >= 6 * curves));
            c.rest = {between(0, 20), between(60, 90)};
        } else {
            const std::string scan = name(nameLength(), chance(0.3));
            c.cols.push_back(column("iterative Simualtion  " + scan, false, paSymbol));
            for (int k = window == Fit ? 1 : between(1, 10); k > 0; --k)
                c.cols.push_back(column("Rp(" + std::to_string(k) + ")", false));
            c.rest = window == Fit ? TBoxSize{between(760, 790), between(60, 90)}
                                   : TBoxSize{between(210, 240), between(100, 130)};
        }
        c.legend.Setvisible(chance(0.9));
        const int layers = between(2, 30);
        if (window == Main || window == Field) {
            // The layer table as the hosts write it: 37 or 81 characters a
            // line.
            const int width = chance(0.3) ? 81 : 37;
            c.layers.Title().Add("Layer-System");
            c.layers.Text1().Add(std::string(std::size_t(width), 'H'));
            c.layers.Text1().Add(std::string(std::size_t(width), '-'));
            for (int i = 1; i <= layers; ++i)
                c.layers.Text1().Add(std::to_string(i) + std::string(std::size_t(width - 2), '9'));
            if (chance(0.5))
                c.layers.Text2().Add("Theta=52°");
            if (chance(0.7))
                c.comment.Title().Add(name(chance(0.3) ? between(60, 255) : between(1, 40), true));
        }
        c.layers.Setvisible(c.layers.Titleanz() > 0 && chance(0.9));
        c.comment.Setvisible(c.comment.Titleanz() > 0);
        c.y2On = chance(0.4);
        for (TAxis* a : {static_cast<TAxis*>(&c.x), static_cast<TAxis*>(&c.y1), static_cast<TAxis*>(&c.y2)}) {
            const double lo = between(-100, 100) * std::pow(10.0, between(-3, 3));
            a->SetminValue(lo);
            a->SetmaxValue(lo + between(1, 1000) * std::pow(10.0, between(-3, 2)));
        }
        c.x.SetTitle("Theta/[°]");
        c.y1.SetTitle(chance(0.5) ? "Ref-Koeff Psi " : "Ref-Koeff ");
        c.y2.SetTitle("Delta");
        if (c.note.empty())
            for (int k = between(1, 5); k > 0; --k)
                c.curves.push_back(resonance());
        static const char* const names[] = {"main", "field", "fit", "evaluation"};
        c.what = std::string(names[window]) + " window, " + std::to_string(c.cols.size()) + " columns, " +
                 std::to_string(c.layers.Text1anz()) + " table lines, comment " +
                 std::to_string(c.comment.Titleanz() ? c.comment.Title().Lines()[0].size() : 0) + ", note " +
                 std::to_string(c.note.size());
    }

private:
    static TDataCol column(const std::string& title, bool y2, TPlotArt art = paLine)
    {
        TDataCol c;
        c.Title = title;
        c.YAxistyp = y2;
        c.PlotArt = art;
        return c;
    }
    // A dip or a peak on a sloping base, sampled in 200 points.
    std::vector<std::pair<double, double>> resonance()
    {
        const double at = between(5, 95) / 100.0, width = between(1, 15) / 100.0;
        const double base = between(10, 90) / 100.0, depth = between(-80, 80) / 100.0;
        std::vector<std::pair<double, double>> pts;
        for (int i = 0; i < 200; ++i) {
            const double u = i / 199.0, d = (u - at) / width;
            pts.emplace_back(u, std::clamp(base + depth / (1.0 + d * d) + 0.1 * (u - 0.5), 0.0, 1.0));
        }
        return pts;
    }

    std::mt19937 rng_;
};

struct Boxes {
    const Content& c;
    FixedMetrics m;
    std::vector<TBoxLayouter> layouters;

    explicit Boxes(const Content& content) : c(content)
    {
        layouters.push_back([this](TBoxLimit limit) -> TBoxShape {
            return c.legend.Visible() ? ShapeOf(LayoutLegend(c.legend, c.cols, m, {}, {}, limit)) : TBoxShape{};
        });
        for (const TTextBox* box : {&c.layers, &c.comment})
            layouters.push_back([this, box](TBoxLimit limit) -> TBoxShape {
                return box->Visible() ? ShapeOf(LayoutTextBox(*box, m, {}, {}, limit)) : TBoxShape{};
            });
        layouters.push_back([this](TBoxLimit limit) { return ShapeOf(LayoutNote(c.note, m, {}, limit)); });
    }
    std::vector<TBoxSize> natural() const
    {
        std::vector<TBoxSize> sizes;
        for (const TBoxLayouter& l : layouters)
            sizes.push_back(l(TBoxLimit{}).Size);
        return sizes;
    }
    TPlotLayout layoutAt(int W, int H) const
    {
        TPlotLayoutInput in;
        in.W = W;
        in.H = H;
        in.isY2Axis = c.y2On;
        in.Title = "Simulation";
        TXAxis x = c.x;
        TY1Axis y1 = c.y1;
        TY2Axis y2 = c.y2;
        return LayoutPlot(in, x, y1, y2, m);
    }
};

bool intersect(const TRect& a, const TRect& b)
{
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// What the boxes show of their texts within their limits: every character
// but the blanks at a break, in order.
void expectWholeText(const Content& c, const std::vector<TBoxLimit>& limits, const std::string& what)
{
    FixedMetrics m;
    const TLegendLayout legend = LayoutLegend(c.legend, c.cols, m, {}, {}, limits[Legend]);
    for (const TLegendEntry& e : legend.Entries) {
        std::string shown;
        for (const std::string& line : e.Lines)
            shown += line;
        EXPECT_EQ(withoutBlanks(shown), withoutBlanks(e.Text)) << what;
    }
    const TTextBoxLayout comment = LayoutTextBox(c.comment, m, {}, {}, limits[Comment]);
    if (c.comment.Titleanz() > 0) {
        std::string shown;
        for (const TTextBoxLine& l : comment.Lines)
            shown += l.Text;
        EXPECT_EQ(withoutBlanks(shown), withoutBlanks(c.comment.Title().Lines()[0])) << what;
    }
}

TEST(BoxPromise, EveryBoxInsideApartWhereItCanBeAtEverySizeTheWindowAllows)
{
    Generator gen(20261207);
    TBoxPlacement placement;
    int cases = 0, sizesTried = 0, apartSeen = 0, screenTooSmall = 0;
    for (int n = 0; n < 160; ++n) {
        Content c;
        gen.fill(c);
        const Boxes boxes(c);
        const std::vector<TBoxSize> natural = boxes.natural();
        const TBoxSize largest{ScreenBudget.Width - c.rest.Width, ScreenBudget.Height - c.rest.Height};
        auto layoutAt = [&](int W, int H) { return boxes.layoutAt(W, H); };
        const TBoxSize least = PlotMinimumSize(natural, largest, layoutAt);
        const std::string what = "case " + std::to_string(n) + ": " + c.what;
        ++cases;
        // The window with its parts fits the screen.
        EXPECT_LE(least.Width, std::max(largest.Width, SmallestShownPlot)) << what;
        EXPECT_LE(least.Height, std::max(largest.Height, SmallestShownPlot)) << what;

        // Where the screen leaves room, the minimum holds the boxes apart
        // with as much room again for the curves.
        const TPlotLayout most = boxes.layoutAt(largest.Width, largest.Height);
        const TBoxSize roomy = TBoxPlacement::AreaFor(natural);
        const bool roomyFits = roomy.Width <= most.Plot.Width() && roomy.Height <= most.Plot.Height();
        screenTooSmall += !roomyFits;

        std::vector<TBoxSize> sizes{least, {std::max(least.Width, largest.Width), std::max(least.Height, largest.Height)}};
        for (int k = 0; k < 3; ++k)
            sizes.push_back({gen.between(least.Width, 1920), gen.between(least.Height, 1200)});
        for (std::size_t s = 0; s < sizes.size(); ++s) {
            const TBoxSize size = sizes[s];
            const std::string at = what + ", " + std::to_string(size.Width) + "x" + std::to_string(size.Height);
            const TPlotLayout lo = boxes.layoutAt(size.Width, size.Height);
            const TRect area = lo.Plot;
            ASSERT_FALSE(area.IsEmpty()) << at;
            if (s == 0 && roomyFits) {
                EXPECT_GE(area.Width(), roomy.Width) << at;
                EXPECT_GE(area.Height(), roomy.Height) << at;
            }
            const std::vector<TBoxRoom> rooms = BoxRooms(boxes.layouters, {area.Width(), area.Height()});
            placement.Begin(area);
            for (const auto& curve : c.curves) {
                placement.BeginCurve(true, 0);
                bool first = true;
                for (auto [u, v] : curve) {
                    placement.AddPoint({area.Left + int(u * area.Width()), area.Top + int(v * area.Height())}, !first);
                    first = false;
                }
                placement.EndCurve();
            }
            const TPlacedBoxes placed = PlaceInRooms(placement, rooms, {}, {false, false, false, true}, {});
            const TBoxRoom& room = rooms[placed.Room];
            std::vector<TRect> rects;
            for (std::size_t i = 0; i < room.Sizes.size(); ++i) {
                const TBoxSize b = room.Sizes[i];
                if (b.Empty())
                    continue;
                const TRect r{placed.Corners[i].x, placed.Corners[i].y, placed.Corners[i].x + b.Width,
                              placed.Corners[i].y + b.Height};
                EXPECT_TRUE(r.Left >= area.Left && r.Top >= area.Top && r.Right <= area.Right && r.Bottom <= area.Bottom)
                    << at << ": box " << i << " leaves the plot area";
                rects.push_back(r);
            }
            const bool canApart = std::any_of(rooms.begin(), rooms.end(), [&](const TBoxRoom& r) {
                return TBoxPlacement::FitsApart(r.Sizes, {area.Width(), area.Height()});
            });
            bool apart = true;
            for (std::size_t i = 0; i < rects.size(); ++i)
                for (std::size_t j = 0; j < i; ++j)
                    apart = apart && !intersect(rects[i], rects[j]);
            if (canApart)
                EXPECT_TRUE(apart) << at << ": the boxes overlap where the area holds them apart";
            if (s == 0 && roomyFits)
                EXPECT_TRUE(apart) << at << ": the minimum does not hold the boxes apart";
            apartSeen += apart;
            expectWholeText(c, room.Limits, at);
            ++sizesTried;
        }
    }
    // The tries reached both sides of the promise.
    EXPECT_EQ(cases, 160);
    EXPECT_GT(apartSeen, sizesTried / 2);
    EXPECT_GT(screenTooSmall, 0);
}

// A legend longer than any screen goes on in columns, and one with more
// entries than even the columns hold says how many it leaves out; its
// size stays within the limit either way.
TEST(BoxPromise, ALegendLongerThanTheRoomGoesOnInColumnsAndCountsTheRest)
{
    TLegend legend;
    legend.SetTitle1("Z=Thickness/[nm]");
    std::vector<TDataCol> cols(60);
    for (std::size_t i = 0; i < cols.size(); ++i)
        cols[i].Title = "Rp(" + std::to_string(i) + ")";
    FixedMetrics m;
    const TBoxLimit room{600, 300};
    TLegendLayout lo = LayoutLegend(legend, cols, m, {}, {}, room);
    EXPECT_TRUE(room.Holds({lo.Width, lo.Height}));
    EXPECT_TRUE(lo.More.empty());
    ASSERT_EQ(lo.Entries.size(), cols.size());
    EXPECT_GT(lo.Entries.back().X, 0);  // a later column
    EXPECT_EQ(lo.Entries[0].X, 0);

    cols.resize(600);
    for (std::size_t i = 0; i < cols.size(); ++i)
        cols[i].Title = "Rp(" + std::to_string(i) + ")";
    lo = LayoutLegend(legend, cols, m, {}, {}, room);
    EXPECT_TRUE(room.Holds({lo.Width, lo.Height}));
    ASSERT_EQ(lo.More.size(), 1u);
    EXPECT_EQ(lo.More[0].Text, "... " + std::to_string(cols.size() - lo.Entries.size()) + " more");

    // Unlimited, one column as before.
    lo = LayoutLegend(legend, cols, m, {}, {});
    EXPECT_EQ(lo.Height, 14 * 601 + 5);
    EXPECT_EQ(lo.Entries.back().X, 0);
}

}  // namespace
