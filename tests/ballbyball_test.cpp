// The ball-by-ball scorecard file: the primitives on a hand-built over, and
// the file a seeded computer Test writes.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/ballbyball.h"
#include "core/game.h"
#include "core/match.h"
#include "file_fixtures.h"

namespace ovs {
namespace {

using test::Lines;
using test::ReadFile;

std::vector<std::string> ReadLines(const std::string& path) { return Lines(ReadFile(path)); }

const std::string kRule(78, '-');

// A game with no database: one innings in progress, slot 0 (A) and slot 1 (B)
// batting, slot 3 of the other side (a non-bowler: two-minute overs) bowling.
struct BallByBallTest : ::testing::Test {
    void SetUp() override
    {
        InitSeries(g.Series);
        g.Current.nTest = 0;
        g.Current.nInnings = 0;
        g.SelectTestAndInnings();
        InitTestForPlay(*g.pTest);
        InitInnings(*g.pInnings);
        g.pInnings->nBatSide = 0;
        g.pInnings->nBowlSide = 1;
        g.pInnings->nStatus = INNINGS_INPROGRESS;
        CURRENT& c = g.Current;
        c.nBatSide = 0;
        c.nBowlSide = 1;
        c.nPartnerA = c.nStriker = 0;
        c.nPartnerB = c.nNonStriker = 1;
        c.nBowler = 3;
        c.nTime = 1159;
        c.nOverRow = 0;
        path = (std::filesystem::path(host.DataDir()) / "BBB.TXT").string();
    }

    void Open() { ASSERT_TRUE(TextFileOpen(g.bbb.out, path, "wt")); }

    // One delivery as the engine books it: the counted ball, the code shown
    // under whoever received it, the outcome count.
    void Ball(int outcome, int runs = 0, bool legal = true)
    {
        CURRENT& c = g.Current;
        INNINGS& in = *g.pInnings;
        c.OverHistory[c.nOverRow].nMark[c.nBallInOver] = c.nStriker == c.nPartnerA ? 1 : 2;
        if (legal) {
            ++c.nBall;
            ++in.nTotalBalls;
            ++in.Bat[c.nStriker].nBalls;
        }
        in.Bat[c.nStriker].nRuns += runs;
        in.nTotal += legal ? runs : 1;
        BbbBallCode(g, outcome);
        ++c.nBallInOver;
        if (runs % 2) std::swap(c.nStriker, c.nNonStriker);
    }

