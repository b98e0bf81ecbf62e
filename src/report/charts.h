// Charts of a Test: the worm (cumulative runs by over, one line per innings),
// the Manhattan (runs per over as bars) and the partnerships of each innings,
// each drawn once as SVG text that the desktop view, the website and the
// printed reports all show.
//
// The records keep only each innings' totals and falls of wicket, so the
// figures of each over are worked out by replaying the Test's replay stream
// in a game of its own (the game in play is not touched): after every step
// of the replay the innings' legal balls, runs and wickets are read, and an
// over ends when its sixth legal ball is booked. The last over of an innings
// and the totals come from the INNINGS record itself, so the worm always
// ends at the innings total. A stream that ends early (a Test in play, or a
// recording that is full or damaged) gives the overs it holds; the rest of
// the innings is then one step to its total and `complete` is false.
#pragma once

#include <string>
#include <vector>

namespace ovs {

struct Game;

// One over of an innings.
struct OverFigures {
    int runs = 0;      // runs conceded in the over, extras included
    int wickets = 0;   // wickets that fell in it
    int total = 0;     // the innings total at its end
};

// One partnership: the wicket it was for (1..10), its runs and its batsmen.
struct StandFigures {
    int wicket = 0;
    int runs = 0;
    bool unbroken = false;
    std::string batsmen;   // "A & B"
};

struct InningsFigures {
    int number = 0;        // the innings of the Test, 0..3 in the order played
    int batSide = 0;       // 0 home, 1 away
    std::string team;      // the batting squad's name
    std::string label;     // "England 1st innings"
    int total = 0;
    int wickets = 0;
    int balls = 0;         // legal balls
    bool declared = false;
    bool complete = true;  // every over came from the replay stream
    std::vector<OverFigures> overs;   // one per over bowled, the last perhaps short
    std::vector<StandFigures> stands;
    // "345/7 dec (112.3 overs)"
    std::string ScoreText() const;
};

struct TestFigures {
    int test = 0;          // 0-based
    std::string home, away;
    std::string title;     // "1st Test: England v Australia at Lord's"
    std::string result;
    std::vector<InningsFigures> innings;   // those begun, in order
};

// The Tests of the series in play that have a chart: every one begun.
std::vector<int> ChartTests(const Game& g);

// The figures of Test t of the series in play; false when it has not begun.
bool BuildTestFigures(const Game& g, int t, TestFigures& out);

// One chart: its caption ("Worm", "Manhattan: England 1st innings", ...) and SVG.
struct Chart {
    std::string caption;
    std::string svg;
};

// The SVG of each chart (640 x 400 units, no XML declaration, so that it
// stands inline in an HTML page as well as in a file of its own).
std::string WormSvg(const TestFigures& f);
std::string ManhattanSvg(const TestFigures& f, int innings);      // index into f.innings
std::string PartnershipsSvg(const TestFigures& f, int innings);

// Every chart of a Test: the worm, then each innings' Manhattan, then each
// innings' partnerships.
std::vector<Chart> TestCharts(const TestFigures& f);

inline constexpr int kChartWidth = 640;
inline constexpr int kChartHeight = 400;

}  // namespace ovs
