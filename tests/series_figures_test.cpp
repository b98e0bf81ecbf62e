// Whole seeded series through the real flow: every figure the statistics keep
// (series and career averages, ten-wicket matches, performance points, morale,
// ratings and their histories, the top of the record tables) is worked out
// again here from the scorecards of the Tests, innings by innings, and
// compared with what was stored. Also: a replayed Test gives back the same
// scorecard and leaves the database and the series alone; and the weather
// moves on after every over.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/flow.h"
#include "core/game.h"
#include "core/match.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/series.h"
#include "core/weather.h"
#include "file_fixtures.h"
#include "fixtures.h"

namespace ovs {
namespace {

constexpr long kLimit = 20'000'000;

// A started game on the shipped database with the generator seeded.
struct Session : test::StartedGame {
    using StartedGame::StartedGame;

    // Pumps the flow to its end, resuming a pause as a click would (a replay
    // is watched); `seen` is told of every message after it was handled.
    template <typename Seen>
    bool Pump(Seen seen)
    {
        for (long n = 0; n < kLimit; ++n) {
            std::optional<AppMessage> m = g.queue.Pop();
            if (!m) {
                if (g.bPaused == 1 && Resume(g, true)) continue;
                return true;
            }
            MainWndProc(g, m->msg, m->wParam, m->lParam);
            seen(m->msg, m->wParam);
        }
        return false;
    }
    bool Pump()
    {
        return Pump([](std::uint32_t, std::int32_t) {});
    }

