// Appeals and fielding chances: who is out, what a miss costs, what is said.
//
// Names by slot: striker "Home 1", fast bowler "Away 11", off spinner
// "Away 10", keeper "Away 1" (keeping skill 30); every fielder has skill 8.
#include <gtest/gtest.h>

#include <cstring>

#include "core/flow_steps.h"
#include "fixtures.h"
#include "sim/booking.h"
#include "sim/chances.h"
#include "sim/delivery.h"

namespace ovs::test {
namespace {

using Chances = DeliveryFixture;

// --- LBW ---------------------------------------------------------------------

struct LbwCase {
    int type;
    int m;  // the appeal's draw is below m
};

class ChancesLbw : public DeliveryFixture, public ::testing::WithParamInterface<LbwCase> {};

TEST_P(ChancesLbw, AnAppealIsCertainWhenTheSkillIsAtLeastMMinusOne)
{
    const LbwCase lc = GetParam();
    Fielder(kFast).nBowlType = static_cast<std::int8_t>(lc.type);
    Fielder(kFast).nBowlSkill = static_cast<std::uint8_t>(lc.m - 1);
    CountBall(g);
    Script({lc.m - 1});
    AppealLBW(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, 36);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_LBW);
    EXPECT_EQ(Bat(0).nBowler, kFast);
    EXPECT_EQ(Stream()[0], 36);
}

TEST_P(ChancesLbw, TheDrawIsBelowM)
{
    const LbwCase lc = GetParam();
    Fielder(kFast).nBowlType = static_cast<std::int8_t>(lc.type);
    Fielder(kFast).nBowlSkill = static_cast<std::uint8_t>(lc.m - 6);
    CountBall(g);
    Script({lc.m - 1});  // margin 5: turned down
    AppealLBW(g);
    EXPECT_EQ(g.Current.nOutcome, 27);
    EXPECT_EQ(Stream(), (std::vector<int>{27, lc.m - 1}));
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_NOTOUT);

    Script({lc.m + 4});  // a draw of 4
    AppealLBW(g);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_LBW);
}

INSTANTIATE_TEST_SUITE_P(Chances, ChancesLbw,
                         ::testing::Values(LbwCase{BOWL_NONE, 95}, LbwCase{BOWL_OFFSPIN, 90}, LbwCase{BOWL_MEDIUM, 90},
                                           LbwCase{BOWL_MEDIUMFAST, 85}, LbwCase{BOWL_FASTMEDIUM, 85},
                                           LbwCase{BOWL_FAST, 80}));

TEST_F(Chances, ATurnedDownAppealIsToldByItsMargin)
{
    Watch();
    const struct {
        int a;
        const char* text;
    } cases[] = {
        {35, "Home 1 survived a very close LBW appeal by Away 11."},
        {36, "Home 1 survived a close LBW appeal by Away 11."},
        {45, "Home 1 survived a close LBW appeal by Away 11."},
        {46, "Home 1 survived a LBW appeal by Away 11."},
        {65, "Home 1 survived a LBW appeal by Away 11."},
        {66, "Home 1 easily survived a LBW appeal by Away 11."},
    };
    for (const auto& tc : cases) {
        host.ClearRecord();
        Script({tc.a});
        AppealLBW(g);
        ASSERT_EQ(host.boxes.size(), 1u) << tc.a;
        EXPECT_EQ(host.boxes[0].text, tc.text);
        EXPECT_EQ(host.boxes[0].caption, "LBW Appeal");
    }
}

TEST_F(Chances, NoBoxUnlessWatchedAndWanted)
{
    Script({70});
    AppealLBW(g);
    EXPECT_TRUE(host.boxes.empty());
    Watch();
    g.options.wShowMessages = static_cast<std::uint16_t>(0x3FFF & ~0x20);
    Script({70});
    AppealLBW(g);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(g.Current.nOutcome, 27);
}

// --- stumping --------------------------------------------------------------------

TEST_F(Chances, AStumpingWithinTheKeepersSkill)
{
    g.Current.nBowler = kSpinner;
    CountBall(g);
    Script({30});
    ChanceStumping(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, 37);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_STUMPED);
    EXPECT_EQ(Bat(0).nFielder, kKeeper);
    EXPECT_EQ(Bat(0).nBowler, kSpinner);
    EXPECT_EQ(Bowl(kKeeper).nStumpings, 1);
    EXPECT_EQ(FieldPoints(kKeeper), 300);
    std::vector<int> s = Stream();
    ASSERT_GE(s.size(), 3u);
    EXPECT_EQ((std::vector<int>{s[0], s[1], s[2]}), (std::vector<int>{37, kKeeper, 30}));
}

