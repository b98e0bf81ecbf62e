// The statistics of a finished Test, built by hand, against figures worked out
// here from the innings; and the orders of the career and squad tables.
//
// The Test: Home (side 0, players 0..10 = slots and members 0..10) beat Away
// (side 1, players 11..21) by 62 runs: 250 all out, Away 300 all out, Home
// 270 for 4 declared, Away 158 all out. Slot 0 keeps wicket on both sides.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/game.h"
#include "data/statistics.h"
#include "file_fixtures.h"
#include "fixtures.h"

namespace ovs::test {
namespace {

constexpr int H = 0;   // home side
constexpr int A = 1;   // away side
constexpr int kNone = 255;

// Player store index of a slot (slot k of a side is member k of its squad).
int P(int side, int slot) { return side * 11 + slot; }

class StatsFixture : public ::testing::Test {
protected:
    StoreGame store{22, 2, 1, 20};
    Game& g = *store.g;

    void SetUp() override
    {
        g.log.SetEnabled(false);
        std::snprintf(g.db.grounds[0].szName, sizeof g.db.grounds[0].szName, "Lord's");
        for (int side = 0; side < 2; ++side) {
            SQUAD& sq = g.db.squads[side];
            std::snprintf(sq.szName, sizeof sq.szName, "%s", side == H ? "Home" : "Away");
            std::snprintf(sq.szShort, sizeof sq.szShort, "%s", side == H ? "HOM" : "AWY");
            sq.nMembers = 11;
            for (int k = 0; k < MAX_ELEVEN; ++k) sq.nPlayer[k] = static_cast<std::int16_t>(P(side, k));
        }

        SetUpOneTest(g, CONTROL_COMPUTER);
        for (int side = 0; side < 2; ++side) g.Series.Squad[side].nMembers = 11;
        // The fourth innings is over.
        g.Current.nInnings = 4;
        g.SelectTestAndInnings();

        TEST& t = *g.pTest;
        t.nTossWinner = H;
        t.nWinner = H;
        t.nKeeper[0] = t.nKeeper[1] = 0;
        BuildInnings();
        SetPoints();
    }

    INNINGS& Inn(int n) { return g.Series.Test[0].Innings[n]; }
    PLAYER& Pl(int side, int slot) { return g.db.players[P(side, slot)]; }
    AVERAGE& Ser(int side, int slot) { return g.Series.Average[slot][side]; }

    static void Start(INNINGS& in, int bat, int wickets, int total, int status, int batsmen = 11)
    {
        in.nBatSide = static_cast<std::int16_t>(bat);
        in.nBowlSide = static_cast<std::int16_t>(1 - bat);
        in.nKeeperPos = 0;
        in.nStatus = static_cast<std::uint16_t>(status);
        in.nWickets = static_cast<std::uint8_t>(wickets);
        in.nTotal = static_cast<std::int16_t>(total);
        for (int k = 0; k < batsmen; ++k) in.nOrder[k] = static_cast<std::int16_t>(k);
    }
    static void Bat(INNINGS& in, int slot, int runs, int how, int bowler, int fielder, int balls, int fours = 0,
                    int sixes = 0)
    {
        BAT& b = in.Bat[slot];
        b.nRuns = static_cast<std::uint16_t>(runs);
        b.nHowOut = static_cast<std::uint16_t>(how);
        b.nBowler = static_cast<std::uint8_t>(bowler);
        b.nFielder = static_cast<std::uint8_t>(fielder);
        b.nBalls = static_cast<std::uint16_t>(balls);
        b.nFours = static_cast<std::uint8_t>(fours);
        b.nSixes = static_cast<std::uint8_t>(sixes);
    }
    static void Bowl(INNINGS& in, int slot, int balls, int maidens, int runs, int wickets, int noBalls = 0,
                     int wides = 0)
    {
        BOWL& b = in.Bowl[slot];
        b.nBalls = static_cast<std::int16_t>(balls);
        b.nMaidens = static_cast<std::uint8_t>(maidens);
        b.nRuns = static_cast<std::int16_t>(runs);
        b.nWickets = static_cast<std::uint8_t>(wickets);
        b.nNoBalls = static_cast<std::uint8_t>(noBalls);
        b.nWides = static_cast<std::uint8_t>(wides);
    }
    static void Field(INNINGS& in, int slot, int catches, int stumpings = 0)
    {
        in.Bowl[slot].nCatches = static_cast<std::uint8_t>(catches);
        in.Bowl[slot].nStumpings = static_cast<std::uint8_t>(stumpings);
    }
    static void Fow(INNINGS& in, int w, int a, int b, int score, int unbroken = 0)
    {
        in.Fow[w].nBatA = static_cast<std::uint8_t>(a);
        in.Fow[w].nBatB = static_cast<std::uint8_t>(b);
        in.Fow[w].nScore = static_cast<std::int16_t>(score);
        in.Fow[w].bUnbroken = static_cast<std::uint16_t>(unbroken);
    }

