// The delivery outcome model and the booking of every ball.
//
// The fixture's default pairing, worked by hand: striker skill 20, strike
// rate 40, morale 3; fast bowler skill 25, morale 3, fresh; every aggression
// 5; new ball, fresh pitch, very sunny, pace factor 0, home side batting.
//   style 2, Abat 12, Abowl 10, BA = 12 - 20/3 = 6, WA = 10 - 16/3 = 5
//   B0 = 2*3 + 50 + 3 - 0 + 0 + 1 + 2 = 62 (cap 80)        B = 62
//   X = 125/2 = 62, p 11: K = 62 + 3 - 0 - 6 - 6             K = 53
//   s_b = 2*(-1 + 2 + 2 + 0) = 6:
//   E = 188 - 65 + 0 - 6 - 5 - 11 + 2                        E = 103
//   q = 53/62 = 0, raised to 1.
// Run bands with ground size 0 and outfield 0: u = r + 10; four from
// r 176, three from 166, two from 139, one from 106.
#include <gtest/gtest.h>

#include "core/flow_steps.h"
#include "fixtures.h"
#include "sim/booking.h"
#include "sim/bowling.h"
#include "sim/delivery.h"

namespace ovs::test {
namespace {

using Delivery = DeliveryFixture;

// --- the three numbers -------------------------------------------------------

TEST_F(Delivery, FiguresOfTheDefaultPairing)
{
    DeliveryFigures f = ComputeFigures(g);
    EXPECT_EQ(f.Abat, 12);
    EXPECT_EQ(f.Abowl, 10);
    EXPECT_EQ(f.BA, 6);
    EXPECT_EQ(f.WA, 5);
    EXPECT_EQ(f.B, 62);
    EXPECT_EQ(f.K, 53);
    EXPECT_EQ(f.E, 103);
    EXPECT_EQ(f.q, 1);
}

TEST_F(Delivery, BattingSkillOneCapsBAtFourAndTheRatioAtFive)
{
    Batsman(0).nBatSkill = 1;  // B0 = 6 + 2 + 3 + 1 + 2 = 14, capped at 4
    DeliveryFigures f = ComputeFigures(g);
    EXPECT_EQ(f.B, 4);
    EXPECT_EQ(f.q, 5);  // 53 / 4 = 13
}

// None of the three numbers falls below six, whatever pulls it down.
TEST_F(Delivery, BKAndENeverFallBelowSix)
{
    Fielder(kFast).nBowlSkill = 0;
    Fielder(kFast).nMorale = 0;  // K = 0 + 0 - 0 - 6 - 6 = -12
    EXPECT_EQ(ComputeFigures(g).K, 6);

    Fielder(kFast).nMorale = 3;
    Fielder(kFast).nBowlSkill = 80;  // X = 200: E = 188 - 203 - 6 - 5 - 11 + 2 = -35
    DeliveryFigures f = ComputeFigures(g);
    EXPECT_EQ(f.E, 6);
    EXPECT_EQ(f.K, 191);

    Fielder(kFast).nBowlSkill = 25;
    Batsman(0).nBatSkill = 2;
    Batsman(0).nMorale = 0;
    g.Current.nPitch = 1200;     // wear index 8: -4
    g.Current.nBounce = 800;     // bounce index 8: -3
    g.Current.nBallWear = 200;   // age index 8: -2
    g.Current.nWeather = 30;     // very overcast: -1
    // B0 = -8 + 5 + 0 - 9 - 2 - 2 = -16, above the skill cap
    EXPECT_EQ(ComputeFigures(g).B, 6);
}

TEST_F(Delivery, FatigueWeakensTheBowlerAndGivesMoreChances)
{
    EXPECT_EQ(FatiguePenalty(0), 0);
    EXPECT_EQ(FatiguePenalty(16), 4);
    EXPECT_EQ(FatiguePenalty(17), 5);    // 4 + one step
    EXPECT_EQ(FatiguePenalty(48), 18);   // 12 + six steps
    EXPECT_EQ(FatiguePenalty(49), 34);   // 16 + 12 + 6
    EXPECT_EQ(FatiguePenalty(57), 68);   // 19 + 14 + 7 + 28
    EXPECT_EQ(FatiguePenalty(65), 141);  // 21 + 16 + 7 + 32 + 65

    g.Current.Spell[kFast].nTiredness = 17;
    DeliveryFigures f = ComputeFigures(g);
    EXPECT_EQ(f.K, 48);
    EXPECT_EQ(f.E, 108);
}

TEST_F(Delivery, ConditionsFavourTheBowlerOfTheRightKind)
{
    EXPECT_EQ(BowlerConditions(g, BOWL_FAST), 6);
    EXPECT_EQ(BowlerConditions(g, BOWL_NONE), 0);
    g.Current.nPitch = 1200;  // a worn pitch: spin 7, fast 5
    EXPECT_EQ(BowlerConditions(g, BOWL_OFFSPIN), 2 * (7 + 1 + 1 + 0));
    EXPECT_EQ(BowlerConditions(g, BOWL_FAST), 2 * (5 + 2 + 2 + 0));
    g.Current.nPitch = 0;
    g.Current.nWeather = 33;  // very overcast helps the seamers
    EXPECT_EQ(BowlerConditions(g, BOWL_MEDIUMFAST), 2 * (-2 + 1 + 1 + 3));
}

// --- one delivery --------------------------------------------------------------

TEST_F(Delivery, ADotBallIsCountedShownRecordedAndReported)
{
    g.pTest->bBreak = 1;
    Script({10, 0, 52});  // x 11, y 1, z 52: t = 11 - 52
    EXPECT_TRUE(BowlDelivery(g));
    ExpectScriptUsed();
    const CURRENT& c = g.Current;
    EXPECT_EQ(c.nOutcome, 1);
    EXPECT_EQ(c.nBall, 1);
    EXPECT_EQ(Bat(0).nBalls, 1);
    EXPECT_EQ(Bowl(kFast).nBalls, 1);
    EXPECT_EQ(c.Spell[kFast].nSpellBalls, 1);
    EXPECT_EQ(g.pInnings->nTotalBalls, 1);
    EXPECT_EQ(g.pTest->bBreak, 0);
    EXPECT_EQ(c.OverHistory[0].nOutcome[0], 1);
    EXPECT_EQ(c.OverHistory[0].nMark[0], 1);
    EXPECT_EQ(c.nBallInOver, 1);
    EXPECT_EQ(c.bEndInnings, 0);
    EXPECT_EQ(Stream(), std::vector<int>{1});
    // Unwatched with nothing else waiting, the ball's end is counted and the
    // next ball follows at once: nothing is queued.
    EXPECT_EQ(Posted(), std::vector<std::uint32_t>{});
    EXPECT_EQ(g.nBallsPosted, 1);
    EXPECT_TRUE(Logged("Ball Outcome was : 1\n"));
    EXPECT_TRUE(Logged("Posting WM_ENDBALL message from BowlDelivery ()\n"));
}

TEST_F(Delivery, AWatchedBallOrOneWithMessagesWaitingPostsItsEnd)
{
    g.options.wPlayOptions = 0x80;  // watched
    Script({10, 0, 52});
    EXPECT_FALSE(BowlDelivery(g));
    EXPECT_EQ(Posted(), std::vector<std::uint32_t>{WM_ENDBALL});
    EXPECT_EQ(g.nBallsPosted, 0);

    g.options.wPlayOptions = 0;
    g.queue.Clear();
    g.queue.Post(WM_ENDINNINGS, 0);
    Script({10, 0, 52});
    EXPECT_FALSE(BowlDelivery(g));
    EXPECT_EQ(Posted(), (std::vector<std::uint32_t>{WM_ENDINNINGS, WM_ENDBALL}));
}

TEST_F(Delivery, TheSixthLegalBallEndsTheOver)
{
    g.Current.nBall = 5;
    g.Current.nOver = 7;
    Script({10, 0, 52});
    BowlDelivery(g);
    EXPECT_EQ(g.Current.nBall, 6);
    EXPECT_EQ(Posted(), std::vector<std::uint32_t>{WM_ENDOVER});
    EXPECT_TRUE(Logged("Posting WM_ENDOVER message from BowlDelivery ()  (wParam = 7)\n"));
}

TEST_F(Delivery, AWideOffTheSixthBallLeavesTheOverOpen)
{
    g.Current.nBall = 5;
    Script({4, 0, 1, 0});  // t = 5 - 1 = 4: extras; r 0 is a wide
    BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, 8);
    EXPECT_EQ(g.Current.nBall, 5);
    EXPECT_TRUE(Posted().empty());  // the over goes on at once
}

TEST_F(Delivery, XOfOneOrYOfEGivesAChance)
{
    Script({0, 50, 0});  // x = 1; e = 0 bowled
    BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_BOWLED);

