// The aggression model: starting values, the computer captain's moves after a
// wicket, after an over, at the new ball and a new day, the fourth-innings
// step, the values a delivery reads, and the engine side of the dialogs.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/innings.h"
#include "fixtures.h"
#include "sim/aggression.h"
#include "sim/booking.h"
#include "sim/bowling.h"
#include "sim/delivery.h"

namespace ovs::test {
namespace {

// Play stands at 11:00 on day 1, Home (side 0) batting with slots 0 and 1 in,
// Away's fast bowler (10) on and the fast-medium bowler (9) at the other end.
class AggressionTest : public InningsFixture {
protected:
    void SetUp() override
    {
        InningsFixture::SetUp();
        LongSpells();
        CURRENT& c = g.Current;
        c.nTeamAggression[0] = 5;
        c.nTeamAggression[1] = 5;
        c.nProtected = -1;
        for (int s = 0; s < MAX_ELEVEN; ++s) {
            c.nBatAggression[s] = 5;
            c.nBowlAggression[s] = 5;
        }
    }

    // The last `k`th byte of the replay stream (1 = the last).
    int Recorded(int k) const
    {
        const REPLAY& r = g.pTest->Replay;
        return r.nLength >= k ? r.Data[r.nLength - k] : -1;
    }

    // The striker is bowled by the current bowler.
    int Bowled()
    {
        g.Current.nOutcome = 32;
        return FallOfWicket(g, HOWOUT_BOWLED, -1, 0);
    }
};

// --- after a wicket --------------------------------------------------------

// The opener in slot 0 is bowled by the fast bowler.
TEST_F(AggressionTest, ComputerSidesReactToAWicketAndTheNewBatsmanComesIn)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    in.Bat[0].nRuns = 12;
    in.Bat[1].nRuns = 23;
    in.nTotal = 60;
    Bowl(kFast).nRuns = 30;
    c.nBatAggression[0] = 2;
    c.nBatAggression[1] = 4;
    c.nTeamAggression[0] = 6;
    c.nBowlAggression[kFast] = 7;
    c.nTeamAggression[1] = 3;

    Bowled();

    // The survivor and his team calm down, marks taken afresh.
    EXPECT_EQ(c.nBatAggression[1], 3);
    EXPECT_EQ(c.Mark[1].nBatMark, 23);
    EXPECT_EQ(c.nTeamAggression[0], 5);
    EXPECT_EQ(c.nTotalMark[0], 60);
    // The bowler and his team press on.
    EXPECT_EQ(c.nBowlAggression[kFast], 8);
    EXPECT_EQ(c.Mark[kFast].nBowlMark, 30);
    EXPECT_EQ(c.nTeamAggression[1], 4);
    EXPECT_EQ(c.nTotalMark[1], 60);
    // Nobody else moves.
    EXPECT_EQ(c.nBatAggression[2], 5);
    EXPECT_EQ(c.nBowlAggression[kFastMedium], 5);

    // Slot 2 comes in for slot 0 as the first of the partnership; the pairings
    // against the bowler are kept as they stood after the wicket.
    EXPECT_EQ(c.nPartnerA, 2);
    EXPECT_EQ(c.nPartnerB, 1);
    EXPECT_EQ(c.nBatVsBowl[0][kFast], 2);
    EXPECT_EQ(c.nBatVsBowl[1][kFast], 3);
    EXPECT_EQ(c.nBowlVsBat[kFast][0], 8);
    EXPECT_EQ(c.nBowlVsBat[kFast][1], 8);
    EXPECT_EQ(c.nBatVsBowl[2][kFast], kPairingUnset);
    EXPECT_EQ(BatPairing(g, 2, kFast), -1);
    // The new batsman's unset entries go to the stream as 15.
    EXPECT_EQ(Recorded(3), 15 * 16 + 3);
    EXPECT_EQ(Recorded(2), 15 * 16 + 8);
    EXPECT_EQ(Recorded(1), 4 * 16 + 5);

