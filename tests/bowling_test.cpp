// Bowling management: fatigue, maidens, spells, the computer captain's
// changes and rotation, the starting pair and the new ball.
#include <gtest/gtest.h>

#include "core/innings.h"
#include "fixtures.h"
#include "sim/bowling.h"

namespace ovs::test {
namespace {

class BowlingTest : public InningsFixture {
protected:
    void SetUp() override
    {
        InningsFixture::SetUp();
        LongSpells();
        g.pInnings->nBowlers[0] = kFast;
        g.pInnings->nBowlers[1] = kFastMedium;
    }

    // The sixth ball of over `over` has just been bowled.
    void OverBowled(int runsInOver = 1)
    {
        CURRENT& c = g.Current;
        c.nBall = 6;
        c.nRunsAtOverStart = Bowl(c.nBowler).nRuns;
        Bowl(c.nBowler).nRuns += runsInOver;
        g.pInnings->nTotalBalls += 6;
    }
};

// --- fatigue ---------------------------------------------------------------

TEST_F(BowlingTest, FatigueBookedAfterTheOverAndRecoveredByTheRest)
{
    Spell(kFast).nTiredness = 10;
    Spell(kFastMedium).nTiredness = 10;
    Spell(3).nTiredness = 3;
    Spell(4).nTiredness = 0;
    OverBowled();
    EndOfOver(g, 0);
    EXPECT_EQ(Spell(kFast).nTiredness, 15);        // fast: + 5 + 1 - 1
    EXPECT_EQ(Spell(kFastMedium).nTiredness, 9);   // resting at the other end
    EXPECT_EQ(Spell(3).nTiredness, 2);
    EXPECT_EQ(Spell(4).nTiredness, 0);             // never below 0

    g.Current.nBowler = kOffSpin;
    Spell(kOffSpin).nTiredness = 0;
    OverBowled();
    EndOfOver(g, 1);
    EXPECT_EQ(Spell(kOffSpin).nTiredness, 3);      // spinner: + 3 + 1 - 1
}

TEST_F(BowlingTest, EndOfOverChangesEndsAndStrike)
{
    OverBowled();
    EndOfOver(g, 4);
    const CURRENT& c = g.Current;
    EXPECT_EQ(c.nBowler, kFastMedium);
    EXPECT_EQ(c.nOtherBowler, kFast);
    EXPECT_EQ(c.nLastBowler, kFastMedium);
    EXPECT_EQ(c.nStriker, 1);
    EXPECT_EQ(c.nNonStriker, 0);
    EXPECT_EQ(c.nOver, 5);
    EXPECT_EQ(c.nBall, 0);
    EXPECT_EQ(c.nOversSinceNewBall, 1);
    EXPECT_EQ(c.nOversToday, 1);
    // Unwatched, with nothing else waiting, the break between overs is taken
    // at once: the next over is what waits.
    EXPECT_TRUE(WasPosted(WM_NEWOVER));
}

// --- maidens ------------------------------------------------------------------

TEST_F(BowlingTest, MaidenNeedsSixBalls)
{
    Player(0, 0).nBatRating = 0;  // v = 768 / 192 = 4
    OverBowled(0);
    EndOfOver(g, 0);
    EXPECT_EQ(g.pInnings->Bowl[kFast].nMaidens, 1);
    EXPECT_EQ(Spell(kFast).nSpellMaidens, 1);
    EXPECT_EQ(BowlPoints(kFast, 1), 8);
    EXPECT_EQ(Spell(kFast).nBudget, 7);  // the computer gives him one more over
}

TEST_F(BowlingTest, OverCutShortByTheEndOfTheInningsIsNoMaiden)
{
    OverBowled(0);
    g.Current.nBall = 4;
    g.Current.bEndInnings = 1;
    g.pInnings->nStatus = INNINGS_ENDED;
    EndOfOver(g, 0);
    EXPECT_EQ(g.pInnings->Bowl[kFast].nMaidens, 0);
    EXPECT_TRUE(WasPosted(WM_ENDINNINGS));
    EXPECT_FALSE(WasPosted(WM_CONTINNINGS));
    EXPECT_TRUE(Logged("Posting WM_ENDINNINGS\n"));
}

// --- the new ball ---------------------------------------------------------------

TEST_F(BowlingTest, PersonIsOfferedTheNewBallAtEightyOvers)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    CURRENT& c = g.Current;
    c.nOversSinceNewBall = 79;
    c.nBallWear = 79;
    c.nBounce = 100;
    host.Answer(IDYES);
    OverBowled();
    EndOfOver(g, 79);
    ASSERT_TRUE(host.Saw("Do you wish to take the New Ball?"));
    EXPECT_TRUE(host.SawCaption("New Ball"));
    EXPECT_EQ(c.nOversSinceNewBall, 0);
    EXPECT_EQ(c.nBallWear, 0);
    EXPECT_EQ(c.nBounce, 71);  // 100 + 1 for the over, - 30
    EXPECT_EQ(LastReplayByte(), 240);
}

TEST_F(BowlingTest, DeclinedNewBallIsNotOfferedAgain)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    CURRENT& c = g.Current;
    c.nOversSinceNewBall = 79;
    host.Answer(IDNO);
    OverBowled();
    EndOfOver(g, 79);
    EXPECT_EQ(c.nOversSinceNewBall, 80);
    OverBowled();
    EndOfOver(g, 80);
    EXPECT_EQ(host.Count("New Ball"), 1);
    EXPECT_EQ(c.nOversSinceNewBall, 81);
}

