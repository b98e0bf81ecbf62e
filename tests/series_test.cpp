// The series: the new-series checks, its set-up and start, the result of a
// Test with its wording and tallies, injuries, and the end of a series.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/result.h"
#include "core/series.h"
#include "data/stores.h"
#include "fixtures.h"

namespace ovs {
namespace {

class SeriesTest : public test::TwoSquadsFixture {
protected:
    void SetUp() override
    {
        TwoSquadsFixture::SetUp();
        std::snprintf(g.db.squads[0].szName, sizeof g.db.squads[0].szName, "England");
        std::snprintf(g.db.squads[1].szName, sizeof g.db.squads[1].szName, "Australia");
    }

    // A series of `tests` Tests with Test 0 in play at ground 2.
    void StartSeries(int tests = 3)
    {
        std::string refusal;
        ASSERT_TRUE(SetUpComputerSeries(g, 0, 1, tests, true, refusal)) << refusal;
        g.Current.nTest = 0;
        g.pTest = &g.Series.Test[0];
        InitTestForPlay(*g.pTest);
        g.pTest->nGround = 2;
    }

    // Innings i batted by `side`: runs, wickets and status.
    void Innings(int i, int side, int runs, int wickets, int status = INNINGS_ENDED)
    {
        INNINGS& in = g.pTest->Innings[i];
        in.nBatSide = side;
        in.nBowlSide = 1 - side;
        in.nTotal = runs;
        in.nWickets = wickets;
        in.nStatus = status;
        g.Current.nInnings = i + 1;
    }
};

// --- the new-series checks ------------------------------------------------------

TEST_F(SeriesTest, ChecksRefuseTheSameSquadAndSharedPlayersWithAWarning)
{
    bool warning = false;
    EXPECT_EQ(CheckNewSeries(g, 1, 1, 0, &warning), "Selected same Squad twice!");
    EXPECT_TRUE(warning);

    PLAYER& p = g.db.players[3];
    std::snprintf(p.szSurname, sizeof p.szSurname, "Anderson");
    std::snprintf(p.szInitials, sizeof p.szInitials, "J.M.");
    g.db.squads[1].nPlayer[9] = 3;
    warning = false;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3, &warning), "J.M. Anderson is in both Squads!");
    EXPECT_TRUE(warning);
    p.szInitials[0] = '\0';
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "Anderson is in both Squads!");
}

TEST_F(SeriesTest, ChecksPassForTwoFullSquadsAndRefuseInOrderWithoutAWarning)
{
    bool warning = true;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 6, &warning), "");
    EXPECT_FALSE(warning);
    warning = true;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 0, &warning), "Invalid number of Tests.");
    EXPECT_FALSE(warning);
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 7), "Invalid number of Tests.");

    g.db.squads[0].nMembers = 10;
    g.db.squads[1].nMembers = 10;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "Home Squad does not have enough players.");
    g.db.squads[0].nMembers = 11;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "Away Squad does not have enough players.");
    g.db.squads[1].nMembers = 14;
    g.db.squads[0].nMembers = 14;

    // Eleven fit of fourteen can play; ten cannot.
    for (int m : {0, 1, 2}) g.db.players[m].nInjury = 1;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "");
    g.db.players[3].nInjury = 2;
    for (int m : {16, 17, 18, 19}) g.db.players[m].nInjury = 1;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "Home Squad does not have enough fit players.");
    g.db.players[3].nInjury = 0;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "Away Squad does not have enough fit players.");
    g.db.players[19].nInjury = 0;

    // Six Tests need six home grounds.
    g.db.squads[0].nGrounds = 5;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 5), "");
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 6), "Home Squad does not have enough Test venues.");

    g.db.numbers.nSquads = 1;
    EXPECT_EQ(CheckNewSeries(g, 0, 1, 3), "Not enough Squads to play a Series.");
}