    void BuildInnings()
    {
        const int C = HOWOUT_CAUGHT, B = HOWOUT_BOWLED, L = HOWOUT_LBW, R = HOWOUT_RUNOUT, S = HOWOUT_STUMPED,
                  N = HOWOUT_NOTOUT;
        // Home 250 all out.
        INNINGS& i0 = Inn(0);
        Start(i0, H, 10, 250, INNINGS_ENDED);
        Bat(i0, 0, 120, C, 10, 3, 200, 12, 2);
        Bat(i0, 1, 30, L, 9, kNone, 60, 3);
        Bat(i0, 2, 55, B, 10, kNone, 100, 6);
        Bat(i0, 3, 0, R, kNone, 5, 5);
        Bat(i0, 4, 10, S, 7, 0, 20);
        Bat(i0, 5, 8, C, 10, 0, 15);
        Bat(i0, 6, 2, C, 10, 10, 4);
        Bat(i0, 7, 0, B, 10, kNone, 1);
        Bat(i0, 8, 12, C, 9, 0, 30);
        Bat(i0, 9, 5, B, 9, kNone, 10);
        Bat(i0, 10, 3, N, kNone, kNone, 6);
        Bowl(i0, 7, 60, 0, 60, 1);
        Bowl(i0, 8, 30, 0, 30, 0, 1, 2);
        Bowl(i0, 9, 90, 2, 70, 3);
        Bowl(i0, 10, 120, 4, 80, 5);
        Field(i0, 0, 2, 1);
        Field(i0, 3, 1);
        Field(i0, 10, 1);
        const int f0[10][3] = {{1, 0, 50},  {0, 2, 210}, {2, 3, 212}, {3, 4, 212}, {4, 5, 220},
                               {5, 6, 228}, {6, 7, 230}, {7, 8, 230}, {8, 9, 240}, {9, 10, 250}};
        for (int w = 0; w < 10; ++w) Fow(i0, w, f0[w][0], f0[w][1], f0[w][2]);

        // Away 300 all out.
        INNINGS& i1 = Inn(1);
        Start(i1, A, 10, 300, INNINGS_ENDED);
        Bat(i1, 0, 15, C, 10, 0, 30, 2);
        Bat(i1, 1, 80, S, 7, 0, 150, 10, 1);
        Bat(i1, 2, 100, C, 9, 4, 180, 11);
        Bat(i1, 3, 50, B, 10, kNone, 90, 5);
        Bat(i1, 4, 20, C, 10, 0, 40);
        Bat(i1, 5, 10, R, kNone, 2, 20);
        Bat(i1, 6, 0, C, 10, 4, 3);
        Bat(i1, 7, 5, L, 10, kNone, 12);
        Bat(i1, 8, 7, B, 9, kNone, 14);
        Bat(i1, 9, 1, C, 10, 10, 2);
        Bat(i1, 10, 4, N, kNone, kNone, 8);
        Bowl(i1, 7, 80, 1, 80, 1);
        Bowl(i1, 8, 40, 0, 52, 0);
        Bowl(i1, 9, 100, 3, 70, 2);
        Bowl(i1, 10, 150, 5, 90, 6);
        Field(i1, 0, 2, 1);
        Field(i1, 4, 2);
        Field(i1, 10, 1);
        const int f1[10][3] = {{0, 1, 30},  {1, 2, 150}, {3, 2, 240}, {2, 4, 250}, {4, 5, 270},
                               {6, 5, 272}, {5, 7, 280}, {7, 8, 285}, {8, 9, 295}, {9, 10, 300}};
        for (int w = 0; w < 10; ++w) Fow(i1, w, f1[w][0], f1[w][1], f1[w][2]);

        // Home 270 for 4 declared; the fifth-wicket stand unbroken.
        INNINGS& i2 = Inn(2);
        Start(i2, H, 4, 270, INNINGS_DECLARED, 6);
        Bat(i2, 0, 60, C, 7, 1, 90);
        Bat(i2, 1, 150, N, kNone, kNone, 220, 15, 3);
        Bat(i2, 2, 0, B, 10, kNone, 1);
        Bat(i2, 3, 20, L, 9, kNone, 30);
        Bat(i2, 4, 30, C, 10, 0, 45);
        Bat(i2, 5, 8, N, kNone, kNone, 15);
        Bowl(i2, 7, 40, 0, 80, 1);
        Bowl(i2, 8, 20, 0, 58, 0);
        Bowl(i2, 9, 50, 0, 60, 1);
        Bowl(i2, 10, 60, 1, 70, 2);
        Field(i2, 0, 1);
        Field(i2, 1, 1);
        Fow(i2, 0, 2, 0, 10);
        Fow(i2, 1, 0, 1, 100);
        Fow(i2, 2, 3, 1, 160);
        Fow(i2, 3, 4, 1, 240);
        Fow(i2, 4, 1, 5, 270, 1);

        // Away 158 all out.
        INNINGS& i3 = Inn(3);
        Start(i3, A, 10, 158, INNINGS_RESULT);
        Bat(i3, 0, 10, C, 10, 0, 20);
        Bat(i3, 1, 40, B, 9, kNone, 70);
        Bat(i3, 2, 30, C, 10, 3, 50);
        Bat(i3, 3, 25, L, 10, kNone, 40);
        Bat(i3, 4, 12, S, 7, 0, 25);
        Bat(i3, 5, 8, C, 10, 0, 16);
        Bat(i3, 6, 6, R, kNone, 1, 10);
        Bat(i3, 7, 4, B, 10, kNone, 8);
        Bat(i3, 8, 3, C, 9, 3, 6);
        Bat(i3, 9, 10, B, 9, kNone, 12);
        Bat(i3, 10, 0, N, kNone, kNone, 1);
        Bowl(i3, 7, 40, 0, 30, 1);
        Bowl(i3, 8, 20, 0, 20, 0);
        Bowl(i3, 9, 70, 2, 50, 3);
        Bowl(i3, 10, 100, 4, 40, 5);
        Field(i3, 0, 2, 1);
        Field(i3, 3, 2);
        const int f3[10][3] = {{0, 1, 20},  {2, 1, 70},  {1, 3, 90},  {3, 4, 110}, {4, 5, 120},
                               {5, 6, 128}, {6, 7, 135}, {7, 8, 140}, {8, 9, 145}, {9, 10, 158}};
        for (int w = 0; w < 10; ++w) Fow(i3, w, f3[w][0], f3[w][1], f3[w][2]);
    }