    // A second wicket with all four at the ends of the range: they stay there.
    c.nBatAggression[1] = 0;
    c.nTeamAggression[0] = 0;
    c.nBowlAggression[kFast] = 10;
    c.nTeamAggression[1] = 10;
    Bowled();
    EXPECT_EQ(c.nBatAggression[1], 0);
    EXPECT_EQ(c.nTeamAggression[0], 0);
    EXPECT_EQ(c.nBowlAggression[kFast], 10);
    EXPECT_EQ(c.nTeamAggression[1], 10);
}

TEST_F(AggressionTest, NewBatsmanFacingAPersonsBowlingGetsTheDefaultWithoutADialog)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    g.options.wShowMessages = static_cast<std::uint16_t>(g.options.wShowMessages | kNoAutoAggressionDialogs);
    g.options.nPlayerBowlAggression = 3;
    g.Current.nBowlAggression[kFast] = 7;

    Bowled();

    const CURRENT& c = g.Current;
    EXPECT_EQ(c.nBowlVsBat[kFast][2], 3);
    EXPECT_EQ(c.nBowlVsBat[kFastMedium][2], 3);
    EXPECT_EQ(host.DialogRuns(Dialog::BowlAggression), 0);
    // A person's bowler is not moved by the computer.
    EXPECT_EQ(c.nBowlAggression[kFast], 7);
    EXPECT_EQ(Recorded(2), 3 * 16 + 3);
}

TEST_F(AggressionTest, PersonsChoiceForTheNewBatsmanIsRecorded)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    host.ScriptDialog(Dialog::BowlAggression, [this](DialogRequest& req) {
        BowlingAggressionView v = BowlingAggressionState(g);
        EXPECT_EQ(v.pairing[0].label, "Away 11 to Home 3");
        EXPECT_EQ(v.pairing[0].value, 5);   // unset shown as the default
        v.pairing[0].value = 9;
        v.pairing[1].value = 14;   // kept within 0..10
        ApplyBowlingAggression(g, v);
        req.result = IDOK;
        return true;
    });

    Bowled();

    EXPECT_EQ(host.DialogRuns(Dialog::BowlAggression), 1);
    EXPECT_EQ(g.Current.nBowlVsBat[kFast][2], 9);
    EXPECT_EQ(g.Current.nBowlVsBat[kFast][1], 10);
    EXPECT_EQ(Recorded(2), 9 * 16 + 10);
}

TEST_F(AggressionTest, ProtectionOfADismissedBatsmanOpensAsNeither)
{
    g.Current.nProtected = 1;
    BattingAggressionView before = BattingAggressionState(g);
    EXPECT_EQ(before.protect, 2);
    EXPECT_EQ(before.protectLabel[0], "Protect neither batsman");
    EXPECT_EQ(before.protectLabel[2], "Protect Home 2 from strike");
    EXPECT_EQ(before.pairing[1].label, "Home 1 facing Away 10");

    g.Current.nProtected = 0;
    Bowled();
    BattingAggressionView after = BattingAggressionState(g);
    EXPECT_EQ(after.protect, 0);
    EXPECT_EQ(after.protectLabel[1], "Protect Home 3 from strike");
    EXPECT_EQ(ProtectedAtCrease(g), -1);
    // OK with "neither" clears the protection.
    ApplyBattingAggression(g, after);
    EXPECT_EQ(g.Current.nProtected, -1);
}

// --- the end-of-over review ------------------------------------------------

TEST_F(AggressionTest, FirstThreeInningsReviewAfter15And30Or15And25)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    At(1, 10);
    in.Bat[0].nRuns = 36;   // 16 past his mark
    in.Bat[1].nRuns = 35;   // 15: not yet
    c.Mark[0].nBatMark = 20;
    c.Mark[1].nBatMark = 20;
    in.nTotal = 100;
    c.nTotalMark[0] = 69;   // 31 past
    c.nTotalMark[1] = 75;   // 25: not yet
    Bowl(kFast).nRuns = 40;        // 16 past
    Bowl(kFastMedium).nRuns = 39;  // 15: not yet
    c.Mark[kFast].nBowlMark = 24;
    c.Mark[kFastMedium].nBowlMark = 24;

    EXPECT_EQ(ComputerDeclares(g, 0), 0);

    EXPECT_EQ(c.nBatAggression[0], 6);
    EXPECT_EQ(c.Mark[0].nBatMark, 36);
    EXPECT_EQ(c.nBatAggression[1], 5);
    EXPECT_EQ(c.Mark[1].nBatMark, 20);
    EXPECT_EQ(c.nTeamAggression[0], 6);
    EXPECT_EQ(c.nTotalMark[0], 100);
    EXPECT_EQ(c.nBowlAggression[kFast], 4);
    EXPECT_EQ(c.Mark[kFast].nBowlMark, 40);
    EXPECT_EQ(c.nBowlAggression[kFastMedium], 5);
    EXPECT_EQ(c.nTeamAggression[1], 5);
    EXPECT_EQ(c.nTotalMark[1], 75);

    // Values at the ends of the range stay there.
    c.nBatAggression[0] = 10;
    c.nBowlAggression[kFast] = 0;
    in.Bat[0].nRuns = 60;
    Bowl(kFast).nRuns = 70;
    in.nTotal = 200;
    c.nTeamAggression[0] = 10;
    c.nTeamAggression[1] = 0;
    ComputerDeclares(g, 0);
    EXPECT_EQ(c.nBatAggression[0], 10);
    EXPECT_EQ(c.nBowlAggression[kFast], 0);
    EXPECT_EQ(c.nTeamAggression[0], 10);
    EXPECT_EQ(c.nTeamAggression[1], 0);
    EXPECT_EQ(c.nTotalMark[1], 200);
}