TEST_F(SeriesTest, ComputerSeriesIsSetUpAsTheBoxWould)
{
    g.db.squads[0].nGround[1] = 7;
    std::string refusal;
    ASSERT_TRUE(SetUpComputerSeries(g, 0, 1, 4, false, refusal));
    EXPECT_EQ(refusal, "");
    const SERIES& s = g.Series;
    EXPECT_EQ(s.nControl[0], CONTROL_COMPUTER);
    EXPECT_EQ(s.nControl[1], CONTROL_COMPUTER);
    EXPECT_STREQ(s.szPlayer[0], "Computer");
    EXPECT_STREQ(s.szPlayer[1], "Computer");
    EXPECT_EQ(s.nSquad[0], 0);
    EXPECT_EQ(s.nSquad[1], 1);
    EXPECT_EQ(s.nNumTests, 4);
    EXPECT_EQ(s.bAllowWeather, 0);
    EXPECT_EQ(s.bPickComputerTeams, 0);
    const int venues[6] = {0, 7, 2, 3, 4, 5};
    for (int k = 0; k < 6; ++k) EXPECT_EQ(s.nGround[k], venues[k]);
    EXPECT_STREQ(s.Test[0].szResult, "Not yet played.");

    EXPECT_FALSE(SetUpComputerSeries(g, 0, 0, 2, true, refusal));
    EXPECT_EQ(refusal, "Selected same Squad twice!");
    EXPECT_EQ(g.Series.nNumTests, 4);  // refused: the series stays as it was
}

TEST_F(SeriesTest, HumanSidesArePlayersOneAndTwo)
{
    ApplyNewSeries(g, 0, 1, 2, true, true, true, true);
    EXPECT_EQ(g.Series.nControl[0], CONTROL_HUMAN);
    EXPECT_STREQ(g.Series.szPlayer[0], "Player No. 1");
    EXPECT_STREQ(g.Series.szPlayer[1], "Player No. 2");
    EXPECT_EQ(g.Series.bPickComputerTeams, 1);
    ApplyNewSeries(g, 0, 1, 2, false, true, false, true);
    EXPECT_STREQ(g.Series.szPlayer[0], "Computer");
    EXPECT_STREQ(g.Series.szPlayer[1], "Player No. 1");
}

// --- the start of a series --------------------------------------------------------

TEST_F(SeriesTest, StartingAPreparedSeriesSnapshotsAndPostsTheFirstTest)
{
    std::snprintf(g.db.players[20].szSurname, sizeof g.db.players[20].szSurname, "Warne");
    g.db.grounds[3].nStart = 1030;
    std::string refusal;
    ASSERT_TRUE(SetUpComputerSeries(g, 0, 1, 3, true, refusal));
    g.Current.nTest = -1;
    StartNewSeries(g, 1);
    EXPECT_EQ(g.Current.nTest, 0);
    EXPECT_EQ(g.Current.bLeagueMatch, 0);
    EXPECT_STREQ(g.Series.Squad[1].szName, "Australia");
    EXPECT_EQ(g.Series.Squad[1].nMembers, 16);
    EXPECT_EQ(g.Series.Squad[1].nSpare, -1);
    EXPECT_STREQ(g.Series.Player[4][1].szSurname, "Warne");
    EXPECT_EQ(g.Series.Venue[3].nStart, 1030);
    EXPECT_EQ(g.Series.Venue[3].nWeather[0], g.db.grounds[3].nWeather[0]);
    EXPECT_TRUE(g.queue.Peek(WM_NEWTEST));
    EXPECT_EQ(log, "Posting WM_NEWTEST message from StartNewSeries ()  (wParam = 0)\n");
    EXPECT_FALSE(g.commands.Enabled(1201));
    EXPECT_TRUE(g.commands.Enabled(1205));
}

TEST_F(SeriesTest, NewSeriesBoxCancelledStartsNothing)
{
    StartNewSeries(g, 0);  // the host shows no box: no series
    EXPECT_EQ(host.DialogRuns(Dialog::NewSeries), 1);
    EXPECT_TRUE(g.queue.Empty());
    EXPECT_TRUE(g.commands.Enabled(1201));
}

// --- the result of a Test --------------------------------------------------------

// England (home, squad 0) against Australia at ground 2: the innings as they
// stood, the wording, and who won (-1 none; a tie is told apart by its text).
struct ResultCase {
    const char* what;
    int innings[4][4];   // side, runs, wickets, status; side -1: not played
    const char* text;
    int winner;
};