// The new ball raises the fielding side's aggressions by five, to ten at most.
TEST_F(BowlingTest, ComputerTakesTheNewBallForItsNewBallPair)
{
    CURRENT& c = g.Current;
    c.nBowler = kFastMedium;  // has bowled; the fast bowler (place 0) is due
    c.nOtherBowler = kFast;
    c.nOversSinceNewBall = 80;
    c.nBallWear = 80;
    c.nBounce = 20;
    c.nTeamAggression[1] = 7;
    c.nBowlAggression[kFast] = 8;
    c.nBowlAggression[3] = 2;
    ComputerBowlingChange(g, Bowl(kFastMedium).nRuns);
    EXPECT_EQ(c.nOversSinceNewBall, 0);
    EXPECT_EQ(c.nBallWear, 0);
    EXPECT_EQ(c.nBounce, 0);
    EXPECT_EQ(c.nTeamAggression[1], 10);
    EXPECT_EQ(c.nBowlAggression[kFast], 10);
    EXPECT_EQ(c.nBowlAggression[3], 7);
    EXPECT_EQ(c.nTeamAggression[0], 5);  // the new ball lifts only the fielding side
    EXPECT_EQ(c.nBowler, kFast);
}

TEST_F(BowlingTest, ComputerBringsOnANewBallBowlerBeforeTakingIt)
{
    CURRENT& c = g.Current;
    c.nBowler = kMedium;      // place 2, has bowled
    c.nOtherBowler = kOffSpin;  // place 3, due
    c.nOversSinceNewBall = 85;
    c.nRotation = 3;
    Spell(kMedium).nBudget = 6;
    Spell(kMedium).nSpellOvers = 1;
    ComputerBowlingChange(g, Bowl(kMedium).nRuns);
    EXPECT_EQ(c.nOversSinceNewBall, 85);
    EXPECT_EQ(c.nBowler, kOffSpin);
    EXPECT_EQ(c.nOtherBowler, kFast);  // place 0 replaces the medium pacer
    EXPECT_EQ(c.nRotation, 1);
}

// --- spells --------------------------------------------------------------------

TEST_F(BowlingTest, SpellClearedWhenABowlerChangesEndsAfterElevenBalls)
{
    CURRENT& c = g.Current;
    c.nOversToday = 5;
    c.nLastBowler = kFastMedium;  // bowled last at this end
    c.nBowler = kFast;            // comes on here
    auto spellUnderWay = [&] {
        Spell(kFast).nSpellBalls = 30;
        Spell(kFast).nSpellRuns = 20;
        Spell(kFast).nSpellWickets = 2;
    };
    spellUnderWay();
    g.pInnings->nTotalBalls = 11;
    BeginOver(g);
    EXPECT_EQ(Spell(kFast).nSpellBalls, 30);

    g.pInnings->nTotalBalls = 12;
    BeginOver(g);
    EXPECT_EQ(Spell(kFast).nSpellBalls, 0);
    EXPECT_EQ(Spell(kFast).nSpellRuns, 0);
    EXPECT_EQ(Spell(kFast).nSpellWickets, 0);
}