TEST_F(AggressionTest, OnlyComputerSidesAreReviewed)
{
    g.Series.nControl[0] = CONTROL_HUMAN;
    INNINGS& in = *g.pInnings;
    in.Bat[0].nRuns = 40;
    in.nTotal = 100;
    Bowl(kFast).nRuns = 40;
    ComputerDeclares(g, 1);
    EXPECT_EQ(g.Current.nBatAggression[0], 5);
    EXPECT_EQ(g.Current.nTeamAggression[0], 5);
    EXPECT_EQ(g.Current.nBowlAggression[kFast], 4);
    EXPECT_EQ(g.Current.nTeamAggression[1], 4);
}

TEST_F(AggressionTest, SixteenOffAnOverCostsTheBowlerAtTheReviewNotAtOnce)
{
    CURRENT& c = g.Current;
    c.nBowlAggression[kFast] = 7;
    c.nRunsAtOverStart = 0;
    for (int k = 0; k < 4; ++k) ScoreRuns(g, 4);
    EXPECT_EQ(Bowl(kFast).nRuns, 16);
    EXPECT_EQ(c.nBowlAggression[kFast], 7);
    EXPECT_EQ(c.nBatAggression[0], 5);

    c.nBall = 6;
    EndOfOver(g, 0);
    EXPECT_EQ(c.nBowlAggression[kFast], 6);
    EXPECT_EQ(c.Mark[kFast].nBowlMark, 16);
    // The striker's sixteen earn him one more.
    EXPECT_EQ(c.nBatAggression[0], 6);
    // 16 on the board is short of both team steps.
    EXPECT_EQ(c.nTeamAggression[0], 5);
    EXPECT_EQ(c.nTeamAggression[1], 5);
}

// --- the fourth innings ---------------------------------------------------

TEST(AggressionStep, FourthInningsStepTable)
{
    const struct {
        int overs, wickets, needed;
        bool batting;
        int step;
    } cases[] = {
        // Batting side.
        {100, 8, 301, true, 26},  // 3o <= n < 7o/2, 8 wickets in hand: 30 + 4 - 8
        {100, 2, 250, true, 48},  // n < 3o with 2 wickets left: 40, then +8 for w < 5 and n > 150
        {200, 7, 520, true, 36},  // n < 3o, long chase: 30 + 6
        {60, 6, 220, true, 24},   // 7o/2 <= n < 4o: 30 + 10 - 16
        {50, 4, 220, true, 36},   // 4o <= n < 5o, 4 wickets left: 30 + 18 + 12 - 24
        {20, 9, 120, true, 30},   // n >= 5o, short chase: nothing moves
        {41, 10, 143, true, 14},  // 7o/2 of 41 overs is 143 (truncated): already the third row
        {41, 10, 142, true, 22},
        // Bowling side.
        {100, 8, 301, false, 30},  // n > 3o: 30, nothing else
        {10, 8, 100, false, 14},   // n > 3o, few runs for the wickets left (n < 15w): 30 - 16
        {180, 2, 560, false, 52},  // n > 3o, 2 wickets left: 38 + 6 (+ 8 for a chase over 500 with 3o > 500)
        {100, 2, 120, false, 54},  // n <= 3o, 2 wickets left and n > 100
        {100, 4, 200, false, 64},  // n <= 3o, 4 wickets left, n > 150, 5o > 150: 30 + 18 + 16
        {100, 9, 50, false, 4},    // n <= 3o, 9 wickets left and n < 99: 30 - 26
    };
    for (const auto& tc : cases)
        EXPECT_EQ(FourthInningsStep(tc.overs, tc.wickets, tc.needed, tc.batting), tc.step)
            << tc.overs << " overs, " << tc.wickets << " wickets, " << tc.needed << (tc.batting ? " batting" : " bowling");
}