    void SetPoints()
    {
        TEST& t = g.Series.Test[0];
        t.nBatPoints[0][H] = 200;
        t.nFieldPoints[0][H] = 300;
        t.nBatPoints[1][H] = 1000;
        t.nBatPoints[10][H] = 10;
        t.nBowlPoints[10][H] = 2000;
        t.nFieldPoints[10][H] = 50;
        t.nBatPoints[2][A] = 600;
        t.nBowlPoints[10][A] = static_cast<std::uint16_t>(-10);   // below zero
    }
};

// ---- Series and career averages ------------------------------------------------

TEST_F(StatsFixture, StatsBattingFiguresInSeriesAndCareer)
{
    // An opener with a career behind him: 400 runs in 10 innings, once not out, best 90.
    AVERAGE_BAT& before = Pl(H, 1).Career.Bat;
    before.nTests = 6;
    before.nInnings = 10;
    before.nNotOuts = 1;
    before.nRuns = 400;
    before.nHighScore = 90;
    before.nHighHowOut = HOWOUT_BOWLED;
    before.nFifties = 3;
    RecordFinishedTest(g);

    // Plain sums are checked for every member of whole series (the series
    // figures tests); here the edges. Home slot 1: 30 lbw, 150 not out.
    const AVERAGE_BAT& h1 = Ser(H, 1).Bat;
    EXPECT_EQ(h1.nInnings, 2);
    EXPECT_EQ(h1.nNotOuts, 1);
    EXPECT_EQ(h1.nRuns, 180);
    EXPECT_FLOAT_EQ(h1.fAverage, 180.0f);
    EXPECT_EQ(h1.nHighScore, 150);
    EXPECT_EQ(h1.nHighHowOut, HOWOUT_NOTOUT);
    EXPECT_EQ(h1.nHundreds, 1);
    EXPECT_EQ(h1.nFifties, 0);
    EXPECT_EQ(h1.nFours, 18);
    EXPECT_EQ(h1.nSixes, 3);
    // ... and in his career: 580 runs in 12 innings, 2 not out.
    const AVERAGE_BAT& c1 = Pl(H, 1).Career.Bat;
    EXPECT_EQ(c1.nTests, 7);
    EXPECT_EQ(c1.nInnings, 12);
    EXPECT_EQ(c1.nNotOuts, 2);
    EXPECT_EQ(c1.nRuns, 580);
    EXPECT_FLOAT_EQ(c1.fAverage, 58.0f);
    EXPECT_EQ(c1.nHighScore, 150);
    EXPECT_EQ(c1.nHighHowOut, HOWOUT_NOTOUT);
    EXPECT_EQ(c1.nHundreds, 1);
    EXPECT_EQ(c1.nFifties, 3);

    // Home slot 5: 8 caught, then 8 not out: the equal score marks the best not out.
    EXPECT_EQ(Ser(H, 5).Bat.nHighScore, 8);
    EXPECT_EQ(Ser(H, 5).Bat.nHighHowOut, HOWOUT_NOTOUT);
    EXPECT_FLOAT_EQ(Ser(H, 5).Bat.fAverage, 16.0f);

    // Away slot 3 made exactly 50: a fifty. Away slot 2 exactly 100: a hundred.
    EXPECT_EQ(Ser(A, 3).Bat.nFifties, 1);
    EXPECT_EQ(Ser(A, 3).Bat.nHundreds, 0);
    EXPECT_EQ(Ser(A, 2).Bat.nHundreds, 1);
    EXPECT_EQ(Ser(A, 2).Bat.nFifties, 0);

    // Away slot 10: 4 not out and 0 not out, never dismissed.
    EXPECT_EQ(Ser(A, 10).Bat.nInnings, 2);
    EXPECT_EQ(Ser(A, 10).Bat.nNotOuts, 2);
    EXPECT_FLOAT_EQ(Ser(A, 10).Bat.fAverage, 4.0f - 100000.0f);
    EXPECT_EQ(Pl(A, 10).Career.Bat.nHighHowOut, HOWOUT_NOTOUT);

    // Run out: dismissed, nobody credited with a catch.
    EXPECT_EQ(Ser(H, 3).Bat.nNotOuts, 0);
    EXPECT_FLOAT_EQ(Ser(H, 3).Bat.fAverage, 10.0f);
    EXPECT_EQ(Ser(A, 5).Field.nCatches, 0);

    // Home slots 6..10 did not bat in the third innings: one innings each.
    EXPECT_EQ(Ser(H, 7).Bat.nInnings, 1);
    EXPECT_FLOAT_EQ(Ser(H, 7).Bat.fAverage, 0.0f);
}

TEST_F(StatsFixture, StatsBowlingAndTenWicketMatch)
{
    RecordFinishedTest(g);

    // Home slot 10: 6-90 and 5-40, a ten-wicket match.
    const AVERAGE_BOWL& h10 = Ser(H, 10).Bowl;
    EXPECT_EQ(h10.nMatches, 1);
    EXPECT_EQ(h10.nBalls, 250);
    EXPECT_EQ(h10.nMaidens, 9);
    EXPECT_EQ(h10.nRuns, 130);
    EXPECT_EQ(h10.nWickets, 11);
    EXPECT_FLOAT_EQ(h10.fAverage, 130.0f / 11.0f);
    EXPECT_EQ(h10.nBestWickets, 6);
    EXPECT_EQ(h10.nBestRuns, 90);
    EXPECT_EQ(h10.nFiveWickets, 2);
    EXPECT_EQ(h10.nTenWickets, 1);
    EXPECT_EQ(Pl(H, 10).Career.Bowl.nTenWickets, 1);
    EXPECT_EQ(Pl(H, 10).Career.Bowl.nFiveWickets, 2);

    // Away slot 10: 5-80 and 2-70: seven wickets, no ten-wicket match.
    const AVERAGE_BOWL& a10 = Ser(A, 10).Bowl;
    EXPECT_EQ(a10.nWickets, 7);
    EXPECT_EQ(a10.nRuns, 150);
    EXPECT_EQ(a10.nBestWickets, 5);
    EXPECT_EQ(a10.nBestRuns, 80);
    EXPECT_EQ(a10.nFiveWickets, 1);
    EXPECT_EQ(a10.nTenWickets, 0);

    // Away slot 8: 0-30 (a no-ball, two wides) and 0-58: no wicket at all.
    const AVERAGE_BOWL& a8 = Ser(A, 8).Bowl;
    EXPECT_EQ(a8.nBalls, 50);
    EXPECT_EQ(a8.nRuns, 88);
    EXPECT_EQ(a8.nWickets, 0);
    EXPECT_FLOAT_EQ(a8.fAverage, 88.0f + 100000.0f);
    EXPECT_EQ(a8.nBestWickets, 0);
    EXPECT_EQ(a8.nBestRuns, 30);
    EXPECT_EQ(a8.nNoBalls, 1);
    EXPECT_EQ(a8.nWides, 2);

    // Home slot 9: 2-70 then 3-50: the second is better.
    EXPECT_EQ(Ser(H, 9).Bowl.nBestWickets, 3);
    EXPECT_EQ(Ser(H, 9).Bowl.nBestRuns, 50);

    // A batsman who never bowled keeps the empty bowling figures, but his match counts.
    EXPECT_EQ(Ser(H, 2).Bowl.nMatches, 1);
    EXPECT_EQ(Ser(H, 2).Bowl.nBalls, 0);
    EXPECT_FLOAT_EQ(Ser(H, 2).Bowl.fAverage, 1000000.0f);
}

TEST_F(StatsFixture, StatsFieldingCatchesAndKeeping)
{
    RecordFinishedTest(g);
    // The keepers' catches and stumpings go apart from catches in the field.
    EXPECT_EQ(Ser(H, 0).Field.nKeeperCatches, 4);
    EXPECT_EQ(Ser(H, 0).Field.nStumpings, 2);
    EXPECT_EQ(Ser(H, 0).Field.nCatches, 0);
    EXPECT_EQ(Ser(A, 0).Field.nKeeperCatches, 3);
    EXPECT_EQ(Ser(A, 0).Field.nStumpings, 1);
    EXPECT_EQ(Ser(H, 4).Field.nCatches, 2);
    EXPECT_EQ(Ser(H, 3).Field.nCatches, 2);
    // Caught and bowled counts as the bowler's catch.
    EXPECT_EQ(Ser(H, 10).Field.nCatches, 1);
    EXPECT_EQ(Ser(A, 10).Field.nCatches, 1);
    EXPECT_EQ(Pl(H, 0).Career.Field.nKeeperCatches, 4);
    EXPECT_EQ(Pl(H, 0).Career.Field.nMatches, 1);
    EXPECT_EQ(Pl(A, 5).Career.Points.nMatches, 1);
}

// ---- Points, morale, ratings ---------------------------------------------------------

TEST_F(StatsFixture, StatsPointsAndMorale)
{
    Pl(H, 2).nMorale = 7;   // Sky High from the database
    RecordFinishedTest(g);

    // Points: trunc(trunc(bat x 1.1) + bowl x 1.1 + field x 0.7).
    // Home 0: 220 + 0 + 210 = 430; Home 1: 1100; Home 10: 11 + 2200 + 35 = 2246;
    // Away 2: 660; Away 10: -11.
    EXPECT_EQ(Ser(H, 0).Points.nPoints, 430);
    EXPECT_EQ(Ser(H, 1).Points.nPoints, 1100);
    EXPECT_EQ(Ser(H, 10).Points.nPoints, 2246);
    EXPECT_EQ(Ser(A, 2).Points.nPoints, 660);
    EXPECT_EQ(Ser(A, 10).Points.nPoints, -11);
    EXPECT_EQ(Ser(A, 10).Points.nBest, -11);
    EXPECT_FLOAT_EQ(Ser(A, 10).Points.fAverage, -11.0f);
    EXPECT_EQ(Pl(H, 10).Career.Points.nPoints, 2246);
    EXPECT_EQ(Pl(H, 10).Career.Points.nBest, 2246);
    EXPECT_FLOAT_EQ(Pl(H, 10).Career.Points.fAverage, 2246.0f);
    EXPECT_EQ(Ser(H, 5).Points.nBest, 0);

    // Morale from 3: winners +1, losers -1, then by points, kept within 0..6.
    EXPECT_EQ(Pl(H, 0).nMorale, 4);    // +1, 430: no change
    EXPECT_EQ(Pl(H, 1).nMorale, 6);    // +1, 1100: +2
    EXPECT_EQ(Pl(H, 10).nMorale, 6);   // +1, 2246: +3, clamped
    EXPECT_EQ(Pl(H, 5).nMorale, 1);    // +1, 0: -3
    EXPECT_EQ(Pl(H, 2).nMorale, 5);    // 7 +1 -3
    EXPECT_EQ(Pl(A, 2).nMorale, 3);    // -1, 660: +1
    EXPECT_EQ(Pl(A, 10).nMorale, 0);   // -1, -11: -3, clamped
    EXPECT_EQ(Pl(A, 5).nMorale, 0);

    EXPECT_EQ(TestPoints(5, 5, 0), 10);   // 5 + 5.5: the batting part is truncated on its own
    EXPECT_EQ(TestPoints(0, -10, 0), -11);
    EXPECT_EQ(MoraleAfterTest(3, 0, 199), 1);
    EXPECT_EQ(MoraleAfterTest(3, 0, 200), 2);
    EXPECT_EQ(MoraleAfterTest(3, 0, 599), 3);
    EXPECT_EQ(MoraleAfterTest(3, 0, 600), 4);
    EXPECT_EQ(MoraleAfterTest(3, 0, 1999), 5);
    EXPECT_EQ(MoraleAfterTest(3, 0, 2000), 6);
}

TEST_F(StatsFixture, StatsRatingsAndHistories)
{
    // Home 1 comes into his first Test with a batting rating of 1000.
    Pl(H, 1).nBatRating = 1000;
    // Home 10 has 25 Tests behind him and a bowling rating of 500, best 800.
    PLAYER& h10 = Pl(H, 10);
    h10.Career.Bat.nTests = 25;
    h10.Career.Bowl.nMatches = 25;
    h10.Career.Field.nMatches = 25;
    h10.Career.Points.nMatches = 25;
    h10.nBowlRating = 500;
    h10.nBestBowlRating = 800;
    for (int k = 0; k < MAX_RATING_HISTORY; ++k) h10.nBowlHistory[k] = static_cast<std::int16_t>(400 + k);
    // Away 2 has 4 Tests and a batting rating of 300.
    Pl(A, 2).Career.Bat.nTests = 4;
    Pl(A, 2).nBatRating = 300;
    RecordFinishedTest(g);

    // n = 1: R = 1000*200/197 = 1015; B = 1015*100/40 = 2537;
    // R = (0*2537 + 1100)/1 * 43/100 = 473.
    EXPECT_EQ(Pl(H, 1).nBatRating, 473);
    EXPECT_EQ(Pl(H, 1).nBestBatRating, 473);
    // The histories move when a series starts, not after each Test.
    EXPECT_EQ(Pl(H, 1).nBatHistory[0], 0);

    // n = 20: R = 500*200/197 = 507 = B; R = (19*507 + 2200)/20 * 100/100 = 591.
    EXPECT_EQ(h10.nBowlRating, 591);
    EXPECT_EQ(h10.nBestBowlRating, 800);
    EXPECT_EQ(h10.nBowlHistory[0], 400);
    EXPECT_EQ(h10.nBowlHistory[1], 401);
    EXPECT_EQ(h10.nBowlHistory[19], 419);

    // n = 5: R = 300*200/197 = 304; B = 30400/52 = 584; R = (4*584 + 660)/5 * 55/100 = 329.
    EXPECT_EQ(Pl(A, 2).nBatRating, 329);

    // Fielding of Home 0: n = 1, points trunc(300 x 0.7) = 210: 210 * 43 / 100 = 90.
    EXPECT_EQ(Pl(H, 0).nFieldRating, 90);
    EXPECT_EQ(Pl(H, 0).nBestFieldRating, 90);
    // Negative bowling points of Away 10: trunc(-11.0) = -11; -11 * 43 / 100 = -4.
    EXPECT_EQ(Pl(A, 10).nBowlRating, -4);
    EXPECT_EQ(Pl(A, 10).nBestBowlRating, 0);
}

// ---- League figures ---------------------------------------------------------------------

TEST_F(StatsFixture, StatsLeagueFiguresOnlyInLeagueMatch)
{
    g.db.leagueSeries.resize(LEAGUE_SERIES);
    for (SERIES& s : g.db.leagueSeries) InitSeries(s);
    g.League.nTests = 1;
    g.League.nSquads = 2;
    g.League.nSquad[0] = 0;
    g.League.nSquad[1] = 1;
    // Squads in a league, but this match is not one of its fixtures.
    g.db.squads[0].nLeaguePos = 0;
    g.db.squads[1].nLeaguePos = 1;
    g.Current.bLeagueMatch = 0;
    RecordFinishedTest(g);
    for (const SERIES& s : g.db.leagueSeries)
        for (int side = 0; side < 2; ++side)
            ASSERT_EQ(s.Average[1][side].Bat.nTests, 0);

    // The same Test as a league fixture.
    g.Current.bLeagueMatch = 1;
    RecordFinishedTest(g);
    // League team k's figures: the first team slot of LeagueSeries[k * 10 + k].
    const AVERAGE& h1 = g.db.leagueSeries[0].Average[1][0];
    EXPECT_EQ(h1.Bat.nTests, 1);
    EXPECT_EQ(h1.Bat.nRuns, 180);
    EXPECT_EQ(h1.Bowl.nMatches, 1);
    EXPECT_EQ(h1.Points.nMatches, 1);
    const AVERAGE& a10 = g.db.leagueSeries[11].Average[10][0];
    EXPECT_EQ(a10.Bowl.nWickets, 7);
    EXPECT_EQ(g.db.leagueSeries[0].Average[10][0].Bowl.nTenWickets, 1);
    EXPECT_EQ(g.db.leagueSeries[11].Average[10][1].Bowl.nWickets, 0);   // second slot untouched
}

// ---- Record tables of the Test ---------------------------------------------------------

TEST_F(StatsFixture, StatsTeamInningsRecords)
{
    // An earlier 270 for 6 is already in the table.
    RECORD_TEAMHIGH& seed = g.db.records[0].HighInnings;
    seed.nRuns = 270;
    seed.nWickets = 6;
    seed.Where.nTeam = 0;
    RecordFinishedTest(g);

    // More runs are better, at equal runs fewer wickets.
    const int high[][2] = {{300, 10}, {270, 4}, {270, 6}, {250, 10}, {158, 10}};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(g.db.records[r].HighInnings.nRuns, high[r][0]) << r;
        EXPECT_EQ(g.db.records[r].HighInnings.nWickets, high[r][1]) << r;
    }
    EXPECT_EQ(g.db.records[5].HighInnings.nRuns, -1);
    const RECORD_WHERE& w = g.db.records[0].HighInnings.Where;
    EXPECT_EQ(w.nTeam, 1);
    EXPECT_EQ(w.nOpponent, 0);
    EXPECT_EQ(w.nGround, 0);
    EXPECT_STREQ(w.szText, "v HOM at Lord's");

