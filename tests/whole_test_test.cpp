// Whole Tests between computer sides through the real flow, over many seeds:
// the scorecards add up, nothing leaves its range, every Test ends by the
// fifth day, and a seed decides a Test byte for byte.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/match.h"
#include "file_fixtures.h"
#include "scorecard_check.h"

namespace ovs {
namespace {

// A started game that plays one-Test series between computer sides.
struct Session : test::StartedGame {
    using StartedGame::StartedGame;

    // One Test of a one-Test series between squads home and away; false when
    // the series was refused, did not end, or left its ranges on the way.
    bool PlayTest(int home, int away, bool allowWeather = true)
    {
        if (!StartComputerSeries(home, away, 1, allowWeather)) return false;
        bool inRange = true;
        // Between any two steps the clock and the conditions are in range.
        const bool ended = PumpToEnd(
            [&](std::uint32_t, std::int32_t) {
                ++handled;
                if (!inRange || !g.pTest || std::strcmp(g.pTest->szResult, "In progress.") != 0) return;
                const CURRENT& c = g.Current;
                if ((c.nTime != 0 && (c.nTime % 100 >= 60 || c.nTime < 800 || c.nTime >= 2400)) || c.nDay < 1 ||
                    c.nDay > 5 || c.nOutfield < 0 || c.nOutfield > 499 || c.nWeather < 0 || c.nWeather >= 45 ||
                    c.nOversToday < 0) {
                    ADD_FAILURE() << "time " << c.nTime << " on day " << c.nDay << ", outfield " << c.nOutfield
                                  << ", weather " << c.nWeather << ", overs " << c.nOversToday;
                    inRange = false;
                }
            },
            2'000'000);
        return ended && inRange;
    }

    long handled = 0;  // messages handled by PlayTest
};

// What a Test leaves behind: its innings, its result, its replay stream.
std::vector<unsigned char> Image(const TEST& t)
{
    std::vector<unsigned char> b(sizeof t.Innings + sizeof t.szResult + sizeof t.Replay);
    std::memcpy(b.data(), t.Innings, sizeof t.Innings);
    std::memcpy(b.data() + sizeof t.Innings, t.szResult, sizeof t.szResult);
    std::memcpy(b.data() + sizeof t.Innings + sizeof t.szResult, &t.Replay, sizeof t.Replay);
    return b;
}

// The Test as a whole: every innings adds up, it has ended by the fifth day,
// and the match state is in range.
void CheckTest(const Game& g)
{
    const TEST& t = g.Series.Test[0];
    const std::string result = t.szResult;
    EXPECT_NE(result, "Not yet played.");
    EXPECT_NE(result, "In progress.");
    EXPECT_FALSE(result.empty());
    ovs::test::CheckFinishedTest(t, 0);

    const CURRENT& c = g.Current;
    EXPECT_GE(c.nDay, 1);
    EXPECT_LE(c.nDay, 5);
    EXPECT_GE(c.nOutfield, 0);
    EXPECT_LE(c.nOutfield, 499);
    EXPECT_GE(c.nWeather, 0);
    EXPECT_LT(c.nWeather, 45);
    EXPECT_GE(c.nPitch, 0);
    EXPECT_GE(c.nBounce, 0);
    for (int d = 1; d <= 5; ++d) EXPECT_LT(t.nStoppages[d], 250);

    EXPECT_LE(t.nWinner, 1);
}

TEST(WholeTest, ScorecardsAddUpOverManySeeds)
{
    Session s(1);
    ASSERT_TRUE(s.started);
    const int squads = s.g.db.NumSquads();
    ASSERT_GE(squads, 2);
    // OVALSPIN_WHOLE_SEEDS plays more seeds for a deeper run.
    std::uint32_t seeds = 24;
    if (const char* env = std::getenv("OVALSPIN_WHOLE_SEEDS")) seeds = static_cast<std::uint32_t>(std::atoi(env));
    int draws = 0, wins = 0;
    for (std::uint32_t seed = 1; seed <= seeds; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        s.g.rng.Seed(seed);
        int home = static_cast<int>(seed) % squads;
        int away = (home + 1 + static_cast<int>(seed / squads) % (squads - 1)) % squads;
        ASSERT_TRUE(s.PlayTest(home, away, seed % 4 != 0));
        CheckTest(s.g);
        (s.g.Series.Test[0].nWinner >= 0 ? wins : draws)++;
        if (::testing::Test::HasFailure()) break;
    }
    EXPECT_GT(wins, 0);
}

// Unwatched, the balls of an over are bowled in one step of the flow; a
// watched Test goes ball by ball. Either way the seed plays the same Test,
// and another seed plays another.
TEST(WholeTest, WatchedOrNotTheSeedPlaysTheSameTest)
{
    Session unwatched(77), watched(77);
    ASSERT_TRUE(unwatched.started && watched.started);
    watched.g.options.wPlayOptions |= 0x80;
    ASSERT_TRUE(unwatched.PlayTest(0, 1));
    ASSERT_TRUE(watched.PlayTest(0, 1));
    EXPECT_TRUE(Image(unwatched.g.Series.Test[0]) == Image(watched.g.Series.Test[0]));
    EXPECT_EQ(unwatched.g.deliveriesBowled, watched.g.deliveriesBowled);
    // Watched: at least the ball and its end for every delivery.
    EXPECT_GE(watched.handled, 2 * static_cast<long>(watched.g.deliveriesBowled));
    // Unwatched: the start, the balls and the end of each over, three steps.
    EXPECT_LT(unwatched.handled, static_cast<long>(unwatched.g.deliveriesBowled));

    Session other(78);
    ASSERT_TRUE(other.started && other.PlayTest(0, 1));
    EXPECT_FALSE(Image(other.g.Series.Test[0]) == Image(unwatched.g.Series.Test[0]));
}

}  // namespace
}  // namespace ovs
