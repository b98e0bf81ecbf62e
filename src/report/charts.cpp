// Charts of a Test: the figures of each over from a replay in a game of its
// own, and the worm, Manhattan and partnerships drawn as SVG.
#include "report/charts.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "core/flow.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/setup.h"
#include "report/report_table.h"
#include "report/site.h"

namespace ovs {

namespace {

// The replay's own host: nobody watches, every box is answered OK and every
// choice is left to the replay.
class SilentHost : public Host {
public:
    int MessageBox(const std::string&, const std::string&, BoxButtons buttons, BoxIcon) override
    {
        return buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel ? IDYES : IDOK;
    }
    std::string DataDir() override { return dir_; }
    explicit SilentHost(std::string dir) : dir_(std::move(dir)) {}

private:
    std::string dir_;
};

std::string Field(const char* text, std::size_t size) { return std::string(text, strnlen(text, size)); }

bool Begun(const TEST& t) { return t.Innings[0].nBatSide == 0 || t.Innings[0].nBatSide == 1; }

// What the replay has booked in each innings, read after every step.
struct Sample {
    int balls = 0, total = 0, wickets = 0;
};

Sample Read(const INNINGS& in) { return {in.nTotalBalls, in.nTotal, in.nWickets}; }

// The completed overs of each innings of Test t, read from a replay of its
// stream in a game of its own.
void ReplayOvers(const Game& g, int t, std::vector<OverFigures> (&overs)[MAX_INNINGS])
{
    SilentHost host(g.host ? g.host->DataDir() : std::string());
    auto sb = std::make_unique<Game>(host);
    sb->log.SetEnabled(false);
    sb->options = g.options;
    sb->dbHeader = g.dbHeader;
    sb->db = g.db;
    sb->Series = g.Series;
    sb->League = g.League;
    sb->Current = g.Current;
    sb->Series.Test[t].Replay.nPosition = 0;
    sb->queue.Post(WM_REPLAYTEST, t);

    Sample last[MAX_INNINGS];
    constexpr long kLimit = 2'000'000;
    for (long n = 0; n < kLimit; ++n) {
        if (sb->queue.Peek(WM_NEWTEST) || sb->queue.Peek(WM_ENDSERIES)) break;
        std::optional<AppMessage> m = sb->queue.Pop();
        if (!m) {
            if (sb->bPaused == 1 && Resume(*sb, true)) continue;
            break;
        }
        MainWndProc(*sb, m->msg, m->wParam, m->lParam);
        // A step that ran past the end of the stream booked what it could not read.
        if (sb->replayBroken || !sb->replayFault.empty()) break;
        const TEST& test = sb->Series.Test[t];
        for (int k = 0; k < MAX_INNINGS; ++k) {
            const Sample now = Read(test.Innings[k]);
            if (now.balls > last[k].balls && now.balls % 6 == 0) {
                const int before = overs[k].empty() ? 0 : overs[k].back().total;
                // Overs are counted by the ball that completed them; a skipped
                // boundary (never expected) is left for the record to close.
                if (static_cast<int>(overs[k].size()) == now.balls / 6 - 1) {
                    int fallen = 0;
                    for (const OverFigures& o : overs[k]) fallen += o.wickets;
                    overs[k].push_back({now.total - before, now.wickets - fallen, now.total});
                }
            }
            last[k] = now;
        }
    }
}

// The name a squad shows for the player in a slot of Test t's elevens.
std::string SlotNameIn(const Game& g, const TEST& t, int side, int slot)
{
    if (side < 0 || side > 1 || slot < 0 || slot >= MAX_ELEVEN) return "";
    const int squad = g.Series.nSquad[side], member = t.nPlayer[slot][side];
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size()) || member < 0 || member >= MAX_SQUAD) return "";
    const SQUAD& sq = g.db.squads[squad];
    return Field(sq.szMember[member], sizeof sq.szMember[member]);
}

std::string Pair(const Game& g, const TEST& t, int side, int a, int b)
{
    return SlotNameIn(g, t, side, a) + " & " + SlotNameIn(g, t, side, b);
}

const char* InningsOrdinal(int k) { return k < 2 ? "1st" : "2nd"; }

}  // namespace

std::string InningsFigures::ScoreText() const
{
    std::string s = std::to_string(total);
    s += wickets < 10 ? "/" + std::to_string(wickets) : std::string(" all out");
    if (declared) s += " dec";
    s += " (" + std::to_string(balls / 6) + (balls % 6 ? "." + std::to_string(balls % 6) : "") + " overs)";
    return s;
}