    // Only all-out innings are low scores; the declaration is not one.
    const int low[] = {158, 250, 300};
    for (int r = 0; r < 3; ++r) EXPECT_EQ(g.db.records[r].LowInnings.nRuns, low[r]) << r;
    EXPECT_EQ(g.db.records[3].LowInnings.nRuns, -1);
}

TEST_F(StatsFixture, StatsHighestScoresKeepTwentyRanksNewestFirstOnTies)
{
    RecordFinishedTest(g);

    // All 39 batting innings by runs, an equal later innings above an earlier
    // one, the first 20 kept: the top is 150 not out, and of the four innings
    // of 10 the earliest (Home 4, first innings) drops out.
    const int high[][3] = {{150, 1, P(H, 1)}, {120, 0, P(H, 0)}, {100, 0, P(A, 2)}, {80, 0, P(A, 1)},
                           {60, 0, P(H, 0)},  {55, 0, P(H, 2)},  {50, 0, P(A, 3)},  {40, 0, P(A, 1)},
                           {30, 0, P(A, 2)},  {30, 0, P(H, 4)},  {30, 0, P(H, 1)},  {25, 0, P(A, 3)},
                           {20, 0, P(H, 3)},  {20, 0, P(A, 4)},  {15, 0, P(A, 0)},  {12, 0, P(A, 4)},
                           {12, 0, P(H, 8)},  {10, 0, P(A, 9)},  {10, 0, P(A, 0)},  {10, 0, P(A, 5)}};
    for (int r = 0; r < 20; ++r) {
        const RECORD_SCORE& e = g.db.records[r].HighScore;
        EXPECT_EQ(e.nRuns, high[r][0]) << r;
        EXPECT_EQ(e.bNotOut, high[r][1]) << r;
        EXPECT_EQ(e.nPlayer, high[r][2]) << r;
    }
}

TEST_F(StatsFixture, StatsPartnershipRecords)
{
    RecordFinishedTest(g);
    auto stand = [&](int wicket, int rank) -> const RECORD_PARTNERSHIP& {
        return g.db.records[rank].Partnership[wicket - 1];
    };
    // First wicket: 50, 30, 20, 10; the first named is the one who went in first.
    const int first[] = {50, 30, 20, 10};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(stand(1, r).nRuns, first[r]) << r;
    EXPECT_EQ(stand(1, 0).nBatA, P(H, 0));
    EXPECT_EQ(stand(1, 0).nBatB, P(H, 1));
    EXPECT_EQ(stand(1, 3).nBatA, P(H, 0));   // Home 2 out at 10 with Home 0
    EXPECT_EQ(stand(1, 3).nBatB, P(H, 2));

    // Second wicket: 210 - 50, 150 - 30, 100 - 10, 70 - 20.
    const int second[] = {160, 120, 90, 50};
    for (int r = 0; r < 4; ++r) EXPECT_EQ(stand(2, r).nRuns, second[r]) << r;

    // Fifth wicket: the unbroken 30 of the declaration heads it.
    const int fifth[] = {30, 20, 10, 8};
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(stand(5, r).nRuns, fifth[r]) << r;
        EXPECT_EQ(stand(5, r).bUnbroken, r == 0 ? 1 : 0) << r;
    }
    EXPECT_EQ(stand(5, 0).nBatA, P(H, 1));
    EXPECT_EQ(stand(5, 0).nBatB, P(H, 5));
    EXPECT_EQ(stand(5, 0).Where.nTeam, 0);

