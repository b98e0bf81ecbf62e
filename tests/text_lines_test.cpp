// The 78-column line engine at its edges, and the scoreboard's innings lines
// that depend on them: plurals, caught and bowled, an innings never begun.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "core/innings.h"
#include "fixtures.h"
#include "report/scoreboard_text.h"
#include "report/text_lines.h"

namespace ovs {
namespace {

// Everything a writer puts into a TextOutput, read back.
template <typename Write>
std::string Written(Write write)
{
    TextOutput out;
    std::FILE* f = std::tmpfile();
    out.file = f;
    write(out);
    out.file = nullptr;
    std::string text;
    std::rewind(f);
    for (int c; (c = std::fgetc(f)) != EOF;) text += static_cast<char>(c);
    std::fclose(f);
    return text;
}

TEST(TextLines, PlacingTextAtTheEdgesOfTheLine)
{
    const std::string full(78, 'x');
    EXPECT_EQ(Written([&](TextOutput& o) {
                  LinePut(o, full, 0);
                  LineWrite(o);
              }),
              full + "\n");
    // A 78-character text leaves no blank after it: the line still ends in a zero.
    TextOutput o;
    LinePut(o, full, 0);
    EXPECT_EQ(o.line[78], '\0');

    EXPECT_EQ(Written([](TextOutput& w) {
                  LinePutRight(w, "12345", 3);   // would start at -2: starts at 0
                  LinePut(w, "ab", 10);
                  LineWrite(w);
              }),
              "12345     ab\n");
    EXPECT_EQ(Written([](TextOutput& w) {
                  const int next = LinePutCentred(w, "abcde", 10);   // 10 - 5 / 2 = 8
                  EXPECT_EQ(next, 13);
                  LineWrite(w);
              }),
              "        abcde\n");
    EXPECT_EQ(Written([](TextOutput& w) { TextCentredLine(w, "Highest Innings"); }), std::string(31, ' ') + "Highest Innings\n");
    // Nothing is written while no file is open, and a missing inserted file says so.
    TextOutput closed;
    LinePut(closed, "lost", 0);
    LineWrite(closed);
    EXPECT_EQ(Written([](TextOutput& w) { TextInsertFile(w, "/nonexistent/inserted.txt"); }),
              std::string(20, ' ') + "** Intended Inserted File Not Found **\n");
}

class ScoreboardLines : public test::TwoSquadsFixture {
protected:
    void SetUp() override
    {
        test::TwoSquadsFixture::SetUp();
        test::SetUpOneTest(g, CONTROL_COMPUTER);
        INNINGS& in = g.Series.Test[0].Innings[0];
        in.nBatSide = 0;
        in.nBowlSide = 1;
        in.nStatus = INNINGS_ENDED;
        in.nOrder[0] = 0;
        in.nOrder[1] = 1;
        in.Bat[0].nHowOut = HOWOUT_CAUGHT;
        in.Bat[0].nBowler = 3;
        in.Bat[0].nFielder = 3;
        in.Bat[0].nRuns = 4;
        in.Bat[1].nHowOut = HOWOUT_NOTOUT;
        in.nBowlers[0] = 3;
        in.Bowl[3].nBalls = 11;
        in.nWickets = 1;
        in.Fow[0].nScore = 4;
        in.nTotalBalls = 11;
        in.nTotal = 4;
    }
    std::string Innings(int k)
    {
        return Written([&](TextOutput& o) { WriteInningsScoreboard(g, o, 0, k); });
    }
};

TEST_F(ScoreboardLines, OneWicketElevenBallsAndCaughtAndBowled)
{
    const std::string text = Innings(0);
    EXPECT_NE(text.find("(1 Wkt  1.5 Over)"), std::string::npos) << text;
    EXPECT_NE(text.find("\nFall of Wkt     4\n"), std::string::npos) << text;
    // "ct &" ends at column 43, the bowler follows at 44.
    const std::size_t line = text.find("ct &");
    ASSERT_NE(line, std::string::npos);
    const std::size_t start = text.rfind('\n', line) + 1;
    EXPECT_EQ(line - start + 4, 43u);
    EXPECT_EQ(text.substr(line + 4, 3), " b ") << text;

    INNINGS& in = g.Series.Test[0].Innings[0];
    in.nTotalBalls = 12;
    in.nWickets = 2;
    in.Fow[1].nScore = 9;
    EXPECT_NE(Innings(0).find("(2 Wkts  2.0 Overs)"), std::string::npos);
    // An innings without a ball bowled is left out entirely.
    EXPECT_EQ(Innings(1), "");
}

}  // namespace
}  // namespace ovs