std::vector<int> ChartTests(const Game& g)
{
    std::vector<int> tests;
    const SERIES& s = g.Series;
    if (s.nSquad[0] < 0 || s.nSquad[1] < 0) return tests;
    for (int t = 0; t < s.nNumTests && t < MAX_TESTS; ++t)
        if (Begun(s.Test[t])) tests.push_back(t);
    return tests;
}

bool BuildTestFigures(const Game& g, int t, TestFigures& out)
{
    out = TestFigures{};
    const SERIES& s = g.Series;
    if (t < 0 || t >= MAX_TESTS || t >= s.nNumTests || s.nSquad[0] < 0 || s.nSquad[1] < 0) return false;
    const TEST& test = s.Test[t];
    if (!Begun(test)) return false;
    out.test = t;
    out.home = SquadName(g, 0);
    out.away = SquadName(g, 1);
    const std::string ground = GroundText(g, s.nGround[t]);
    out.title = TestOrdinal(t + 1) + " Test: " + out.home + " v " + out.away + (ground.empty() ? "" : " at " + ground);
    out.result = Field(test.szResult, sizeof test.szResult);

    std::vector<OverFigures> overs[MAX_INNINGS];
    ReplayOvers(g, t, overs);

    for (int k = 0; k < MAX_INNINGS; ++k) {
        const INNINGS& in = test.Innings[k];
        if (in.nBatSide != 0 && in.nBatSide != 1) break;
        InningsFigures f;
        f.number = k;
        f.batSide = in.nBatSide;
        f.team = SquadName(g, in.nBatSide);
        f.label = f.team + " " + InningsOrdinal(k) + " innings";
        f.total = in.nTotal;
        f.wickets = std::min<int>(in.nWickets, 10);
        f.balls = std::max<int>(in.nTotalBalls, 0);
        f.declared = in.nStatus == INNINGS_DECLARED;

        // The overs the replay gave, up to those the record has completed;
        // the rest (the last, short over, or what the stream lacked) from the record.
        const int full = f.balls / 6, bowled = (f.balls + 5) / 6;
        f.overs = overs[k];
        if (static_cast<int>(f.overs.size()) > full) f.overs.resize(full);
        f.complete = static_cast<int>(f.overs.size()) == full;
        int total = 0, fallen = 0;
        for (const OverFigures& o : f.overs) {
            total = o.total;
            fallen += o.wickets;
        }
        if (total > f.total || fallen > f.wickets) {
            // A replay that disagrees with the record is not drawn from.
            f.overs.clear();
            f.complete = false;
            total = fallen = 0;
        }
        if (static_cast<int>(f.overs.size()) < bowled || total != f.total || fallen != f.wickets) {
            if (static_cast<int>(f.overs.size()) < bowled)
                f.overs.push_back({f.total - total, f.wickets - fallen, f.total});
            else {
                // Runs after the last legal ball (a wide that won the Test) belong to its over.
                OverFigures& o = f.overs.back();
                o.runs += f.total - total;
                o.wickets += f.wickets - fallen;
                o.total = f.total;
            }
        }

        // The partnerships from the falls of wicket.
        int before = 0;
        for (int w = 0; w < f.wickets; ++w) {
            const FOW& fow = in.Fow[w];
            StandFigures st;
            st.wicket = w + 1;
            st.runs = fow.nScore - before;
            st.batsmen = Pair(g, test, in.nBatSide, fow.nBatA, fow.nBatB);
            before = fow.nScore;
            f.stands.push_back(st);
        }
        if (f.wickets < 10 && f.balls > 0) {
            const FOW& fow = in.Fow[f.wickets];
            StandFigures st;
            st.wicket = f.wickets + 1;
            st.runs = f.total - before;
            st.unbroken = true;
            if (fow.bUnbroken)
                st.batsmen = Pair(g, test, in.nBatSide, fow.nBatA, fow.nBatB);
            else if (g.pTest == &test && g.Current.nInnings == k)
                st.batsmen = Pair(g, test, in.nBatSide, g.Current.nStriker, g.Current.nNonStriker);
            f.stands.push_back(st);
        }
        out.innings.push_back(std::move(f));
    }
    return true;
}

// --- drawing -------------------------------------------------------------------