    // Sixth wicket: no stand in the declared innings; two 8s, the later first.
    EXPECT_EQ(stand(6, 0).nRuns, 8);
    EXPECT_EQ(stand(6, 0).nBatA, P(A, 5));
    EXPECT_EQ(stand(6, 1).nRuns, 8);
    EXPECT_EQ(stand(6, 1).nBatA, P(H, 5));
    EXPECT_EQ(stand(6, 2).nRuns, 2);
    EXPECT_EQ(stand(6, 3).nBatA, -1);

    // Tenth wicket: 158 - 145, 250 - 240, 300 - 295.
    const int tenth[] = {13, 10, 5};
    for (int r = 0; r < 3; ++r) EXPECT_EQ(stand(10, r).nRuns, tenth[r]) << r;
    EXPECT_EQ(stand(10, 3).nRuns, -1);
}

TEST_F(StatsFixture, StatsBowlingRecords)
{
    RecordFinishedTest(g);

    // All 16 bowling innings: more wickets better, then fewer runs; a later equal one first.
    const int inns[][3] = {{6, 90, P(H, 10)}, {5, 40, P(H, 10)}, {5, 80, P(A, 10)}, {3, 50, P(H, 9)},
                           {3, 70, P(A, 9)},  {2, 70, P(A, 10)}, {2, 70, P(H, 9)},  {1, 30, P(H, 7)},
                           {1, 60, P(A, 9)},  {1, 60, P(A, 7)},  {1, 80, P(A, 7)},  {1, 80, P(H, 7)},
                           {0, 20, P(H, 8)},  {0, 30, P(A, 8)},  {0, 52, P(H, 8)},  {0, 58, P(A, 8)}};
    for (int r = 0; r < 16; ++r) {
        const RECORD_BOWL& e = g.db.records[r].BowlInnings;
        EXPECT_EQ(e.nWickets, inns[r][0]) << r;
        EXPECT_EQ(e.nRuns, inns[r][1]) << r;
        EXPECT_EQ(e.nPlayer, inns[r][2]) << r;
    }
    EXPECT_EQ(g.db.records[0].BowlInnings.Where.nTeam, 0);
    EXPECT_EQ(g.db.records[0].BowlInnings.Where.nOpponent, 1);
    EXPECT_EQ(g.db.records[16].BowlInnings.nPlayer, -1);

    // The Test totals of every bowler.
    const int test[][3] = {{P(H, 10), 11, 130}, {P(A, 10), 7, 150}, {P(H, 9), 5, 120}, {P(A, 9), 4, 130},
                           {P(H, 7), 2, 110},   {P(A, 7), 2, 140},  {P(H, 8), 0, 72},  {P(A, 8), 0, 88}};
    for (int r = 0; r < 8; ++r) {
        const RECORD_BOWL& e = g.db.records[r].BowlTest;
        EXPECT_EQ(e.nPlayer, test[r][0]) << r;
        EXPECT_EQ(e.nWickets, test[r][1]) << r;
        EXPECT_EQ(e.nRuns, test[r][2]) << r;
    }
    EXPECT_EQ(g.db.records[8].BowlTest.nPlayer, -1);
}

