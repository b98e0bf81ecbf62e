// Whole seeded series through the real flow: every figure the statistics keep
// (series and career averages, ten-wicket matches, performance points, morale,
// ratings and their histories, the top of the record tables) is worked out
// again here from the scorecards of the Tests, innings by innings, and
// compared with what was stored. Also: a replayed Test gives back the same
// scorecard and leaves the database and the series alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/flow.h"
#include "core/game.h"
#include "core/match.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/series.h"
#include "data/statistics.h"
#include "file_fixtures.h"

namespace ovs {
namespace {

// A started game on the shipped database with the generator seeded.
struct Session : test::StartedGame {
    using StartedGame::StartedGame;

    // A computer series of `tests` Tests; `ratingsAt[t]` gets the players as
    // they stood while Test t was played (after its ratings were aged).
    bool PlaySeries(int home, int away, int tests, std::vector<std::vector<PLAYER>>* ratingsAt = nullptr)
    {
        if (!StartComputerSeries(home, away, tests)) return false;
        if (ratingsAt) ratingsAt->assign(tests, {});
        return PumpToEnd([&](std::uint32_t msg, std::int32_t wParam) {
            if (ratingsAt && msg == WM_NEWTEST && wParam >= 0 && wParam < tests) (*ratingsAt)[wParam] = g.db.players;
        });
    }
};

int I(int v) { return v; }

// ---- The figures as the scorecards give them ----------------------------------------
// How one innings adds to a batting or bowling record, and the points,
// morale and rating steps after a Test, are worked by hand in the statistics
// tests, so the engine's own steps are used for them here; what this checks is
// that every innings and every Test of the series reached the right player,
// once, in both the series and the career figures.

// The stored points are words that may have gone below zero.
int Signed(u16 v) { return static_cast<std::int16_t>(v); }

// A slot "bowled" in an innings when it sent down anything, legal or not.
bool Bowled(const BOWL& w) { return w.nBalls > 0 || w.nNoBalls > 0 || w.nWides > 0; }

bool Played(const INNINGS& in) { return in.nStatus != INNINGS_NOTSTARTED && (in.nBatSide == 0 || in.nBatSide == 1); }

// One squad member worked out over the series.
struct Member {
    int player = -1;
    AVERAGE series, career;   // the averages themselves are left as they were
    int rating[3] = {}, best[3] = {};
    int history[3][MAX_RATING_HISTORY] = {};
    int morale = 0;
    bool playedInSeries = false;
};

// Every member of both squads, from the players as they stood before the
// series and the series' Tests.
std::vector<Member> WorkOut(const Game& g, const std::vector<PLAYER>& before)
{
    const SERIES& s = g.Series;
    std::vector<Member> members(2 * MAX_SQUAD);
    AVERAGE empty;
    InitAverage(empty);
    for (int side = 0; side < 2; ++side) {
        const SQUAD& squad = g.db.squads[s.nSquad[side]];
        for (int m = 0; m < squad.nMembers; ++m) {
            Member& x = members[side * MAX_SQUAD + m];
            x.player = squad.nPlayer[m];
            const PLAYER& p = before[x.player];
            x.series = empty;
            x.career = p.Career;
            const int ratings[3] = {p.nBatRating, p.nBowlRating, p.nFieldRating};
            const int bests[3] = {p.nBestBatRating, p.nBestBowlRating, p.nBestFieldRating};
            const i16* histories[3] = {p.nBatHistory, p.nBowlHistory, p.nFieldHistory};
            for (int r = 0; r < 3; ++r) {
                x.rating[r] = ratings[r];
                x.best[r] = bests[r];
                // The series moves the histories once: entry 0 is the rating it began with.
                x.history[r][0] = ratings[r];
                for (int k = 1; k < MAX_RATING_HISTORY; ++k) x.history[r][k] = histories[r][k - 1];
            }
            x.morale = p.nMorale;
        }
    }

    for (int t = 0; t < s.nNumTests; ++t) {
        const TEST& test = s.Test[t];
        // Every member's ratings are aged by 1.5 % before each Test.
        for (Member& x : members)
            if (x.player >= 0)
                for (int& r : x.rating) r = r * 197 / 200;

        auto member = [&](int side, int slot) -> Member& { return members[side * MAX_SQUAD + test.nPlayer[slot][side]]; };
        for (int side = 0; side < 2; ++side)
            for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                Member& x = member(side, slot);
                x.playedInSeries = true;
                for (AVERAGE* f : {&x.series, &x.career}) {
                    ++f->Bat.nTests;
                    ++f->Bowl.nMatches;
                    ++f->Field.nMatches;
                    ++f->Points.nMatches;
                }
            }

        int wickets[MAX_ELEVEN][2] = {};
        for (const INNINGS& in : test.Innings) {
            if (!Played(in)) continue;
            const int bat = in.nBatSide, bowl = in.nBowlSide;
            int catchesByCard[MAX_ELEVEN] = {}, stumpingsByCard[MAX_ELEVEN] = {}, wicketsByCard[MAX_ELEVEN] = {};
            for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                const BAT& b = in.Bat[slot];
                if (b.nHowOut == HOWOUT_DIDNOTBAT) continue;
                Member& x = member(bat, slot);
                AddBatting(x.series.Bat, b);
                AddBatting(x.career.Bat, b);
                if (b.nHowOut == HOWOUT_CAUGHT && b.nFielder < MAX_ELEVEN) ++catchesByCard[b.nFielder];
                if (b.nHowOut == HOWOUT_STUMPED && b.nFielder < MAX_ELEVEN) ++stumpingsByCard[b.nFielder];
                if (b.nHowOut >= HOWOUT_BOWLED && b.nHowOut != HOWOUT_RUNOUT && b.nBowler < MAX_ELEVEN)
                    ++wicketsByCard[b.nBowler];
            }
            for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                const BOWL& w = in.Bowl[slot];
                // The bowling card and the batting card tell the same story.
                EXPECT_EQ(I(w.nCatches), catchesByCard[slot]) << "catches of slot " << slot;
                EXPECT_EQ(I(w.nStumpings), stumpingsByCard[slot]) << "stumpings of slot " << slot;
                EXPECT_EQ(I(w.nWickets), wicketsByCard[slot]) << "wickets of slot " << slot;

                Member& x = member(bowl, slot);
                for (AVERAGE* f : {&x.series, &x.career}) {
                    if (slot == in.nKeeperPos) {
                        f->Field.nKeeperCatches += catchesByCard[slot];
                        f->Field.nStumpings += stumpingsByCard[slot];
                    } else {
                        f->Field.nCatches += catchesByCard[slot];
                    }
                    if (Bowled(w)) AddBowling(f->Bowl, w);
                }
                if (Bowled(w)) wickets[slot][bowl] += w.nWickets;
            }
        }

