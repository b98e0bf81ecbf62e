// The realism figures over hand-built Tests, every share worked out by hand.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/match.h"
#include "report/realism.h"

namespace ovs {
namespace {

// A TEST is large; tests keep theirs on the heap.
std::unique_ptr<TEST> NewTest()
{
    auto t = std::make_unique<TEST>();
    InitTestForPlay(*t);
    return t;
}

// Fills innings i: who batted, its state and totals, and each batsman's
// (runs, how out) from slot 0 on; the other slots did not bat.
void SetInnings(TEST& t, int i, int batSide, int status, int total, int wickets, int balls, int extras,
                const std::vector<std::pair<int, int>>& bats)
{
    INNINGS& in = t.Innings[i];
    in.nBatSide = batSide;
    in.nBowlSide = 1 - batSide;
    in.nStatus = status;
    in.nTotal = total;
    in.nWickets = wickets;
    in.nTotalBalls = balls;
    in.nExtras = extras;
    for (std::size_t k = 0; k < bats.size(); ++k) {
        in.Bat[k].nRuns = bats[k].first;
        in.Bat[k].nHowOut = bats[k].second;
    }
}

std::vector<std::pair<int, int>> Same(int n, int runs, int how)
{
    return std::vector<std::pair<int, int>>(n, {runs, how});
}

std::vector<std::pair<int, int>> Join(std::vector<std::pair<int, int>> a, const std::vector<std::pair<int, int>>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The home side wins by an innings after enforcing the follow-on.
std::unique_ptr<TEST> InningsWinWithFollowOn()
{
    auto t = NewTest();
    // 120 c, 30 b, 50 lbw, 10 run out, 5 st, five more caught, one not out.
    SetInnings(*t, 0, 0, INNINGS_ENDED, 400, 10, 600, 20,
               Join({{120, HOWOUT_CAUGHT}, {30, HOWOUT_BOWLED}, {50, HOWOUT_LBW}, {10, HOWOUT_RUNOUT},
                     {5, HOWOUT_STUMPED}},
                    Join(Same(5, 20, HOWOUT_CAUGHT), {{45, HOWOUT_NOTOUT}})));
    SetInnings(*t, 1, 1, INNINGS_ENDED, 150, 10, 300, 10, Join(Same(10, 14, HOWOUT_BOWLED), {{0, HOWOUT_NOTOUT}}));
    SetInnings(*t, 2, 1, INNINGS_RESULT, 200, 10, 300, 10,
               Join({{100, HOWOUT_LBW}}, Join(Same(9, 10, HOWOUT_LBW), {{0, HOWOUT_NOTOUT}})));
    return t;
}

// The away side bats first, declares, and time runs out.
std::unique_ptr<TEST> Draw()
{
    auto t = NewTest();
    SetInnings(*t, 0, 1, INNINGS_DECLARED, 500, 5, 900, 30,
               Join(Same(5, 94, HOWOUT_CAUGHT), Same(2, 0, HOWOUT_NOTOUT)));
    SetInnings(*t, 1, 0, INNINGS_DRAWN, 100, 1, 300, 0, Join({{60, HOWOUT_CAUGHT}}, Same(2, 20, HOWOUT_NOTOUT)));
    return t;
}

// Four innings of which the last ends with the result state; `last` runs in it.
std::unique_ptr<TEST> FourInnings(int last, int lastWickets)
{
    auto t = NewTest();
    SetInnings(*t, 0, 0, INNINGS_ENDED, 200, 10, 300, 0, {});
    SetInnings(*t, 1, 1, INNINGS_ENDED, 250, 10, 300, 0, {});
    SetInnings(*t, 2, 0, INNINGS_ENDED, 250, 10, 300, 0, {});
    SetInnings(*t, 3, 1, INNINGS_RESULT, last, lastWickets, 300, 0, {});
    return t;
}

TEST(RealismReport, FiguresOfAnInningsWinAndADraw)
{
    RealismTally tally;
    AddTestToRealism(tally, *InningsWinWithFollowOn());
    AddTestToRealism(tally, *Draw());

    EXPECT_EQ(tally.tests, 2);
    EXPECT_EQ(tally.innings, 5);
    EXPECT_EQ(tally.runs, 1350);          // 400 + 150 + 200 + 500 + 100
    EXPECT_EQ(tally.wickets, 36);         // 10 + 10 + 10 + 5 + 1
    EXPECT_EQ(tally.legalBalls, 2400);
    EXPECT_EQ(tally.extras, 70);
    EXPECT_EQ(tally.caught, 12);          // 6 + 5 + 1
    EXPECT_EQ(tally.bowled, 11);          // 1 + 10
    EXPECT_EQ(tally.lbw, 11);             // 1 + 10
    EXPECT_EQ(tally.runOut, 1);
    EXPECT_EQ(tally.stumped, 1);
    EXPECT_EQ(tally.battingInnings, 43);  // 11 + 11 + 11 + 7 + 3
    EXPECT_EQ(tally.hundreds, 2);         // 120 and exactly 100
    EXPECT_EQ(tally.homeWins, 1);
    EXPECT_EQ(tally.draws, 1);
    EXPECT_EQ(tally.followOns, 1);

    const RealismFigures f = ComputeRealism(tally);
    EXPECT_DOUBLE_EQ(f.runsPerWicket, 37.5);
    EXPECT_DOUBLE_EQ(f.runsPerOver, 3.375);     // 1350 runs in 400 overs
    EXPECT_NEAR(f.ballsPerWicket, 66.6667, 1e-4);
    EXPECT_DOUBLE_EQ(f.oversPerInnings, 80.0);
    EXPECT_NEAR(f.bowledPct, 30.5556, 1e-4);    // 11 of 36
    EXPECT_NEAR(f.caughtPct, 33.3333, 1e-4);    // 12 of 36
    EXPECT_NEAR(f.lbwPct, 30.5556, 1e-4);
    EXPECT_NEAR(f.runOutPct, 2.7778, 1e-4);
    EXPECT_NEAR(f.stumpedPct, 2.7778, 1e-4);
    EXPECT_DOUBLE_EQ(f.homeWinPct, 50.0);
    EXPECT_DOUBLE_EQ(f.awayWinPct, 0.0);
    EXPECT_DOUBLE_EQ(f.drawPct, 50.0);
    EXPECT_DOUBLE_EQ(f.tiePct, 0.0);
    EXPECT_NEAR(f.extrasPct, 5.1852, 1e-4);     // 70 of 1350
    EXPECT_DOUBLE_EQ(f.hundredsPer100Innings, 40.0);
    EXPECT_NEAR(f.hundredsPer100BatInnings, 4.6512, 1e-4);  // 2 of 43
    EXPECT_DOUBLE_EQ(f.followOnsPer100Tests, 50.0);
}

TEST(RealismReport, FourthInningsDecidesAwayWinOrTie)
{
    RealismTally tally;
    AddTestToRealism(tally, *FourInnings(201, 3));   // 451 against 450: the chase succeeds
    AddTestToRealism(tally, *FourInnings(200, 10));  // 450 each: a tie
    AddTestToRealism(tally, *FourInnings(150, 10));  // all out 50 short: the home side wins

    EXPECT_EQ(tally.awayWins, 1);
    EXPECT_EQ(tally.ties, 1);
    EXPECT_EQ(tally.homeWins, 1);
    EXPECT_EQ(tally.draws, 0);
    EXPECT_EQ(tally.followOns, 0);
    const RealismFigures f = ComputeRealism(tally);
    EXPECT_NEAR(f.awayWinPct, 33.3333, 1e-4);
    EXPECT_NEAR(f.tiePct, 33.3333, 1e-4);
    // No batsman went in: the shares have nothing to divide by.
    EXPECT_DOUBLE_EQ(f.caughtPct, 0.0);
    EXPECT_DOUBLE_EQ(f.hundredsPer100BatInnings, 0.0);
}

TEST(RealismReport, EmptyTallyGivesZeros)
{
    const RealismFigures f = ComputeRealism(RealismTally{});
    EXPECT_DOUBLE_EQ(f.runsPerWicket, 0.0);
    EXPECT_DOUBLE_EQ(f.runsPerOver, 0.0);
    EXPECT_DOUBLE_EQ(f.drawPct, 0.0);
}

}  // namespace
}  // namespace ovs