const ResultCase kResults[] = {
    {"innings win under the follow-on: 450 - 200 - 180",
     {{0, 450, 10, INNINGS_ENDED}, {1, 200, 10, INNINGS_ENDED}, {1, 180, 10, INNINGS_RESULT}, {-1}},
     "England won by an Innings and 70 runs.", 0},
    {"innings win when the side batting third stays behind: 500 - 150 - 349, one run singular",
     {{0, 150, 10, INNINGS_ENDED}, {1, 500, 10, INNINGS_ENDED}, {0, 349, 10, INNINGS_RESULT}, {-1}},
     "Australia won by an Innings and 1 run.", 1},
    {"win by runs: 300 + 200 - 250 - 200",
     {{0, 300, 10, INNINGS_ENDED}, {1, 250, 10, INNINGS_ENDED}, {0, 200, 10, INNINGS_ENDED},
      {1, 200, 10, INNINGS_RESULT}},
     "England won by 50 runs.", 0},
    {"win by one run after following on: 150 + 400 - 400 - 149",
     {{0, 400, 10, INNINGS_ENDED}, {1, 150, 10, INNINGS_ENDED}, {1, 400, 10, INNINGS_ENDED},
      {0, 149, 10, INNINGS_RESULT}},
     "Australia won by 1 run.", 1},
    {"win by wickets",
     {{0, 300, 10, INNINGS_ENDED}, {1, 250, 10, INNINGS_ENDED}, {0, 200, 10, INNINGS_ENDED},
      {1, 251, 7, INNINGS_RESULT}},
     "Australia won by 3 wkts.", 1},
    {"win by one wicket, singular",
     {{0, 300, 10, INNINGS_ENDED}, {1, 250, 10, INNINGS_ENDED}, {0, 200, 10, INNINGS_ENDED},
      {1, 251, 9, INNINGS_RESULT}},
     "Australia won by 1 wkt.", 1},
    {"tie when the chase ends level",
     {{0, 300, 10, INNINGS_ENDED}, {1, 250, 10, INNINGS_ENDED}, {0, 200, 10, INNINGS_ENDED},
      {1, 250, 10, INNINGS_RESULT}},
     "Test was Tied.", -1},
    {"draw when time runs out",
     {{0, 600, 7, INNINGS_DECLARED}, {1, 312, 4, INNINGS_DRAWN}, {-1}, {-1}}, "Test Match Drawn.", -1},
};

// The wording, the winner and every tally the result moves: the series, both
// squads and the ground.
TEST_F(SeriesTest, ResultsAreWordedAndTallied)
{
    for (const ResultCase& rc : kResults) {
        SCOPED_TRACE(rc.what);
        StartSeries();
        for (int side = 0; side < 2; ++side) {
            SQUAD& s = g.db.squads[side];
            s.nPlayed = s.nWon = s.nLost = s.nDrawn = s.nTied = 0;
        }
        GROUND& gr = g.db.grounds[2];
        gr.nPlayed = gr.nHomeWins = gr.nHomeLosses = gr.nDraws = gr.nTies = 0;
        for (int i = 0; i < 4; ++i)
            if (rc.innings[i][0] >= 0) Innings(i, rc.innings[i][0], rc.innings[i][1], rc.innings[i][2], rc.innings[i][3]);

        EXPECT_EQ(TestResult(g), rc.text);
        EXPECT_STREQ(g.pTest->szResult, rc.text);
        EXPECT_EQ(g.pTest->nWinner, rc.winner);
        const bool tie = std::string(rc.text) == "Test was Tied.", draw = rc.winner < 0 && !tie;
        const SERIES& s = g.Series;
        EXPECT_EQ(s.nPlayed, 1);
        EXPECT_EQ(s.nHomeWins, rc.winner == 0 ? 1 : 0);
        EXPECT_EQ(s.nAwayWins, rc.winner == 1 ? 1 : 0);
        EXPECT_EQ(s.nTies, tie ? 1 : 0);
        EXPECT_EQ(s.nDraws, draw ? 1 : 0);
        for (int side = 0; side < 2; ++side) {
            const SQUAD& sq = g.db.squads[side];
            EXPECT_EQ(sq.nPlayed, 1) << side;
            EXPECT_EQ(sq.nWon, rc.winner == side ? 1 : 0) << side;
            EXPECT_EQ(sq.nLost, rc.winner == 1 - side ? 1 : 0) << side;
            EXPECT_EQ(sq.nTied, tie ? 1 : 0) << side;
            EXPECT_EQ(sq.nDrawn, draw ? 1 : 0) << side;
        }
        EXPECT_EQ(gr.nPlayed, 1);
        EXPECT_EQ(gr.nHomeWins, rc.winner == 0 ? 1 : 0);
        EXPECT_EQ(gr.nHomeLosses, rc.winner == 1 ? 1 : 0);
        EXPECT_EQ(gr.nTies, tie ? 1 : 0);
        EXPECT_EQ(gr.nDraws, draw ? 1 : 0);
    }
}