TEST_F(Chances, AMissedStumpingCostsTheKeeperAndIsToldByTheDraw)
{
    Watch();
    g.Current.nBowler = kSpinner;
    CountBall(g);
    Script({31});
    EXPECT_EQ(ChanceStumping(g), 0);
    EXPECT_EQ(g.Current.nOutcome, 28);
    EXPECT_EQ(FieldPoints(kKeeper), -98);  // -2 * (80 - 31)
    EXPECT_EQ(Stream(), (std::vector<int>{28, 31}));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Away 1 missed a simple chance to stump Home 1\noff Away 10.");
    EXPECT_EQ(host.boxes[0].caption, "Stumping Chance");

    // The grade goes by the draw, not by how far it was beyond the keeper.
    Fielder(kKeeper).nBowlSkill = 35;
    host.ClearRecord();
    Script({36});
    ChanceStumping(g);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Away 1 missed a chance to stump Home 1\noff Away 10.");
    host.ClearRecord();
    Script({44});
    ChanceStumping(g);
    EXPECT_EQ(host.boxes[0].text, "Away 1 missed a very hard chance to stump Home 1\noff Away 10.");

}

TEST_F(Chances, AStumpingOffAFastBowlerIsACatchWithItsOwnDraws)
{
    CountBall(g);
    Script({5, 3});  // fielder 5, difficulty 3
    ChanceStumping(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, 33);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_CAUGHT);
    EXPECT_EQ(Bat(0).nFielder, 5);
    EXPECT_EQ(Bowl(5).nCatches, 1);
    EXPECT_EQ(FieldPoints(5), 75);
}

// --- catches ---------------------------------------------------------------------

TEST_F(Chances, TheKeeperGetsThreeCatchingChancesInThirteen)
{
    for (int k = 0; k < MAX_ELEVEN; ++k) Fielder(k).nFieldSkill = 13;
    int keeperDrops = 0;
    for (int f = 0; f < 13; ++f) {
        g.Current.nOutcome = 1;
        Script({f, 14});  // too hard for anyone but the keeper to drop
        ChanceCatch(g);
        if (g.Current.nOutcome == 21) ++keeperDrops;
    }
    ExpectScriptUsed();
    EXPECT_EQ(keeperDrops, 3);
    EXPECT_EQ(FieldPoints(kKeeper), -30);
    EXPECT_EQ(Stream(), (std::vector<int>{21, 14, 21, 14, 21, 14}));
}

TEST_F(Chances, DroppedCatchesByGrade)
{
    Watch();
    struct {
        int f, d, skill, points;
        const char* text;
    } cases[] = {
        {0, 14, 13, -10, "Away 1 dropped Home 1, a very hard chance off\nAway 11."},
        {5, 9, 8, -10, "Away 6 dropped Home 1, a very hard chance off\nAway 11."},
        {5, 8, 7, -20, "Away 6 dropped Home 1, a hard chance off\nAway 11."},
        {5, 7, 6, -30, "Away 6 dropped Home 1, a chance off\nAway 11."},
        {5, 4, 3, -60, "Away 6 dropped Home 1, a simple chance off\nAway 11."},
        {5, 3, 2, -70, "Away 6 dropped Home 1, a very simple chance off\nAway 11."},
        {12, 10, 9, -50, "Away 1 dropped Home 1, a very hard chance off\nAway 11."},
    };
    for (const auto& tc : cases) {
        host.ClearRecord();
        g.pTest->nFieldPoints[tc.f == 12 ? kKeeper : tc.f][1] = 0;
        Fielder(tc.f == 12 ? kKeeper : tc.f).nFieldSkill = static_cast<std::uint8_t>(tc.skill);
        g.Current.nOutcome = 1;
        Script({tc.f, tc.d});
        ChanceCatch(g);
        EXPECT_EQ(g.Current.nOutcome, 21);
        EXPECT_EQ(FieldPoints(tc.f == 12 ? kKeeper : tc.f), tc.points) << tc.text;
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, tc.text);
        EXPECT_EQ(host.boxes[0].caption, "Catching Chance");
    }
}