TEST_F(StatsFixture, StatsFieldingAndPointsRecords)
{
    RecordFinishedTest(g);
    // Keepers, per innings (3, 3, 1, 3 dismissals in order) and per Test.
    const int keepInns[][3] = {{P(H, 0), 2, 1}, {P(H, 0), 2, 1}, {P(A, 0), 2, 1}, {P(A, 0), 1, 0}};
    for (int r = 0; r < 4; ++r) {
        const RECORD_KEEP& e = g.db.records[r].KeeperInnings;
        EXPECT_EQ(e.nPlayer, keepInns[r][0]) << r;
        EXPECT_EQ(e.nCatches, keepInns[r][1]) << r;
        EXPECT_EQ(e.nStumpings, keepInns[r][2]) << r;
    }
    EXPECT_EQ(g.db.records[4].KeeperInnings.nPlayer, -1);
    EXPECT_EQ(g.db.records[0].KeeperTest.nPlayer, P(H, 0));
    EXPECT_EQ(g.db.records[0].KeeperTest.nCatches, 4);
    EXPECT_EQ(g.db.records[0].KeeperTest.nStumpings, 2);
    EXPECT_EQ(g.db.records[1].KeeperTest.nPlayer, P(A, 0));
    EXPECT_EQ(g.db.records[1].KeeperTest.nCatches, 3);
    EXPECT_EQ(g.db.records[2].KeeperTest.nPlayer, -1);

    // Other fielders with a catch. Offered A3, A10 (1st innings), H4, H10, A1, H3.
    const int ctInns[][2] = {{P(H, 3), 2}, {P(H, 4), 2}, {P(A, 1), 1}, {P(H, 10), 1}, {P(A, 10), 1}, {P(A, 3), 1}};
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(g.db.records[r].CatchesInnings.nPlayer, ctInns[r][0]) << r;
        EXPECT_EQ(g.db.records[r].CatchesInnings.nCatches, ctInns[r][1]) << r;
    }
    EXPECT_EQ(g.db.records[6].CatchesInnings.nPlayer, -1);
    // Test totals offered Home 3, 4, 10 then Away 1, 3, 10.
    const int ctTest[] = {P(H, 4), P(H, 3), P(A, 10), P(A, 3), P(A, 1), P(H, 10)};
    for (int r = 0; r < 6; ++r) EXPECT_EQ(g.db.records[r].CatchesTest.nPlayer, ctTest[r]) << r;

    // Performance points: only non-zero ones, the negative one last.
    const int pts[][2] = {{P(H, 10), 2246}, {P(H, 1), 1100}, {P(A, 2), 660}, {P(H, 0), 430}, {P(A, 10), -11}};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(g.db.records[r].PointsTest.nPlayer, pts[r][0]) << r;
        EXPECT_EQ(g.db.records[r].PointsTest.nPoints, pts[r][1]) << r;
    }
    EXPECT_EQ(g.db.records[5].PointsTest.nPlayer, -1);
}