    // A computer series of `tests` Tests; `ratingsAt[t]` gets the players as
    // they stood while Test t was played (after its ratings were aged).
    bool PlaySeries(int home, int away, int tests, std::vector<std::vector<PLAYER>>* ratingsAt = nullptr)
    {
        std::string refusal;
        if (!SetUpComputerSeries(g, home, away, tests, true, refusal)) {
            ADD_FAILURE() << refusal;
            return false;
        }
        ControlMenu(g, CMD_PREPAREDSERIES);
        if (ratingsAt) ratingsAt->assign(tests, {});
        return Pump([&](std::uint32_t msg, std::int32_t wParam) {
            if (ratingsAt && msg == WM_NEWTEST && wParam >= 0 && wParam < tests) (*ratingsAt)[wParam] = g.db.players;
        });
    }
};

int I(int v) { return v; }

// ---- The figures as the scorecards give them ----------------------------------------

struct BatFigures {
    int tests = 0, innings = 0, notOuts = 0, runs = 0, high = -1, highHowOut = 0, hundreds = 0, fifties = 0,
        balls = 0, fours = 0, sixes = 0;
};
struct BowlFigures {
    int matches = 0, balls = 0, maidens = 0, runs = 0, wickets = 0, bestWickets = 0, bestRuns = 0, fives = 0,
        tens = 0, noBalls = 0, wides = 0;
};
struct FieldFigures {
    int matches = 0, catches = 0, keeperCatches = 0, stumpings = 0;
};
struct PointsFigures {
    int matches = 0, total = 0, best = -9999;
};
struct Figures {
    BatFigures bat;
    BowlFigures bowl;
    FieldFigures field;
    PointsFigures points;
    bool playedInSeries = false;
};

Figures From(const AVERAGE& a)
{
    Figures f;
    f.bat = {a.Bat.nTests, a.Bat.nInnings, a.Bat.nNotOuts, a.Bat.nRuns, a.Bat.nHighScore, a.Bat.nHighHowOut,
             a.Bat.nHundreds, a.Bat.nFifties, a.Bat.nBalls, a.Bat.nFours, a.Bat.nSixes};
    f.bowl = {a.Bowl.nMatches, a.Bowl.nBalls, a.Bowl.nMaidens, a.Bowl.nRuns, a.Bowl.nWickets, a.Bowl.nBestWickets,
              a.Bowl.nBestRuns, a.Bowl.nFiveWickets, a.Bowl.nTenWickets, a.Bowl.nNoBalls, a.Bowl.nWides};
    f.field = {a.Field.nMatches, a.Field.nCatches, a.Field.nKeeperCatches, a.Field.nStumpings};
    f.points = {a.Points.nMatches, a.Points.nPoints, a.Points.nBest};
    return f;
}

void AddBattingInnings(BatFigures& b, const BAT& bat)
{
    const int runs = bat.nRuns, how = bat.nHowOut;
    ++b.innings;
    if (how == HOWOUT_NOTOUT) ++b.notOuts;
    b.runs += runs;
    // The best score, not out when any innings of that score was unbeaten.
    if (runs > b.high) {
        b.high = runs;
        b.highHowOut = how;
    } else if (runs == b.high && how == HOWOUT_NOTOUT) {
        b.highHowOut = HOWOUT_NOTOUT;
    }
    if (runs >= 100) ++b.hundreds;
    if (runs >= 50 && runs < 100) ++b.fifties;
    b.balls += bat.nBalls;
    b.fours += bat.nFours;
    b.sixes += bat.nSixes;
}

void AddBowlingInnings(BowlFigures& b, const BOWL& w)
{
    b.balls += w.nBalls;
    b.maidens += w.nMaidens;
    b.runs += w.nRuns;
    b.wickets += w.nWickets;
    b.noBalls += w.nNoBalls;
    b.wides += w.nWides;
    if (w.nWickets >= 5) ++b.fives;
    // More wickets, or as many for no more runs; an empty best (0-0) takes anything.
    const bool empty = b.bestWickets == 0 && b.bestRuns == 0;
    if (empty || w.nWickets > b.bestWickets || (w.nWickets == b.bestWickets && w.nRuns <= b.bestRuns)) {
        b.bestWickets = w.nWickets;
        b.bestRuns = w.nRuns;
    }
}

int Signed(int v) { return static_cast<std::int16_t>(static_cast<std::uint16_t>(v)); }

// The shown points of a Test, in double as the points box works them out.
int ShownBat(const TEST& t, int side, int slot) { return static_cast<int>(Signed(t.nBatPoints[slot][side]) * 1.1); }
int ShownBowl(const TEST& t, int side, int slot) { return static_cast<int>(Signed(t.nBowlPoints[slot][side]) * 1.1); }
int ShownField(const TEST& t, int side, int slot)
{
    return static_cast<int>(Signed(t.nFieldPoints[slot][side]) * 0.7);
}
int TestTotal(const TEST& t, int side, int slot)
{
    return static_cast<int>(ShownBat(t, side, slot) + Signed(t.nBowlPoints[slot][side]) * 1.1 +
                            Signed(t.nFieldPoints[slot][side]) * 0.7);
}

// A slot "bowled" in an innings when it sent down anything, legal or not.
bool Bowled(const BOWL& w) { return w.nBalls > 0 || w.nNoBalls > 0 || w.nWides > 0; }

bool Played(const INNINGS& in) { return in.nStatus != INNINGS_NOTSTARTED && (in.nBatSide == 0 || in.nBatSide == 1); }

// The rating after a Test: the stored rating undone of this Test's ageing,
// averaged over up to 20 Tests with the shown points, scaled by experience.
int Rated(int rating, int matches, int shown)
{
    const int n = std::min(matches, 20);
    const int r = rating * 200 / 197;
    const int base = n == 20 ? r : r * 100 / ((n - 1) * 3 + 40);
    return ((n - 1) * base + shown) / n * (n * 3 + 40) / 100;
}

int MoraleStep(int points)
{
    if (points < 1) return -3;
    if (points < 200) return -2;
    if (points < 400) return -1;
    if (points < 600) return 0;
    if (points < 1000) return 1;
    if (points < 2000) return 2;
    return 3;
}

// One squad member worked out over the series.
struct Member {
    int player = -1;
    Figures series, career;
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
            x.series = From(empty);
            x.career = From(p.Career);
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
                for (Figures* f : {&x.series, &x.career}) {
                    f->playedInSeries = true;
                    ++f->bat.tests;
                    ++f->bowl.matches;
                    ++f->field.matches;
                    ++f->points.matches;
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
                AddBattingInnings(x.series.bat, b);
                AddBattingInnings(x.career.bat, b);
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
                for (Figures* f : {&x.series, &x.career}) {
                    if (slot == in.nKeeperPos) {
                        f->field.keeperCatches += catchesByCard[slot];
                        f->field.stumpings += stumpingsByCard[slot];
                    } else {
                        f->field.catches += catchesByCard[slot];
                    }
                    if (Bowled(w)) AddBowlingInnings(f->bowl, w);
                }
                if (Bowled(w)) wickets[slot][bowl] += w.nWickets;
            }
        }

