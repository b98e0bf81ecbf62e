// Saved positions: a position saved at an over comes back byte for byte and
// plays on to a proper end of the series; and the resume, replay and
// db --careers commands end to end.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "core/flow.h"
#include "core/game.h"
#include "core/match.h"
#include "core/messages.h"
#include "data/files.h"
#include "file_fixtures.h"
#include "scorecard_check.h"
#include "test_host.h"

namespace ovs {
namespace {

constexpr long kLimit = 5'000'000;

// A data directory of its own with a copy of the shipped database, so that
// CURRENT.DAT is written beside that copy.
struct DataDir {
    DataDir() { std::filesystem::copy_file(test::DefaultDatabase(), Database()); }
    std::string Database() const { return dir.File(kDefaultDatabaseName); }
    std::string SavedPosition() const { return dir.File(kSavedPositionName); }
    test::TempDir dir{"ovs-resume"};
};

// The flow pumped as the commands pump it, stopping between two overs once
// `overs` have been bowled.
bool PlayOvers(Game& g, long overs)
{
    long bowled = 0;
    for (long n = 0; n < kLimit; ++n) {
        std::optional<AppMessage> m = g.queue.Pop();
        if (!m) return false;
        MainWndProc(g, m->msg, m->wParam, m->lParam);
        if (m->msg == WM_ENDOVER) ++bowled;
        if (m->msg == WM_CONTINNINGS && bowled >= overs && g.queue.Size() == 1 && g.queue.Peek(WM_NEWOVER))
            return true;
    }
    return false;
}

// Has the series ended (no Test in progress)?
bool SeriesOver(const Game& g)
{
    const int t = g.Current.nTest;
    return t < 0 || t >= g.Series.nNumTests || std::strcmp(g.Series.Test[t].szResult, "In progress.") != 0;
}

// A started game on the data directory's database.
struct Session : test::StartedGame {
    Session(const DataDir& data, std::uint32_t seed) : StartedGame(seed, data.dir.Path(), data.Database()) {}
};

using ovs::test::Bytes;
using ovs::test::CheckFinishedTest;
using ovs::test::Same;

TEST(ResumePosition, SavedAtAnOverLoadsBackByteForByteAndPlaysOnToTheEnd)
{
    DataDir data;
    std::string first;
    std::unique_ptr<SERIES> series = std::make_unique<SERIES>();
    CURRENT current{};
    {
        Session a(data, 11);
        ASSERT_TRUE(a.started);
        ASSERT_TRUE(a.StartComputerSeries(0, 1, 2));
        // 130 overs reach the second innings of the first Test or beyond.
        ASSERT_TRUE(PlayOvers(a.g, 130));
        ASSERT_EQ(a.g.Current.nTest, 0);
        ASSERT_EQ(a.g.Current.nBall, 0);
        ASSERT_TRUE(SavePosition(a.g));
        first = test::ReadFile(data.SavedPosition());
        *series = a.g.Series;
        current = a.g.Current;
    }
    ASSERT_FALSE(first.empty());

    Session b(data, 12);   // another seed: the position does not carry the generator
    ASSERT_TRUE(b.started);
    ASSERT_TRUE(LoadSavedData(b.g));
    // The match stands exactly where it was: scores, clock, weather, bowlers, aggression.
    EXPECT_TRUE(Same(Bytes(b.g.Current), Bytes(current)));
    EXPECT_TRUE(Same(Bytes(b.g.Series), Bytes(*series)));
    ASSERT_TRUE(SavePosition(b.g));
    EXPECT_TRUE(Same(test::ReadFile(data.SavedPosition()), first));

    ASSERT_TRUE(b.PumpToEnd());
    EXPECT_TRUE(SeriesOver(b.g));
    const SERIES& s = b.g.Series;
    // The innings finished before the save are kept as they were.
    for (int i = 0; i < current.nInnings; ++i)
        EXPECT_TRUE(Same(Bytes(s.Test[0].Innings[i]), Bytes(series->Test[0].Innings[i]))) << "innings " << i;
    for (int t = 0; t < s.nNumTests; ++t) CheckFinishedTest(s.Test[t], t);
    EXPECT_EQ(s.nPlayed, 2);
    EXPECT_EQ(s.nHomeWins + s.nAwayWins + s.nDraws + s.nTies, 2);
}

// --- The commands end to end ---------------------------------------------------

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ResumeCli, SaveAfterOversThenResumePlaysTheSeriesOut)
{
    DataDir data;
    int rc = -1;
    std::string out = test::RunCli(data.dir.Path(), "--seed 4 play --tests 2 --save-after-overs 60 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_TRUE(Has(out, "In progress.")) << out;
    ASSERT_TRUE(std::filesystem::exists(data.SavedPosition()));

    out = test::RunCli(data.dir.Path(), "--seed 9 resume", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_TRUE(Has(out, "1st Test - ")) << out;
    EXPECT_TRUE(Has(out, "2nd Test - ")) << out;
    EXPECT_TRUE(Has(out, " the series ")) << out;
    EXPECT_FALSE(Has(out, "In progress")) << out;
    EXPECT_FALSE(Has(out, "Not yet played")) << out;

    // resume took nothing from the file: it still stands at the same over.
    std::string again = test::RunCli(data.dir.Path(), "--seed 9 resume", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(again, out);

    out = test::RunCli(data.dir.Path(), "resume extra", &rc);
    EXPECT_EQ(rc, 2) << out;
}

TEST(ResumeCli, ReplayAndCareersOfASavedSeries)
{
    DataDir data;
    int rc = -1;
    std::string empty = test::RunCli(data.dir.Path(), "replay 1", &rc);
    EXPECT_EQ(rc, 1) << empty;   // no CURRENT.DAT yet

    std::string played = test::RunCli(data.dir.Path(), "--seed 5 play --tests 1 --save 1 2", &rc);
    ASSERT_EQ(rc, 0) << played;
    ASSERT_TRUE(std::filesystem::exists(data.SavedPosition()));
    const std::string line = played.substr(0, played.find('\n'));   // "1st Test - Venue: result"
    ASSERT_TRUE(Has(line, "1st Test - ")) << played;

    const auto before = test::ReadFile(data.SavedPosition());
    std::string replay = test::RunCli(data.dir.Path(), "replay 1", &rc);
    ASSERT_EQ(rc, 0) << replay;
    EXPECT_TRUE(Has(replay, line + " [Replay]")) << replay << "\nplayed: " << played;
    EXPECT_TRUE(Same(test::ReadFile(data.SavedPosition()), before));   // a replay saves nothing

    std::string bad = test::RunCli(data.dir.Path(), "replay 2", &rc);
    EXPECT_EQ(rc, 1) << bad;
    bad = test::RunCli(data.dir.Path(), "replay 0", &rc);
    EXPECT_EQ(rc, 2) << bad;   // no series has a Test 0
    bad = test::RunCli(data.dir.Path(), "replay", &rc);
    EXPECT_EQ(rc, 2) << bad;

    // A finished series has nothing to resume.
    std::string resumed = test::RunCli(data.dir.Path(), "resume", &rc);
    EXPECT_EQ(rc, 0) << resumed;
    EXPECT_TRUE(Has(resumed, "no Test in progress")) << resumed;

    // The saved series has added its figures to those of the database.
    std::string careers = test::RunCli(data.dir.Path(), "db --careers", &rc);
    ASSERT_EQ(rc, 0) << careers;
    EXPECT_TRUE(Has(careers, "Best Batting Average")) << careers;
    EXPECT_TRUE(Has(careers, "Highest Innings")) << careers;
    std::string saved = test::RunCli(data.dir.Path(), "db --careers --saved", &rc);
    ASSERT_EQ(rc, 0) << saved;
    EXPECT_GT(saved.size(), careers.size()) << saved;
    EXPECT_TRUE(Has(saved, "Best Bowling Average")) << saved;
}

}  // namespace
}  // namespace ovs
