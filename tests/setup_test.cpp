// Test set-up: the computer's eleven and bowling order, the toss, the
// conditions draws and texts, rating ageing and the start of a Test.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/conditions.h"
#include "core/game.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/series.h"
#include "core/setup.h"
#include "data/stores.h"
#include "fixtures.h"
#include "sim/selection.h"

namespace ovs {
namespace {

struct Attr {
    int batType, batPos, batSkill, bowlType, status, bowlSkill, fieldType, fieldSkill, injury;
};

// Squad 0 (players 0..15) as the selection cases below work it out by hand.
// Morale 3 and ratings 0 throughout, ground pace factors 0.
const Attr kSquad[16] = {
    /* 0 keeper        */ {8, 7, 40, -1, 1, 60, 16, 10, 0},
    /* 1 second keeper */ {8, 7, 30, -1, 1, 50, 16, 10, 0},
    /* 2 new ball fast */ {16, 10, 10, 64, 128, 70, 2, 10, 0},
    /* 3 new ball f-m  */ {16, 11, 8, 32, 128, 65, 2, 10, 0},
    /* 4 injured fast  */ {16, 11, 9, 64, 128, 90, 2, 10, 2},
    /* 5 new ball m-f  */ {16, 10, 12, 16, 128, 50, 2, 10, 0},
    /* 6 main off spin */ {16, 9, 15, 1, 64, 60, 2, 10, 0},
    /* 7 main medium   */ {8, 8, 20, 8, 64, 55, 2, 10, 0},
    /* 8 all rounder   */ {4, 6, 45, 16, 16, 40, 2, 10, 0},
    /* 9 opener        */ {1, 1, 70, 4, 2, 5, 2, 10, 0},
    /* 10 opener       */ {1, 2, 65, 8, 2, 5, 2, 10, 0},
    /* 11 injured open */ {1, 1, 90, 4, 2, 5, 2, 10, 1},
    /* 12 specialist   */ {2, 3, 68, 2, 4, 20, 2, 10, 0},
    /* 13 specialist   */ {2, 4, 66, 4, 8, 25, 2, 10, 0},
    /* 14 specialist   */ {2, 5, 60, 8, 2, 10, 2, 10, 0},
    /* 15 specialist   */ {2, 5, 55, 1, 2, 12, 2, 10, 0},
};

class SetupTest : public test::TwoSquadsFixture {
protected:
    void SetUp() override
    {
        TwoSquadsFixture::SetUp();
        if (HasFatalFailure()) return;
        for (int p = 0; p < 32; ++p) Set(p, kSquad[p % 16]);
        ApplyNewSeries(g, 0, 1, 3, false, false, false, true);
        g.Current.nTest = 0;
        g.pTest = &g.Series.Test[0];
        InitTestForPlay(*g.pTest);
        InitCurrentForTest(g.Current);
        g.pInnings = &g.pTest->Innings[0];
        g.pTest->nGround = 0;
    }

    void Set(int player, const Attr& a)
    {
        PLAYER& p = g.db.players[player];
        p.nBatType = a.batType;
        p.nBatPos = a.batPos;
        p.nBatSkill = a.batSkill;
        p.nBowlType = a.bowlType;
        p.nBowlStatus = a.status;
        p.nBowlSkill = a.bowlSkill;
        p.nFieldType = a.fieldType;
        p.nFieldSkill = a.fieldSkill;
        p.nInjury = a.injury;
        p.nMorale = 3;
    }

