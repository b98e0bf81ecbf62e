// The innings lifecycle: follow-on, targets, declarations, the result after
// an innings, the end of an innings and its changeover, announcements.
#include <gtest/gtest.h>

#include "core/announce.h"
#include "core/innings.h"
#include "fixtures.h"

namespace ovs::test {
namespace {

class InningsTest : public InningsFixture {
protected:
    // Both first innings done, A (Home) batted first; play stands at the end
    // of innings 1 with B (Away) batting.
    void FirstInnings(int homeRuns, int awayRuns)
    {
        Finished(0, 0, homeRuns);
        Finished(1, 1, awayRuns);
        g.Current.nInnings = 2;
        g.SelectTestAndInnings();
        g.Current.nBatSide = 1;
        g.Current.nBowlSide = 0;
    }
};

// --- the follow-on and the target -------------------------------------------

// A computer side leading on first innings: it enforces the follow-on from a
// lead of 200 (not 199) with more than 30 overs of the match left.
struct FollowOnCase {
    int home, away, day, oversToday;
    bool enforced;
};
class InningsFollowOn : public InningsTest, public ::testing::WithParamInterface<FollowOnCase> {};

TEST_P(InningsFollowOn, ComputerEnforcesAtALeadOf200WithMoreThan30OversLeft)
{
    const FollowOnCase fc = GetParam();
    Watch();
    FirstInnings(fc.home, fc.away);
    At(fc.day, fc.oversToday);
    NewInnings(g, 2);
    EXPECT_EQ(FollowOnInForce(g), fc.enforced);
    EXPECT_EQ(Inn(2).nBatSide, fc.enforced ? 1 : 0);
    EXPECT_EQ(g.Current.nBatSide, Inn(2).nBatSide);
    EXPECT_EQ(Inn(2).nStatus, INNINGS_INPROGRESS);
    EXPECT_EQ(host.Saw("Home have enforced the follow on."), fc.enforced);
    if (fc.enforced) {
        // The lead itself, not the lead plus one.
        EXPECT_TRUE(Highlighted("Away need 200 runs to avoid an innings defeat."));
        EXPECT_TRUE(WasPosted(WM_CONTINNINGS));
    }
}

INSTANTIATE_TEST_SUITE_P(Innings, InningsFollowOn,
                         ::testing::Values(FollowOnCase{450, 251, 2, 10, false},   // lead 199
                                           FollowOnCase{450, 250, 5, 59, true},    // 200; 450 - (4 * 90 + 59) = 31 left
                                           FollowOnCase{500, 250, 5, 60, false})); // 250, 30 left

TEST_F(InningsTest, PersonDecidesTheFollowOn)
{
    g.Series.nControl[0] = CONTROL_HUMAN;
    FirstInnings(450, 250);
    At(1, 80);
    host.Answer(IDNO);
    NewInnings(g, 2);
    ASSERT_TRUE(host.Saw("Do you wish to enforce the follow on?"));
    EXPECT_EQ(host.boxes[0].caption, "Follow On");
    EXPECT_EQ(Inn(2).nBatSide, 0);
}

// Home batted first; `third` batted the third innings (Away after following on).
struct TargetCase {
    int third, runs0, runs1, runs2, target;
    const char* text;  // "" when there is no fourth innings
};
class InningsTarget : public InningsTest, public ::testing::WithParamInterface<TargetCase> {};

TEST_P(InningsTarget, TargetIsTheDeficitPlusOne)
{
    const TargetCase tc = GetParam();
    Finished(0, 0, tc.runs0);
    Finished(1, 1, tc.runs1);
    Finished(2, tc.third, tc.runs2);
    g.Current.nInnings = 3;
    g.Current.nBatSide = static_cast<std::int16_t>(tc.third);
    g.Current.nBowlSide = static_cast<std::int16_t>(1 - tc.third);
    NewInnings(g, 3);
    EXPECT_EQ(g.Current.nTarget, tc.target);
    if (*tc.text) {
        EXPECT_EQ(g.Current.nBatSide, 1 - tc.third);
        EXPECT_EQ(Inn(3).nStatus, INNINGS_INPROGRESS);
        EXPECT_EQ(TargetText(g), tc.text);
    } else {
        EXPECT_EQ(Inn(3).nStatus, INNINGS_NOTSTARTED);
        EXPECT_TRUE(g.queue.Empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Innings, InningsTarget,
    ::testing::Values(TargetCase{0, 300, 250, 200, 251, "Away need 251 runs to win.\n\n"},  // 300 + 200 - 250 + 1
                      TargetCase{0, 300, 350, 50, 1, "Away need 1 run to win.\n\n"},
                      TargetCase{1, 500, 200, 350, 51, "Home need 51 runs to win.\n\n"},  // 200 + 350 - 500 + 1
                      TargetCase{1, 500, 200, 250, 0, ""}));                               // an innings defeat

TEST_F(InningsTest, LeadTexts)
{
    FirstInnings(300, 299);
    EXPECT_EQ(LeadText(g), "Home lead by 1 run on first innings.\n\n");
    FirstInnings(250, 300);
    EXPECT_EQ(LeadText(g), "Away lead by 50 runs on first innings.\n\n");
    FirstInnings(300, 300);
    EXPECT_EQ(LeadText(g), "Scores are equal after first innings.\n\n");
}

// --- declarations ---------------------------------------------------------

// When a computer side at the crease declares: the totals of the innings
// before (Home batting first, no follow-on), its own runs, the day and the
// overs bowled that day.
struct DeclareCase {
    const char* what;
    int innings, before[3], runs, day, oversToday;
    bool declares;
};

TEST_F(InningsTest, ComputerDeclaresByTheLeadAndTheOversLeft)
{
    const DeclareCase cases[] = {
        // First innings: 400 runs after 200 overs (2 * 90 + 20).
        {"399 after 200 overs", 0, {}, 399, 3, 20, false},
        {"400 after 199 overs", 0, {}, 400, 3, 19, false},
        {"400 after 200 overs", 0, {}, 400, 3, 20, true},
        // Second innings, 60 overs left (180 < d): d = 200 is not over 200.
        {"200 ahead late on", 1, {200}, 400, 5, 30, false},
        {"201 ahead late on", 1, {200}, 401, 5, 30, true},
        {"249 ahead on day 1", 1, {351}, 600, 1, 0, false},
        {"600 and 250 ahead on day 1", 1, {350}, 600, 1, 0, true},
        // Third innings: five hundred ahead.
        {"499 ahead", 2, {300, 200}, 399, 2, 0, false},
        {"500 ahead", 2, {300, 200}, 400, 2, 0, true},
        // Never in the fourth innings.
        {"fourth innings", 3, {300, 250, 200}, 1000, 5, 80, false},
    };
    for (const DeclareCase& dc : cases) {
        SCOPED_TRACE(dc.what);
        for (int i = 0; i < dc.innings; ++i) Finished(i, i % 2, dc.before[i]);
        InInnings(dc.innings, dc.innings % 2, dc.runs);
        At(dc.day, dc.oversToday);
        EXPECT_EQ(ComputerDeclares(g, dc.innings), dc.declares ? 1 : 0);
        EXPECT_EQ(g.pInnings->nStatus, dc.declares ? INNINGS_DECLARED : INNINGS_INPROGRESS);
        if (dc.declares) {
            EXPECT_EQ(LastReplayByte(), 255);
        }
    }

    // Nor for a person's side.
    g.Series.nControl[0] = CONTROL_HUMAN;
    InInnings(0, 0, 700);
    At(4, 0);
    EXPECT_EQ(ComputerDeclares(g, 0), 0);
}

TEST_F(InningsTest, PersonDeclaresAComputerSideIsNeverAsked)
{
    InInnings(0, 0, 1);
    EXPECT_FALSE(AskDeclare(g));
    EXPECT_TRUE(host.boxes.empty());

    g.Series.nControl[0] = CONTROL_HUMAN;
    host.Answer(IDYES);
    EXPECT_TRUE(AskDeclare(g));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "You are ahead by 1 run.\nDo you want to declare?");
    EXPECT_EQ(host.boxes[0].caption, "Home 1st Innings");
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_DECLARED);
    EXPECT_EQ(LastReplayByte(), 255);
}

TEST_F(InningsTest, DeclarationQuestionsBehindAndLevel)
{
    g.Series.nControl[1] = CONTROL_HUMAN;
    Finished(0, 0, 100);
    InInnings(1, 1, 99);
    host.Answer(IDNO);
    EXPECT_FALSE(AskDeclare(g));
    EXPECT_EQ(host.boxes.back().text, "You are behind by 1 run.\nDo you want to declare?");
    EXPECT_EQ(host.boxes.back().caption, "Away 1st Innings");
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_INPROGRESS);

