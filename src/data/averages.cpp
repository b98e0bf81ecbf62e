// Innings figures into the series, league and career averages of a finished Test.
//
// A player of the Test counts in three records: his slot's in the series, his
// league team's (in a league match) and his career.
#include "data/statistics.h"

#include "core/game.h"

namespace ovs {

namespace {

// A slot bowled in an innings when it delivered anything, legal or not.
bool Bowled(const BOWL& b) { return b.nBalls > 0 || b.nNoBalls > 0 || b.nWides > 0; }

template <typename F>
void ForEachRecord(const PlayerFigures& f, F apply)
{
    for (AVERAGE* a : {f.series, f.league, f.career})
        if (a) apply(*a);
}

// The league-team number of a squad in the running league, -1 when none.
int LeagueTeamOf(const Game& g, int squad)
{
    for (int k = 0; k < g.League.nSquads && k < MAX_LEAGUE_TEAMS; ++k)
        if (g.League.nSquad[k] == squad) return k;
    if (squad >= 0 && squad < static_cast<int>(g.db.squads.size())) {
        int k = g.db.squads[squad].nLeaguePos;
        if (k >= 0 && k < MAX_LEAGUE_TEAMS) return k;
    }
    return -1;
}

void CountMatch(AVERAGE* a)
{
    if (!a) return;
    ++a->Bat.nTests;
    ++a->Bowl.nMatches;
    ++a->Field.nMatches;
    ++a->Points.nMatches;
}

}  // namespace

PlayerFigures FiguresOf(Game& g, const TEST& test, int side, int slot)
{
    PlayerFigures f;
    if (side < 0 || side > 1 || slot < 0 || slot >= MAX_ELEVEN) return f;
    int member = test.nPlayer[slot][side];
    int squad = g.Series.nSquad[side];
    if (member < 0 || member >= MAX_SQUAD || squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return f;
    int player = g.db.squads[squad].nPlayer[member];
    if (player < 0 || player >= static_cast<int>(g.db.players.size())) return f;

    f.playerIndex = player;
    f.player = &g.db.players[player];
    f.career = &f.player->Career;
    f.series = &g.Series.Average[member][side];
    // The league figures of team k are the first team slot of its diagonal rubber.
    if (g.Current.bLeagueMatch && g.db.leagueSeries.size() == LEAGUE_SERIES) {
        int k = LeagueTeamOf(g, squad);
        if (k >= 0) f.league = &g.db.leagueSeries[k * 10 + k].Average[member][0];
    }
    return f;
}

void CountMatches(Game& g, const TEST& test)
{
    for (int side = 0; side < 2; ++side)
        for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
            PlayerFigures f = FiguresOf(g, test, side, slot);
            CountMatch(f.series);
            CountMatch(f.league);
            CountMatch(f.career);
        }
}

float BattingAverage(const AVERAGE_BAT& a)
{
    int completed = a.nInnings - a.nNotOuts;
    // Never dismissed: the runs pushed far below zero, so the views leave it blank.
    if (completed == 0) return static_cast<float>(static_cast<double>(a.nRuns) - 100000.0);
    return static_cast<float>(static_cast<double>(a.nRuns) / completed);
}

float BowlingAverage(const AVERAGE_BOWL& a)
{
    if (a.nWickets == 0) return static_cast<float>(static_cast<double>(a.nRuns) + 100000.0);
    return static_cast<float>(static_cast<double>(a.nRuns) / a.nWickets);
}

void AddBatting(AVERAGE_BAT& a, const BAT& bat)
{
    const int runs = bat.nRuns;
    const int howOut = bat.nHowOut;
    ++a.nInnings;
    if (howOut == HOWOUT_NOTOUT) ++a.nNotOuts;
    a.nRuns += runs;
    if (runs > a.nHighScore) {
        a.nHighScore = runs;
        a.nHighHowOut = howOut;
    } else if (runs == a.nHighScore && howOut == HOWOUT_NOTOUT) {
        a.nHighHowOut = HOWOUT_NOTOUT;
    }
    a.fAverage = BattingAverage(a);
    if (runs >= 100)
        ++a.nHundreds;
    else if (runs >= 50)
        ++a.nFifties;
    a.nBalls += static_cast<int>(bat.nBalls);
    a.nFours += bat.nFours;
    a.nSixes += bat.nSixes;
}

void AddBowling(AVERAGE_BOWL& a, const BOWL& bowl)
{
    const int wickets = bowl.nWickets;
    const int runs = bowl.nRuns;
    a.nBalls += static_cast<int>(bowl.nBalls);
    a.nMaidens += bowl.nMaidens;
    a.nRuns += runs;
    a.nWickets += wickets;
    a.nNoBalls += bowl.nNoBalls;
    a.nWides += bowl.nWides;
    a.fAverage = BowlingAverage(a);
    const bool noBest = a.nBestWickets == 0 && a.nBestRuns == 0;
    if (noBest || wickets > a.nBestWickets || (wickets == a.nBestWickets && runs <= a.nBestRuns)) {
        a.nBestWickets = wickets;
        a.nBestRuns = runs;
    }
    if (wickets >= 5) ++a.nFiveWickets;
}

void AccumulateInnings(Game& g, const TEST& test, const INNINGS& in, TestWickets& wickets)
{
    const int batSide = in.nBatSide;
    const int bowlSide = in.nBowlSide;
    if (batSide < 0 || batSide > 1 || bowlSide < 0 || bowlSide > 1) return;

    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        const BAT& bat = in.Bat[slot];
        if (bat.nHowOut == HOWOUT_DIDNOTBAT) continue;
        ForEachRecord(FiguresOf(g, test, batSide, slot), [&](AVERAGE& a) { AddBatting(a.Bat, bat); });
    }

    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        const BOWL& bowl = in.Bowl[slot];
        const bool keeper = slot == in.nKeeperPos;
        ForEachRecord(FiguresOf(g, test, bowlSide, slot), [&](AVERAGE& a) {
            if (keeper) {
                a.Field.nKeeperCatches += bowl.nCatches;
                a.Field.nStumpings += bowl.nStumpings;
            } else {
                a.Field.nCatches += bowl.nCatches;
            }
        });
    }

    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        const BOWL& bowl = in.Bowl[slot];
        if (!Bowled(bowl)) continue;
        ForEachRecord(FiguresOf(g, test, bowlSide, slot), [&](AVERAGE& a) { AddBowling(a.Bowl, bowl); });
        wickets.n[slot][bowlSide] += bowl.nWickets;
    }
}

void CountTenWicketMatches(Game& g, const TEST& test, const TestWickets& wickets)
{
    for (int side = 0; side < 2; ++side)
        for (int slot = 0; slot < MAX_ELEVEN; ++slot)
            if (wickets.n[slot][side] >= 10)
                ForEachRecord(FiguresOf(g, test, side, slot), [](AVERAGE& a) { ++a.Bowl.nTenWickets; });
}

void FinishAverages(Game& g, const TEST& test)
{
    // Only figures that exist are finished: a player who has not batted (or
    // bowled) keeps the empty value his record was given.
    for (int side = 0; side < 2; ++side)
        for (int slot = 0; slot < MAX_ELEVEN; ++slot)
            ForEachRecord(FiguresOf(g, test, side, slot), [](AVERAGE& a) {
                if (a.Bat.nInnings > 0) a.Bat.fAverage = BattingAverage(a.Bat);
                if (a.Bowl.nBalls > 0 || a.Bowl.nRuns > 0 || a.Bowl.nWickets > 0)
                    a.Bowl.fAverage = BowlingAverage(a.Bowl);
            });
}

}  // namespace ovs