    g.queue.Clear();
    // After the wicket the computer captains move: bowling team and bowler 6,
    // batting team 4, the new striker 5: Abat 11, Abowl 12, WA = 12 - 18/3 = 6,
    // so E = 102.
    Script({10, 101, 0});  // y = 102 = E
    BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.pInnings->nWickets, 2);
}

// One scripted delivery from a fresh fixture: what it comes to and the runs
// booked. The draws are x, y, z for t = x + 1 - (z + 1) (a shot from t = 2),
// then the extras or the shot's r, then what a chance or the byes draw.
struct Scripted {
    const char* what;
    enum Setting { Plain, SlowOutfield, StrongField, SmallestGround } setting;
    std::vector<int> draws;
    int outcome, runs;
};

class DeliveryScripted : public DeliveryFixture, public ::testing::WithParamInterface<Scripted> {};

TEST_P(DeliveryScripted, OutcomeOfTheDraws)
{
    const Scripted sc = GetParam();
    SCOPED_TRACE(sc.what);
    DayTimes& t = Timetable(g);
    switch (sc.setting) {
    case Scripted::Plain: break;
    case Scripted::SlowOutfield: g.Current.nOutfield = 250; break;   // 10 - 250/25 = 0: u = r
    case Scripted::StrongField: g.Series.nFieldingStrength = 3; break;  // u = r + 7
    case Scripted::SmallestGround:  // ground size -5
        t.nRunLimit = 200;
        t.nRunFour = 175;
        t.nRunThree = 180;
        t.nRunTwo = 153;
        t.nRunOne = 110;
        break;
    }
    script.assign(sc.draws.begin(), sc.draws.end());
    BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, sc.outcome);
    EXPECT_EQ(g.pInnings->nTotal, sc.runs);
    EXPECT_EQ(Bat(0).nRuns, sc.runs);
}