TEST_F(Chances, TheKeeperCatchesOffTheExtraDraws)
{
    CountBall(g);
    Script({11, 3});
    ChanceCatch(g);
    EXPECT_EQ(Bat(0).nFielder, kKeeper);
    EXPECT_EQ(Bowl(kKeeper).nCatches, 1);
    EXPECT_EQ(FieldPoints(kKeeper), 75);
    std::vector<int> s = Stream();
    EXPECT_EQ((std::vector<int>{s[0], s[1], s[2]}), (std::vector<int>{33, kKeeper, 3}));
}

TEST_F(Chances, CaughtAndBowled)
{
    CountBall(g);
    Script({kFast, 0});
    ChanceCatch(g);
    EXPECT_EQ(Bat(0).nFielder, Bat(0).nBowler);
    EXPECT_EQ(Bowl(kFast).nCatches, 1);
    EXPECT_EQ(Bowl(kFast).nWickets, 1);
}

// --- run outs ----------------------------------------------------------------------

TEST_F(Chances, ARunOutOfTheNonStriker)
{
    CountBall(g);
    Script({4, 2, 1});  // fielder 4, difficulty 2, odd: the non-striker
    ChanceRunOut(g, -1);
    ExpectScriptUsed();
    const INNINGS& in = *g.pInnings;
    EXPECT_EQ(g.Current.nOutcome, 35);
    EXPECT_EQ(Bat(1).nHowOut, HOWOUT_RUNOUT);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_NOTOUT);
    EXPECT_EQ(Bat(1).nBowler, 255);
    EXPECT_EQ(Bowl(kFast).nWickets, 0);
    EXPECT_EQ(BowlPoints(kFast), 0);
    EXPECT_EQ(in.nWickets, 1);
    EXPECT_EQ(FieldPoints(4), 100);
    EXPECT_EQ(in.Fow[0].nBatA, 1);
    EXPECT_EQ(in.Fow[0].nBatB, 0);
    // The incoming batsman takes strike; the former striker is now the non-striker.
    EXPECT_EQ(g.Current.nStriker, 2);
    EXPECT_EQ(g.Current.nNonStriker, 0);
    EXPECT_EQ(g.pInnings->nTotal, 0);
    std::vector<int> s = Stream();
    EXPECT_EQ((std::vector<int>{s[0], s[1], s[2], s[3]}), (std::vector<int>{35, 4 + 128, 2, 2}));
}

TEST_F(Chances, ARunOutOfTheStriker)
{
    CountBall(g);
    Script({4, 2, 0});
    ChanceRunOut(g, -1);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_RUNOUT);
    EXPECT_EQ(g.Current.nStriker, 2);
    EXPECT_EQ(g.Current.nNonStriker, 1);
    EXPECT_EQ(Stream()[1], 4);
}

TEST_F(Chances, AMissedRunOutBooksTheRunsDrawn)
{
    Watch();
    CountBall(g);
    Script({4, 9, 2});  // difficulty 9: missed; 2 / 2 = one run
    EXPECT_EQ(ChanceRunOut(g, -1), 0);
    ExpectScriptUsed();
    EXPECT_EQ(FieldPoints(4), -10);
    EXPECT_EQ(Bat(0).nRuns, 1);
    EXPECT_EQ(g.Current.nOutcome, 24);
    EXPECT_EQ(g.Current.nStriker, 1);
    EXPECT_EQ(Stream(), (std::vector<int>{24, 4 * 16 + 9}));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Away 5 missed a very hard chance to run out Home 1.");
    EXPECT_EQ(host.boxes[0].caption, "Run out Chance");

    g.Current.nOutcome = 1;
    Script({4, 9, 6});  // 6 / 2 = three runs
    ChanceRunOut(g, -1);
    EXPECT_EQ(g.Current.nOutcome, 26);
    EXPECT_EQ(g.pInnings->nTotal, 4);
}

TEST_F(Chances, AMissedRunOutWhoseRunsAreRefusedStaysCode23)
{
    g.Current.nProtected = 0;
    g.Current.nBall = 6;
    g.Current.nOutcome = 1;
    Script({4, 9, 2});
    ChanceRunOut(g, -1);
    EXPECT_EQ(g.Current.nOutcome, 23);
    EXPECT_EQ(g.pInnings->nTotal, 0);
    EXPECT_EQ(g.Current.nStriker, 0);
    EXPECT_EQ(Stream(), (std::vector<int>{23, 4 * 16 + 9}));
}

// --- no chance at all ------------------------------------------------------------------