        for (int side = 0; side < 2; ++side)
            for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                Member& x = member(side, slot);
                if (wickets[slot][side] >= 10) {
                    ++x.series.Bowl.nTenWickets;
                    ++x.career.Bowl.nTenWickets;
                }
                const int p = TestPoints(test, side, slot);
                for (AVERAGE_POINTS* f : {&x.series.Points, &x.career.Points}) {
                    f->nPoints += p;
                    f->nBest = std::max<int>(f->nBest, p);
                }
                const int result = test.nWinner < 0 ? 0 : test.nWinner == side ? 1 : -1;
                x.morale = MoraleAfterTest(x.morale, result, p);

                // Each rating moves by its own share of the points: the Test
                // points with the other two kinds at nought.
                const int matches[3] = {x.career.Bat.nTests, x.career.Bowl.nMatches, x.career.Field.nMatches};
                const int shown[3] = {TestPoints(Signed(test.nBatPoints[slot][side]), 0, 0),
                                      TestPoints(0, Signed(test.nBowlPoints[slot][side]), 0),
                                      TestPoints(0, 0, Signed(test.nFieldPoints[slot][side]))};
                for (int r = 0; r < 3; ++r) {
                    x.rating[r] = NextRating(x.rating[r], matches[r], shown[r]);
                    x.best[r] = std::max(x.best[r], x.rating[r]);
                }
            }
    }
    return members;
}

// ---- Comparing ------------------------------------------------------------------------