TEST_F(AggressionTest, RunsNeededReckonTheFollowOn)
{
    Finished(0, 0, 300);
    Finished(1, 1, 200);
    Finished(2, 0, 250);
    InInnings(3, 1, 50);
    EXPECT_EQ(RunsStillNeeded(g), 301);

    Finished(0, 0, 400);
    Finished(1, 1, 150);
    Finished(2, 1, 300);
    InInnings(3, 0, 20);
    EXPECT_EQ(RunsStillNeeded(g), 1 + 150 + 300 - 400 - 20);
}

TEST_F(AggressionTest, FourthInningsReviewUsesTheChaseStep)
{
    // Day 4 after 80 overs: 100 overs notionally left; 301 needed, 8 wickets
    // in hand. Batting k = 26 (batsman 13, team 26); bowling k = 30 (15, 30).
    Finished(0, 0, 300);
    Finished(1, 1, 200);
    Finished(2, 0, 250);
    InInnings(3, 1, 50);
    At(4, 80);
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    in.nWickets = 2;
    in.Bat[0].nRuns = 20;   // 14 past: more than 13
    in.Bat[1].nRuns = 19;   // 13: not yet
    c.Mark[0].nBatMark = 6;
    c.Mark[1].nBatMark = 6;
    c.nTotalMark[0] = 23;   // 27 past
    c.nTotalMark[1] = 20;   // 30: not yet
    in.Bowl[kFast].nRuns = 31;        // 16 past
    in.Bowl[kFastMedium].nRuns = 30;  // 15: not yet
    c.Mark[kFast].nBowlMark = 15;
    c.Mark[kFastMedium].nBowlMark = 15;

    EXPECT_EQ(ComputerDeclares(g, 3), 0);

    EXPECT_EQ(c.nBatAggression[0], 6);
    EXPECT_EQ(c.nBatAggression[1], 5);
    EXPECT_EQ(c.nTeamAggression[1], 6);
    EXPECT_EQ(c.nTotalMark[0], 50);
    EXPECT_EQ(c.nBowlAggression[kFast], 4);
    EXPECT_EQ(c.nBowlAggression[kFastMedium], 5);
    EXPECT_EQ(c.nTeamAggression[0], 5);
    EXPECT_EQ(c.nTotalMark[1], 20);
}

// --- a new day ---------------------------------------------

TEST_F(AggressionTest, NewDayPairStartsOnTheTeamValuePlusTwo)
{
    CURRENT& c = g.Current;
    c.nTeamAggression[1] = 6;
    c.nBowlAggression[kFast] = 1;
    c.nBowlAggression[kFastMedium] = 9;
    c.nBowlAggression[kMedium] = 3;
    StartingBowlers(g, 0);
    EXPECT_EQ(c.nTeamAggression[1], 8);
    EXPECT_EQ(c.nBowlAggression[kFast], 8);
    EXPECT_EQ(c.nBowlAggression[kFastMedium], 8);
    EXPECT_EQ(c.nBowlAggression[kMedium], 3);

    c.nTeamAggression[1] = 9;
    StartingBowlers(g, 1);
    EXPECT_EQ(c.nTeamAggression[1], 10);
    EXPECT_EQ(c.nBowlAggression[kFast], 10);
    EXPECT_EQ(c.nBowlAggression[kFastMedium], 10);
}

// --- the innings start ------------------------------------------------------