INSTANTIATE_TEST_SUITE_P(
    Delivery, DeliveryScripted,
    ::testing::Values(
        // The band of t: extras, then a shot.
        Scripted{"t = 1: extras; r 13 byes; the keeper (30) stops them", Scripted::Plain, {4, 0, 4, 13, 29}, 1, 0},
        Scripted{"t = 5: a shot, r 176 a four", Scripted::Plain, {4, 0, 0, 176}, 5, 4},
        // Runs off the bat by the band of u = r + 10.
        Scripted{"r 176: four", Scripted::Plain, {61, 0, 0, 176}, 5, 4},
        Scripted{"r 175: three", Scripted::Plain, {61, 0, 0, 175}, 4, 3},
        Scripted{"r 166: three", Scripted::Plain, {61, 0, 0, 166}, 4, 3},
        Scripted{"r 165: two", Scripted::Plain, {61, 0, 0, 165}, 3, 2},
        Scripted{"r 139: two", Scripted::Plain, {61, 0, 0, 139}, 3, 2},
        Scripted{"r 138: one", Scripted::Plain, {61, 0, 0, 138}, 2, 1},
        Scripted{"r 106: one", Scripted::Plain, {61, 0, 0, 106}, 2, 1},
        Scripted{"r 105: none", Scripted::Plain, {61, 0, 0, 105}, 1, 0},
        // A slow outfield and good fielders cost runs.
        Scripted{"slow outfield, r 185: three", Scripted::SlowOutfield, {61, 0, 0, 185}, 4, 3},
        Scripted{"fielding strength 3, r 178: three", Scripted::StrongField, {61, 0, 0, 178}, 4, 3},
        // A feeble shot may give a chance.
        Scripted{"u 12: no run; Abat/5 = 2 >= 2: a chance, bowled", Scripted::Plain, {61, 0, 0, 2, 0}, 32, 0},
        Scripted{"2 < 3: a plain dot", Scripted::Plain, {61, 0, 0, 3}, 1, 0},
        // On the smallest ground the three band scores four.
        Scripted{"u 178: between the two limits, a four", Scripted::SmallestGround, {61, 0, 0, 168}, 5, 4},
        Scripted{"u 170: a two", Scripted::SmallestGround, {61, 0, 0, 160}, 3, 2}));