// A stored batting or bowling average: when the series moved it, runs over
// `count`, or runs + `none` with nothing to divide by; else what it was before.
void ExpectAverage(const char* which, float stored, bool moved, int runs, int count, double none, float before)
{
    if (!moved) {
        EXPECT_EQ(stored, before) << which;
        return;
    }
    const float avg = count == 0 ? static_cast<float>(runs + none)
                                 : static_cast<float>(static_cast<double>(runs) / count);
    EXPECT_FLOAT_EQ(stored, avg) << which;
}

// Every counted figure as worked out (`e`), and the averages worked out from
// them when the series played a part.
void ExpectFigures(const AVERAGE& a, const AVERAGE& e, bool played, const std::string& what)
{
    SCOPED_TRACE(what);
#define OVS_SAME(f) EXPECT_EQ(I(a.f), I(e.f)) << #f
    OVS_SAME(Bat.nTests); OVS_SAME(Bat.nInnings); OVS_SAME(Bat.nNotOuts); OVS_SAME(Bat.nRuns);
    OVS_SAME(Bat.nHighScore); OVS_SAME(Bat.nHighHowOut); OVS_SAME(Bat.nHundreds); OVS_SAME(Bat.nFifties);
    OVS_SAME(Bat.nBalls); OVS_SAME(Bat.nFours); OVS_SAME(Bat.nSixes);
    OVS_SAME(Bowl.nMatches); OVS_SAME(Bowl.nBalls); OVS_SAME(Bowl.nMaidens); OVS_SAME(Bowl.nRuns);
    OVS_SAME(Bowl.nWickets); OVS_SAME(Bowl.nBestWickets); OVS_SAME(Bowl.nBestRuns); OVS_SAME(Bowl.nFiveWickets);
    OVS_SAME(Bowl.nTenWickets); OVS_SAME(Bowl.nNoBalls); OVS_SAME(Bowl.nWides);
    OVS_SAME(Field.nMatches); OVS_SAME(Field.nCatches); OVS_SAME(Field.nKeeperCatches); OVS_SAME(Field.nStumpings);
    OVS_SAME(Points.nMatches); OVS_SAME(Points.nPoints); OVS_SAME(Points.nBest);
#undef OVS_SAME
    ExpectAverage("batting", a.Bat.fAverage, played && e.Bat.nInnings > 0, e.Bat.nRuns,
                  e.Bat.nInnings - e.Bat.nNotOuts, -100000.0, e.Bat.fAverage);
    ExpectAverage("bowling", a.Bowl.fAverage, played && (e.Bowl.nBalls > 0 || e.Bowl.nRuns > 0 || e.Bowl.nWickets > 0),
                  e.Bowl.nRuns, e.Bowl.nWickets, 100000.0, e.Bowl.fAverage);
    ExpectAverage("points", a.Points.fAverage, played, e.Points.nPoints, e.Points.nMatches, 0.0, e.Points.fAverage);
}

