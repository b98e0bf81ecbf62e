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

void WriteBatting(Game& g, ReportOut& out, const INNINGS& in)
{
    const int bat = in.nBatSide, field = in.nBowlSide;
    int listed = 0;
    for (int k = 0; k < MAX_ELEVEN; ++k) {
        const int s = in.nOrder[k];
        if (!ValidSlot(s)) break;
        const BAT& b = in.Bat[s];
        out.Put(BatsmanName(g, bat, s), 0);
        out.Put(DismissalText(g, b, field), 23);
        if (b.nBowler != 255) out.Put("b " + FieldName(g, field, b.nBowler), 44);
        out.Put(Format(" %3d", static_cast<int>(b.nRuns)), 64);
        out.Put(Format("%3d", static_cast<int>(b.nBalls)), 70);
        out.Put(Format("%2d", static_cast<int>(b.nFours)), 74);
        out.Put(Format("%2d", static_cast<int>(b.nSixes)), 76);
        out.WriteLine();
        ++listed;
    }
    for (int s = 0; s < MAX_ELEVEN && listed < MAX_ELEVEN; ++s) {
        if (in.Bat[s].nHowOut != HOWOUT_DIDNOTBAT) continue;
        out.Put(BatsmanName(g, bat, s), 0);
        out.WriteLine();
        ++listed;
    }
}

void WriteTotals(ReportOut& out, const INNINGS& in)
{
    out.Put("Extras", 0);
    std::string text = Format("(byes %d   leg byes %d   no balls %d   wides %d)", static_cast<int>(in.nByes),
                              static_cast<int>(in.nLegByes), static_cast<int>(in.nNoBalls),
                              static_cast<int>(in.nWides));
    out.Put(text, (LINE_WIDTH - static_cast<int>(text.size())) / 2);
    out.Put(Format("%3d", static_cast<int>(in.nExtras)), 65);
    out.WriteLine();

    const int wkts = in.nWickets, balls = in.nTotalBalls;
    out.Put("Total", 0);
    text = Format("(%d Wkt%s %s %d.%d Over%s)", wkts, wkts < 2 ? "" : "s",
                  in.nStatus == INNINGS_DECLARED ? "Declared" : "", balls / 6, balls % 6, balls < 12 ? "" : "s");
    out.Put(text, (LINE_WIDTH - static_cast<int>(text.size())) / 2);
    out.Put(Format("%4d", static_cast<int>(in.nTotal)), 64);
    out.WriteLine();

    out.Put(wkts == 1 ? "Fall of Wkt" : "Fall of Wkts", 0);
    for (int w = 0; w < wkts && w < 10; ++w)
        out.Put(Format("%d", static_cast<int>(in.Fow[w].nScore)), 16 + 5 * w);
    out.WriteLine();
}

void WriteBowling(Game& g, ReportOut& out, const INNINGS& in)
{
    for (int k = 0; k < 10; ++k) {
        const int s = in.nBowlers[k];
        if (!ValidSlot(s)) break;
        const BOWL& b = in.Bowl[s];
        out.Put(FieldName(g, in.nBowlSide, s), 0);
        out.Put(Format("%3d", b.nBalls / 6), 23);
        if (b.nBalls % 6) out.Put(Format(".%d", b.nBalls % 6), 26);
        out.Put(Format("%2d", static_cast<int>(b.nMaidens)), 30);
        out.Put(Format("%3d", static_cast<int>(b.nRuns)), 34);
        out.Put(Format("%2d", static_cast<int>(b.nWickets)), 39);
        out.Put(Format("%2d", static_cast<int>(b.nNoBalls)), 44);
        out.Put(Format("%2d", static_cast<int>(b.nWides)), 47);
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

void WriteInnings(Game& g, ReportOut& out, int test, int innings)
{
    if (test < 0 || test >= MAX_TESTS || innings < 0 || innings > 3) return;
    TestInPlay inPlay(g, test);
    const TEST& t = *g.pTest;
    const INNINGS& in = t.Innings[innings];
    if (in.nTotalBalls <= 0 || in.nBatSide < 0 || in.nBatSide > 1) return;
    LineClear(out.text());
    out.Blank();
    std::string title = SquadName(g, in.nBatSide) + (innings < 2 ? " 1st" : " 2nd") + " Innings";
    if (innings == 2 && FollowedOn(t)) title += " Following On";
    out.SubTitle(title);
    out.Blank();
    out.BlockStart();
    WriteBatting(g, out, in);
    WriteTotals(out, in);
    out.BlockEnd();
    out.Blank();
    out.BlockStart();
    WriteBowling(g, out, in);
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