    // Away followed on: 100 - 60 = 40 behind, so 40 more level the scores.
    Finished(1, 1, 60);
    InInnings(2, 1, 40);
    host.Answer(IDNO);
    EXPECT_FALSE(AskDeclare(g));
    EXPECT_EQ(host.boxes.back().text, "The scores are level.\nDo you want to declare?");
    EXPECT_EQ(host.boxes.back().caption, "Away 2nd Innings");
}

// --- the result after an innings -------------------------------------------

// An innings that has just ended decides the Test, or the other side bats again.
TEST_F(InningsTest, AnEndedInningsDecidesTheTestWhenNobodyCanBatAgain)
{
    const struct {
        const char* what;
        int innings, batSide, before[3], runs;
        bool result;
    } cases[] = {
        {"an innings defeat: 200 + 249 short of 450", 2, 0, {200, 450}, 249, true},
        {"level after three innings: the other side must bat again", 2, 0, {200, 450}, 250, false},
        {"a tie: 250 + 250 = 500 = 300 + 200", 3, 1, {300, 250, 200}, 250, true},
        {"the fourth innings past the others' total", 3, 1, {300, 250, 200}, 251, false},
    };
    for (const auto& rc : cases) {
        SCOPED_TRACE(rc.what);
        for (int i = 0; i < rc.innings; ++i) Finished(i, i % 2, rc.before[i]);
        InInnings(rc.innings, rc.batSide, rc.runs);
        g.pInnings->nStatus = INNINGS_ENDED;
        CheckResult(g);
        EXPECT_EQ(g.pInnings->nStatus, rc.result ? INNINGS_RESULT : INNINGS_ENDED);
    }
}

// --- the end of an innings ---------------------------------------------------

TEST_F(InningsTest, UnbrokenPartnershipAndPointsWhenDeclared)
{
    INNINGS& in = *g.pInnings;
    in.nTotal = 250;
    in.nWickets = 7;
    in.nStatus = INNINGS_DECLARED;
    g.Current.nStriker = 8;
    g.Current.nNonStriker = 3;
    in.Bat[8] = BAT{};
    in.Bat[8].nRuns = 40;
    in.Bat[8].nHowOut = HOWOUT_NOTOUT;
    in.Bat[3].nRuns = 75;
    in.Bat[3].nHowOut = HOWOUT_NOTOUT;
    in.nBowlers[0] = kFast;
    in.nBowlers[1] = kFastMedium;
    in.nBowlers[2] = kMedium;
    Bowl(kFast).nWickets = 5;
    Bowl(kFastMedium).nRuns = 40;   // no wicket: 3 x 40 off
    Bowl(kMedium).nWickets = 2;     // neither
    g.Current.nTime = 1200;
    g.pTest->bBreak = 0;

    EndInnings(g);

    const FOW& f = g.pTest->Innings[0].Fow[7];
    EXPECT_EQ(f.nBatA, 3);
    EXPECT_EQ(f.nBatB, 8);
    EXPECT_EQ(f.nScore, 250);
    EXPECT_EQ(f.bUnbroken, 1);
    EXPECT_EQ(BowlPoints(kFast, 1), 100);
    EXPECT_EQ(BowlPoints(kFastMedium, 1), -120);
    EXPECT_EQ(BowlPoints(kMedium, 1), 0);
    EXPECT_EQ(BatPoints(8, 0), 40);
    EXPECT_EQ(BatPoints(3, 0), 75);
    EXPECT_TRUE(Highlighted("End of innings:  Home  250 for 7 declared"));

    // The ten-minute changeover, no interval at 12:00.
    EXPECT_EQ(g.Current.nTime, 1210);
    EXPECT_EQ(g.Current.nOversRequired, 88);
    EXPECT_EQ(g.Current.nInnings, 1);
    ASSERT_EQ(Posted(), std::vector<std::uint32_t>{WM_NEWINNINGS});
    EXPECT_EQ(g.queue.Pop()->wParam, 1);
}

TEST_F(InningsTest, TenthWicketLeavesNoUnbrokenPartnership)
{
    INNINGS& in = *g.pInnings;
    in.nTotal = 180;
    in.nWickets = 10;
    in.nStatus = INNINGS_ENDED;
    in.Fow[9] = FOW{};
    in.Fow[9].nBatA = 9;
    in.Fow[9].nBatB = 10;
    in.Fow[9].nScore = 180;
    g.Current.nStriker = 9;
    g.Current.nNonStriker = 10;
    in.Bat[9].nHowOut = HOWOUT_CAUGHT;
    in.Bat[10].nHowOut = HOWOUT_NOTOUT;
    in.Bat[10].nRuns = 12;
    in.nBowlers[0] = kLegSpin;
    Bowl(kLegSpin).nWickets = 10;

    EndInnings(g);

    for (const FOW& f : g.pTest->Innings[0].Fow) EXPECT_EQ(f.bUnbroken, 0);
    EXPECT_EQ(g.pTest->Innings[0].Fow[9].nBatA, 9);
    EXPECT_EQ(BowlPoints(kLegSpin, 1), 700);  // 20 x 10 + 500
    EXPECT_EQ(BatPoints(10, 0), 12);
    EXPECT_EQ(BatPoints(9, 0), 0);
    EXPECT_TRUE(Highlighted("End of innings:  Home  180 all out"));
}

TEST_F(InningsTest, ChangeoverIntoLunch)
{
    // 12:55 + 10 projects to 13:05, inside lunch: the clock goes to lunch's
    // end less the changeover (13:40 - 13:05 added to 12:55, carried: 13:30),
    // and the day's overs are not reduced.
    g.pInnings->nWickets = 10;
    g.pInnings->nStatus = INNINGS_ENDED;
    g.Current.nTime = 1255;
    EndInnings(g);
    EXPECT_EQ(g.Current.nTime, 1330);
    EXPECT_EQ(g.Current.nOversRequired, 90);
    EXPECT_TRUE(WasPosted(WM_NEWINNINGS));
}

TEST_F(InningsTest, FourthInningsEndsTheTest)
{
    Finished(0, 0, 300);
    Finished(1, 1, 250);
    Finished(2, 0, 200);
    InInnings(3, 1, 240);
    g.pInnings->nWickets = 10;
    g.pInnings->nStatus = INNINGS_ENDED;
    g.Series.nControl[1] = 3;
    EndInnings(g);
    EXPECT_EQ(g.Current.nInnings, 4);
    EXPECT_EQ(g.Series.nControl[1], CONTROL_HUMAN);
    EXPECT_EQ(Posted(), std::vector<std::uint32_t>{WM_ENDTEST});
    EXPECT_TRUE(Logged("Posting WM_ENDTEST message from EndInnings ()\n"));
}

TEST_F(InningsTest, DeclaringBehindInTheThirdInningsDecidesTheTest)
{
    Finished(0, 0, 200);
    Finished(1, 1, 450);
    InInnings(2, 0, 100);  // 150 behind
    g.pInnings->nWickets = 3;
    g.pInnings->nStatus = INNINGS_DECLARED;
    g.Current.nStriker = 4;
    g.Current.nNonStriker = 5;
    EndInnings(g);
    EXPECT_EQ(Inn(2).nStatus, INNINGS_RESULT);
    EXPECT_EQ(Posted(), std::vector<std::uint32_t>{WM_ENDTEST});
}

// --- starting an innings -----------------------------------------------------

TEST_F(InningsTest, StartInningsOpensWithTheComputersChoices)
{
    Watch();
    g.Current.nPitch = 100;
    g.Current.nBounce = 20;
    Finished(0, 0, 300);
    g.Current.nBatSide = 1;
    g.Current.nBowlSide = 0;
    StartInnings(g, 1);

    const INNINGS& in = Inn(1);
    const CURRENT& c = g.Current;
    EXPECT_EQ(in.nStatus, INNINGS_INPROGRESS);
    EXPECT_EQ(in.nBatSide, 1);
    EXPECT_EQ(c.nStriker, 0);
    EXPECT_EQ(c.nNonStriker, 1);
    EXPECT_EQ(in.nOrder[0], 0);
    EXPECT_EQ(in.nOrder[1], 1);
    EXPECT_EQ(in.Bat[0].nHowOut, HOWOUT_NOTOUT);
    // The new-ball pair: the first of the list bowls the first over.
    EXPECT_EQ(c.nBowler, kFast);
    EXPECT_EQ(c.nOtherBowler, kFastMedium);
    EXPECT_EQ(in.nKeeperPos, 0);
    // Pitch eases by 30..69 and bounce by 25..54, never below 0.
    EXPECT_GE(c.nPitch, 31);
    EXPECT_LE(c.nPitch, 70);
    EXPECT_EQ(c.nBounce, 0);
    // Ten fielders of skill 10: (100 - 75) / 15 = 1.
    EXPECT_EQ(g.Series.nFieldingStrength, 1);
    // The computer opens the batting at 0 and the bowling at 10.
    EXPECT_EQ(c.nTeamAggression[1], 0);
    EXPECT_EQ(c.nTeamAggression[0], 10);
    EXPECT_TRUE(host.Saw("Starting bowlers are Home 11 & Home 10."));
    EXPECT_TRUE(host.SawCaption("New innings bowlers"));
    EXPECT_TRUE(WasPosted(WM_CONTINNINGS));
}

TEST_F(InningsTest, PersonPicksOpenersAndBowlers)
{
    g.Series.nControl[0] = CONTROL_HUMAN;
    g.Series.nControl[1] = CONTROL_HUMAN;
    host.AnswerDialog(Dialog::Openers, 3, 4);
    host.AnswerDialog(Dialog::NewBowler, kLegSpin);
    host.AnswerDialog(Dialog::NewBowler, kMedium);
    g.Current.nBatSide = 0;
    g.Current.nBowlSide = 1;
    StartInnings(g, 0);
    EXPECT_EQ(g.Current.nStriker, 3);
    EXPECT_EQ(g.Current.nNonStriker, 4);
    EXPECT_EQ(g.Current.nBowler, kLegSpin);
    EXPECT_EQ(g.Current.nOtherBowler, kMedium);
    EXPECT_TRUE(g.commands.Enabled(1305));
}

// --- announcements ----------------------------------------------------------

TEST_F(InningsTest, PartnershipOfFifty)
{
    INNINGS& in = *g.pInnings;
    in.nWickets = 2;
    in.Fow[1].nScore = 100;
    g.Current.nPartnerA = 2;
    g.Current.nPartnerB = 3;
    in.Bat[2].nRuns = 30;
    in.Bat[3].nRuns = 19;
    in.nTotal = 149;
    AnnouncePartnership(g, 4);  // 45 + 4 = 49: not yet
    EXPECT_FALSE(Highlighted("Partnership"));
    in.Bat[3].nRuns = 20;
    in.nTotal = 150;
    AnnouncePartnership(g, 4);  // 46 + 4 = 50
    EXPECT_TRUE(Highlighted("Partnership between Home 3 [30] & Home 4 [20]  is now worth 50 runs."));
}

TEST_F(InningsTest, FallOfWicketAndFiveWickets)
{
    Watch();
    INNINGS& in = *g.pInnings;
    g.Current.nOut = 4;
    in.Bat[4].nRuns = 23;
    in.Bat[4].nBalls = 41;
    in.Bat[4].nFours = 3;
    in.Bat[4].nHowOut = HOWOUT_CAUGHT;
    in.Bat[4].nBowler = kFast;
    in.Bat[4].nFielder = 2;
    Bowl(kFast).nBalls = 63;
    Bowl(kFast).nMaidens = 2;
    Bowl(kFast).nRuns = 45;
    Bowl(kFast).nWickets = 5;
    AnnounceWicket(g);
    EXPECT_TRUE(host.Saw("Home 5    ct  Away 3  b  Away 11    23\n  Balls  41    4's  3    6's  0"));
    EXPECT_TRUE(host.SawCaption("Fall of Wicket"));
    EXPECT_TRUE(host.Saw("Away 11    10.3 - 2 - 45 - 5"));
    EXPECT_TRUE(host.SawCaption("Bowling Achievement"));
}

}  // namespace
}  // namespace ovs::test