void ExpectSeriesFollowsFromTheScorecards(Session& s, const std::vector<PLAYER>& before)
{
    const Game& g = s.g;
    const SERIES& series = g.Series;
    const std::vector<Member> members = WorkOut(g, before);

    int played = 0;
    for (int side = 0; side < 2; ++side)
        for (int m = 0; m < MAX_SQUAD; ++m) {
            const Member& x = members[side * MAX_SQUAD + m];
            if (x.player < 0) continue;
            const PLAYER& p = g.db.players[x.player];
            const std::string who = std::string(p.szSurname) + " (side " + std::to_string(side) + ", member " +
                                    std::to_string(m) + ")";
            played += x.playedInSeries;
            ExpectFigures(series.Average[m][side], x.series, x.playedInSeries, who + " series");
            ExpectFigures(p.Career, x.career, x.playedInSeries, who + " career");

            SCOPED_TRACE(who);
            const int ratings[3] = {p.nBatRating, p.nBowlRating, p.nFieldRating};
            const int bests[3] = {p.nBestBatRating, p.nBestBowlRating, p.nBestFieldRating};
            const i16* histories[3] = {p.nBatHistory, p.nBowlHistory, p.nFieldHistory};
            for (int r = 0; r < 3; ++r) {
                EXPECT_EQ(ratings[r], x.rating[r]) << "rating " << r;
                EXPECT_EQ(bests[r], x.best[r]) << "best rating " << r;
                for (int k = 0; k < MAX_RATING_HISTORY; ++k)
                    EXPECT_EQ(I(histories[r][k]), x.history[r][k]) << "rating " << r << " history " << k;
            }
            EXPECT_EQ(I(p.nMorale), x.morale);
        }
    EXPECT_GE(played, 22);

    // The series counters follow from the results.
    int home = 0, away = 0, draws = 0, ties = 0;
    for (int t = 0; t < series.nNumTests; ++t) {
        const TEST& test = series.Test[t];
        if (test.nWinner == 0) ++home;
        if (test.nWinner == 1) ++away;
        if (std::strcmp(test.szResult, "Test Match Drawn.") == 0) ++draws;
        if (std::strcmp(test.szResult, "Test was Tied.") == 0) ++ties;
    }
    EXPECT_EQ(I(series.nPlayed), I(series.nNumTests));
    EXPECT_EQ(I(series.nHomeWins), home);
    EXPECT_EQ(I(series.nAwayWins), away);
    EXPECT_EQ(I(series.nDraws), draws);
    EXPECT_EQ(I(series.nTies), ties);
    EXPECT_EQ(home + away + draws + ties, I(series.nNumTests));
}

// The top ranks of the all-time tables: the best of the database before the
// series and of the series' scorecards (and its figures, for the series tables).
void ExpectTopRecords(const Game& g, const RECORDS& was)
{
    const RECORDS& top = g.db.records[0];
    int bestTotal = was.HighInnings.nRuns, bestScore = was.HighScore.nRuns;
    int bestW = was.BowlInnings.nPlayer == -1 ? -1 : I(was.BowlInnings.nWickets);
    int bestR = was.BowlInnings.nPlayer == -1 ? 0 : I(was.BowlInnings.nRuns);
    for (int t = 0; t < g.Series.nNumTests; ++t)
        for (const INNINGS& in : g.Series.Test[t].Innings) {
            if (!Played(in)) continue;
            bestTotal = std::max<int>(bestTotal, in.nTotal);
            for (const BAT& b : in.Bat)
                if (b.nHowOut != HOWOUT_DIDNOTBAT) bestScore = std::max<int>(bestScore, b.nRuns);
            for (const BOWL& w : in.Bowl)
                if (Bowled(w) && (w.nWickets > bestW || (w.nWickets == bestW && w.nRuns < bestR))) {
                    bestW = w.nWickets;
                    bestR = w.nRuns;
                }
        }
    // The series tables and the points in a Test, by their first value.
    int seriesRuns = was.SeriesRuns.nPlayer == -1 ? 0 : I(was.SeriesRuns.Bat.nRuns);
    int seriesWickets = was.SeriesWickets.nPlayer == -1 ? 0 : I(was.SeriesWickets.Bowl.nWickets);
    int seriesPoints = was.PointsSeries.nPlayer == -1 ? -100000 : I(was.PointsSeries.Points.nPoints);
    int testPoints = was.PointsTest.nPlayer == -1 ? -100000 : I(was.PointsTest.nPoints);
    for (int side = 0; side < 2; ++side)
        for (int m = 0; m < MAX_SQUAD; ++m) {
            const AVERAGE& a = g.Series.Average[m][side];
            seriesRuns = std::max<int>(seriesRuns, a.Bat.nRuns);
            seriesWickets = std::max<int>(seriesWickets, a.Bowl.nWickets);
            if (a.Points.nPoints != 0) seriesPoints = std::max<int>(seriesPoints, a.Points.nPoints);
        }
    for (int t = 0; t < g.Series.nNumTests; ++t)
        for (int side = 0; side < 2; ++side)
            for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                const int p = TestPoints(g.Series.Test[t], side, slot);
                if (p != 0) testPoints = std::max(testPoints, p);
            }
    EXPECT_EQ(I(top.SeriesRuns.Bat.nRuns), seriesRuns);
    EXPECT_EQ(I(top.SeriesWickets.Bowl.nWickets), seriesWickets);
    EXPECT_EQ(I(top.PointsSeries.Points.nPoints), seriesPoints);
    EXPECT_EQ(I(top.PointsTest.nPoints), testPoints);

    EXPECT_EQ(I(top.HighInnings.nRuns), bestTotal);
    EXPECT_EQ(I(top.HighScore.nRuns), bestScore);
    EXPECT_EQ(I(top.BowlInnings.nWickets), bestW);
    EXPECT_EQ(I(top.BowlInnings.nRuns), bestR);
}

