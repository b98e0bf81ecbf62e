// The printed scoreboard: a whole Test on one page of 89 x 112 cells, each
// text at its own column in a proportional font.
#include <cstring>
#include <string>
#include <vector>

#include "core/format.h"
#include "core/game.h"
#include "core/innings.h"
#include "report/print.h"
#include "report/scoreboard_text.h"

namespace ovs {

namespace {

template <std::size_t N> std::string FieldText(const char (&text)[N]) { return std::string(text, strnlen(text, N)); }

// The batting columns: the name, the dismissal, the bowler, then the figures
// ending at their columns.
constexpr double kDismissalCol = 23, kBowlerCol = 50, kRunsCol = 77, kBallsCol = 82, kFoursCol = 85, kSixesCol = 88;
// The extras and total texts are centred here; the fall of wicket i on 24 + 5i.
constexpr double kCentreCol = 48, kInningsHeadCol = 45;
// The bowling figures end at their columns; odd balls follow the overs.
constexpr double kOversCol = 30, kMaidensCol = 36, kBowlRunsCol = 42, kWicketsCol = 47, kNoBallsCol = 55,
                 kWidesCol = 60;

// The dismissal as printed: the scoreboard's words with the proportional
// font's wider spacing.
std::string PrintedDismissal(const ScorecardBat& b)
{
    const std::string& h = b.howOut;
    auto ends = [&h](const char* word) {
        const std::string w = word;
        return h.size() >= w.size() && h.compare(h.size() - w.size(), w.size(), w) == 0 &&
               h.find_first_not_of(' ') == h.size() - w.size();
    };
    if (ends("not out")) return "                               not out";
    if (ends("ct &")) return "                                                                  ct   &";
    if (ends("run out")) return "         run out";
    if (ends("lbw")) return "           lbw";
    if (h.rfind("ct ", 0) == 0) return "ct  " + h.substr(3);
    if (h.rfind("st ", 0) == 0) return "st  " + h.substr(3);
    return h;
}

// Page by page: a row beyond the grid starts a new page.
class Page {
public:
    Page(PrintWriter& w, int rows) : w_(w), last_(rows - 2) {}
    bool Fits(double lines)
    {
        if (row_ + lines <= last_) return true;
        row_ = 1;
        return w_.EndPage();
    }
    void Text(double col, PrintFont f, PrintAlign a, const std::string& text) { w_.Text(col, row_, f, a, text); }
    void Step(double lines) { row_ += lines; }

private:
    PrintWriter& w_;
    double last_;
    double row_ = 1;
};

}  // namespace

bool PrintScoreboard(Game& g, PrintWriter& w, const PrintLayout& layout, int test)
{
    if (test < 0 || test >= MAX_TESTS) return false;
    if (!w.StartDoc(layout.docName, layout.columns, layout.rows)) return false;
    const double middle = layout.columns / 2.0;
    Page page(w, layout.rows);
    const auto L = PrintAlign::Left, R = PrintAlign::Right, C = PrintAlign::Centre;
    const auto N = PrintFont::Normal;

    page.Text(middle, PrintFont::Heading, C, "Ovalspin Scoreboard");
    page.Step(2);
    page.Text(middle, PrintFont::Large, C, SquadName(g, 0) + " vs " + SquadName(g, 1));
    page.Step(1.5);
    const int ground = g.Series.nGround[test];
    const std::string venue = ground < static_cast<int>(g.db.grounds.size()) ? FieldText(g.db.grounds[ground].szName)
                                                                              : std::string();
    page.Text(middle, PrintFont::Large, C, "Played at " + venue);
    page.Step(2);

    for (const ScorecardInnings& c : Scorecard(g, test)) {
        const double lines = 2.5 + static_cast<double>(c.batting.size() + c.didNotBat.size()) + 4.5 +
                             static_cast<double>(c.bowling.size());
        if (!page.Fits(lines)) return false;
        page.Text(kInningsHeadCol, PrintFont::Large, C, c.title);
        page.Step(1.5);
        for (const ScorecardBat& b : c.batting) {
            page.Text(0, N, L, b.name);
            page.Text(kDismissalCol, N, L, PrintedDismissal(b));
            if (b.hasBowler) page.Text(kBowlerCol, N, L, "b  " + b.bowler);
            page.Text(kRunsCol, N, R, Format("%d", b.runs));
            page.Text(kBallsCol, N, R, Format("%d", b.balls));
            page.Text(kFoursCol, N, R, Format("%d", b.fours));
            page.Text(kSixesCol, N, R, Format("%d", b.sixes));
            page.Step(1);
        }
        for (const std::string& name : c.didNotBat) {
            page.Text(0, N, L, name);
            page.Step(1);
        }
        page.Text(0, N, L, "Extras");
        page.Text(kCentreCol, N, C, c.extras);
        page.Text(kRunsCol, N, R, Format("%d", c.extrasRuns));
        page.Step(1);
        page.Text(0, PrintFont::Bold, L, "Total");
        page.Text(kCentreCol, N, C, c.total);
        page.Text(kRunsCol, PrintFont::Bold, R, Format("%d", c.totalRuns));
        page.Step(1.5);
        page.Text(0, N, L, c.fallOfWickets.size() == 1 ? "Fall of Wkt" : "Fall of Wkts");
        for (std::size_t i = 0; i < c.fallOfWickets.size(); ++i)
            page.Text(24 + 5.0 * static_cast<double>(i), N, C, Format("%d", c.fallOfWickets[i]));
        page.Step(1.5);
        for (const ScorecardBowl& b : c.bowling) {
            page.Text(0, N, L, b.name);
            page.Text(kOversCol, N, R, Format("%d", b.balls / 6));
            if (b.balls % 6) page.Text(kOversCol, N, L, Format(".%d", b.balls % 6));
            page.Text(kMaidensCol, N, R, Format("%d", b.maidens));
            page.Text(kBowlRunsCol, N, R, Format("%d", b.runs));
            page.Text(kWicketsCol, N, R, Format("%d", b.wickets));
            page.Text(kNoBallsCol, N, R, Format("%d", b.noBalls));
            page.Text(kWidesCol, N, R, Format("%d", b.wides));
            page.Step(1);
        }
        page.Step(1);
    }
    if (!page.Fits(1)) return false;
    page.Text(middle, PrintFont::Wide, C, FieldText(g.Series.Test[test].szResult));
    return w.EndPage();
}

}  // namespace ovs
