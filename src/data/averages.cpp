// Innings figures into the series, league and career averages of a finished Test.
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

}  // namespace

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
