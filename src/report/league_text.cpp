// The league's reports as 78-column text or as a page.
#include "report/league_text.h"

#include "core/format.h"
#include "core/game.h"
#include "core/league.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report/writers.h"

namespace ovs {

namespace {

// Columns of the table: each figure ends just before its column.
constexpr int kPlayedCol = 23;
constexpr int kHomeCols[] = {26, 29, 32, 35, 41, 48};   // W D T L and the two figures
constexpr int kAwayCols[] = {51, 54, 57, 60, 67, 74};
constexpr int kPointsCol = 78;

// Results matrix: row headings at 0, a cell of 7 columns per away team from 8.
constexpr int kMatrixFirst = 8;
constexpr int kMatrixWidth = 7;

int Centre(int team) { return kMatrixFirst + kMatrixWidth * team + kMatrixWidth / 2; }

std::string Ratio(std::int32_t runs, std::int32_t wickets)
{
    if (wickets < 1) return "";
    return Format("%.2f", static_cast<double>(runs) / static_cast<double>(wickets));
}

std::string Number(int value) { return Format("%d", value); }

// The four results and the two figures of one half of a table row: runs per
// wicket for and against while a league is set up, else the batting and
// bowling points.
struct Half {
    int wins, draws, ties, losses;
    std::int32_t runsFor, wicketsLost, runsAgainst, wicketsTaken;
    int batPoints, bowlPoints;
};

void PutHalf(const LEAGUE& l, ReportOut& out, const int* cols, const Half& h)
{
    const int results[] = {h.wins, h.draws, h.ties, h.losses};
    for (int i = 0; i < 4; ++i) out.PutRight(Number(results[i]), cols[i]);
    if (LeagueSetUp(l)) {
        out.PutRight(Ratio(h.runsFor, h.wicketsLost), cols[4]);
        out.PutRight(Ratio(h.runsAgainst, h.wicketsTaken), cols[5]);
    } else {
        out.PutRight(Number(h.batPoints), cols[4]);
        out.PutRight(Number(h.bowlPoints), cols[5]);
    }
}

void PutHeadings(const LEAGUE& l, ReportOut& out, const int* cols)
{
    const char* titles[] = {"W", "D", "T", "L"};
    for (int i = 0; i < 4; ++i) out.PutRight(titles[i], cols[i]);
    out.PutRight(LeagueSetUp(l) ? "R/W F" : "Bat", cols[4]);
    out.PutRight(LeagueSetUp(l) ? "R/W A" : "Bowl", cols[5]);
}

// One line per real fixture of a round: home at 4, away ending at 74, and
// `middle(slot)` centred on 39.
template <typename Middle>
void WriteFixtureLines(const Game& g, ReportOut& out, int round, Middle middle)
{
    const LEAGUE& l = g.League;
    out.BlockStart();
    for (int i = 0; i < LeagueSlots(LeagueTeamCount(l)) && i < MAX_LEAGUE_FIXTURES; ++i) {
        if (IsBye(l, round, i)) continue;
        const FIXTURE& f = l.Fixture[round][i];
        out.Put(LeagueTeamSquadName(g, f.nHome), 4);
        out.PutRight(LeagueTeamSquadName(g, f.nAway), 74);
        out.PutCentred(middle(i), 39);
        out.WriteLine();
    }
    out.BlockEnd();
}

}  // namespace

void WriteLeagueTable(const Game& g, ReportOut& out)
{
    const LEAGUE& l = g.League;
    LineClear(out.text());
    out.Title("League Table");
    out.Blank();
    out.BlockStart();
    out.PutCentred("Home", (kPlayedCol + kHomeCols[5]) / 2);
    out.PutCentred("Away", (kHomeCols[5] + kAwayCols[5]) / 2);
    out.WriteLine();
    out.Put("Squad", 0);
    out.PutRight("P", kPlayedCol);
    PutHeadings(l, out, kHomeCols);
    PutHeadings(l, out, kAwayCols);
    out.PutRight("Pts", kPointsCol);
    out.WriteLine();
    for (int k : LeagueTableOrder(l)) {
        const LEAGUEPTS& p = l.Points[k];
        out.Put(LeagueTeamSquadName(g, k), 0);
        out.PutRight(Number(p.nPlayed), kPlayedCol);
        PutHalf(l, out, kHomeCols,
                {p.nHomeWins, p.nHomeDraws, p.nHomeTies, p.nHomeLosses, p.nHomeRunsFor, p.nHomeWicketsLost,
                 p.nHomeRunsAgainst, p.nHomeWicketsTaken, p.nHomeBatPoints, p.nHomeBowlPoints});
        PutHalf(l, out, kAwayCols,
                {p.nAwayWins, p.nAwayDraws, p.nAwayTies, p.nAwayLosses, p.nAwayRunsFor, p.nAwayWicketsLost,
                 p.nAwayRunsAgainst, p.nAwayWicketsTaken, p.nAwayBatPoints, p.nAwayBowlPoints});
        out.PutRight(Number(p.nPoints), kPointsCol);
        out.WriteLine();
    }
    out.BlockEnd();
}

void WriteLeagueResults(const Game& g, ReportOut& out)
{
    const LEAGUE& l = g.League;
    const int n = LeagueTeamCount(l);
    LineClear(out.text());
    out.Title("League Results");
    out.Blank();
    out.BlockStart();
    for (int away = 0; away < n; ++away) out.PutCentred(LeagueTeamSquadShort(g, away), Centre(away));
    out.WriteLine();
    for (int home = 0; home < n; ++home) {
        out.Put(LeagueTeamSquadShort(g, home), 0);
        for (int away = 0; away < n; ++away) {
            const LEAGUE_RESULT& r = l.Result[home][away];
            if (home == away)
                out.PutCentred("-", Centre(away));
            else if (r.nPlayed > 0)
                out.PutCentred(Format("%d - %d", int{r.nHomeWins}, int{r.nAwayWins}), Centre(away));
        }
        out.WriteLine();
    }
    out.BlockEnd();
}

void WriteLeagueFixtures(const Game& g, ReportOut& out, int round)
{
    LineClear(out.text());
    if (round < 0 || round >= MAX_LEAGUE_ROUNDS) {
        out.BlockStart();
        out.Put("League has been completed.", 0);
        out.WriteLine();
        out.Put("Please apply for a new League if you have not already done so.", 0);
        out.WriteLine();
        out.BlockEnd();
        return;
    }
    out.Title(Format("Fixtures for Round %d", round + 1));
    out.Blank();
    WriteFixtureLines(g, out, round, [](int) { return std::string("vs"); });
}

void WriteLeagueSummary(const Game& g, ReportOut& out)
{
    const int round = g.League.nRound;
    LineClear(out.text());
    if (round < 0 || round >= MAX_LEAGUE_ROUNDS) return;
    out.Title(Format("Current Fixtures Round %d", round + 1));
    out.Blank();
    WriteFixtureLines(g, out, round, [&](int slot) { return LeagueFixtureScore(g, round, slot); });
}

// The catalogue's entries.
const std::vector<LeagueView>& LeagueViews()
{
    static const std::vector<LeagueView> views = {
        {"league-table", "League Table", WriteLeagueTable},
        {"league-results", "League Results", WriteLeagueResults},
        {"league-fixtures", "Next League Fixtures",
         [](const Game& g, ReportOut& out) { WriteLeagueFixtures(g, out, NextFixturesRound(g)); }},
        {"league-summary", "Current Fixtures", WriteLeagueSummary},
    };
    return views;
}

const LeagueView* FindLeagueView(std::string_view name)
{
    for (const LeagueView& v : LeagueViews())
        if (name == v.name) return &v;
    return nullptr;
}

bool LeagueSetUp(const Game& g) { return g.League.nTests >= 1 && g.League.nTests <= 6 && LeagueTeamCount(g.League) >= 2; }

void WriteLeagueTableReport(Game& g, ReportOut& out, const ReportParams&) { WriteLeagueTable(g, out); }
void WriteLeagueResultsReport(Game& g, ReportOut& out, const ReportParams&) { WriteLeagueResults(g, out); }

}  // namespace ovs
