// The charts of a seeded series: the figures of every over worked out from
// the replay stream agree with the INNINGS records, the game in play is left
// as it was, and each SVG is well-formed XML with one worm point and one bar
// per over bowled, the worm ending at the innings total as its axis reads.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "core/flow.h"
#include "file_fixtures.h"
#include "report/charts.h"

namespace ovs {
namespace {

// A small well-formedness check: every tag closed in order, attributes
// quoted and unique, entities known, one root element, text free of '<'.
std::string XmlFault(const std::string& x)
{
    std::vector<std::string> open;
    int roots = 0;
    for (std::size_t i = 0; i < x.size();) {
        if (x[i] == '&') {
            const std::size_t semi = x.find(';', i);
            if (semi == std::string::npos) return "an unended entity";
            const std::string ent = x.substr(i + 1, semi - i - 1);
            if (ent != "amp" && ent != "lt" && ent != "gt" && ent != "quot" && ent != "apos" && ent[0] != '#')
                return "an unknown entity &" + ent + ";";
            i = semi + 1;
            continue;
        }
        if (x[i] != '<') {
            if (open.empty() && x[i] != '\n' && x[i] != ' ') return "text outside the root";
            ++i;
            continue;
        }
        const std::size_t end = x.find('>', i);
        if (end == std::string::npos) return "an unended tag";
        std::string tag = x.substr(i + 1, end - i - 1);
        i = end + 1;
        if (tag.empty()) return "an empty tag";
        if (tag[0] == '/') {
            if (open.empty() || open.back() != tag.substr(1)) return "</" + tag.substr(1) + "> closes nothing open";
            open.pop_back();
            continue;
        }
        const bool empty = tag.back() == '/';
        if (empty) tag.pop_back();
        const std::size_t nameEnd = tag.find(' ');
        const std::string name = tag.substr(0, nameEnd);
        // The attributes: name="value" pairs, each once.
        std::map<std::string, int> seen;
        for (std::size_t a = nameEnd; a != std::string::npos && a < tag.size();) {
            a = tag.find_first_not_of(' ', a);
            if (a == std::string::npos) break;
            const std::size_t eq = tag.find('=', a);
            if (eq == std::string::npos || eq + 1 >= tag.size() || tag[eq + 1] != '"') return "an unquoted attribute in <" + name + ">";
            const std::size_t close = tag.find('"', eq + 2);
            if (close == std::string::npos) return "an unended attribute in <" + name + ">";
            const std::string value = tag.substr(eq + 2, close - eq - 2);
            if (value.find('<') != std::string::npos) return "'<' in an attribute";
            if (++seen[tag.substr(a, eq - a)] > 1) return "a repeated attribute in <" + name + ">";
            a = close + 1;
        }
        if (open.empty() && ++roots > 1) return "a second root";
        if (!empty) open.push_back(name);
    }
    return open.empty() ? (roots == 1 ? "" : "no root") : "<" + open.back() + "> left open";
}

// Every value of `attr` in the elements of one kind, in order.
std::vector<std::string> Values(const std::string& svg, const std::string& element, const std::string& attr)
{
    std::vector<std::string> out;
    for (std::size_t at = svg.find("<" + element + " "); at != std::string::npos;
         at = svg.find("<" + element + " ", at + 1)) {
        const std::size_t end = svg.find('>', at);
        const std::string tag = svg.substr(at, end - at);
        const std::size_t a = tag.find(" " + attr + "=\"");
        if (a == std::string::npos) continue;
        const std::size_t v = a + attr.size() + 3;
        out.push_back(tag.substr(v, tag.find('"', v) - v));
    }
    return out;
}

// The runs a height on the worm stands for, read from the labels of its
// vertical axis (right-aligned figures left of the plot: 0 and the top one).
double RunsAt(const std::string& svg, double y)
{
    double y0 = 0, yTop = 0, top = 0;
    bool zero = false;
    for (std::size_t at = svg.find("text-anchor=\"end\""); at != std::string::npos;
         at = svg.find("text-anchor=\"end\"", at + 1)) {
        const std::size_t start = svg.rfind("<text ", at);
        const std::size_t close = svg.find('>', at), endText = svg.find("</text>", close);
        const std::string label = svg.substr(close + 1, endText - close - 1);
        if (label.empty() || label.find_first_not_of("0123456789") != std::string::npos) continue;
        const std::string tag = svg.substr(start, close - start);
        const std::size_t yAt = tag.find(" y=\"") + 4;
        const double ly = std::atof(tag.substr(yAt).c_str()) - 4;
        const double v = std::atof(label.c_str());
        if (v == 0) {
            zero = true;
            y0 = ly;
        } else if (v > top) {
            top = v;
            yTop = ly;
        }
    }
    if (!zero || top == 0) return -1;
    return (y0 - y) / (y0 - yTop) * top;
}

void CheckTest(Game& g, int t)
{
    SCOPED_TRACE("Test " + std::to_string(t + 1));
    TestFigures f;
    ASSERT_TRUE(BuildTestFigures(g, t, f));
    const TEST& test = g.Series.Test[t];
    ASSERT_FALSE(f.innings.empty());
    const std::string worm = WormSvg(f);
    EXPECT_EQ(XmlFault(worm), "");
    const std::vector<std::string> lines = Values(worm, "polyline", "points");
    ASSERT_EQ(lines.size(), f.innings.size());
    for (std::size_t i = 0; i < f.innings.size(); ++i) {
        const InningsFigures& in = f.innings[i];
        const INNINGS& rec = test.Innings[in.number];
        SCOPED_TRACE(in.label);
        EXPECT_TRUE(in.complete) << "the replay stream gave every over";
        // The overs against the record.
        const int bowled = (rec.nTotalBalls + 5) / 6;
        ASSERT_EQ(static_cast<int>(in.overs.size()), bowled);
        int runs = 0, wickets = 0;
        for (const OverFigures& o : in.overs) {
            EXPECT_GE(o.runs, 0);
            runs += o.runs;
            wickets += o.wickets;
            EXPECT_EQ(o.total, runs);
        }
        EXPECT_EQ(runs, rec.nTotal);
        EXPECT_EQ(wickets, rec.nWickets);
        // The wickets fell in the overs where the totals say they could.
        for (int w = 0, o = 0, down = 0; w < rec.nWickets; ++w) {
            while (o < bowled && down + in.overs[o].wickets <= w) down += in.overs[o++].wickets;
            ASSERT_LT(o, bowled);
            EXPECT_LE(rec.Fow[w].nScore, in.overs[o].total);
            EXPECT_GE(rec.Fow[w].nScore, in.overs[o].total - in.overs[o].runs);
        }
        // The stands add up to the total.
        int stands = 0;
        for (const StandFigures& s : in.stands) {
            stands += s.runs;
            EXPECT_GT(s.batsmen.find(" & "), 0u) << "the stand's batsmen are named";
            EXPECT_LT(s.batsmen.find(" & ") + 3, s.batsmen.size());
        }
        EXPECT_EQ(stands, rec.nTotal);

        // One worm point per over after the origin, the last at the total.
        std::vector<std::pair<double, double>> points;
        for (std::size_t at = 0; at < lines[i].size();) {
            const std::size_t comma = lines[i].find(',', at), space = lines[i].find(' ', comma);
            points.emplace_back(std::atof(lines[i].substr(at, comma - at).c_str()),
                                std::atof(lines[i].substr(comma + 1).c_str()));
            at = space == std::string::npos ? lines[i].size() : space + 1;
        }
        EXPECT_EQ(static_cast<int>(points.size()), bowled + 1);
        EXPECT_NEAR(RunsAt(worm, points.back().second), rec.nTotal, 1.0);

        const std::string manhattan = ManhattanSvg(f, static_cast<int>(i));
        EXPECT_EQ(XmlFault(manhattan), "");
        EXPECT_EQ(static_cast<int>(Values(manhattan, "rect", "class").size()), bowled);
        const std::string stand = PartnershipsSvg(f, static_cast<int>(i));
        EXPECT_EQ(XmlFault(stand), "");
    }
    // The squads' names and the legend are there to read.
    EXPECT_NE(worm.find(f.home), std::string::npos);
    EXPECT_NE(worm.find(f.away), std::string::npos);
    EXPECT_NE(worm.find(f.innings[0].team + " 1st inns: " + std::to_string(f.innings[0].total)), std::string::npos);
    EXPECT_EQ(TestCharts(f).size(), 1 + 2 * f.innings.size());
}

TEST(Charts, EveryOverOfASeededSeriesFromItsReplayStream)
{
    test::StartedGame game(20261207u);
    ASSERT_TRUE(game.started);
    Game& g = game.g;
    EXPECT_TRUE(ChartTests(g).empty());
    ASSERT_TRUE(game.StartComputerSeries(0, 1, 2));
    ASSERT_TRUE(game.PumpToEnd());
    ASSERT_EQ(ChartTests(g), (std::vector<int>{0, 1}));

    // Working the charts out leaves the game as it was.
    auto series = std::make_unique<SERIES>(g.Series);
    auto current = std::make_unique<CURRENT>(g.Current);
    for (int t : ChartTests(g)) CheckTest(g, t);
    EXPECT_EQ(std::memcmp(series.get(), &g.Series, sizeof(SERIES)), 0);
    EXPECT_EQ(std::memcmp(current.get(), &g.Current, sizeof(CURRENT)), 0);
    EXPECT_TRUE(g.queue.Empty());

    TestFigures none;
    EXPECT_FALSE(BuildTestFigures(g, 5, none));
}

TEST(Charts, TheTestInPlayUpToItsLastBall)
{
    test::StartedGame game(7u);
    ASSERT_TRUE(game.started);
    Game& g = game.g;
    ASSERT_TRUE(game.StartComputerSeries(2, 3, 1));
    // Into the second innings.
    for (long n = 0; n < 5'000'000 && !(g.Series.Test[0].Innings[1].nTotalBalls > 40); ++n)
        if (!PumpOne(g)) break;
    ASSERT_GT(g.Series.Test[0].Innings[1].nTotalBalls, 40);
    CheckTest(g, 0);
}

TEST(Charts, AnInningsWithNoOverDrawsAMessage)
{
    TestFigures f;
    f.title = "1st Test: A & B v <C>";
    f.home = "A & B";
    f.away = "<C>";
    const std::string worm = WormSvg(f);
    EXPECT_EQ(XmlFault(worm), "");
    EXPECT_NE(worm.find("A &amp; B v &lt;C&gt;"), std::string::npos);
    EXPECT_NE(worm.find("No over has been bowled yet."), std::string::npos);
    EXPECT_EQ(XmlFault(ManhattanSvg(f, 0)), "");
    EXPECT_EQ(XmlFault(PartnershipsSvg(f, 3)), "");
    EXPECT_EQ(XmlFault("<svg><g></svg></g>"), "</svg> closes nothing open");
}

}  // namespace
}  // namespace ovs