TEST_F(BowlingTest, SpellFiguresStartAfreshInTheDaysFirstOvers)
{
    CURRENT& c = g.Current;
    c.nOversToday = 1;
    c.nLastBowler = kFast;
    Spell(kFast).nSpellRuns = 14;
    BeginOver(g);
    EXPECT_EQ(Spell(kFast).nSpellRuns, 0);
}

TEST_F(BowlingTest, BeginOverEntersANewBowlerInTheOrders)
{
    CURRENT& c = g.Current;
    c.nOversToday = 10;
    c.nBowler = 4;
    c.nLastBowler = 4;
    BeginOver(g);
    EXPECT_EQ(g.pInnings->nBowlers[2], 4);
    EXPECT_EQ(c.nBowlOrder[5][1], 4);
    EXPECT_EQ(LastReplayByte(), 4);
    BeginOver(g);
    EXPECT_EQ(g.pInnings->nBowlers[3], -1);
    EXPECT_EQ(c.nBowlOrder[6][1], -1);
}

// --- the computer's changes ----------------------------------------------------

TEST_F(BowlingTest, ComputerChangesATiredBowler)
{
    Watch();
    CURRENT& c = g.Current;
    Spell(kFast).nTiredness = 56;  // four cuts of 1 and one of 5
    Spell(kFast).nBudget = 8;
    Spell(kFast).nSpellOvers = 2;
    Spell(kMedium).nInitialBudget = 7;
    Spell(kMedium).nSpellOvers = 4;
    Bowl(kMedium).nRuns = 33;
    ComputerBowlingChange(g, Bowl(kFast).nRuns);
    EXPECT_EQ(Spell(kFast).nSpellOvers, 3);
    EXPECT_EQ(Spell(kFast).nBudget, -1);
    EXPECT_EQ(c.nBowler, kFastMedium);
    EXPECT_EQ(c.nOtherBowler, kMedium);  // first free place of the rotation
    EXPECT_EQ(Spell(kMedium).nBudget, 7);
    EXPECT_EQ(Spell(kMedium).nSpellOvers, 0);
    EXPECT_EQ(c.Mark[kMedium].nBowlMark, 33);
    EXPECT_EQ(c.nBowlAggression[kMedium], c.nTeamAggression[1]);
    EXPECT_EQ(c.nRotation, 3);
    EXPECT_EQ(c.nNumBowlers, 4);
    EXPECT_TRUE(Logged("Setting _Current.nNumBowlers = _Current.nMainBowlers\n"));
    EXPECT_TRUE(host.Saw("Away 11 has been replaced by Away 9."));
    EXPECT_TRUE(host.SawCaption("Bowling Change"));
}

TEST_F(BowlingTest, FreshBowlerKeepsGoing)
{
    CURRENT& c = g.Current;
    Spell(kFast).nTiredness = 31;
    Spell(kFast).nBudget = 6;
    Spell(kFast).nSpellOvers = 4;
    Bowl(kFast).nRuns = 20;
    ComputerBowlingChange(g, 15);  // 5 runs: no cut
    EXPECT_EQ(Spell(kFast).nBudget, 6);
    EXPECT_EQ(Spell(kFast).nSpellOvers, 5);
    EXPECT_EQ(c.nOtherBowler, kFast);
}

// The computer's rotation: a list of fewer than four is made four; after
// three full cycles a rotation of four grows to five; with six wickets down a
// rotation of five shrinks to the main bowlers. The fast bowler has bowled
// five overs of his spell where the rotation turns.
struct RotationCase {
    const char* what;
    int wickets, numBowlers, rotation, cycle, spellOvers;
    // After the change; -1 is not looked at.
    int numAfter, rotationAfter, cycleAfter, mainAfter, other;
    const char* logged;   // a log line the change writes, or none
};

class BowlingRotation : public BowlingTest, public ::testing::WithParamInterface<RotationCase> {};

