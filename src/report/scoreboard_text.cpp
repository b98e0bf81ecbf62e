// The scoreboard of a Test as 78-column text.
#include "report/scoreboard_text.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/format.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/match.h"
#include "core/series.h"
#include "core/setup.h"
#include "data/texts.h"
#include "report/catalogue.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report/writers.h"
#include "sim/booking.h"

namespace ovs {

namespace {

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

// The eleven of a Test other than the one in play is read through pTest.
struct TestInPlay {
    TestInPlay(Game& game, int test) : g(game), saved(game.pTest) { g.pTest = &g.Series.Test[test]; }
    ~TestInPlay() { g.pTest = saved; }
    Game& g;
    TEST* saved;
};

// Batsmen appear as initials and surname; fielders and bowlers by the
// fielding squad's display names.
std::string BatsmanName(Game& g, int side, int slot) { return DisplayName(ball::SlotPlayer(g, side, slot)); }

std::string FieldName(Game& g, int side, int slot) { return ball::SlotName(g, side, slot); }

std::string DismissalText(Game& g, const BAT& b, int fieldSide)
{
    switch (static_cast<int>(b.nHowOut)) {
    case HOWOUT_NOTOUT: return "              not out";
    case HOWOUT_CAUGHT:
        if (b.nFielder == b.nBowler) return "                ct &";
        return "ct " + FieldName(g, fieldSide, b.nFielder);
    case HOWOUT_RUNOUT: return "         run out";
    case HOWOUT_LBW: return "           lbw";
    case HOWOUT_STUMPED: return "st " + FieldName(g, fieldSide, b.nFielder);
    default: return "";
    }
}

void WriteBatting(ReportOut& out, const ScorecardInnings& c)
{
    for (const ScorecardBat& b : c.batting) {
        out.Put(b.name, 0);
        out.Put(b.howOut, 23);
        if (b.hasBowler) out.Put("b " + b.bowler, 44);
        out.Put(Format(" %3d", b.runs), 64);
        out.Put(Format("%3d", b.balls), 70);
        out.Put(Format("%2d", b.fours), 74);
        out.Put(Format("%2d", b.sixes), 76);
        out.WriteLine();
    }
    for (const std::string& name : c.didNotBat) {
        out.Put(name, 0);
        out.WriteLine();
    }
}

void WriteTotals(ReportOut& out, const ScorecardInnings& c)
{
    out.Put("Extras", 0);
    out.Put(c.extras, (LINE_WIDTH - static_cast<int>(c.extras.size())) / 2);
    out.Put(Format("%3d", c.extrasRuns), 65);
    out.WriteLine();

    out.Put("Total", 0);
    out.Put(c.total, (LINE_WIDTH - static_cast<int>(c.total.size())) / 2);
    out.Put(Format("%4d", c.totalRuns), 64);
    out.WriteLine();

    out.Put(c.fallOfWickets.size() == 1 ? "Fall of Wkt" : "Fall of Wkts", 0);
    for (std::size_t w = 0; w < c.fallOfWickets.size(); ++w)
        out.Put(Format("%d", c.fallOfWickets[w]), 16 + 5 * static_cast<int>(w));
    out.WriteLine();
}

void WriteBowling(ReportOut& out, const ScorecardInnings& c)
{
    for (const ScorecardBowl& b : c.bowling) {
        out.Put(b.name, 0);
        out.Put(Format("%3d", b.balls / 6), 23);
        if (b.balls % 6) out.Put(Format(".%d", b.balls % 6), 26);
        out.Put(Format("%2d", b.maidens), 30);
        out.Put(Format("%3d", b.runs), 34);
        out.Put(Format("%2d", b.wickets), 39);
        out.Put(Format("%2d", b.noBalls), 44);
        out.Put(Format("%2d", b.wides), 47);
        out.WriteLine();
    }
}

bool FollowedOn(const TEST& t)
{
    return t.Innings[1].nBatSide == t.Innings[2].nBatSide && t.Innings[2].nStatus != INNINGS_NOTSTARTED;
}

std::string ResultText(const TEST& t) { return std::string(t.szResult, strnlen(t.szResult, sizeof t.szResult)); }

std::string GroundName(const Game& g, int test)
{
    const int gr = g.Series.nGround[test];
    if (gr >= static_cast<int>(g.db.grounds.size())) return "";
    return std::string(g.db.grounds[gr].szName, strnlen(g.db.grounds[gr].szName, sizeof g.db.grounds[gr].szName));
}

// An innings of the Test read through pTest, as a scorecard.
ScorecardInnings InningsCard(Game& g, const TEST& t, int innings)
{
    const INNINGS& in = t.Innings[innings];
    const int bat = in.nBatSide, field = in.nBowlSide;
    ScorecardInnings c;
    c.title = SquadName(g, bat) + (innings < 2 ? " 1st" : " 2nd") + " Innings";
    if (innings == 2 && FollowedOn(t)) c.title += " Following On";
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        const int s = in.nOrder[k];
        if (!ValidSlot(s)) break;
        const BAT& b = in.Bat[s];
        const bool bowler = b.nBowler != 255;
        c.batting.push_back({BatsmanName(g, bat, s), DismissalText(g, b, field), bowler,
                             bowler ? FieldName(g, field, b.nBowler) : "", b.nRuns, b.nBalls, b.nFours, b.nSixes});
    }
    for (int s = 0; s < MAX_ELEVEN && c.batting.size() + c.didNotBat.size() < MAX_ELEVEN; ++s)
        if (in.Bat[s].nHowOut == HOWOUT_DIDNOTBAT) c.didNotBat.push_back(BatsmanName(g, bat, s));
    c.extras = Format("(byes %d   leg byes %d   no balls %d   wides %d)", static_cast<int>(in.nByes),
                      static_cast<int>(in.nLegByes), static_cast<int>(in.nNoBalls), static_cast<int>(in.nWides));
    c.extrasRuns = in.nExtras;
    const int wkts = in.nWickets, balls = in.nTotalBalls;
    c.total = Format("(%d Wkt%s %s %d.%d Over%s)", wkts, wkts < 2 ? "" : "s",
                     in.nStatus == INNINGS_DECLARED ? "Declared" : "", balls / 6, balls % 6, balls < 12 ? "" : "s");
    c.totalRuns = in.nTotal;
    for (int w = 0; w < wkts && w < 10; ++w) c.fallOfWickets.push_back(in.Fow[w].nScore);
    for (int k = 0; k < 10; ++k) {
        const int s = in.nBowlers[k];
        if (!ValidSlot(s)) break;
        const BOWL& b = in.Bowl[s];
        c.bowling.push_back({FieldName(g, field, s), b.nBalls, b.nMaidens, b.nRuns, b.nWickets, b.nNoBalls, b.nWides});
    }
    return c;
}

void WriteInnings(Game& g, ReportOut& out, int test, int innings)
{
    if (test < 0 || test >= MAX_TESTS || innings < 0 || innings > 3) return;
    TestInPlay inPlay(g, test);
    const TEST& t = *g.pTest;
    const INNINGS& in = t.Innings[innings];
    if (in.nTotalBalls <= 0 || in.nBatSide < 0 || in.nBatSide > 1) return;
    const ScorecardInnings c = InningsCard(g, t, innings);
    LineClear(out.text());
    out.Blank();
    out.SubTitle(c.title);
    out.Blank();
    out.BlockStart();
    WriteBatting(out, c);
    WriteTotals(out, c);
    out.BlockEnd();
    out.Blank();
    out.BlockStart();
    WriteBowling(out, c);
    out.BlockEnd();
    out.Blank();
}


// Entries joined by ", " into lines that begin with two blanks and end within
// the 78 columns.
void WriteListLines(ReportOut& out, const std::vector<std::string>& entries)
{
    std::string line = "  ";
    for (std::size_t k = 0; k < entries.size(); ++k) {
        std::string piece = entries[k] + (k + 1 < entries.size() ? ", " : "");
        std::string trimmed = piece;
        while (!trimmed.empty() && trimmed.back() == ' ') trimmed.pop_back();
        if (line.size() > 2 && line.size() + trimmed.size() > static_cast<std::size_t>(LINE_WIDTH)) {
            out.PutClipped(line, 0);
            out.WriteLine();
            line = "  ";
        }
        line += piece;
    }
    out.PutClipped(line, 0);
    out.WriteLine();
}

}  // namespace