    std::vector<int> Eleven(int side) const
    {
        std::vector<int> v;
        for (int k = 0; k < MAX_ELEVEN; ++k) v.push_back(g.pTest->nPlayer[k][side]);
        return v;
    }
    std::vector<int> BowlOrder(int side) const
    {
        std::vector<int> v;
        for (int k = 0; k < MAX_ELEVEN; ++k) v.push_back(g.Current.nBowlOrder[k][side]);
        return v;
    }
    static bool Has(const std::vector<int>& v, int x) { return std::find(v.begin(), v.end(), x) != v.end(); }
};

// Fresh pitch, low bounce: five bowlers. Worked by hand from the squad above
// (pitch wear looked ahead to 200: spin 0, medium -1, fast 0).
TEST_F(SetupTest, SelectionPicksFiveBowlersOnAFreshPitchAndFourOnAWornOne)
{
    g.Current.nPitch = 0;
    g.Current.nBounce = 0;
    SelectComputerTeam(g, 0);

    // Bowlers 2, 3 (New Ball), 5, 6, 7; keeper 0; openers 9, 10; middle 12, 13, 14;
    // in order of preferred batting position, skill breaking the tie at 10.
    EXPECT_EQ(Eleven(0), (std::vector<int>{9, 10, 12, 13, 14, 0, 7, 6, 5, 2, 3}));
    EXPECT_EQ(g.pTest->nKeeper[0], 0);
    EXPECT_EQ(g.pTest->nNewBall1[0], 2);
    EXPECT_EQ(g.pTest->nNewBall2[0], 3);
    // Places by status, then pace: the keeper and the non-bowlers are left out.
    EXPECT_EQ(BowlOrder(0), (std::vector<int>{9, 10, 8, 6, 7, 3, 2, -1, -1, -1, -1}));
    EXPECT_EQ(g.Current.nMainBowlers[0], 5);
    EXPECT_EQ(g.Current.nMaxBowlers[0], 5);
    EXPECT_NE(log.find("Want to select 5 bowlers for Team 0\n"), std::string::npos);
    EXPECT_NE(log.find("Found  Main:5  Occasional:5  Any:7\n"), std::string::npos);
    EXPECT_NE(log.find("Final Bowling Order is 9 10 8 6 7 3 2 -1 -1 -1 -1 \n"), std::string::npos);

    // Pitch wear + bounce of 375: four bowlers and one more batsman. The factors
    // look ahead to wear 500: spin 2, medium 1, fast 0; the medium pacer 7 makes way.
    log.clear();
    g.Current.nPitch = 300;
    g.Current.nBounce = 75;
    SelectComputerTeam(g, 0);
    EXPECT_EQ(Eleven(0), (std::vector<int>{9, 10, 12, 13, 14, 15, 0, 6, 5, 2, 3}));
    EXPECT_NE(log.find("Want to select 4 bowlers for Team 0\n"), std::string::npos);
}

TEST_F(SetupTest, SelectionNeverPicksTheInjuredAndHasOneKeeper)
{
    for (int seedPitch : {0, 120, 300, 450}) {
        g.Current.nPitch = seedPitch;
        g.Current.nBounce = 80;
        SelectComputerTeam(g, 0);
        std::vector<int> e = Eleven(0);
        EXPECT_FALSE(Has(e, 4));   // the injured New Ball bowler, best of all
        EXPECT_FALSE(Has(e, 11));  // the injured opener
        std::vector<int> sorted = e;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(std::unique(sorted.begin(), sorted.end()), sorted.end());
        int keepers = 0;
        for (int m : e) keepers += g.db.players[m].nBowlType == -1;
        EXPECT_EQ(keepers, 1);
        EXPECT_TRUE(Has(e, g.pTest->nKeeper[0]));
    }
}

TEST_F(SetupTest, SelectionTakesTheBestBatsmanWhenOpenersRunOut)
{
    g.db.players[10].nBatType = 2;
    g.db.players[10].nBatSkill = 50;
    g.Current.nPitch = 0;
    g.Current.nBounce = 0;
    SelectComputerTeam(g, 0);
    std::vector<int> e = Eleven(0);
    // Openers 9 and (best remaining) 12; the middle order is 13, 14, 15.
    EXPECT_FALSE(Has(e, 10));
    EXPECT_TRUE(Has(e, 12));
    EXPECT_TRUE(Has(e, 15));
}

TEST_F(SetupTest, BowlingOrderWithoutKeeperTakesTheBestFielder)
{
    g.Current.nPitch = 0;
    g.Current.nBounce = 0;
    SelectComputerTeam(g, 0);
    // Nobody in the eleven keeps any more: player 0 now bowls slow, and player 13
    // is the best fielder.
    g.db.players[0].nBowlType = 4;
    g.db.players[0].nFieldType = 2;
    g.db.players[0].nBowlSkill = 58;
    g.db.players[13].nFieldSkill = 30;
    BuildBowlingOrder(g, 0);
    EXPECT_EQ(g.pTest->nKeeper[0], 13);
    // Strengths 70 65 60 58 52 47 25(keeper: -1) 20 7 5 2; Any 7 places, then
    // by status and pace: the non-bowler 0 (status 1) is last of them.
    EXPECT_EQ(BowlOrder(0), (std::vector<int>{9, 10, 8, 6, 7, 2, 5, -1, -1, -1, -1}));
}

TEST_F(SetupTest, PersonsElevenShortOfBowlersIsWarnedAndRaised)
{
    g.db.players[13].nBowlStatus = 2;
    const int eleven[MAX_ELEVEN] = {9, 10, 12, 13, 14, 15, 0, 1, 11, 2, 3};
    for (int k = 0; k < MAX_ELEVEN; ++k) g.pTest->nPlayer[k][0] = eleven[k];
    g.Current.nPitch = 0;
    g.Current.nBounce = 0;
    CompleteTeamSelection(g, 0, false, true);
    // Main 2, Occasional 2, Any 3 of 5 wanted.
    EXPECT_TRUE(host.Saw("Not enough bowlers selected."));
    EXPECT_TRUE(host.SawCaption("Ovalspin - Warning"));
    EXPECT_EQ(g.Current.nMainBowlers[0], 4);
    EXPECT_EQ(g.Current.nMaxBowlers[0], 4);
    EXPECT_NE(log.find("Upping nMainBowlers from 2 to 4\n"), std::string::npos);
    EXPECT_NE(log.find("Upping nAllBowlers from 2 to 3\n"), std::string::npos);
    EXPECT_NE(log.find("Upping nAnyBowlers from 3 to 4\n"), std::string::npos);
    EXPECT_EQ(BowlOrder(0)[3], -1);
    // The computer's own eleven is never warned.
    host.ClearRecord();
    CompleteTeamSelection(g, 0, false, false);
    EXPECT_FALSE(host.Saw("Not enough bowlers selected."));
}

TEST_F(SetupTest, CompleteTeamSelectionSortsByBattingPosition)
{
    const int eleven[MAX_ELEVEN] = {3, 2, 5, 6, 7, 0, 14, 13, 12, 10, 9};
    for (int k = 0; k < MAX_ELEVEN; ++k) g.pTest->nPlayer[k][0] = eleven[k];
    CompleteTeamSelection(g, 0, true, true);
    EXPECT_EQ(Eleven(0), (std::vector<int>{9, 10, 12, 13, 14, 0, 7, 6, 5, 2, 3}));
}

// --- the toss ---------------------------------------------------------------

// The call, the coin and the choice are drawn in that order. Seed 99 draws
// call 0 (heads), coin 1 and choice 1 of 6: the call is lost, so the home
// side wins and, the choice not being 5, bats. Under very overcast skies the
// same draws are made but the winner always fields.
TEST_F(SetupTest, TossDrawsCallCoinAndChoiceInOrder)
{
    struct Case {
        int weather, bat;
    };
    for (const Case& k : {Case{10, 0}, Case{30, 1}}) {
        SCOPED_TRACE(testing::Message() << "weather " << k.weather);
        g.rng.Seed(99);
        ReplayClear(g.pTest->Replay);
        g.Current.nWeather = static_cast<std::int16_t>(k.weather);
        TheToss(g);
        EXPECT_EQ(g.pTest->nTossWinner, 0);
        EXPECT_EQ(g.Current.nBatSide, k.bat);
        EXPECT_EQ(g.Current.nBowlSide, 1 - k.bat);
        Random after(99);
        for (int i = 0; i < 3; ++i) after.Next();
        EXPECT_EQ(g.rng.State(), after.State());   // three draws either way
        REPLAY& r = g.pTest->Replay;
        EXPECT_EQ(r.nLength, 4);
        EXPECT_EQ(ReplayReadWord(r), 0);
        EXPECT_EQ(ReplayReadWord(r), k.bat);
    }
    EXPECT_TRUE(host.boxes.empty());  // nobody watches two computer sides
}

TEST_F(SetupTest, HumanAwaySideCallsThroughTheBox)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    g.rng.Seed(5);
    Random shadow(5);
    host.AnswerDialog(Dialog::TossCall, 1);  // tails
    TheToss(g);
    int coin = shadow.Below(2);
    int winner = coin == 1 ? 1 : 0;
    EXPECT_EQ(host.DialogRuns(Dialog::TossCall), 1);
    EXPECT_EQ(g.pTest->nTossWinner, winner);
    if (winner == 1) {
        // The human winner is asked; the host left it to the computer: a draw of 6.
        EXPECT_EQ(host.DialogRuns(Dialog::TossChoice), 1);
    }
    shadow.Below(6);
    EXPECT_EQ(g.rng.State(), shadow.State());
    // A watched game shows the computer's decision.
    EXPECT_TRUE(host.Saw(winner == 1 ? "Squad No.  2 won the toss.\nThey have elected to "
                                     : "Squad No.  1 won the toss.\nThey have elected to "));
}

TEST_F(SetupTest, ReplayedTossIsReadBack)
{
    REPLAY& r = g.pTest->Replay;
    ReplayAppendWord(r, 1);
    ReplayAppendWord(r, 0);
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    std::uint64_t before = g.rng.State();
    TheToss(g);
    EXPECT_EQ(g.pTest->nTossWinner, 1);
    EXPECT_EQ(g.Current.nBatSide, 0);
    EXPECT_EQ(g.Current.nBowlSide, 1);
    EXPECT_EQ(g.rng.State(), before);
    EXPECT_TRUE(host.Saw("Squad No.  2 won the toss.\nThey have elected to field."));
}

// --- conditions ---------------------------------------------------------------

TEST_F(SetupTest, ConditionLevelsAtTheirBoundaries)
{
    EXPECT_EQ(BallLevel(0), 0);
    EXPECT_EQ(BallLevel(24), 0);
    EXPECT_EQ(BallLevel(25), 1);
    EXPECT_EQ(BallLevel(99), 3);
    EXPECT_EQ(BallLevel(100), 4);
    EXPECT_EQ(BallLevel(5000), 4);
    EXPECT_EQ(PitchLevel(149), 0);
    EXPECT_EQ(PitchLevel(150), 1);
    EXPECT_EQ(PitchLevel(599), 3);
    EXPECT_EQ(PitchLevel(600), 4);
    EXPECT_EQ(BounceLevel(99), 0);
    EXPECT_EQ(BounceLevel(100), 1);
    EXPECT_EQ(BounceLevel(400), 4);
    EXPECT_EQ(BounceLevel(900), 4);
    EXPECT_EQ(OutfieldLevel(0), 0);
    EXPECT_EQ(OutfieldLevel(199), 1);
    EXPECT_EQ(OutfieldLevel(499), 4);
    EXPECT_STREQ(PitchText(4), "A pitch with lots of cracks and worn parts.  Perfect for spinners.");
    EXPECT_STREQ(BounceText(0), "High bounce.  Just what the fast bowlers want.");
    EXPECT_STREQ(OutfieldText(2), "Normal speed outfield.");
}

TEST_F(SetupTest, ConditionsTextCutsTheBallTextAtItsFirstFullStop)
{
    CURRENT& c = g.Current;
    c.nBallWear = 24;
    c.nPitch = 150;
    c.nBounce = 499;
    c.nOutfield = 0;
    c.nWeather = 4;
    EXPECT_EQ(ConditionsText(c),
              "\nCurrent Conditions\n\n"
              "Ball     : The ball is nice and new.\n"
              "Pitch    : A fairly good batting pitch with a few cracks.\n"
              "Bounce   : Unpredictable bounce with quite a few keeping low.\n"
              "Outfield : Very fast outfield.  Lots of boundaries likely to be scored.\n"
              "Weather  : Very hot and sunny.  Not a cloud in the sky.\n");
    c.nBallWear = 125;
    c.nWeather = 44;
    std::string t = ConditionsText(c);
    EXPECT_NE(t.find("Ball     : The ball is old and soft.\n"), std::string::npos);
    EXPECT_NE(t.find("Weather  : Raining - Play is not possible.\n"), std::string::npos);
}

// Pitch, outfield and bounce are drawn in that order around the ground's
// values. Seed 8 on a ground of pitch 2 and bounce 1 in weather 12 draws 50 of
// 151, 42 of 120, 27 of 151 and 4 of 101: pitch 300 - 75 + 50, outfield
// 42 + 27, bounce 100 - 50 + 4.
TEST_F(SetupTest, ConditionsDrawsFollowTheGround)
{
    GROUND& ground = g.db.grounds[0];
    ground.nPitch = 2;
    ground.nBounce = 1;
    g.rng.Seed(8);
    g.Current.nWeather = 12;
    DrawConditions(g);
    EXPECT_EQ(g.Current.nPitch, 275);
    EXPECT_EQ(g.Current.nOutfield, 69);
    EXPECT_EQ(g.Current.nBounce, 54);

    // Pitch value 0: never negative, at most 75; very sunny weather 0 draws
    // nothing for the weather share of the outfield.
    ground.nPitch = 0;
    ground.nBounce = 0;
    for (std::uint32_t seed = 1; seed <= 40; ++seed) {
        g.rng.Seed(seed);
        Random shadow(seed);
        g.Current.nWeather = 0;
        DrawConditions(g);
        EXPECT_GE(g.Current.nPitch, 0);
        EXPECT_LE(g.Current.nPitch, 75);
        EXPECT_GE(g.Current.nBounce, 0);
        EXPECT_LE(g.Current.nBounce, 50);
        shadow.Below(151);
        EXPECT_EQ(g.Current.nOutfield, shadow.Below(151));
    }
}

// --- the start of a Test --------------------------------------------------------

TEST_F(SetupTest, RatingsAgeBeforeEveryTestAndHistoriesMoveOnlyForTheFirst)
{
    PLAYER& p = g.db.players[0];
    p.nBatRating = 100;
    p.nBowlRating = -100;
    p.nFieldRating = 7;
    p.nBatHistory[0] = 55;
    p.nBatHistory[18] = 11;
    p.nBatHistory[19] = 22;
    AgeRatings(g, 0);
    EXPECT_EQ(p.nBatHistory[0], 100);
    EXPECT_EQ(p.nBatHistory[1], 55);
    EXPECT_EQ(p.nBatHistory[19], 11);
    EXPECT_EQ(p.nBowlHistory[0], -100);
    EXPECT_EQ(p.nBatRating, 98);    // 100 x 197 / 200 = 98.5
    EXPECT_EQ(p.nBowlRating, -98);  // truncated towards zero
    EXPECT_EQ(p.nFieldRating, 6);   // 6.895
    AgeRatings(g, 1);
    EXPECT_EQ(p.nBatHistory[0], 100);
    EXPECT_EQ(p.nBatHistory[1], 55);
    EXPECT_EQ(p.nBatRating, 96);    // 98 x 197 / 200 = 96.53
    // The away squad ages too.
    g.db.players[16].nBatRating = 200;
    AgeRatings(g, 2);
    EXPECT_EQ(g.db.players[16].nBatRating, 197);
}

TEST_F(SetupTest, StartNewTestSetsUpAndPicksBothElevens)
{
    g.rng.Seed(42);
    StartNewTest(g, 0);
    EXPECT_EQ(g.pTest, &g.Series.Test[0]);
    EXPECT_EQ(g.pInnings, &g.pTest->Innings[0]);
    EXPECT_STREQ(g.pTest->szResult, "In progress.");
    EXPECT_EQ(g.pTest->nGround, 0);
    EXPECT_EQ(g.Current.nTime, g.db.grounds[0].nStart);
    for (int side = 0; side < 2; ++side) {
        std::vector<int> e = Eleven(side);
        EXPECT_TRUE(std::all_of(e.begin(), e.end(), [](int m) { return m >= 0 && m < 16; }));
    }
    // The stream ends with nTime, nPitch, nOutfield, nBounce.
    REPLAY r = g.pTest->Replay;
    ASSERT_GE(r.nLength, 8);
    r.nPosition = r.nLength - 8;
    EXPECT_EQ(ReplayReadWord(r), g.Current.nTime);
    EXPECT_EQ(ReplayReadWord(r), g.Current.nPitch);
    EXPECT_EQ(ReplayReadWord(r), g.Current.nOutfield);
    EXPECT_EQ(ReplayReadWord(r), g.Current.nBounce);
    EXPECT_TRUE(g.queue.Peek(WM_NEWINNINGS));
    EXPECT_FALSE(g.commands.Enabled(1301));
    EXPECT_FALSE(g.commands.Enabled(1309));
    EXPECT_NE(log.find("Posting WM_NEWINNINGS message from StartNewTest ()\n"), std::string::npos);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(SetupTest, StartNewTestPastTheSeriesEndsIt)
{
    g.db.players[0].nBatRating = 100;
    StartNewTest(g, 3);  // a series of three Tests
    EXPECT_TRUE(g.queue.Peek(WM_ENDSERIES));
    EXPECT_FALSE(g.queue.Peek(WM_NEWINNINGS));
    EXPECT_EQ(g.db.players[0].nBatRating, 98);  // the ratings still age
    g.queue.Clear();
    log.clear();
    StartNewTest(g, 6);
    EXPECT_TRUE(g.queue.Peek(WM_ENDSERIES));
    EXPECT_EQ(log, "Invalid Test Num of 6 sent to StartNewTest ()\n"
                   "Posting WM_ENDSERIES message from StartNewTest ()\n");
}

// --- the replay stream ----------------------------------------------------------

TEST_F(SetupTest, ReplayStreamReadsBackWhatWasAppended)
{
    REPLAY& r = g.pTest->Replay;
    ReplayClear(r);
    EXPECT_TRUE(ReplayAppendByte(r, 200));
    EXPECT_TRUE(ReplayAppendWord(r, -2));
    EXPECT_TRUE(ReplayAppendDword(r, 70000));
    EXPECT_TRUE(ReplayAppendString(r, "Lord's"));
    EXPECT_EQ(r.nLength, 1 + 2 + 4 + 7);
    EXPECT_EQ(r.Data[1], 0xFE);  // little-endian
    EXPECT_EQ(r.Data[2], 0xFF);
    EXPECT_EQ(ReplayPeekByte(r), 200);
    EXPECT_FALSE(ReplayTakeByteIf(r, 255));
    EXPECT_TRUE(ReplayTakeByteIf(r, 200));
    EXPECT_EQ(ReplayReadWord(r), -2);
    EXPECT_EQ(ReplayReadDword(r), 70000);
    EXPECT_EQ(ReplayReadString(r), "Lord's");
    EXPECT_EQ(ReplayReadByte(r), -1);  // the end
    EXPECT_EQ(r.nPosition, r.nLength);

    // A full stream refuses more and keeps what it has.
    r.nLength = REPLAY_DATA - 1;
    EXPECT_FALSE(ReplayAppendWord(r, 5));
    EXPECT_TRUE(ReplayAppendByte(r, 5));
    EXPECT_FALSE(ReplayAppendByte(r, 5));
    EXPECT_EQ(r.nLength, REPLAY_DATA);
}

}  // namespace
}  // namespace ovs