namespace {

constexpr int W = kChartWidth, H = kChartHeight;
const char* const kFont = "font-family=\"DejaVu Sans, Arial, Helvetica, sans-serif\"";
// The batting side's colour: the game's green for the home side, a brick red for the away side.
const char* const kSideColour[2] = {"#1f7a3a", "#b8432f"};
const char* const kGrid = "#d9d9d9";
const char* const kInk = "#202020";

std::string N(int v) { return std::to_string(v); }

// A coordinate with one decimal, written without the C library so that the
// program's locale never puts a comma in it.
std::string D(double v)
{
    const long tenths = static_cast<long>(v * 10 + (v < 0 ? -0.5 : 0.5));
    const long whole = tenths / 10, part = tenths % 10;
    std::string s = (tenths < 0 && whole == 0 ? "-" : "") + std::to_string(whole);
    if (part != 0) s += "." + std::to_string(part < 0 ? -part : part);
    return s;
}

std::string X(const std::string& text) { return HtmlEscape(text); }

// A step for axis ticks: 1, 2, 5 or 10 times a power of ten, giving at most `most` ticks.
int TickStep(int top, int most)
{
    for (int p = 1;; p *= 10)
        for (int m : {1, 2, 5})
            if (top / (m * p) < most) return m * p;
}

std::string Text(double x, double y, const std::string& text, int size, const char* anchor = "start",
                 const char* weight = "normal", const char* fill = kInk)
{
    return "<text x=\"" + D(x) + "\" y=\"" + D(y) + "\" " + kFont + " font-size=\"" + N(size) + "\" font-weight=\"" +
           weight + "\" text-anchor=\"" + anchor + "\" fill=\"" + fill + "\">" + X(text) + "</text>\n";
}

std::string Line(double x1, double y1, double x2, double y2, const char* stroke, double width = 1)
{
    return "<line x1=\"" + D(x1) + "\" y1=\"" + D(y1) + "\" x2=\"" + D(x2) + "\" y2=\"" + D(y2) + "\" stroke=\"" +
           stroke + "\" stroke-width=\"" + D(width) + "\"/>\n";
}

std::string Rect(double x, double y, double w, double h, const std::string& fill, const std::string& extra = "")
{
    return "<rect x=\"" + D(x) + "\" y=\"" + D(y) + "\" width=\"" + D(w) + "\" height=\"" + D(h) + "\" fill=\"" +
           fill + "\"" + extra + "/>\n";
}

std::string Open(const std::string& title, const std::string& caption)
{
    std::string s = "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + N(W) + "\" height=\"" +
                    N(H) + "\" viewBox=\"0 0 " + N(W) + " " + N(H) + "\" role=\"img\">\n";
    s += "<title>" + X(caption + " - " + title) + "</title>\n";
    s += Rect(0, 0, W, H, "#ffffff");
    s += Text(W / 2.0, 20, caption, 15, "middle", "bold");
    s += Text(W / 2.0, 38, title, 12, "middle");
    return s;
}

// The plot area and its axes: ticks and grid lines on both, labels, titles.
struct Plot {
    double left = 58, right = W - 18, top = 0, bottom = H - 46;
    int xMax = 1, yMax = 1;
    double Px(double x) const { return left + (right - left) * x / xMax; }
    double Py(double y) const { return bottom - (bottom - top) * y / yMax; }
};

std::string Axes(const Plot& p, int xStep, int yStep, const std::string& xTitle, const std::string& yTitle,
                 double xOffset = 0)
{
    std::string s;
    for (int y = 0; y <= p.yMax; y += yStep) {
        s += Line(p.left, p.Py(y), p.right, p.Py(y), kGrid);
        s += Text(p.left - 6, p.Py(y) + 4, N(y), 11, "end");
    }
    for (int x = 0; x <= p.xMax; x += xStep) {
        s += Line(p.Px(x + xOffset), p.bottom, p.Px(x + xOffset), p.bottom + 5, kInk);
        s += Text(p.Px(x + xOffset), p.bottom + 18, N(x), 11, "middle");
    }
    s += Line(p.left, p.bottom, p.right, p.bottom, kInk);
    s += Line(p.left, p.top, p.left, p.bottom, kInk);
    s += Text((p.left + p.right) / 2, H - 10, xTitle, 12, "middle");
    s += "<text x=\"16\" y=\"" + D((p.top + p.bottom) / 2) + "\" " + kFont +
         " font-size=\"12\" text-anchor=\"middle\" fill=\"" + kInk + "\" transform=\"rotate(-90 16 " +
         D((p.top + p.bottom) / 2) + ")\">" + X(yTitle) + "</text>\n";
    return s;
}

std::string Dash(int number) { return number >= 2 ? " stroke-dasharray=\"7 4\"" : ""; }

std::string NoInnings(std::string s)
{
    s += Text(W / 2.0, H / 2.0, "No over has been bowled yet.", 14, "middle");
    return s + "</svg>\n";
}

}  // namespace