TEST_F(StatsFixture, StatsSeriesRecords)
{
    // An earlier series' 180 runs in one Test at 200.00 stays above both 180s here.
    RECORD_SERIESBAT& seed = g.db.records[0].SeriesRuns;
    seed.nPlayer = 7;
    seed.Bat.nTests = 1;
    seed.Bat.nRuns = 180;
    seed.Bat.fAverage = 200.0f;
    RecordFinishedTest(g);
    RecordFinishedSeries(g);

    // At equal runs and Tests the higher average is better.
    const int runs[][2] = {{7, 180}, {P(H, 1), 180}, {P(H, 0), 180}, {P(A, 2), 130}, {P(A, 1), 120}};
    for (int r = 0; r < 5; ++r) {
        EXPECT_EQ(g.db.records[r].SeriesRuns.nPlayer, runs[r][0]) << r;
        EXPECT_EQ(g.db.records[r].SeriesRuns.Bat.nRuns, runs[r][1]) << r;
    }
    EXPECT_EQ(g.db.records[1].SeriesRuns.Bat.nHighScore, 150);
    EXPECT_EQ(g.db.records[1].SeriesRuns.Bat.nHighHowOut, HOWOUT_NOTOUT);
    EXPECT_EQ(g.db.records[1].SeriesRuns.Where.nTeam, 0);
    EXPECT_EQ(g.db.records[1].SeriesRuns.Where.nOpponent, 1);
    EXPECT_STREQ(g.db.records[1].SeriesRuns.Where.szText, "v AWY");

    const int wkts[][2] = {{P(H, 10), 11}, {P(A, 10), 7}, {P(H, 9), 5}, {P(A, 9), 4}, {P(H, 7), 2}, {P(A, 7), 2}};
    for (int r = 0; r < 6; ++r) {
        EXPECT_EQ(g.db.records[r].SeriesWickets.nPlayer, wkts[r][0]) << r;
        EXPECT_EQ(g.db.records[r].SeriesWickets.Bowl.nWickets, wkts[r][1]) << r;
    }
    EXPECT_EQ(g.db.records[0].SeriesWickets.Bowl.nTenWickets, 1);
    EXPECT_EQ(g.db.records[6].SeriesWickets.nPlayer, -1);   // no wicket, no entry

    // Keeping, catches and points rank as in the Test's own tables; their
    // series tables are filled too.
    EXPECT_EQ(g.db.records[0].KeeperSeries.nPlayer, P(H, 0));
    EXPECT_EQ(g.db.records[0].CatchesSeries.nPlayer, P(H, 4));
    EXPECT_EQ(g.db.records[4].PointsSeries.nPlayer, P(A, 10));
    EXPECT_EQ(g.db.records[4].PointsSeries.Points.nPoints, -11);
}

// ---- Orders of the views --------------------------------------------------------------

TEST_F(StatsFixture, StatsCareerBattingAverageOrderTwentyRows)
{
    g.db.numbers.nPlayers = 25;
    for (int p = 0; p < 25; ++p) {
        AVERAGE_BAT& b = g.db.players[p].Career.Bat;
        b.nTests = p >= 13 ? 4 : 5;
        b.nInnings = 10;
        b.nRuns = 300 + 20 * (p % 13);   // players p and p + 13 tie on average and runs
        b.fAverage = BattingAverage(b);
    }
    InitAverageBat(g.db.players[22].Career.Bat);     // no Test
    g.db.players[23].szSurname[0] = '\0';            // unnamed: never a candidate
    g.db.players[23].Career.Bat.nRuns = 5000;
    g.db.players[23].Career.Bat.fAverage = 500.0f;
    g.db.players[24].Career.Bat.nNotOuts = 10;       // never dismissed
    g.db.players[24].Career.Bat.fAverage = BattingAverage(g.db.players[24].Career.Bat);
    EXPECT_LT(g.db.players[24].Career.Bat.fAverage, 0.0f);

    // By average, then runs, then fewer Tests: each 4-Test player goes above
    // his 5-Test twin, and the last twins (13 and 0) fall below the twenty rows.
    EXPECT_EQ(CareerBattingOrder(g),
              (std::vector<int>{12, 11, 10, 9, 21, 8, 20, 7, 19, 6, 18, 5, 17, 4, 16, 3, 15, 2, 14, 1}));
}