TEST_F(SeriesTest, ReplayedResultChangesNoCounter)
{
    StartSeries();
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    Innings(0, 0, 300, 10);
    Innings(1, 1, 250, 10);
    Innings(2, 0, 200, 10);
    Innings(3, 1, 200, 10, INNINGS_RESULT);
    EXPECT_EQ(TestResult(g), "England won by 50 runs.");
    EXPECT_EQ(g.pTest->nWinner, 0);
    EXPECT_EQ(g.Series.nPlayed, 0);
    EXPECT_EQ(g.Series.nHomeWins, 0);
    EXPECT_EQ(g.db.squads[0].nWon, 0);
    EXPECT_EQ(g.db.grounds[2].nPlayed, 0);
    // A replay is watched: the result is shown under the Test's ordinal.
    EXPECT_TRUE(host.SawCaption("1st Test"));
}

// --- the end of a Test ------------------------------------------------------------

TEST_F(SeriesTest, EndTestMovesToTheNextTestThenEndsTheSeries)
{
    StartSeries(2);
    Innings(0, 0, 600, 7, INNINGS_DECLARED);
    Innings(1, 1, 312, 4, INNINGS_DRAWN);
    EndTest(g);
    EXPECT_EQ(g.Current.nTest, 1);
    EXPECT_TRUE(g.queue.Peek(WM_NEWTEST));
    EXPECT_NE(log.find("Posting WM_NEWTEST message from EndTest () (wParam = 1)\n"), std::string::npos);
    EXPECT_FALSE(g.commands.Enabled(1305));
    EXPECT_TRUE(g.commands.Enabled(1205));

    g.queue.Clear();
    g.pTest = &g.Series.Test[1];
    InitTestForPlay(*g.pTest);
    g.pTest->nGround = 3;
    Innings(0, 1, 600, 7, INNINGS_DECLARED);
    Innings(1, 0, 312, 4, INNINGS_DRAWN);
    EndTest(g);
    EXPECT_EQ(g.Current.nTest, 2);
    EXPECT_TRUE(g.queue.Peek(WM_ENDSERIES));
    EXPECT_FALSE(g.queue.Peek(WM_NEWTEST));
    EXPECT_EQ(g.Series.nDraws, 2);
    EXPECT_EQ(g.db.grounds[3].nDraws, 1);
}

// Injuries: for each side, every fit member draws below 25; a 12 injures him
// for 2 (r < 6), 3 (r < 9) or 4 (r = 9) while more than 12 are fit. Then every
// injured member of both squads comes one Test nearer fitness.
TEST_F(SeriesTest, InjuriesFollowTheDrawsAndHeal)
{
    for (std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u, 7u, 8u}) {
        StartSeries();
        for (int p = 0; p < 32; ++p) g.db.players[p].nInjury = 0;
        g.db.players[5].nInjury = 3;
        Innings(0, 0, 600, 7, INNINGS_DECLARED);
        Innings(1, 1, 312, 4, INNINGS_DRAWN);
        g.rng.Seed(seed);
        Random shadow(seed);
        int expected[32];
        for (int p = 0; p < 32; ++p) expected[p] = g.db.players[p].nInjury;
        for (int side = 0; side < 2; ++side) {
            int unfit = side == 0 ? 1 : 0;
            for (int m = 0; m < 16; ++m) {
                int p = side * 16 + m;
                if (expected[p] != 0) continue;
                if (shadow.Below(25) == 12 && 16 - unfit > 12) {
                    int r = shadow.Below(10);
                    expected[p] = r < 6 ? 2 : r < 9 ? 3 : 4;
                    ++unfit;
                }
            }
        }
        EndTest(g);
        for (int p = 0; p < 32; ++p) EXPECT_EQ(g.db.players[p].nInjury, std::max(expected[p] - 1, 0)) << seed;
        EXPECT_EQ(g.db.players[5].nInjury, 2);
        EXPECT_EQ(g.rng.State(), shadow.State()) << seed;
    }
}

