// The league's reports as 78-column text.
#include "report/league_text.h"

#include <cstring>

#include "core/format.h"
#include "core/game.h"
#include "core/league.h"
#include "report/text_lines.h"

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

void PutNumber(TextOutput& out, int value, int col) { LinePutRight(out, Format("%d", value), col); }

// The four results and the two figures of one half of a table row.
void PutHalf(const LEAGUE& l, TextOutput& out, const int* cols, int wins, int draws, int ties, int losses,
             std::int32_t runsFor, std::int32_t wicketsLost, std::int32_t runsAgainst, std::int32_t wicketsTaken,
             int batPoints, int bowlPoints)
{
    PutNumber(out, wins, cols[0]);
    PutNumber(out, draws, cols[1]);
    PutNumber(out, ties, cols[2]);
    PutNumber(out, losses, cols[3]);
    if (LeagueSetUp(l)) {
        LinePutRight(out, Ratio(runsFor, wicketsLost), cols[4]);
        LinePutRight(out, Ratio(runsAgainst, wicketsTaken), cols[5]);
    } else {
        PutNumber(out, batPoints, cols[4]);
        PutNumber(out, bowlPoints, cols[5]);
    }
}

void PutHeadings(const LEAGUE& l, TextOutput& out, const int* cols)
{
    const char* titles[] = {"W", "D", "T", "L"};
    for (int i = 0; i < 4; ++i) LinePutRight(out, titles[i], cols[i]);
    LinePutRight(out, LeagueSetUp(l) ? "R/W F" : "Bat", cols[4]);
    LinePutRight(out, LeagueSetUp(l) ? "R/W A" : "Bowl", cols[5]);
}

}  // namespace

void WriteLeagueTableText(const Game& g, TextOutput& out)
{
    const LEAGUE& l = g.League;
    TextCentredLine(out, "League Table");
    TextNewLines(out, 1);
    LineClear(out);
    LinePutCentred(out, "Home", (kPlayedCol + kHomeCols[5]) / 2);
    LinePutCentred(out, "Away", (kHomeCols[5] + kAwayCols[5]) / 2);
    LineWrite(out);
    LinePut(out, "Squad", 0);
    LinePutRight(out, "P", kPlayedCol);
    PutHeadings(l, out, kHomeCols);
    PutHeadings(l, out, kAwayCols);
    LinePutRight(out, "Pts", kPointsCol);
    LineWrite(out);
    for (int k : LeagueTableOrder(l)) {
        const LEAGUEPTS& p = l.Points[k];
        LinePut(out, LeagueTeamSquadName(g, k), 0);
        PutNumber(out, p.nPlayed, kPlayedCol);
        PutHalf(l, out, kHomeCols, p.nHomeWins, p.nHomeDraws, p.nHomeTies, p.nHomeLosses, p.nHomeRunsFor,
                p.nHomeWicketsLost, p.nHomeRunsAgainst, p.nHomeWicketsTaken, p.nHomeBatPoints, p.nHomeBowlPoints);
        PutHalf(l, out, kAwayCols, p.nAwayWins, p.nAwayDraws, p.nAwayTies, p.nAwayLosses, p.nAwayRunsFor,
                p.nAwayWicketsLost, p.nAwayRunsAgainst, p.nAwayWicketsTaken, p.nAwayBatPoints, p.nAwayBowlPoints);
        PutNumber(out, p.nPoints, kPointsCol);
        LineWrite(out);
    }
}

void WriteLeagueResultsText(const Game& g, TextOutput& out)
{
    const LEAGUE& l = g.League;
    const int n = LeagueTeamCount(l);
    TextCentredLine(out, "League Results");
    TextNewLines(out, 1);
    LineClear(out);
    for (int away = 0; away < n; ++away) LinePutCentred(out, LeagueTeamSquadShort(g, away), Centre(away));
    LineWrite(out);
    for (int home = 0; home < n; ++home) {
        LinePut(out, LeagueTeamSquadShort(g, home), 0);
        for (int away = 0; away < n; ++away) {
            const LEAGUE_RESULT& r = l.Result[home][away];
            if (home == away)
                LinePutCentred(out, "-", Centre(away));
            else if (r.nPlayed > 0)
                LinePutCentred(out, Format("%d - %d", int{r.nHomeWins}, int{r.nAwayWins}).c_str(), Centre(away));
        }
        LineWrite(out);
    }
}

void WriteLeagueFixturesText(const Game& g, TextOutput& out, int round)
{
    const LEAGUE& l = g.League;
    if (round < 0 || round >= MAX_LEAGUE_ROUNDS) {
        TextWrite(out, "League has been completed.\n");
        TextWrite(out, "Please apply for a new League if you have not already done so.\n");
        return;
    }
    TextCentredLine(out, Format("Fixtures for Round %d", round + 1));
    TextNewLines(out, 1);
    const int slots = LeagueTeamCount(l) / 2;
    for (int i = 0; i < slots && i < MAX_LEAGUE_FIXTURES; ++i) {
        if (IsBye(l, round, i)) continue;
        const FIXTURE& f = l.Fixture[round][i];
        LinePut(out, LeagueTeamSquadName(g, f.nHome), 4);
        LinePutRight(out, LeagueTeamSquadName(g, f.nAway), 74);
        LinePutCentred(out, "vs", 39);
        LineWrite(out);
    }
}

void WriteLeagueSummaryText(const Game& g, TextOutput& out)
{
    const LEAGUE& l = g.League;
    const int round = l.nRound;
    if (round < 0 || round >= MAX_LEAGUE_ROUNDS) return;
    TextCentredLine(out, Format("Current Fixtures Round %d", round + 1));
    TextNewLines(out, 1);
    for (int i = 0; i < LeagueSlots(LeagueTeamCount(l)) && i < MAX_LEAGUE_FIXTURES; ++i) {
        if (IsBye(l, round, i)) continue;
        const FIXTURE& f = l.Fixture[round][i];
        LinePut(out, LeagueTeamSquadName(g, f.nHome), 4);
        LinePutRight(out, LeagueTeamSquadName(g, f.nAway), 74);
        LinePutCentred(out, LeagueFixtureScore(g, round, i).c_str(), 39);
        LineWrite(out);
    }
}

}  // namespace ovs