TEST_F(StatsFixture, StatsCareerTableOrders)
{
    g.db.numbers.nPlayers = 5;
    AVERAGE* c[5];
    for (int p = 0; p < 5; ++p) c[p] = &g.db.players[p].Career;
    // Batting.
    c[0]->Bat.nTests = 10; c[0]->Bat.nRuns = 500; c[0]->Bat.fAverage = 50.0f; c[0]->Bat.nHundreds = 2;
    c[1]->Bat.nTests = 10; c[1]->Bat.nRuns = 500; c[1]->Bat.fAverage = 40.0f; c[1]->Bat.nHundreds = 2;
    c[2]->Bat.nTests = 12; c[2]->Bat.nRuns = 600; c[2]->Bat.fAverage = 30.0f;
    c[3]->Bat.nTests = 8;  c[3]->Bat.nRuns = 500; c[3]->Bat.fAverage = 45.0f; c[3]->Bat.nHundreds = 1;
    c[1]->Bat.nTests = 10;
    c[0]->Bat.nBalls = 900; c[1]->Bat.nBalls = 900; c[2]->Bat.nBalls = 900;
    // Equal runs and Tests: the lower average goes first.
    EXPECT_EQ(CareerTableOrder(g, CareerTable::RunsTests), (std::vector<int>{2, 3, 1, 0}));
    c[1]->Bat.nTests = 8;
    EXPECT_EQ(CareerTableOrder(g, CareerTable::Hundreds), (std::vector<int>{1, 0, 3}));
    c[1]->Bat.nTests = 10;

    // Bowling.
    auto bowl = [](AVERAGE* a, int m, int balls, int runs, int w) {
        a->Bowl.nMatches = static_cast<std::int16_t>(m);
        a->Bowl.nBalls = balls;
        a->Bowl.nRuns = runs;
        a->Bowl.nWickets = static_cast<std::uint16_t>(w);
        a->Bowl.fAverage = BowlingAverage(a->Bowl);
    };
    bowl(c[0], 10, 1500, 750, 30);   // 25.00
    bowl(c[1], 10, 2000, 1000, 40);  // 25.00
    bowl(c[2], 5, 600, 300, 0);      // no wicket
    bowl(c[3], 8, 1200, 800, 40);    // 20.00
    EXPECT_EQ(CareerTableOrder(g, CareerTable::BowlingAverage), (std::vector<int>{3, 1, 0}));
    EXPECT_EQ(CareerTableOrder(g, CareerTable::Wickets), (std::vector<int>{3, 1, 0}));

    // Rates: strike rates 50, 50, -, 30; economy 3, 3, 3, 4.
    auto sr = RateTableRows(g, RateTable::BowlingSR);
    ASSERT_EQ(sr.size(), 3u);
    EXPECT_EQ(sr[0].player, 3);
    EXPECT_FLOAT_EQ(sr[0].value, 30.0f);
    EXPECT_EQ(sr[1].player, 0);
    EXPECT_EQ(sr[2].player, 1);
    auto er = RateTableRows(g, RateTable::Economy);
    ASSERT_EQ(er.size(), 4u);
    EXPECT_EQ(er[3].player, 3);
    EXPECT_FLOAT_EQ(er[3].value, 4.0f);

    // Keeping and catching: catches count both catch fields.
    c[0]->Field.nMatches = 10; c[0]->Field.nKeeperCatches = 10; c[0]->Field.nStumpings = 5;
    c[1]->Field.nMatches = 10; c[1]->Field.nCatches = 20;
    c[2]->Field.nMatches = 5;  c[2]->Field.nKeeperCatches = 15;
    EXPECT_EQ(CareerTableOrder(g, CareerTable::KeeperTests), (std::vector<int>{2, 0}));
    EXPECT_EQ(CareerTableOrder(g, CareerTable::FielderTests), (std::vector<int>{1, 2, 0}));

    // Points: equal totals and matches put the lower average first.
    c[0]->Points.nMatches = 10; c[0]->Points.nPoints = 1000; c[0]->Points.fAverage = 120.0f;
    c[1]->Points.nMatches = 10; c[1]->Points.nPoints = 1000; c[1]->Points.fAverage = 100.0f;
    c[2]->Points.nMatches = 10; c[2]->Points.nPoints = 2000; c[2]->Points.fAverage = 200.0f;
    EXPECT_EQ(CareerTableOrder(g, CareerTable::PointsTests), (std::vector<int>{2, 1, 0}));
    EXPECT_EQ(CareerTableOrder(g, CareerTable::RatingAverage), (std::vector<int>{2, 0, 1}));

    // Ratings: equal ratings, more Tests first; stops at a player who faced no ball.
    g.db.players[0].nBatRating = 500;
    g.db.players[1].nBatRating = 500;
    g.db.players[1].Career.Bat.nTests = 12;
    g.db.players[2].nBatRating = 600;
    g.db.players[3].nBatRating = 100;
    EXPECT_EQ(CareerTableOrder(g, CareerTable::BattingRating), (std::vector<int>{2, 1, 0}));
    g.db.players[0].nBestBatRating = 900;
    g.db.players[2].nBestBatRating = 600;
    EXPECT_EQ(CareerTableOrder(g, CareerTable::HighestBattingRating), (std::vector<int>{0, 2, 1}));

    // Nobody has played: headings only.
    for (int p = 0; p < 5; ++p) InitAverage(g.db.players[p].Career);
    EXPECT_TRUE(CareerTableOrder(g, CareerTable::RunsTests).empty());
    EXPECT_TRUE(CareerTableOrder(g, CareerTable::BattingAverage).empty());
    EXPECT_TRUE(RateTableRows(g, RateTable::Economy).empty());
}

TEST_F(StatsFixture, StatsSquadAveragesOrders)
{
    RecordFinishedTest(g);
    // Series batting averages of Home: 180, 90, 27.5, 20, 16, 12, 10, 5, 2, 0, never out.
    EXPECT_EQ(SquadAveragesOrder(g, SquadAverages::Batting, AVERAGES_SERIES, H),
              (std::vector<int>{1, 0, 2, 4, 5, 8, 3, 9, 6, 7, 10}));
    // Bowling: 130/11, 120/5, 110/2, then the wicketless bowler before those who never bowled.
    auto bowling = SquadAveragesOrder(g, SquadAverages::Bowling, AVERAGES_SERIES, H);
    ASSERT_EQ(bowling.size(), 11u);
    EXPECT_EQ((std::vector<int>(bowling.begin(), bowling.begin() + 4)), (std::vector<int>{10, 9, 7, 8}));
    // Career mode reads the same Test from the players' records.
    EXPECT_EQ(SquadAveragesOrder(g, SquadAverages::Points, AVERAGES_CAREER, 1)[0], 2);
    // A squad outside the league: nothing.
    EXPECT_TRUE(SquadAveragesOrder(g, SquadAverages::Batting, AVERAGES_LEAGUE, 0).empty());
    EXPECT_EQ(SquadMemberAverage(g, AVERAGES_SERIES, A, 10)->Bat.nNotOuts, 2);
}

}  // namespace
}  // namespace ovs::test