// Plays a computer series and checks every figure it stored against its scorecards.
void PlaySeriesAndCheckFigures(Session& s, int home, int away, int tests)
{
    const std::vector<PLAYER> before = s.g.db.players;
    const RECORDS was = s.g.db.records.at(0);
    ASSERT_TRUE(s.PlaySeries(home, away, tests));
    for (int t = 0; t < tests; ++t) ASSERT_STRNE(s.g.Series.Test[t].szResult, "In progress.") << "Test " << t;
    ExpectSeriesFollowsFromTheScorecards(s, before);
    ExpectTopRecords(s.g, was);
}

// Seed 7: three Tests between squads 0 and 1. Seed 9: two Tests between
// squads 9 and 2, the second giving a bowler ten wickets (with the engine as
// it stands; the figures are checked whatever the Tests hold).
TEST(SeriesFiguresWhole, SeriesFiguresFollowFromTheScorecards)
{
    struct Case {
        std::uint32_t seed;
        int home, away, tests;
    };
    for (const Case& k : {Case{7, 0, 1, 3}, Case{9, 9, 2, 2}}) {
        SCOPED_TRACE(testing::Message() << "seed " << k.seed);
        Session s(k.seed);
        ASSERT_TRUE(s.started);
        PlaySeriesAndCheckFigures(s, k.home, k.away, k.tests);
    }
}

TEST(SeriesFiguresWhole, SecondSeriesBuildsOnTheCareersOfTheFirst)
{
    Session s(1234);
    ASSERT_TRUE(s.started);
    const int squads = s.g.db.NumSquads();
    ASSERT_GE(squads, 2);
    const int home = squads > 2 ? 2 : 1;
    const int away = squads > 3 ? 3 : 0;
    ASSERT_TRUE(s.PlaySeries(home, away, 2));
    // The careers now carry the first series; the second adds to them.
    PlaySeriesAndCheckFigures(s, away, home, 4);
}

// ---- Replay -----------------------------------------------------------------------------

using test::Bytes;
using test::Same;

// Replays Test t of the series in play; true when the replay came to its end.
// Both sides are played by the replay while it runs.
bool Replay(Session& s, int t)
{
    SetReplayFlag(s.g, 1);
    s.g.queue.Post(WM_REPLAYTEST, t);
    bool replayControl = true;
    bool ended = s.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
        if (msg == WM_NEWOVER || msg == WM_NEXTBALL)
            replayControl = replayControl && s.g.Series.nControl[0] == CONTROL_REPLAY &&
                            s.g.Series.nControl[1] == CONTROL_REPLAY;
    });
    EXPECT_TRUE(replayControl);
    return ended;
}