TEST_F(Delivery, ASixNeedsAnAttackingBatsman)
{
    Batsman(0).nStrikeRate = 60;  // style 4
    g.Current.nTeamAggression[0] = 10;
    g.Current.nBatAggression[0] = 10;  // Abat 24, BA 18: r below 218; k 6
    Script({61, 0, 0, 216});
    BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(g.Current.nOutcome, 7);
    EXPECT_EQ(Bat(0).nSixes, 1);
    EXPECT_EQ(g.Current.nBallWear, 3);
    EXPECT_EQ(g.Current.nBounce, 1);
    EXPECT_EQ(BatPoints(0), 6 * 4 + 6 * 4);  // v(0) = 4
    EXPECT_EQ(g.Current.nStriker, 0);

    g.queue.Clear();
    Script({61, 0, 0, 215});  // 215 - 6 < 210: u = 225, a four
    BowlDelivery(g);
    EXPECT_EQ(g.Current.nOutcome, 5);
}

// --- runs, protection and the target -----------------------------------------

TEST_F(Delivery, AFourIsBookedEverywhere)
{
    g.Current.nBall = 1;
    g.Current.nOutcome = 1;
    EXPECT_EQ(ScoreRuns(g, 4), 0);
    EXPECT_EQ(Bat(0).nRuns, 4);
    EXPECT_EQ(Bat(0).nFours, 1);
    EXPECT_EQ(Bowl(kFast).nRuns, 4);
    EXPECT_EQ(g.Current.Spell[kFast].nSpellRuns, 4);
    EXPECT_EQ(g.pInnings->nTotal, 4);
    EXPECT_EQ(BatPoints(0), 3 * 4 + 4 * 4);
    EXPECT_EQ(g.Current.nBallWear, 1);
    EXPECT_EQ(g.Current.nBounce, 1);
    EXPECT_EQ(g.Current.nStriker, 0);
    EXPECT_EQ(Stream(), std::vector<int>{5});
}

TEST_F(Delivery, OddRunsChangeTheStrike)
{
    g.Current.nBall = 1;
    ScoreRuns(g, 3);
    EXPECT_EQ(g.Current.nStriker, 1);
    EXPECT_EQ(g.Current.nNonStriker, 0);
    EXPECT_EQ(BatPoints(0), 12);
}