        for (int side = 0; side < 2; ++side)
            for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
                Member& x = member(side, slot);
                if (wickets[slot][side] >= 10) {
                    ++x.series.bowl.tens;
                    ++x.career.bowl.tens;
                }
                const int p = TestTotal(test, side, slot);
                for (PointsFigures* f : {&x.series.points, &x.career.points}) {
                    f->total += p;
                    f->best = std::max(f->best, p);
                }
                const int result = test.nWinner < 0 ? 0 : test.nWinner == side ? 1 : -1;
                x.morale = std::clamp(x.morale + result + MoraleStep(p), 0, 6);

                const int matches[3] = {x.career.bat.tests, x.career.bowl.matches, x.career.field.matches};
                const int shown[3] = {ShownBat(test, side, slot), ShownBowl(test, side, slot),
                                      ShownField(test, side, slot)};
                for (int r = 0; r < 3; ++r) {
                    x.rating[r] = Rated(x.rating[r], matches[r], shown[r]);
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

void ExpectFigures(const AVERAGE& a, const Figures& f, const AVERAGE& base, const std::string& what)
{
    SCOPED_TRACE(what);
    EXPECT_EQ(I(a.Bat.nTests), f.bat.tests);
    EXPECT_EQ(I(a.Bat.nInnings), f.bat.innings);
    EXPECT_EQ(I(a.Bat.nNotOuts), f.bat.notOuts);
    EXPECT_EQ(I(a.Bat.nRuns), f.bat.runs);
    EXPECT_EQ(I(a.Bat.nHighScore), f.bat.high);
    EXPECT_EQ(I(a.Bat.nHighHowOut), f.bat.highHowOut);
    EXPECT_EQ(I(a.Bat.nHundreds), f.bat.hundreds);
    EXPECT_EQ(I(a.Bat.nFifties), f.bat.fifties);
    EXPECT_EQ(I(a.Bat.nBalls), f.bat.balls);
    EXPECT_EQ(I(a.Bat.nFours), f.bat.fours);
    EXPECT_EQ(I(a.Bat.nSixes), f.bat.sixes);
    ExpectAverage("batting", a.Bat.fAverage, f.playedInSeries && f.bat.innings > 0, f.bat.runs,
                  f.bat.innings - f.bat.notOuts, -100000.0, base.Bat.fAverage);

    EXPECT_EQ(I(a.Bowl.nMatches), f.bowl.matches);
    EXPECT_EQ(I(a.Bowl.nBalls), f.bowl.balls);
    EXPECT_EQ(I(a.Bowl.nMaidens), f.bowl.maidens);
    EXPECT_EQ(I(a.Bowl.nRuns), f.bowl.runs);
    EXPECT_EQ(I(a.Bowl.nWickets), f.bowl.wickets);
    EXPECT_EQ(I(a.Bowl.nBestWickets), f.bowl.bestWickets);
    EXPECT_EQ(I(a.Bowl.nBestRuns), f.bowl.bestRuns);
    EXPECT_EQ(I(a.Bowl.nFiveWickets), f.bowl.fives);
    EXPECT_EQ(I(a.Bowl.nTenWickets), f.bowl.tens);
    EXPECT_EQ(I(a.Bowl.nNoBalls), f.bowl.noBalls);
    EXPECT_EQ(I(a.Bowl.nWides), f.bowl.wides);
    ExpectAverage("bowling", a.Bowl.fAverage,
                  f.playedInSeries && (f.bowl.balls > 0 || f.bowl.runs > 0 || f.bowl.wickets > 0), f.bowl.runs,
                  f.bowl.wickets, 100000.0, base.Bowl.fAverage);

    EXPECT_EQ(I(a.Field.nMatches), f.field.matches);
    EXPECT_EQ(I(a.Field.nCatches), f.field.catches);
    EXPECT_EQ(I(a.Field.nKeeperCatches), f.field.keeperCatches);
    EXPECT_EQ(I(a.Field.nStumpings), f.field.stumpings);

    EXPECT_EQ(I(a.Points.nMatches), f.points.matches);
    EXPECT_EQ(I(a.Points.nPoints), f.points.total);
    EXPECT_EQ(I(a.Points.nBest), f.points.best);
    if (f.playedInSeries)
        EXPECT_FLOAT_EQ(a.Points.fAverage, static_cast<float>(f.points.total) / static_cast<float>(f.points.matches));
    else
        EXPECT_EQ(a.Points.fAverage, base.Points.fAverage);
}

void ExpectSeriesFollowsFromTheScorecards(Session& s, const std::vector<PLAYER>& before)
{
    const Game& g = s.g;
    const SERIES& series = g.Series;
    const std::vector<Member> members = WorkOut(g, before);
    AVERAGE empty;
    InitAverage(empty);

    int played = 0;
    for (int side = 0; side < 2; ++side)
        for (int m = 0; m < MAX_SQUAD; ++m) {
            const Member& x = members[side * MAX_SQUAD + m];
            if (x.player < 0) continue;
            const PLAYER& p = g.db.players[x.player];
            const PLAYER& was = before[x.player];
            const std::string who = std::string(p.szSurname) + " (side " + std::to_string(side) + ", member " +
                                    std::to_string(m) + ")";
            played += x.playedInSeries;
            ExpectFigures(series.Average[m][side], x.series, empty, who + " series");
            ExpectFigures(p.Career, x.career, was.Career, who + " career");

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
                const int p = TestTotal(g.Series.Test[t], side, slot);
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

TEST(SeriesFiguresWhole, ThreeTestSeriesFiguresFollowFromTheScorecards)
{
    Session s(7);
    ASSERT_TRUE(s.started);
    PlaySeriesAndCheckFigures(s, 0, 1, 3);
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

TEST(SeriesFiguresWhole, SeriesWithATenWicketMatch)
{
    // This seed's second Test gives a bowler ten wickets (with the engine as
    // it stands; the figures are checked whatever the Tests hold).
    Session s(9);
    ASSERT_TRUE(s.started);
    PlaySeriesAndCheckFigures(s, 9, 2, 2);
}

// ---- Replay -----------------------------------------------------------------------------

template <typename T>
std::vector<unsigned char> Bytes(const std::vector<T>& v)
{
    const auto* p = reinterpret_cast<const unsigned char*>(v.data());
    return std::vector<unsigned char>(p, p + v.size() * sizeof(T));
}
template <typename T>
std::vector<unsigned char> Bytes(const T& r)
{
    const auto* p = reinterpret_cast<const unsigned char*>(&r);
    return std::vector<unsigned char>(p, p + sizeof r);
}

bool SamePoints(const u16 (&a)[MAX_ELEVEN][2], const u16 (&b)[MAX_ELEVEN][2])
{
    return std::memcmp(a, b, sizeof a) == 0;
}

// Replays Test t of the series in play; true when the replay came to its end.
// Both sides are played by the replay while it runs.
bool Replay(Session& s, int t)
{
    SetReplayFlag(s.g, 1);
    s.g.queue.Post(WM_REPLAYTEST, t);
    bool replayControl = true;
    bool ended = s.Pump([&](std::uint32_t msg, std::int32_t) {
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
            EXPECT_EQ(Bytes(replayed.Innings[i]), Bytes(original->Innings[i])) << "innings " << i;
        EXPECT_STREQ(replayed.szResult, original->szResult);
        EXPECT_EQ(I(replayed.nWinner), I(original->nWinner));
        EXPECT_EQ(I(replayed.nTossWinner), I(original->nTossWinner));
        EXPECT_EQ(I(replayed.nGround), I(original->nGround));
        EXPECT_EQ(Bytes(replayed.nPlayer), Bytes(original->nPlayer));
        EXPECT_EQ(replayed.Replay.nLength, original->Replay.nLength);
        // Fielding points come from the replayed chances alone.
        EXPECT_TRUE(SamePoints(replayed.nFieldPoints, original->nFieldPoints));

        // Nothing of the database or the series has moved.
        EXPECT_EQ(Bytes(g.db.players), players);
        EXPECT_EQ(Bytes(g.db.squads), squads);
        EXPECT_EQ(Bytes(g.db.grounds), grounds);
        EXPECT_EQ(Bytes(g.db.records), records);
        EXPECT_EQ(Bytes(g.Series.Average), averages);
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
    EXPECT_TRUE(SamePoints(replayed.nBatPoints, original->nBatPoints));
    EXPECT_TRUE(SamePoints(replayed.nBowlPoints, original->nBowlPoints));
    EXPECT_TRUE(SamePoints(replayed.nFieldPoints, original->nFieldPoints));
    for (int i = 0; i < MAX_INNINGS; ++i)
        EXPECT_EQ(Bytes(replayed.Innings[i]), Bytes(original->Innings[i])) << "innings " << i;
}


// ---- The weather after every over -------------------------------------------------------

// A Test in its first innings at 11:00 on a ground whose weights make the
// weather's moves certain: people play both sides (no computer declares or
// changes anything), the away side's slot 0, a medium pacer (3 minutes an
// over), bowls to the home side.
class SeriesFiguresWeather : public test::ElevensFixture {
protected:
    void SetUp() override
    {
        SetUpElevens(10);   // every player a medium pacer
        GROUND& gr = g.db.grounds[0];
        gr.nStart = 1100;
        gr.nSunset = 2000;
        // very sunny .. rain, then how often it changes (14: always) and rain.
        const int weights[WEATHER_WEIGHTS] = {6, 6, 0, 0, 4, 0, 6, 6, 6, 14, 6};
        for (int i = 0; i < WEATHER_WEIGHTS; ++i) gr.nWeather[i] = static_cast<std::uint8_t>(weights[i]);

        test::SetUpOneTest(g, CONTROL_HUMAN);
        OpenFirstInnings();
        CURRENT& c = g.Current;
        c.nBowler = 0;
        c.nOtherBowler = 1;
        c.nTime = 1100;
        c.nWeather = 17;    // partly cloudy, intensity 2
        c.nOutfield = 200;
        ComputeDayTimes(g);
        ReplayClear(g.pTest->Replay);
    }

    // The generator's state after n more draws, stepped here by its rule.
    std::uint64_t After(std::uint64_t state, int n) const
    {
        for (int i = 0; i < n; ++i) state = state * 0x0000015A00004E35ull + 1;
        return state;
    }

    int Over()
    {
        g.Current.nBall = 6;
        return EndOfOverClock(g, 0);
    }
};

TEST_F(SeriesFiguresWeather, EveryOverMovesTheWeatherAndRecordsIt)
{
    CURRENT& c = g.Current;
    const std::uint64_t start = g.rng.State();

    // Over 1, to 11:03. Partly cloudy (3): the outfield dries by 3 - 5 = -2 to
    // 198. The light holds: 2000 - 17 + 5 = 1988, carried to 2028. The change
    // draw below 15 is always within 14. Row 3: total w2 + w3 + w4 = 4, low
    // w2 = 0, high w2 + w3 = 0: any r of the four worsens it, to 22 (cloudy).
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(I(c.nTime), 1103);
    EXPECT_EQ(I(c.nOutfield), 198);
    EXPECT_EQ(I(c.nWeather), 22);
    EXPECT_EQ(g.rng.State(), After(start, 2));

    // Over 2, to 11:06. Cloudy (4): outfield -1 to 197. Row 4: total w3 + w4 +
    // w5 = 4, low 0, high 4: every r of the four keeps it at 22.
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(I(c.nTime), 1106);
    EXPECT_EQ(I(c.nOutfield), 197);
    EXPECT_EQ(I(c.nWeather), 22);
    EXPECT_EQ(g.rng.State(), After(start, 4));

    // Over 3, to 11:09, with the sun setting at 11:20: 1120 - 22 + 5 = 1103 is
    // before 11:09, so the light fails: 22 mod 5 + 35 = 37, without a draw.
    g.db.grounds[0].nSunset = 1120;
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(I(c.nTime), 1109);
    EXPECT_EQ(I(c.nOutfield), 196);
    EXPECT_EQ(I(c.nWeather), 37);
    EXPECT_EQ(g.rng.State(), After(start, 4));

    // Each over's weather went into the replay stream, in order.
    const REPLAY& r = g.pTest->Replay;
    ASSERT_EQ(I(r.nLength), 3);
    EXPECT_EQ(I(r.Data[0]), 22);
    EXPECT_EQ(I(r.Data[1]), 22);
    EXPECT_EQ(I(r.Data[2]), 37);

    // A replay of the three overs reads the weather back and draws nothing.
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    g.pTest->Replay.nPosition = 0;
    g.db.grounds[0].nSunset = 2000;
    c.nTime = 1100;
    c.nWeather = 17;
    c.nOutfield = 200;
    const std::uint64_t replayStart = g.rng.State();
    const int expected[3] = {22, 22, 37};
    for (int over = 0; over < 3; ++over) {
        Over();
        EXPECT_EQ(I(c.nWeather), expected[over]) << "over " << over + 1;
    }
    EXPECT_EQ(I(c.nOutfield), 196);
    EXPECT_EQ(g.rng.State(), replayStart);
}

TEST_F(SeriesFiguresWeather, TheLastOverOfAnInningsMovesItToo)
{
    // The innings ended within the over: the clock and the weather still move.
    g.pInnings->nStatus = INNINGS_ENDED;
    g.Current.nBall = 3;
    EXPECT_EQ(EndOfOverClock(g, 1), 1);
    EXPECT_EQ(I(g.Current.nTime), 1103);
    EXPECT_EQ(I(g.Current.nWeather), 22);
    EXPECT_EQ(I(g.pTest->Replay.nLength), 1);
}

TEST_F(SeriesFiguresWeather, WithoutRainTheChangeStillRunsButStopsAtVeryOvercast)
{
    CURRENT& c = g.Current;
    g.Series.bAllowWeather = 0;
    const std::uint64_t start = g.rng.State();

    // The same first over as with rain allowed: 17 worsens to 22.
    Over();
    EXPECT_EQ(I(c.nWeather), 22);
    EXPECT_EQ(g.rng.State(), After(start, 2));

    // Very overcast (6), intensity 0: the outfield gains 6 - 5 = 1. Row 6:
    // total w5 + w6 + w8 = 12, low 0, high 6. An r of 6 or more would worsen
    // it, which without rain leaves it where it is, and an r below 6 keeps it
    // too: 30 whatever the draw, and no third draw for rain or bad light.
    c.nWeather = 30;
    c.nOutfield = 100;
    const std::uint64_t before = g.rng.State();
    Over();
    EXPECT_EQ(I(c.nWeather), 30);
    EXPECT_EQ(I(c.nOutfield), 101);
    EXPECT_EQ(g.rng.State(), After(before, 2));
}

}  // namespace
}  // namespace ovs
