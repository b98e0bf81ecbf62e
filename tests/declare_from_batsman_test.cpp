// A person's side at the crease: declaring from the new-batsman box (after a
// wicket the innings may be closed instead of sending the next man in), and
// the three aggression commands of the Test menu.
#include <gtest/gtest.h>

#include <string>

#include "core/innings.h"
#include "core/menu.h"
#include "fixtures.h"
#include "sim/aggression.h"
#include "sim/booking.h"

namespace ovs::test {
namespace {

// Home (side 0), a person's side, bats in the first innings with 150 on the
// board; the striker is about to be bowled.
class DeclareFromBatsman : public InningsFixture {
protected:
    void SetUp() override
    {
        InningsFixture::SetUp();
        g.Series.nControl[0] = CONTROL_HUMAN;
        INNINGS& in = *g.pInnings;
        in.nTotal = 150;
        in.nTotalBalls = 200;
        in.Bat[0].nRuns = 70;
        in.Bat[1].nRuns = 60;
        Bowl(kFast).nBalls = 60;
    }

    // The striker is bowled; the person answers the batsman box with slot
    // `next`, ticking the declaration when `declare`.
    int BowledAndAnswered(int next, bool declare)
    {
        host.AnswerDialog(Dialog::NewBatsman, next, declare ? 1 : 0);
        g.Current.nOutcome = 32;
        return FallOfWicket(g, HOWOUT_BOWLED, -1, 0);
    }
};

TEST_F(DeclareFromBatsman, TickedDeclarationClosesTheInningsWithNobodyNewIn)
{
    INNINGS& in = *g.pInnings;
    EXPECT_EQ(BowledAndAnswered(2, true), 1);

    EXPECT_EQ(host.DialogRuns(Dialog::NewBatsman), 1);
    EXPECT_EQ(in.nStatus, INNINGS_DECLARED);
    EXPECT_EQ(in.nWickets, 1);
    EXPECT_EQ(in.Bat[0].nHowOut, HOWOUT_BOWLED);
    // The man chosen in the box never came in.
    EXPECT_EQ(in.Bat[2].nHowOut, HOWOUT_DIDNOTBAT);
    EXPECT_EQ(g.Current.nStriker, 0);
    // A replay finds the declaration where the next batsman would stand.
    EXPECT_EQ(LastReplayByte(), 255);

    // The end of the innings calls it a declaration.
    EndInnings(g);
    EXPECT_TRUE(Highlighted("End of innings:  Home  150 for 1 declared"));
}

TEST_F(DeclareFromBatsman, UntickedBoxSendsTheChosenBatsmanIn)
{
    INNINGS& in = *g.pInnings;
    EXPECT_EQ(BowledAndAnswered(3, false), 0);

    EXPECT_EQ(in.nStatus, INNINGS_INPROGRESS);
    EXPECT_EQ(in.Bat[3].nHowOut, HOWOUT_NOTOUT);
    EXPECT_EQ(g.Current.nStriker, 3);
    EXPECT_EQ(in.nOrder[2], 3);
}

TEST_F(DeclareFromBatsman, SecondInningsSideBehindMayStillDeclare)
{
    Finished(0, 1, 400);
    InInnings(1, 0, 150);
    INNINGS& in = *g.pInnings;
    in.nOrder[0] = 0;
    in.nOrder[1] = 1;
    in.Bat[0].nHowOut = in.Bat[1].nHowOut = HOWOUT_NOTOUT;

    EXPECT_EQ(BowledAndAnswered(2, true), 1);
    EXPECT_EQ(in.nStatus, INNINGS_DECLARED);
}

TEST_F(DeclareFromBatsman, NoDeclarationInTheFourthInningsNorThirdWhenBehind)
{
    // Fourth innings: the box never offers it, and a stray tick is ignored.
    Finished(0, 0, 300);
    Finished(1, 1, 250);
    Finished(2, 0, 200);
    InInnings(3, 1, 100);
    g.Series.nControl[1] = CONTROL_HUMAN;
    g.Current.nBowler = kFast;
    {
        INNINGS& in = *g.pInnings;
        in.Bat[0].nHowOut = in.Bat[1].nHowOut = HOWOUT_NOTOUT;
        EXPECT_EQ(BowledAndAnswered(4, true), 0);
        EXPECT_EQ(in.nStatus, INNINGS_INPROGRESS);
        EXPECT_EQ(in.Bat[4].nHowOut, HOWOUT_NOTOUT);
    }

    // Third innings, Home 60 behind: 300 + 110 against Away's 470.
    Finished(0, 0, 300);
    Finished(1, 1, 470);
    InInnings(2, 0, 110);
    {
        INNINGS& in = *g.pInnings;
        in.Bat[0].nHowOut = in.Bat[1].nHowOut = HOWOUT_NOTOUT;
        g.Current.nStriker = g.Current.nPartnerA = 0;
        g.Current.nNonStriker = g.Current.nPartnerB = 1;
        ASSERT_LT(ThirdInningsLead(g, in.nTotal), 0);
        EXPECT_EQ(BowledAndAnswered(5, true), 0);
        EXPECT_EQ(in.nStatus, INNINGS_INPROGRESS);
        EXPECT_EQ(in.Bat[5].nHowOut, HOWOUT_NOTOUT);
    }
}

// The aggression commands open their boxes through the host even with
// automatic display off, after the unset pairings took the defaults; the
// aggression pane is redrawn from 800 pixels wide.
TEST_F(DeclareFromBatsman, AggressionCommandsAlwaysOpenTheirBoxes)
{
    CURRENT& c = g.Current;
    g.options.wShowMessages = static_cast<std::uint16_t>(g.options.wShowMessages | kNoAutoAggressionDialogs);
    g.options.nPlayerBatAggression = 7;
    g.options.nPlayerBowlAggression = 2;
    c.nBatVsBowl[1][kFast] = 4;

    g.nMainWidth = 640;
    ControlMenu(g, CMD_BATAGGRESSION);
    ASSERT_EQ(host.DialogRuns(Dialog::BatAggression), 1);
    EXPECT_EQ(host.dialogsRun.back().side, 0);
    EXPECT_EQ(host.refreshMask & PANE_AGGRESSION, 0u);
    // Both batsmen against both bowlers; a value already chosen stays.
    EXPECT_EQ(c.nBatVsBowl[0][kFast], 7);
    EXPECT_EQ(c.nBatVsBowl[0][kFastMedium], 7);
    EXPECT_EQ(c.nBatVsBowl[1][kFast], 4);
    EXPECT_EQ(c.nBatVsBowl[1][kFastMedium], 7);
    EXPECT_EQ(c.nBatVsBowl[2][kFast], kPairingUnset);

    g.nMainWidth = 800;
    ControlMenu(g, CMD_BOWLAGGRESSION);
    ASSERT_EQ(host.DialogRuns(Dialog::BowlAggression), 1);
    EXPECT_EQ(host.dialogsRun.back().side, 1);
    EXPECT_NE(host.refreshMask & PANE_AGGRESSION, 0u);
    EXPECT_EQ(c.nBowlVsBat[kFast][0], 2);
    EXPECT_EQ(c.nBowlVsBat[kFastMedium][1], 2);

    // The team box; what the person chooses there is applied by the box.
    host.ScriptDialog(Dialog::TeamAggression, [this](DialogRequest& req) {
        TeamAggressionView v = TeamAggressionState(g);
        EXPECT_EQ(v.label[0], "Home - Batting");
        EXPECT_EQ(v.label[1], "Away - Bowling");
        EXPECT_TRUE(v.editable[0]);    // Home is the person's
        EXPECT_FALSE(v.editable[1]);
        v.value[0] = 9;
        v.value[1] = 0;
        ApplyTeamAggression(g, v);
        req.result = IDOK;
        return true;
    });
    ControlMenu(g, CMD_TEAMAGGRESSION);
    EXPECT_EQ(host.DialogRuns(Dialog::TeamAggression), 1);
    EXPECT_EQ(c.nTeamAggression[0], 9);
    EXPECT_EQ(c.nTeamAggression[1], 5);
}

}  // namespace
}  // namespace ovs::test