TEST_F(AggressionTest, ComputerOpensTheBattingAtNoughtAndTheBowlingAtTen)
{
    CURRENT& c = g.Current;
    c.nProtected = 4;
    for (int s = 0; s < MAX_ELEVEN; ++s) c.nBatVsBowl[s][s] = c.nBowlVsBat[s][s] = 3;
    StartInnings(g, 0);
    EXPECT_EQ(c.nTeamAggression[0], 0);
    EXPECT_EQ(c.nTeamAggression[1], 10);
    EXPECT_EQ(c.nBatAggression[0], 0);
    EXPECT_EQ(c.nBatAggression[1], 0);
    EXPECT_EQ(c.nBowlAggression[kFast], 10);
    EXPECT_EQ(c.nBowlAggression[kFastMedium], 10);
    EXPECT_EQ(c.nBowlAggression[kMedium], 0);
    EXPECT_EQ(c.nBatAggression[5], 0);
    EXPECT_EQ(c.nProtected, -1);
    for (int s = 0; s < MAX_ELEVEN; ++s) {
        EXPECT_EQ(c.nBatVsBowl[s][s], kPairingUnset);
        EXPECT_EQ(c.nBowlVsBat[s][s], kPairingUnset);
    }
}

TEST_F(AggressionTest, PersonsSideStartsOnTheDefaults)
{
    g.Series.nControl[0] = CONTROL_HUMAN;
    g.options.nTeamBatAggression = 7;
    g.options.nPlayerBatAggression = 6;
    StartInnings(g, 0);
    const CURRENT& c = g.Current;
    EXPECT_EQ(c.nTeamAggression[0], 7);
    EXPECT_EQ(c.nTeamAggression[1], 10);
    // The person's box fills the four pairings of the openers and bowlers.
    EXPECT_EQ(c.nBatVsBowl[0][kFast], 6);
    EXPECT_EQ(c.nBatVsBowl[0][kFastMedium], 6);
    EXPECT_EQ(c.nBatVsBowl[1][kFast], 6);
    EXPECT_EQ(c.nBatVsBowl[1][kFastMedium], 6);
    EXPECT_EQ(c.nBatVsBowl[2][kFast], kPairingUnset);
    EXPECT_EQ(host.DialogRuns(Dialog::BatAggression), 1);
    EXPECT_EQ(host.DialogRuns(Dialog::BowlAggression), 0);
    EXPECT_EQ(host.DialogRuns(Dialog::TeamAggression), 1);
}

// --- values, pairings and the dialogs ------------------------------------------

TEST_F(AggressionTest, ValuesAreKeptWithinZeroAndTen)
{
    SetBatPairing(g, 0, kFast, 14);
    EXPECT_EQ(BatPairing(g, 0, kFast), 10);
    SetBowlPairing(g, kFast, 0, -3);
    EXPECT_EQ(BowlPairing(g, kFast, 0), 0);
    SetTeamAggression(g, 1, 11);
    EXPECT_EQ(TeamAggression(g, 1), 10);
    SetBatsmanAggression(g, 3, -1);
    EXPECT_EQ(BatsmanAggression(g, 3), 0);
    SetBowlerAggression(g, 3, 12);
    EXPECT_EQ(BowlerAggression(g, 3), 10);

    AggressionDefaults d;
    d.teamBat = 12;
    d.teamBowl = -1;
    d.playerBat = 4;
    d.playerBowl = 10;
    d.automatic = false;
    ApplyAggressionDefaults(g.options, d);
    EXPECT_EQ(g.options.nTeamBatAggression, 10);
    EXPECT_EQ(g.options.nTeamBowlAggression, 0);
    EXPECT_EQ(g.options.nPlayerBatAggression, 4);
    EXPECT_TRUE(g.options.wShowMessages & kNoAutoAggressionDialogs);
    EXPECT_FALSE(ReadAggressionDefaults(g.options).automatic);
    d.automatic = true;
    ApplyAggressionDefaults(g.options, d);
    EXPECT_FALSE(g.options.wShowMessages & kNoAutoAggressionDialogs);
}