    test::TestHost host;
    Game g{host};
    std::string path;
};

TEST_F(BallByBallTest, EveryPrimitiveIsSilentWithNoFileOpen)
{
    BbbWrite(g, "text\n");
    BbbInningsHeader(g);
    BbbOpenBlock(g);
    BbbStartLine(g);
    BbbBallCode(g, 2);
    BbbEndLine(g);
    BbbEventLine(g, "event");
    BbbIntervalLine(g, "** Lunch - Day 1 **");
    BbbCloseBlock(g);
    BbbHeader(g);
    BbbBeginOver(g);
    BbbWicketBall(g);
    BbbContinueOver(g);
    BbbInningsScoreboard(g);
    BbbEndTest(g, 0);
    CloseBallByBall(g, "Closing Ovalspin\n");
    EXPECT_FALSE(BbbIsOpen(g));
    EXPECT_EQ(g.bbb.bBlockOpen, 0);
    EXPECT_EQ(g.bbb.bLineOpen, 0);
    EXPECT_TRUE(std::filesystem::is_empty(host.DataDir()));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(BallByBallTest, OverLineHoldsEveryOutcomeUnderItsBatsman)
{
    Open();
    BbbBeginOver(g);                        // 11:59, bowler slot 3
    Ball(1);                                // A: dot
    Ball(8, 0, false);                      // A: a wide takes the second position
    Ball(2, 1);                             // A: single, B on strike
    Ball(5, 4);                             // B: four
    BbbEndOver(g);
    BbbCloseBlock(g);
    TextFileClose(g.bbb.out);

    const auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "");
    EXPECT_EQ(lines[1], kRule);
    EXPECT_EQ(lines[2], "| Time|Bl|                  |Rns|Bls|                  |Rns|Bls| Over|Totl|Wk|");
    EXPECT_EQ(lines[3], kRule);
    //                   0         1         2         3         4         5         6         7
    //                   012345678901234567890123456789012345678901234567890123456789012345678901234567
    EXPECT_EQ(lines[4], "|11:59| 4| .WD 1            |  1|  2|       4          |  4|  1|  0.3|   6| 0|");
    EXPECT_EQ(lines[5], kRule);
    EXPECT_EQ(lines[6], "");
}

TEST_F(BallByBallTest, WicketInMidOverGoesOnInANewBlock)
{
    Open();
    BbbBeginOver(g);
    Ball(1);
    Ball(2, 1);
    Ball(1);                                // B faced
    // The third legal ball bowls B: the over so far, the dismissal, the new man.
    g.Current.nOutcome = 32;
    Ball(32);
    ++g.pInnings->nWickets;
    BbbWicketBall(g);
    BbbWrite(g, "Out  b  Bowler  0\nBalls 2  4's 0  6's 0\n");
    g.Current.nPartnerB = g.Current.nStriker = 2;
    g.pInnings->Bat[2].nHowOut = HOWOUT_NOTOUT;
    BbbContinueOver(g);
    Ball(3, 2);
    BbbEndOver(g);
    TextFileClose(g.bbb.out);

    const auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 14u);
    EXPECT_EQ(lines[4], "|11:59| 4| . 1              |  1|  2|     .W!          |  0|  2|  0.4|   1| 1|");
    EXPECT_EQ(lines[5], kRule);
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "Out  b  Bowler  0");
    EXPECT_EQ(lines[8], "Balls 2  4's 0  6's 0");
    EXPECT_EQ(lines[9], "");
    EXPECT_EQ(lines[10], kRule);
    EXPECT_EQ(lines[12], kRule);
    // Four balls of a two-minute over: 11:59 + 1 minute, carried.
    EXPECT_EQ(lines[13], "|12:00|" + std::string(" 4|") + std::string(18, ' ') + "|  1|  2|" +
                             std::string(8, ' ') + " 2" + std::string(8, ' ') + "|  2|  1|  0.5|   3| 1|");
    EXPECT_EQ(g.bbb.bLineOpen, 0);
    EXPECT_EQ(g.bbb.bBlockOpen, 1);
}

TEST_F(BallByBallTest, EventAfterTheSixthBallDoesNotReopenABlock)
{
    Open();
    BbbBeginOver(g);
    for (int k = 0; k < 5; ++k) Ball(1);
    Ball(7, 6);
    BbbEventLine(g, "Partnership between A [6] & B [0]\nis now worth 50 runs.");
    EXPECT_EQ(g.bbb.bBlockOpen, 0);
    EXPECT_EQ(g.bbb.bLineOpen, 0);
    // The end of the over finds nothing more to write.
    BbbEndOver(g);
    TextFileClose(g.bbb.out);
    const std::string text = ReadFile(path);
    const std::string tail = kRule + "\n\nPartnership between A [6] & B [0]\nis now worth 50 runs.\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
}

TEST_F(BallByBallTest, EventInMidOverContinuesTheOver)
{
    Open();
    BbbBeginOver(g);
    Ball(2, 1);
    BbbEventLine(g, "Event");
    EXPECT_EQ(g.bbb.bBlockOpen, 1);
    EXPECT_EQ(g.bbb.bLineOpen, 1);
    Ball(1);
    BbbEndOver(g);
    TextFileClose(g.bbb.out);
    const auto lines = ReadLines(path);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[7], "Event");
    // The second ball keeps its place in the over: the second position.
    EXPECT_EQ(lines[12].substr(0, 12), "|11:59| 4|  ");
    EXPECT_EQ(lines[12].substr(37, 6), "   .  ");
}