TEST(DeliveryProtection, TheTableOfRefusedRuns)
{
    // [n - 1][b - 1]: runs booked with the protected batsman as non-striker, then as striker.
    const int nonStriker[3][6] = {{0, 0, 0, 0, 1, 1}, {2, 2, 2, 2, 1, 1}, {2, 2, 2, 2, 3, 3}};
    const int striker[3][6] = {{1, 1, 1, 1, 0, 0}, {1, 1, 1, 2, 2, 2}, {3, 3, 3, 3, 2, 2}};
    for (int n = 1; n <= 3; ++n)
        for (int b = 1; b <= 6; ++b) {
            EXPECT_EQ(ProtectRuns(n, b, false, true), nonStriker[n - 1][b - 1]) << n << " off ball " << b;
            EXPECT_EQ(ProtectRuns(n, b, true, false), striker[n - 1][b - 1]) << n << " off ball " << b;
            EXPECT_EQ(ProtectRuns(n, b, false, false), n);
        }
    for (int b = 1; b <= 6; ++b) {
        EXPECT_EQ(ProtectRuns(4, b, true, false), 4);
        EXPECT_EQ(ProtectRuns(6, b, false, true), 6);
    }
}

TEST_F(Delivery, ASingleOffTheFifthBallIsRefusedToTheProtectedStriker)
{
    g.Current.nProtected = 0;
    g.Current.nBall = 5;
    g.Current.nOutcome = 1;
    EXPECT_EQ(ScoreRuns(g, 1), 0);
    EXPECT_EQ(g.pInnings->nTotal, 0);
    EXPECT_EQ(g.Current.nStriker, 0);
    EXPECT_EQ(g.Current.nOutcome, 1);  // the dot ball stands
    EXPECT_TRUE(Stream().empty());
}

TEST_F(Delivery, ATwoEarlyInTheOverBecomesASingleForTheProtectedStriker)
{
    g.Current.nProtected = 0;
    g.Current.nBall = 3;
    g.Current.nOutcome = 1;
    ScoreRuns(g, 2);
    EXPECT_EQ(Bat(0).nRuns, 1);
    EXPECT_EQ(g.Current.nOutcome, 2);
    EXPECT_EQ(g.Current.nStriker, 1);  // off strike now
}

TEST_F(Delivery, ProtectionAppliesToByesButNeverToWides)
{
    g.Current.nProtected = 1;  // the non-striker
    g.Current.nBall = 2;
    g.Current.nOutcome = 1;
    EXPECT_EQ(ConcedeByes(g, 1), 0);
    EXPECT_EQ(g.pInnings->nByes, 0);
    EXPECT_EQ(ConcedeLegByes(g, 3), 0);  // three become two
    EXPECT_EQ(g.pInnings->nLegByes, 2);
    EXPECT_EQ(g.Current.nStriker, 0);

    g.Current.nProtected = 0;  // now the striker, late in the over
    g.Current.nBall = 6;
    BowlWide(g, 3);
    EXPECT_EQ(g.pInnings->nWides, 3);
    EXPECT_EQ(g.Current.nStriker, 0);
}

TEST_F(Delivery, AReplayBooksTheRecordedRunsWithoutProtection)
{
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    g.Current.nProtected = 0;
    g.Current.nBall = 5;
    g.Current.nOutcome = 1;
    ScoreRuns(g, 1);
    EXPECT_EQ(Bat(0).nRuns, 1);
    EXPECT_TRUE(Stream().empty());  // a replay reads, it does not record
}

TEST_F(Delivery, ReachingTheTargetEndsTheInningsWithoutChangingStrike)
{
    g.Current.nTarget = 10;
    g.pInnings->nTotal = 8;
    Bat(0).nRuns = 8;
    g.Current.nBall = 1;
    g.Current.nOutcome = 1;
    EXPECT_EQ(ScoreRuns(g, 3), 1);
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_RESULT);
    EXPECT_EQ(g.Current.nStriker, 0);
}

TEST_F(Delivery, TheWinningHitIsReportedAsTheEndOfTheOver)
{
    g.Current.nTarget = 3;
    Script({61, 0, 0, 176});
    BowlDelivery(g);
    EXPECT_EQ(g.Current.bEndInnings, 1);
    EXPECT_EQ(g.Current.nBall, 1);
    EXPECT_EQ(Posted(), std::vector<std::uint32_t>{WM_ENDOVER});
}

}  // namespace
}  // namespace ovs::test