TEST_P(BowlingRotation, FollowsTheWicketsAndTheCycles)
{
    const RotationCase& k = GetParam();
    SCOPED_TRACE(k.what);
    CURRENT& c = g.Current;
    g.pInnings->nWickets = static_cast<std::uint8_t>(k.wickets);
    c.nNumBowlers = static_cast<std::int16_t>(k.numBowlers);
    c.nRotation = static_cast<std::int16_t>(k.rotation);
    c.nRotationCycle = static_cast<std::int16_t>(k.cycle);
    Spell(kFast).nSpellOvers = static_cast<std::int16_t>(k.spellOvers);
    ComputerBowlingChange(g, Bowl(kFast).nRuns);
    EXPECT_EQ(c.nNumBowlers, k.numAfter);
    if (k.rotationAfter >= 0) {
        EXPECT_EQ(c.nRotation, k.rotationAfter);
    }
    if (k.cycleAfter >= 0) {
        EXPECT_EQ(c.nRotationCycle, k.cycleAfter);
    }
    if (k.mainAfter >= 0) {
        EXPECT_EQ(c.nMainBowlers[1], k.mainAfter);
    }
    if (k.other >= 0) {
        EXPECT_EQ(c.nOtherBowler, k.other);
    }
    if (k.logged) {
        EXPECT_TRUE(Logged(k.logged));
    }
}

// The off spinner (slot 7) is place 3 of the list, the leg spinner (slot 6) place 4.
INSTANTIATE_TEST_SUITE_P(
    BowlingTest, BowlingRotation,
    ::testing::Values(RotationCase{"small rotation repaired", 0, 3, 0, 0, 0, 4, -1, -1, 4, -1,
                                   "Setting _Current.nNumBowlers = 4 [Was 3]\n"},
                      RotationCase{"grows on the fourth cycle", 0, 4, 3, 3, 5, 5, 4, 4, -1, 7, nullptr},
                      RotationCase{"shrinks late in the innings", 6, 5, 4, 3, 5, 4, 0, -1, -1, 6, nullptr}));

// --- the starting pair -----------------------------------------------------------

TEST_F(BowlingTest, NewDayPairKeepsItsEnds)
{
    Watch();
    g.Series.nControl[0] = CONTROL_HUMAN;  // a person follows the game
    CURRENT& c = g.Current;
    c.nBowler = kFast;
    c.nLastBowler = kFast;  // the first of the pair bowled the day's last over here
    c.nTeamAggression[1] = 5;
    StartingBowlers(g, 0);
    EXPECT_EQ(c.nBowler, kFast);
    EXPECT_EQ(c.nOtherBowler, kFastMedium);
    EXPECT_EQ(c.bSkipChange, 1);
    EXPECT_EQ(c.nTeamAggression[1], 7);
    EXPECT_EQ(c.nBowlAggression[kFast], 7);
    EXPECT_EQ(Spell(kFast).nBudget, 6);
    EXPECT_TRUE(host.Saw("Starting bowlers are Away 11 & Away 10."));
    EXPECT_TRUE(host.SawCaption("New day bowlers"));

    // The pair only changes ends after its first over.
    ComputerBowlingChange(g, Bowl(kFast).nRuns);
    EXPECT_EQ(c.nBowler, kFastMedium);
    EXPECT_EQ(c.nOtherBowler, kFast);
    EXPECT_EQ(c.bSkipChange, 0);
    EXPECT_EQ(Spell(kFast).nSpellOvers, 0);
}

// The pair of a new day (0) keeps its ends only as above, else swaps them;
// after a stoppage (1) the first two of the list start, the one still at his
// end going on there; once the innings is over nobody is chosen.
TEST_F(BowlingTest, StartingPairOtherwise)
{
    CURRENT& c = g.Current;
    const struct {
        int stoppage, bowler, other, last, wickets, first, second;
    } cases[] = {
        {0, kMedium, kFastMedium, kMedium, 0, kFastMedium, kFast},
        {1, kMedium, kFast, kFast, 0, kFastMedium, kFast},
        {1, kFastMedium, kOffSpin, kFast, 0, kFast, kFastMedium},
        {1, kMedium, kFastMedium, kFast, 10, kMedium, kFastMedium},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(testing::Message() << tc.stoppage << " " << tc.bowler << " " << tc.other);
        c.nBowler = static_cast<std::int16_t>(tc.bowler);
        c.nOtherBowler = static_cast<std::int16_t>(tc.other);
        c.nLastBowler = static_cast<std::int16_t>(tc.last);
        g.pInnings->nWickets = static_cast<std::uint8_t>(tc.wickets);
        c.bSkipChange = 0;
        StartingBowlers(g, tc.stoppage);
        EXPECT_EQ(c.nBowler, tc.first);
        EXPECT_EQ(c.nOtherBowler, tc.second);
        if (tc.stoppage) {
            EXPECT_EQ(c.bSkipChange, 0);
        }
    }
}

}  // namespace
}  // namespace ovs::test