TEST_F(BallByBallTest, ClosingWritesTheRuleAndTheLine)
{
    Open();
    BbbBeginOver(g);
    CloseBallByBall(g, "Closing Ovalspin\n");
    EXPECT_FALSE(BbbIsOpen(g));
    const auto lines = ReadLines(path);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 3], kRule);
    EXPECT_EQ(lines[lines.size() - 2], "");
    EXPECT_EQ(lines.back(), "Closing Ovalspin");
}

TEST_F(BallByBallTest, LoadedPositionAppendsToTheTestsFile)
{
    {
        std::ofstream f(std::filesystem::path(host.DataDir()) / "ABCDEF1.TXT");
        f << "earlier\n";
    }
    std::strcpy(g.Series.szBallByBall[0], "ABCDEF1.TXT");
    g.Series.bBallByBall = 1;
    BbbContinue(g);
    ASSERT_TRUE(BbbIsOpen(g));
    CloseBallByBall(g, "Closing Ovalspin\n");
    EXPECT_EQ(ReadFile((std::filesystem::path(host.DataDir()) / "ABCDEF1.TXT").string()),
              "earlier\n\nContinuing from saved Position\nClosing Ovalspin\n");
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(BallByBallTest, LoadedPositionWithoutItsFileGoesOnWithoutOne)
{
    Open();
    std::strcpy(g.Series.szBallByBall[0], "MISSING1.TXT");
    std::filesystem::create_directory(std::filesystem::path(host.DataDir()) / "MISSING1.TXT");  // cannot be opened
    g.Series.bBallByBall = 1;
    BbbContinue(g);
    EXPECT_FALSE(BbbIsOpen(g));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Unable to open Ball by Ball Test file.");
    EXPECT_EQ(host.boxes[0].caption, "Ovalspin");
    // The file open before the load was abandoned.
    const auto lines = ReadLines(path);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "Abandonned Current Position");
}

TEST_F(BallByBallTest, FileNameFitsTheSeriesRecord)
{
    std::strcpy(g.Series.Squad[0].szShort, "Nmr.");
    std::strcpy(g.Series.Squad[1].szShort, "Sunday XI");
    EXPECT_EQ(BbbFileName(g, 0), "NMRSUN1.TXT");
    EXPECT_EQ(BbbFileName(g, 5), "NMRSUN6.TXT");
}

// --- A whole seeded Test ------------------------------------------------------

bool IsOverLine(const std::string& s)
{
    return s.size() >= 10 && s[0] == '|' && s.compare(0, 10, "| Time|Bl|") != 0;
}