TEST(SeriesFiguresReplay, ReplayGivesTheSameScorecardAndLeavesEverythingElseAlone)
{
    Session s(31);
    ASSERT_TRUE(s.started);
    ASSERT_TRUE(s.PlaySeries(0, 1, 2));
    Game& g = s.g;

    const auto players = Bytes(g.db.players), squads = Bytes(g.db.squads), grounds = Bytes(g.db.grounds);
    const auto records = Bytes(g.db.records);
    const auto averages = Bytes(g.Series.Average);
    const int counters[5] = {g.Series.nPlayed, g.Series.nHomeWins, g.Series.nAwayWins, g.Series.nDraws,
                             g.Series.nTies};
    const int nTest = g.Current.nTest;

    for (int t = 0; t < 2; ++t) {
        SCOPED_TRACE("Test " + std::to_string(t + 1));
        const std::unique_ptr<TEST> original = std::make_unique<TEST>(g.Series.Test[t]);
        ASSERT_TRUE(Replay(s, t));
        const TEST& replayed = g.Series.Test[t];
        for (int i = 0; i < MAX_INNINGS; ++i)
            EXPECT_TRUE(Same(Bytes(replayed.Innings[i]), Bytes(original->Innings[i]))) << "innings " << i;
        EXPECT_STREQ(replayed.szResult, original->szResult);
        EXPECT_EQ(I(replayed.nWinner), I(original->nWinner));
        EXPECT_EQ(I(replayed.nTossWinner), I(original->nTossWinner));
        EXPECT_EQ(I(replayed.nGround), I(original->nGround));
        EXPECT_EQ(Bytes(replayed.nPlayer), Bytes(original->nPlayer));
        EXPECT_EQ(replayed.Replay.nLength, original->Replay.nLength);
        EXPECT_EQ(replayed.Replay.nPosition, original->Replay.nLength);   // read to its end
        // Fielding points come from the replayed chances alone.
        EXPECT_EQ(Bytes(replayed.nFieldPoints), Bytes(original->nFieldPoints));

        // Nothing of the database or the series has moved.
        EXPECT_TRUE(Same(Bytes(g.db.players), players));
        EXPECT_TRUE(Same(Bytes(g.db.squads), squads));
        EXPECT_TRUE(Same(Bytes(g.db.grounds), grounds));
        EXPECT_TRUE(Same(Bytes(g.db.records), records));
        EXPECT_TRUE(Same(Bytes(g.Series.Average), averages));
        const int after[5] = {g.Series.nPlayed, g.Series.nHomeWins, g.Series.nAwayWins, g.Series.nDraws,
                              g.Series.nTies};
        EXPECT_EQ(std::vector<int>(after, after + 5), std::vector<int>(counters, counters + 5));
        // The end of a replay hands both sides to the computer and closes the replay.
        EXPECT_EQ(I(g.Series.nControl[0]), CONTROL_COMPUTER);
        EXPECT_EQ(I(g.Series.nControl[1]), CONTROL_COMPUTER);
        EXPECT_EQ(I(g.wReplayFlag), 0);
        EXPECT_FALSE(g.commands.Enabled(1002));
        EXPECT_EQ(I(g.Current.nTest), nTest);
    }
}

// Batting and bowling points are worked out from the players' ratings as they
// stand (runs are worth more off a highly rated bowler, a wicket more for a
// highly rated batsman). The Test keeps no ratings, so a replay after the
// series has moved them books other points; with the ratings of the Test put
// back, every point comes back.
TEST(SeriesFiguresReplay, PointsComeBackWithTheRatingsTheTestWasPlayedWith)
{
    Session s(32);
    ASSERT_TRUE(s.started);
    std::vector<std::vector<PLAYER>> ratingsAt;
    ASSERT_TRUE(s.PlaySeries(0, 1, 1, &ratingsAt));
    Game& g = s.g;
    const std::unique_ptr<TEST> original = std::make_unique<TEST>(g.Series.Test[0]);

    ASSERT_EQ(ratingsAt.size(), 1u);
    ASSERT_EQ(ratingsAt[0].size(), g.db.players.size());
    for (std::size_t p = 0; p < g.db.players.size(); ++p) {
        PLAYER& now = g.db.players[p];
        const PLAYER& then = ratingsAt[0][p];
        now.nBatRating = then.nBatRating;
        now.nBowlRating = then.nBowlRating;
        now.nFieldRating = then.nFieldRating;
    }
    ASSERT_TRUE(Replay(s, 0));
    const TEST& replayed = g.Series.Test[0];
    EXPECT_EQ(Bytes(replayed.nBatPoints), Bytes(original->nBatPoints));
    EXPECT_EQ(Bytes(replayed.nBowlPoints), Bytes(original->nBowlPoints));
    EXPECT_EQ(Bytes(replayed.nFieldPoints), Bytes(original->nFieldPoints));
    for (int i = 0; i < MAX_INNINGS; ++i)
        EXPECT_TRUE(Same(Bytes(replayed.Innings[i]), Bytes(original->Innings[i]))) << "innings " << i;
}


}  // namespace
}  // namespace ovs