std::string WormSvg(const TestFigures& f)
{
    std::string s = Open(f.title, "Worm: runs by overs");
    // The legend under the titles: "England 1st inns: 345/7d (112.3 ov)", two
    // innings to a row while the texts fit half the width, else one.
    std::vector<std::string> legend;
    std::size_t longest = 0;
    for (const InningsFigures& in : f.innings) {
        std::string score = std::to_string(in.total) + (in.wickets < 10 ? "/" + std::to_string(in.wickets) : "") +
                            (in.declared ? "d" : "");
        score += " (" + std::to_string(in.balls / 6) + (in.balls % 6 ? "." + std::to_string(in.balls % 6) : "") + " ov)";
        legend.push_back(in.team + " " + InningsOrdinal(in.number) + " inns: " + score);
        longest = std::max(longest, legend.back().size());
    }
    const int perRow = longest <= 40 ? 2 : 1;
    const int rows = (static_cast<int>(f.innings.size()) + perRow - 1) / perRow;
    for (std::size_t i = 0; i < f.innings.size(); ++i) {
        const InningsFigures& in = f.innings[i];
        const double x = 64 + (i % perRow) * 292, y = 58 + (i / perRow) * 16;
        s += "<line x1=\"" + D(x) + "\" y1=\"" + D(y - 4) + "\" x2=\"" + D(x + 26) + "\" y2=\"" + D(y - 4) +
             "\" stroke=\"" + kSideColour[in.batSide] + "\" stroke-width=\"2.5\"" + Dash(in.number) + "/>\n";
        s += Text(x + 32, y, legend[i], 11);
    }
    if (f.innings.empty()) return NoInnings(s);

    Plot p;
    p.top = 58 + rows * 16;
    int overs = 1, runs = 1;
    for (const InningsFigures& in : f.innings) {
        overs = std::max(overs, static_cast<int>(in.overs.size()));
        runs = std::max(runs, in.total);
    }
    const int xStep = TickStep(overs, 10), yStep = TickStep(runs, 8);
    p.xMax = (overs + xStep - 1) / xStep * xStep;
    p.yMax = (runs + yStep - 1) / yStep * yStep;
    s += Axes(p, xStep, yStep, "Overs", "Runs");

    for (const InningsFigures& in : f.innings) {
        const char* colour = kSideColour[in.batSide];
        std::string points = D(p.Px(0)) + "," + D(p.Py(0));
        for (std::size_t o = 0; o < in.overs.size(); ++o) {
            // A short last over ends at its fraction of an over.
            const double x = (in.balls % 6 && o + 1 == in.overs.size()) ? in.balls / 6.0 : static_cast<double>(o + 1);
            points += " " + D(p.Px(x)) + "," + D(p.Py(in.overs[o].total));
        }
        s += "<polyline class=\"worm\" data-innings=\"" + N(in.number) + "\" points=\"" + points +
             "\" fill=\"none\" stroke=\"" + colour + "\" stroke-width=\"2.5\" stroke-linejoin=\"round\"" +
             Dash(in.number) + "/>\n";
        for (std::size_t o = 0; o < in.overs.size(); ++o) {
            const double x = (in.balls % 6 && o + 1 == in.overs.size()) ? in.balls / 6.0 : static_cast<double>(o + 1);
            for (int w = 0; w < in.overs[o].wickets; ++w)
                s += "<circle cx=\"" + D(p.Px(x)) + "\" cy=\"" + D(p.Py(in.overs[o].total) - w * 8) +
                     "\" r=\"3.5\" fill=\"#ffffff\" stroke=\"" + colour + "\" stroke-width=\"2\"/>\n";
        }
    }
    s += "<circle cx=\"" + D(p.right - 70) + "\" cy=\"" + D(p.bottom - 10) + "\" r=\"3.5\" fill=\"#ffffff\" stroke=\"" +
         kInk + "\" stroke-width=\"2\"/>\n";
    s += Text(p.right - 62, p.bottom - 6, "a wicket", 11);
    return s + "</svg>\n";
}

namespace {

// The opening of a chart of one innings, captioned with the innings and its
// score; null (and the chart closed with a message) when there is no such innings.
const InningsFigures* OpenInnings(const TestFigures& f, int innings, const std::string& caption, std::string& s)
{
    if (innings < 0 || innings >= static_cast<int>(f.innings.size())) {
        s = NoInnings(Open(f.title, caption));
        return nullptr;
    }
    const InningsFigures& in = f.innings[innings];
    s = Open(f.title, caption + ": " + in.label + " " + in.ScoreText());
    return &in;
}

}  // namespace