TEST(BallByBallFile, SeededTestWritesTheWholeFile)
{
    test::StartedGame game(20260);
    ASSERT_TRUE(game.started);
    Game& g = game.g;
    ASSERT_TRUE(game.StartComputerSeries(0, 1, 1));
    g.Series.bBallByBall = 1;   // the box's tick, before the series starts
    ASSERT_TRUE(game.PumpToEnd());
    EXPECT_FALSE(BbbIsOpen(g));

    const TEST& t = g.Series.Test[0];
    const std::string name(g.Series.szBallByBall[0]);
    ASSERT_FALSE(name.empty());
    EXPECT_LE(name.size(), 12u);
    const auto lines = ReadLines((std::filesystem::path(game.host.DataDir()) / name).string());
    ASSERT_GT(lines.size(), 100u);

    // The header.
    const std::string home = g.db.squads[g.Series.nSquad[0]].szName, away = g.db.squads[g.Series.nSquad[1]].szName;
    EXPECT_EQ(lines[0], "Ovalspin Ball by Ball Scorecard");
    EXPECT_EQ(lines[1], std::string(49, '='));
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], home + " vs " + away);
    EXPECT_EQ(lines[5], "Played at " + std::string(g.db.grounds[g.Series.nGround[0]].szName));
    EXPECT_EQ(lines[6], "");
    EXPECT_EQ(lines[7], "");
    EXPECT_EQ(lines[8], "Current Conditions");
    const std::string winner = t.nTossWinner == 0 ? home : away;
    const bool bats = t.Innings[0].nBatSide == t.nTossWinner;
    std::size_t toss = 0;
    while (toss < 20 && toss < lines.size() && lines[toss].find(" won the toss") == std::string::npos) ++toss;
    ASSERT_LT(toss, 20u);
    EXPECT_EQ(lines[toss], winner + " won the toss and elected to " + (bats ? "bat." : "bowl."));
    EXPECT_EQ(lines[toss - 1], "");
    EXPECT_EQ(lines[toss + 1], "");

    // Every over line is 78 columns with its separators in place; every
    // block header sits between two rules.
    int overLines = 0, lunches = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string& s = lines[i];
        if (s.compare(0, 10, "| Time|Bl|") == 0) {
            EXPECT_EQ(lines[i - 1], kRule);
            EXPECT_EQ(lines[i + 1], kRule);
            continue;
        }
        if (s.rfind("** Lunch - Day ", 0) == 0) ++lunches;
        if (!IsOverLine(s)) continue;
        ++overLines;
        ASSERT_EQ(s.size(), 78u) << s;
        for (int col : {0, 6, 9, 28, 32, 36, 55, 59, 63, 69, 74, 77}) EXPECT_EQ(s[col], '|') << col << ": " << s;
        EXPECT_EQ(s[3], ':') << s;
        EXPECT_EQ(s[67], '.') << s;
    }
    EXPECT_GT(overLines, 100);
    EXPECT_GE(lunches, 1);

    // The last over line of each innings shows the innings' final figures,
    // and each innings has its header.
    for (int i = 0; i < 4; ++i) {
        const INNINGS& in = t.Innings[i];
        if (in.nStatus == INNINGS_NOTSTARTED || in.nTotalBalls == 0) continue;
        const std::string header =
            std::string(g.db.squads[g.Series.nSquad[in.nBatSide]].szName) + (i < 2 ? " 1st" : " 2nd") + " Innings";
        std::size_t at = 0;
        for (std::size_t k = 0; k < lines.size() && at == 0; ++k)
            if (lines[k] == header) at = k;
        ASSERT_NE(at, 0u) << header;
        std::string last;
        for (std::size_t k = at + 1; k < lines.size(); ++k) {
            if (lines[k].find(" Innings") != std::string::npos && !IsOverLine(lines[k])) break;
            if (IsOverLine(lines[k])) last = lines[k];
        }
        char score[40];
        std::snprintf(score, sizeof score, "%3d.%1d|%4d|%2d|", static_cast<int>(in.nTotalBalls) / 6,
                      static_cast<int>(in.nTotalBalls) % 6,
                      static_cast<int>(in.nTotal), static_cast<int>(in.nWickets));
        EXPECT_EQ(last.substr(64), score) << header;
    }

    // The result between empty lines, then the rule and the scoreboard.
    const std::string result = t.szResult;
    std::size_t at = 0;
    for (std::size_t k = 0; k < lines.size(); ++k)
        if (lines[k] == result) at = k;
    ASSERT_NE(at, 0u) << result;
    EXPECT_EQ(lines[at - 1], "");
    EXPECT_EQ(lines[at + 1], "");
    std::size_t rule = at + 1;
    while (rule < lines.size() && lines[rule] != kRule) ++rule;
    ASSERT_LT(rule + 1, lines.size());
    EXPECT_NE(lines[rule + 1].find("Ovalspin Scoreboard"), std::string::npos);
}

}  // namespace
}  // namespace ovs