TEST_F(SeriesTest, NoInjuryWhileOnlyTwelveAreFit)
{
    for (std::uint32_t seed = 1; seed <= 20; ++seed) {
        StartSeries();
        for (int p = 0; p < 32; ++p) g.db.players[p].nInjury = p % 16 < 4 ? 5 : 0;  // 12 fit in each
        Innings(0, 0, 600, 7, INNINGS_DECLARED);
        Innings(1, 1, 312, 4, INNINGS_DRAWN);
        g.rng.Seed(seed);
        EndTest(g);
        for (int p = 0; p < 32; ++p) EXPECT_EQ(g.db.players[p].nInjury, p % 16 < 4 ? 4 : 0) << seed;
    }
}

TEST_F(SeriesTest, ReplayedTestEndsTheSeriesWithoutInjuries)
{
    StartSeries();
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    g.db.players[0].nInjury = 2;
    Innings(0, 0, 600, 7, INNINGS_DECLARED);
    Innings(1, 1, 312, 4, INNINGS_DRAWN);
    std::uint64_t before = g.rng.State();
    EndTest(g);
    EXPECT_EQ(g.rng.State(), before);
    EXPECT_EQ(g.db.players[0].nInjury, 2);
    EXPECT_EQ(g.Current.nTest, 0);
    EXPECT_TRUE(g.queue.Peek(WM_ENDSERIES));
}

// --- the series standing and its end ------------------------------------------------

TEST_F(SeriesTest, StandingPutsTheLargerCountFirst)
{
    StartSeries(3);
    g.Series.nHomeWins = 1;
    g.Series.nAwayWins = 2;
    EXPECT_EQ(SeriesStandingText(g), "England are currently losing 2 - 1.");
    std::snprintf(g.Series.Test[2].szResult, sizeof g.Series.Test[2].szResult, "Test Match Drawn.");
    EXPECT_EQ(SeriesStandingText(g), "England lost the series 2 - 1.");
    g.Series.nHomeWins = 2;
    g.Series.nAwayWins = 0;
    EXPECT_EQ(SeriesStandingText(g), "England won the series 2 - 0.");
    g.Series.nAwayWins = 2;
    EXPECT_EQ(SeriesStandingText(g), "England drew the series 2 - 2.");
}

TEST_F(SeriesTest, EndSeriesLeavesNoSeriesInPlay)
{
    StartSeries();
    StartNewSeries(g, 1);
    g.queue.Clear();
    EndSeries(g);
    EXPECT_EQ(g.Current.nTest, -1);
    EXPECT_TRUE(g.commands.Enabled(1201));
    EXPECT_TRUE(g.commands.Enabled(1800));
    EXPECT_FALSE(g.commands.Enabled(1202));
    EXPECT_TRUE(g.commands.Enabled(1601));
    EXPECT_EQ(host.DialogRuns(Dialog::SeriesSummary), 1);
    EXPECT_TRUE(g.queue.Empty());
}

TEST_F(SeriesTest, EndOfAReplayFromALeagueResultPutsTheSeriesInPlayBack)
{
    StartSeries(5);
    g.SeriesBackup[0] = g.Series;
    g.CurrentBackup[0] = g.Current;
    g.CurrentBackup[0].nInnings = 2;
    StartSeries(1);
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    SetReplayFlag(g, 16385);
    EndSeries(g);
    EXPECT_EQ(g.Series.nNumTests, 5);
    EXPECT_EQ(g.pInnings, &g.Series.Test[0].Innings[2]);
    EXPECT_EQ(g.wReplayFlag, 0);
    EXPECT_TRUE(g.commands.Enabled(1201));
    EXPECT_FALSE(g.commands.Enabled(1205));
}

}  // namespace
}  // namespace ovs