// Too hard to count as a chance: nothing happens, nobody loses points, and
// nothing goes to the stream.
TEST_F(Chances, TooHardIsNoChance)
{
    const struct {
        const char* what;
        int bowler;
        int (*chance)(Game&);
        std::vector<int> draws;
        int fielder;
    } cases[] = {
        {"a stumping ten beyond the keeper", kSpinner, [](Game& game) { return ChanceStumping(game); }, {40}, kKeeper},
        {"a hard catch to an outfielder of skill 8", kFast, [](Game& game) { return ChanceCatch(game); }, {5, 10}, 5},
        {"a hard run out", kFast, [](Game& game) { return ChanceRunOut(game, -1); }, {4, 10}, 4},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.what);
        g.Current.nBowler = static_cast<std::int16_t>(tc.bowler);
        CountBall(g);
        script.assign(tc.draws.begin(), tc.draws.end());
        EXPECT_EQ(tc.chance(g), 0);
        ExpectScriptUsed();
        EXPECT_EQ(g.Current.nOutcome, 1);
        EXPECT_EQ(FieldPoints(tc.fielder), 0);
        EXPECT_EQ(g.pInnings->nTotal, 0);
        EXPECT_TRUE(Stream().empty());
    }
}

// --- the chance draw -----------------------------------------------------------------

TEST_F(Chances, TheChanceDrawPicksTheEvent)
{
    g.Current.nBowler = kSpinner;
    CountBall(g);
    Script({29, 89});  // e 29: an LBW appeal, turned down (89 > 25)
    DrawChance(g);
    EXPECT_EQ(g.Current.nOutcome, 27);
    Script({30, 79});  // e 30: a stumping, no chance
    g.Current.nOutcome = 1;
    DrawChance(g);
    EXPECT_EQ(g.Current.nOutcome, 1);
    Script({96, 5, 14});  // e 96: a catch, no chance
    DrawChance(g);
    EXPECT_EQ(g.Current.nOutcome, 1);
    Script({97, 5, 14});  // e 97: a run out, no chance
    DrawChance(g);
    EXPECT_EQ(g.Current.nOutcome, 1);
    Script({6});  // e 6: bowled
    DrawChance(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, 32);
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_BOWLED);
}

// --- replays -------------------------------------------------------------------------

TEST_F(Chances, AReplayReadsEveryChanceInsteadOfDrawing)
{
    const SERIES seriesAtStart = g.Series;
    const CURRENT currentAtStart = g.Current;
    g.Current.nBowler = kSpinner;
    // Each ball: x = 1 sends it to the chance draw e, then the chance's own values.
    Script({0, 0, 30, 31});        // stumping missed
    Script({0, 0, 97, 4, 9, 2});   // run out missed, a single
    Script({0, 0, 30, 30});        // stumped
    Script({0, 0, 50, 5, 9});      // catch dropped
    Script({0, 0, 10, 60});        // LBW turned down
    Script({0, 0, 97, 3, 1, 1});   // run out, the non-striker
    for (int ball = 0; ball < 6; ++ball) BowlDelivery(g);
    ExpectScriptUsed();
    const INNINGS live = *g.pInnings;
    const CURRENT liveCurrent = g.Current;
    std::uint16_t field[11][2];
    std::memcpy(field, g.pTest->nFieldPoints, sizeof field);
    EXPECT_EQ(live.nWickets, 2);
    EXPECT_EQ(live.Bowl[kKeeper].nStumpings, 1);
    EXPECT_EQ(live.nTotal, 1);

    const REPLAY stream = g.pTest->Replay;
    g.Series = seriesAtStart;
    g.Current = currentAtStart;
    g.Current.nBowler = kSpinner;
    g.SelectTestAndInnings();
    g.pTest->Replay = stream;
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    g.rng.SetSource([]() -> std::int32_t {
        ADD_FAILURE() << "a replay drew a value";
        return 0;
    });
    for (int ball = 0; ball < 6; ++ball) BowlDelivery(g);
    EXPECT_EQ(std::memcmp(g.pInnings, &live, sizeof live), 0);
    EXPECT_EQ(std::memcmp(g.pTest->nFieldPoints, field, sizeof field), 0);
    EXPECT_EQ(g.Current.nStriker, liveCurrent.nStriker);
    EXPECT_EQ(g.Current.nNonStriker, liveCurrent.nNonStriker);
    EXPECT_EQ(g.pTest->Replay.nPosition, static_cast<int>(stream.nLength));
}

}  // namespace
}  // namespace ovs::test