std::string ManhattanSvg(const TestFigures& f, int innings)
{
    std::string s;
    const InningsFigures* chosen = OpenInnings(f, innings, "Manhattan", s);
    if (!chosen) return s;
    const InningsFigures& in = *chosen;
    const char* colour = kSideColour[in.batSide];
    s += Rect(70, 48, 12, 10, colour);
    s += Text(88, 57, "runs in the over", 11);
    s += "<circle cx=\"220\" cy=\"53\" r=\"3.5\" fill=\"#d01010\"/>\n";
    s += Text(228, 57, "a wicket in the over", 11);
    if (in.overs.empty()) return NoInnings(s);

    Plot p;
    p.top = 72;
    int most = 1;
    for (const OverFigures& o : in.overs) most = std::max(most, o.runs + 2 * o.wickets);
    const int overs = static_cast<int>(in.overs.size());
    // A few overs keep the width of ten, so that a bar still looks like one.
    p.xMax = std::max(overs, 10);
    const int xStep = TickStep(p.xMax, 10), yStep = TickStep(most, 8);
    p.yMax = (most + yStep - 1) / yStep * yStep;
    s += Axes(p, xStep, yStep, "Overs", "Runs in the over", 0);

    const double slot = (p.right - p.left) / p.xMax;
    const double width = std::max(slot * 0.8, 0.6);
    for (int o = 0; o < overs; ++o) {
        const OverFigures& ov = in.overs[o];
        const double x = p.left + slot * o + (slot - width) / 2;
        s += "<rect class=\"bar\" x=\"" + D(x) + "\" y=\"" + D(p.Py(ov.runs)) + "\" width=\"" + D(width) +
             "\" height=\"" + D(p.Py(0) - p.Py(ov.runs)) + "\" fill=\"" + colour + "\"><title>Over " + N(o + 1) +
             ": " + N(ov.runs) + " run" + (ov.runs == 1 ? "" : "s") +
             (ov.wickets ? ", " + N(ov.wickets) + " wkt" + (ov.wickets == 1 ? "" : "s") : "") + "</title></rect>\n";
        for (int w = 0; w < ov.wickets; ++w)
            s += "<circle cx=\"" + D(x + width / 2) + "\" cy=\"" + D(p.Py(ov.runs) - 5 - w * 8) +
                 "\" r=\"3.5\" fill=\"#d01010\"/>\n";
    }
    return s + "</svg>\n";
}

std::string PartnershipsSvg(const TestFigures& f, int innings)
{
    std::string s;
    const InningsFigures* chosen = OpenInnings(f, innings, "Partnerships", s);
    if (!chosen) return s;
    const InningsFigures& in = *chosen;
    if (in.stands.empty()) return NoInnings(s);
    int most = 1;
    for (const StandFigures& st : in.stands) most = std::max(most, st.runs);
    const double left = 74, right = W - 230, top = 56, row = std::min(32.0, (H - 16 - top) / in.stands.size());
    const char* colour = kSideColour[in.batSide];
    static const char* const kWicket[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    for (std::size_t i = 0; i < in.stands.size(); ++i) {
        const StandFigures& st = in.stands[i];
        const double y = top + row * i;
        const double w = (right - left) * st.runs / most;
        s += Text(left - 8, y + row / 2 + 4, std::string(kWicket[std::clamp(st.wicket, 1, 10) - 1]) + " wkt", 11, "end");
        s += Rect(left, y + row * 0.15, std::max(w, 1.0), row * 0.7, colour,
                  st.unbroken ? " fill-opacity=\"0.55\"" : "");
        s += Text(left + std::max(w, 1.0) + 6, y + row / 2 + 4,
                  N(st.runs) + (st.unbroken ? "*" : "") + "  " + st.batsmen, 11);
    }
    s += Line(left, top, left, top + row * in.stands.size(), kInk);
    s += Text(W - 12, H - 8, "* unbroken", 10, "end");
    return s + "</svg>\n";
}

std::vector<Chart> TestCharts(const TestFigures& f)
{
    std::vector<Chart> charts;
    charts.push_back({"Worm", WormSvg(f)});
    for (std::size_t i = 0; i < f.innings.size(); ++i)
        charts.push_back({"Manhattan: " + f.innings[i].label, ManhattanSvg(f, static_cast<int>(i))});
    for (std::size_t i = 0; i < f.innings.size(); ++i)
        charts.push_back({"Partnerships: " + f.innings[i].label, PartnershipsSvg(f, static_cast<int>(i))});
    return charts;
}

}  // namespace ovs