void WriteTestSummary(Game& g, ReportOut& out, int test)
{
    if (test < 0 || test >= MAX_TESTS) return;
    TestInPlay inPlay(g, test);
    const TEST& t = *g.pTest;
    out.BlockStart();
    out.Put(TestOrdinal(test + 1) + " Test played at " + GroundName(g, test) + ".", 0);
    out.WriteLine();
    for (int i = 0; i < MAX_INNINGS; ++i) {
        const INNINGS& in = t.Innings[i];
        if (in.nStatus == INNINGS_NOTSTARTED || in.nBatSide < 0 || in.nBatSide > 1) continue;
        std::string head = " " + SquadName(g, in.nBatSide) + (i < 2 ? " 1st" : " 2nd") + " Innings";
        if (i == 2 && FollowedOn(t)) head += " Following On";
        head += Format(" %d", static_cast<int>(in.nTotal));
        if (in.nStatus == INNINGS_DECLARED)
            head += Format(" for %d dec.", static_cast<int>(in.nWickets));
        else if (in.nWickets < 10)
            head += Format(" for %d", static_cast<int>(in.nWickets));
        else
            head += " all out";
        out.PutClipped(head, 0);
        out.WriteLine();

        // Batsmen with 20 or more, or not out with at least one, by runs.
        std::vector<int> bats;
        for (int s = 0; s < MAX_ELEVEN; ++s) {
            const BAT& b = in.Bat[s];
            if (b.nHowOut == HOWOUT_DIDNOTBAT) continue;
            if (b.nRuns >= 20 || (b.nHowOut == HOWOUT_NOTOUT && b.nRuns >= 1)) bats.push_back(s);
        }
        std::stable_sort(bats.begin(), bats.end(), [&](int a, int b) { return in.Bat[a].nRuns > in.Bat[b].nRuns; });
        std::vector<std::string> entries;
        for (int s : bats)
            entries.push_back(BatsmanName(g, in.nBatSide, s) + Format(" %d", static_cast<int>(in.Bat[s].nRuns)) +
                              (in.Bat[s].nHowOut == HOWOUT_NOTOUT ? "*" : ""));
        WriteListLines(out, entries);

        // Bowlers who took a wicket, by wickets.
        std::vector<int> bowls;
        for (int s = 0; s < MAX_ELEVEN; ++s)
            if (in.Bowl[s].nWickets > 0) bowls.push_back(s);
        std::stable_sort(bowls.begin(), bowls.end(),
                         [&](int a, int b) { return in.Bowl[a].nWickets > in.Bowl[b].nWickets; });
        entries.clear();
        for (int s : bowls)
            entries.push_back(FieldName(g, in.nBowlSide, s) + Format(" %d-%d", static_cast<int>(in.Bowl[s].nWickets),
                                                                      static_cast<int>(in.Bowl[s].nRuns)));
        WriteListLines(out, entries);
    }
    out.PutClipped(ResultText(t), 0);
    out.WriteLine();
    out.BlockEnd();
}