TEST_F(AggressionTest, UnsetPairingsFallBackToTheDefaultPlayerAggression)
{
    g.Series.nControl[0] = CONTROL_HUMAN;
    g.options.nPlayerBatAggression = 3;
    g.options.wShowMessages = static_cast<std::uint16_t>(g.options.wShowMessages | kNoAutoAggressionDialogs);
    CURRENT& c = g.Current;
    c.nBatVsBowl[1][kFast] = 8;

    EXPECT_EQ(BattingFactorBox(g, 0), 1);
    EXPECT_EQ(host.DialogRuns(Dialog::BatAggression), 0);
    EXPECT_EQ(c.nBatVsBowl[0][kFast], 3);
    EXPECT_EQ(c.nBatVsBowl[0][kFastMedium], 3);
    EXPECT_EQ(c.nBatVsBowl[1][kFast], 8);
    EXPECT_EQ(c.nBatVsBowl[1][kFastMedium], 3);
    // Nobody else's pairings are touched.
    EXPECT_EQ(c.nBatVsBowl[2][kFast], kPairingUnset);

    // Forced, the box opens even so and hands back its result.
    host.AnswerDialog(Dialog::BatAggression, IDCANCEL);
    EXPECT_EQ(BattingFactorBox(g, 1), IDCANCEL);
    EXPECT_EQ(host.DialogRuns(Dialog::BatAggression), 1);

    g.options.nPlayerBowlAggression = 2;
    EXPECT_EQ(BowlingFactorBox(g, 0), 1);
    EXPECT_EQ(c.nBowlVsBat[kFast][0], 2);
    EXPECT_EQ(c.nBowlVsBat[kFastMedium][1], 2);
}

TEST_F(AggressionTest, TeamDialogMovesOnlyAPersonsSide)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    TeamAggressionView v = TeamAggressionState(g);
    EXPECT_EQ(v.label[0], "Home - Batting");
    EXPECT_EQ(v.label[1], "Away - Bowling");
    EXPECT_FALSE(v.editable[0]);
    EXPECT_TRUE(v.editable[1]);
    v.value[0] = 9;
    v.value[1] = 13;
    ApplyTeamAggression(g, v);
    EXPECT_EQ(g.Current.nTeamAggression[0], 5);
    EXPECT_EQ(g.Current.nTeamAggression[1], 10);
}

// --- what a delivery reads ------------------------------------------------------

using AggressionDelivery = DeliveryFixture;

TEST_F(AggressionDelivery, AttitudesOfBothSides)
{
    CURRENT& c = g.Current;
    // Strike rate 40: style 2. Abat = 2 + 3 + 4 = 9, Abowl = 6 + 5 = 11;
    // BA = 9 - 18/3 = 3, WA = 11 - 22/3 = 4.
    c.nTeamAggression[0] = 3;
    c.nBatAggression[0] = 4;
    c.nTeamAggression[1] = 6;
    c.nBowlAggression[kFast] = 5;
    DeliveryFigures f = ComputeFigures(g);
    EXPECT_EQ(f.Abat, 9);
    EXPECT_EQ(f.Abowl, 11);
    EXPECT_EQ(f.BA, 3);
    EXPECT_EQ(f.WA, 4);

    // An attitude beyond 20 adds to the other side's, truncated toward zero:
    // Abat = 7 + 10 + 10 = 27, Abowl 0: BA = 27 - 40/3 = 14, WA = 0 - (-14/3) = 4.
    Batsman(0).nStrikeRate = 90;
    c.nTeamAggression[0] = 10;
    c.nBatAggression[0] = 10;
    c.nTeamAggression[1] = 0;
    c.nBowlAggression[kFast] = 0;
    f = ComputeFigures(g);
    EXPECT_EQ(f.Abat, 27);
    EXPECT_EQ(f.BA, 14);
    EXPECT_EQ(f.WA, 4);
}

TEST_F(AggressionDelivery, PersonsSidesPlayTheirPairings)
{
    g.Series.nControl[0] = CONTROL_HUMAN;
    g.Series.nControl[1] = CONTROL_HUMAN;
    CURRENT& c = g.Current;
    c.nBatVsBowl[0][kFast] = 9;
    c.nBowlVsBat[kFast][0] = 2;
    c.nBatVsBowl[0][kSpinner] = 1;
    // Abat = 2 + 5 + 9 = 16, Abowl = 5 + 2 = 7: BA = 16 - 26/3 = 8, so
    // K = 62 + 3 - 8 - 6 = 51; x = 2, y = 1, z = 10: a dot ball.
    Script({1, 0, 10});
    BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(c.nOutcome, 1);
    EXPECT_EQ(c.nBatAggression[0], 9);
    EXPECT_EQ(c.nBowlAggression[kFast], 2);
    EXPECT_TRUE(std::none_of(logLines.begin(), logLines.end(), [](const std::string& l) {
        return l == "An aggression rating has gone out of control.\n";
    }));
}

}  // namespace
}  // namespace ovs::test