void WriteSeriesSummaryReport(Game& g, ReportOut& out, const ReportParams&)
{
    LineClear(out.text());
    out.Title(SquadName(g, 0) + " vs " + SquadName(g, 1) + " - Series Summary");
    out.Blank();
    for (int t = 0; t < g.Series.nNumTests && t < MAX_TESTS; ++t) {
        if (std::strncmp(g.Series.Test[t].szResult, "Not ", 4) == 0) continue;
        WriteTestSummary(g, out, t);
        out.Blank();
    }
    out.Title(SeriesStandingText(g));
    out.Blank(2);
    for (int side = 0; side < 2; ++side) WriteSeriesAverages(g, out, side);
}

std::vector<ScorecardInnings> Scorecard(Game& g, int test)
{
    std::vector<ScorecardInnings> cards;
    if (test < 0 || test >= MAX_TESTS) return cards;
    TestInPlay inPlay(g, test);
    for (int i = 0; i < MAX_INNINGS; ++i) {
        const INNINGS& in = g.pTest->Innings[i];
        if (in.nTotalBalls <= 0 || in.nBatSide < 0 || in.nBatSide > 1) continue;
        cards.push_back(InningsCard(g, *g.pTest, i));
    }
    return cards;
}

void WriteInningsScoreboard(Game& g, TextOutput& out, int test, int innings)
{
    ReportOut text(out, false);
    WriteInnings(g, text, test, innings);
}

void WriteScoreboardReport(Game& g, ReportOut& out, const ReportParams& p)
{
    const int t = p.test;
    if (t < 0 || t >= MAX_TESTS) return;
    LineClear(out.text());
    const std::string sides = SquadName(g, 0) + " vs " + SquadName(g, 1);
    if (out.html()) {
        out.Title(sides);
        out.Title(Format("<a name=\"test%d\"></a>", t + 1) + TestOrdinal(t + 1) + " Test - Played at " +
                  GroundName(g, t));
    } else {
        out.Title("Ovalspin Scoreboard");
        out.Title("=====================================");
        out.Blank(2);
        out.Title(sides);
        out.Blank();
        out.Title("Played at " + GroundName(g, t));
        out.Blank();
    }
    for (int i = 0; i < 4; ++i) WriteInnings(g, out, t, i);
    out.Blank();
    out.Title(ResultText(g.Series.Test[t]));
}

void WriteScoreboardText(Game& g, TextOutput& out, int t)
{
    ReportOut text(out, false);
    ReportParams p;
    p.test = t;
    WriteScoreboardReport(g, text, p);
}

}  // namespace ovs
