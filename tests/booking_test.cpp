// Booking the extras and the wickets, and the figures of a whole innings.
#include <gtest/gtest.h>

#include <cstring>

#include "core/flow_steps.h"
#include "fixtures.h"
#include "sim/booking.h"
#include "sim/bowling.h"
#include "sim/delivery.h"

namespace ovs::test {
namespace {

using Booking = DeliveryFixture;

// --- extras --------------------------------------------------------------------

TEST_F(Booking, AWideTakesBackTheCountedBall)
{
    CountBall(g);
    EXPECT_EQ(BowlWide(g, 2), 0);
    const INNINGS& in = *g.pInnings;
    EXPECT_EQ(g.Current.nBall, 0);
    EXPECT_EQ(Bat(0).nBalls, 0);
    EXPECT_EQ(Bowl(kFast).nBalls, 0);
    EXPECT_EQ(g.Current.Spell[kFast].nSpellBalls, 0);
    EXPECT_EQ(in.nTotalBalls, 0);
    EXPECT_EQ(Bowl(kFast).nRuns, 2);
    EXPECT_EQ(Bowl(kFast).nWides, 2);
    EXPECT_EQ(g.Current.Spell[kFast].nSpellRuns, 2);
    EXPECT_EQ(g.Current.Spell[kFast].nSpellWides, 2);
    EXPECT_EQ(in.nWides, 2);
    EXPECT_EQ(in.nExtras, 2);
    EXPECT_EQ(in.nTotal, 2);
    EXPECT_EQ(g.Current.nOutcome, 9);
    EXPECT_EQ(BowlPoints(kFast), -6);
    EXPECT_EQ(g.Current.nStriker, 0);
    EXPECT_EQ(Stream(), std::vector<int>{9});

    CountBall(g);
    BowlWide(g, -1);  // -1 is one wide
    EXPECT_EQ(g.Current.nOutcome, 8);
    EXPECT_EQ(in.nWides, 3);
}

TEST_F(Booking, ANoBallKeepsTheBallFacedButNotTheBallBowled)
{
    CountBall(g);
    EXPECT_EQ(BowlNoBall(g), 0);
    const INNINGS& in = *g.pInnings;
    EXPECT_EQ(g.Current.nBall, 0);
    EXPECT_EQ(Bat(0).nBalls, 1);
    EXPECT_EQ(Bowl(kFast).nBalls, 0);
    EXPECT_EQ(in.nTotalBalls, 0);
    EXPECT_EQ(Bowl(kFast).nNoBalls, 1);
    EXPECT_EQ(g.Current.Spell[kFast].nSpellNoBalls, 1);
    EXPECT_EQ(Bowl(kFast).nRuns, 1);
    EXPECT_EQ(in.nNoBalls, 1);
    EXPECT_EQ(in.nExtras, 1);
    EXPECT_EQ(in.nTotal, 1);
    EXPECT_EQ(g.Current.nOutcome, 64);
    EXPECT_EQ(BowlPoints(kFast), -6);
}

TEST_F(Booking, SpinnersAndKeepersNeverBowlANoBall)
{
    g.Current.nBowler = kSpinner;
    CountBall(g);
    EXPECT_EQ(BowlNoBall(g), 0);
    EXPECT_EQ(g.Current.nBall, 1);
    EXPECT_EQ(g.Current.nOutcome, 1);
    EXPECT_EQ(g.pInnings->nTotal, 0);
}

TEST_F(Booking, ALegByeDrawOfThreeBooksOne)
{
    g.Current.nOutcome = 1;
    Script({2});
    EXPECT_EQ(ConcedeLegByes(g, -1), 0);
    ExpectScriptUsed();
    const INNINGS& in = *g.pInnings;
    EXPECT_EQ(in.nLegByes, 1);
    EXPECT_EQ(in.nExtras, 1);
    EXPECT_EQ(in.nTotal, 1);
    EXPECT_EQ(Bowl(kFast).nRuns, 0);
    EXPECT_EQ(Bat(0).nRuns, 0);
    EXPECT_EQ(g.Current.nOutcome, 12);
    EXPECT_EQ(g.Current.nStriker, 1);

    Script({3});  // four leg byes
    ConcedeLegByes(g, -1);
    EXPECT_EQ(in.nLegByes, 5);
    EXPECT_EQ(g.Current.nOutcome, 15);
}

// Byes: a first draw not below the keeping skill (30) lets them through; a
// second draw of 3 books four off the fastest bowler, one off any other.
struct ByeCase {
    int bowler, keeperDraw, byes, outcome, keeperPoints, striker;
};
class BookingByes : public DeliveryFixture, public ::testing::WithParamInterface<ByeCase> {};

TEST_P(BookingByes, ByesPastTheKeeperAndTheDrawOfThree)
{
    const ByeCase bc = GetParam();
    g.Current.nBowler = static_cast<std::int16_t>(bc.bowler);
    g.Current.nOutcome = 1;
    Script({bc.keeperDraw});
    if (bc.byes) Script({2});
    EXPECT_EQ(ConcedeByes(g, -1), 0);
    ExpectScriptUsed();
    EXPECT_EQ(g.pInnings->nByes, bc.byes);
    EXPECT_EQ(g.Current.nOutcome, bc.outcome);
    EXPECT_EQ(FieldPoints(kKeeper), bc.keeperPoints);
    EXPECT_EQ(Bowl(bc.bowler).nRuns, 0);
    EXPECT_EQ(g.Current.nStriker, bc.striker);
}

INSTANTIATE_TEST_SUITE_P(Booking, BookingByes,
                         ::testing::Values(ByeCase{10, 30, 4, 19, -24, 0},   // the fast bowler
                                           ByeCase{9, 49, 1, 16, -6, 1},     // the spinner
                                           ByeCase{10, 29, 0, 1, 0, 0}));    // stopped

// The extras band of a fast bowler (pace class 5, d = 4): wide below 3, no
// ball to 12, byes to 19, leg byes from 20. Of a spinner (class 3, d = 2):
// wide below 1, no ball (never for him) to 6, byes to 9, nothing to 19.
TEST_F(Booking, TheExtrasBandsByPace)
{
    const struct {
        int bowler;
        std::vector<int> draws;
        int outcome;
    } cases[] = {
        {kFast, {2}, 8},       {kFast, {3}, 64},   {kFast, {12}, 64}, {kFast, {13, 49, 0}, 16},      {kFast, {20, 1}, 13},
        {kSpinner, {0}, 8},    {kSpinner, {6}, 1}, {kSpinner, {9, 49, 1}, 17},                       {kSpinner, {10}, 1},
    };
    for (const auto& tc : cases) {
        SCOPED_TRACE(tc.draws[0]);
        g.Current.nBowler = static_cast<std::int16_t>(tc.bowler);
        script.assign(tc.draws.begin(), tc.draws.end());
        CountBall(g);
        DrawExtras(g);
        EXPECT_EQ(g.Current.nOutcome, tc.outcome);
        ExpectScriptUsed();
    }
}

// --- wickets ---------------------------------------------------------------------

TEST_F(Booking, ABowledDuckBooksEverything)
{
    Batsman(0).nBatRating = 192;  // v = 5
    g.Current.Spell[kFast].nBudget = 3;
    g.Current.Spell[kFast].nBudgetLimit = 4;
    CountBall(g);
    g.Current.nOutcome = 32;
    EXPECT_EQ(FallOfWicket(g, HOWOUT_BOWLED, -1, 0), 0);
    const INNINGS& in = *g.pInnings;
    const CURRENT& c = g.Current;
    EXPECT_EQ(Bat(0).nHowOut, HOWOUT_BOWLED);
    EXPECT_EQ(Bat(0).nBowler, kFast);
    EXPECT_EQ(Bat(0).nFielder, 255);
    EXPECT_EQ(c.nOut, 0);
    EXPECT_EQ(BatPoints(0), -30);  // a duck: -(3 * 20) / 2
    EXPECT_EQ(BowlPoints(kFast), 27 * 5);
    EXPECT_EQ(c.Spell[kFast].nBudget, 4);
    EXPECT_EQ(in.nWickets, 1);
    EXPECT_EQ(Bowl(kFast).nWickets, 1);
    EXPECT_EQ(c.Spell[kFast].nSpellWickets, 1);
    EXPECT_EQ(in.Fow[0].nBatA, 0);
    EXPECT_EQ(in.Fow[0].nBatB, 1);
    EXPECT_EQ(in.Fow[0].nScore, 0);
    // The next in order takes strike and the out batsman's place in the pair.
    EXPECT_EQ(c.nStriker, 2);
    EXPECT_EQ(c.nNonStriker, 1);
    EXPECT_EQ(c.nPartnerA, 2);
    EXPECT_EQ(c.nPartnerB, 1);
    EXPECT_EQ(Bat(2).nHowOut, HOWOUT_NOTOUT);
    EXPECT_EQ(in.nOrder[2], 2);
    EXPECT_EQ(c.nTime, 1102);
    std::vector<int> s = Stream();
    ASSERT_GE(s.size(), 3u);
    EXPECT_EQ(s[0], 32);
    EXPECT_EQ(s[1], 255);
    EXPECT_EQ(s[2], 2);
    EXPECT_TRUE(Logged("Fall of Wicket.\n"));
}

TEST_F(Booking, FiftiesAreWorthPointsWhenTheBatsmanIsOut)
{
    Bat(0).nRuns = 117;
    g.Current.nOutcome = 32;
    FallOfWicket(g, HOWOUT_BOWLED, -1, 0);
    EXPECT_EQ(BatPoints(0), 100);
}

TEST_F(Booking, TheTenthWicketEndsTheInningsWithNoNewBatsman)
{
    INNINGS& in = *g.pInnings;
    for (int k = 2; k < 11; ++k) Bat(k).nHowOut = HOWOUT_BOWLED;
    Bat(10).nHowOut = HOWOUT_NOTOUT;
    g.Current.nNonStriker = g.Current.nPartnerB = 10;
    in.nWickets = 9;
    g.Current.nOutcome = 32;
    EXPECT_EQ(FallOfWicket(g, HOWOUT_BOWLED, -1, 0), 1);
    EXPECT_EQ(in.nWickets, 10);
    EXPECT_EQ(in.nStatus, INNINGS_ENDED);
    EXPECT_EQ(g.Current.nTime, 1100);
    EXPECT_EQ(g.Current.nStriker, 0);
    EXPECT_EQ(Stream(), (std::vector<int>{32, 255}));
}

TEST_F(Booking, ANightWatchmanComesInLateInTheDay)
{
    // Stumps 1800 less 65 is 1735: after it, with fewer than 8 overs owed, position 9 goes in.
    g.Current.nTime = 1736;
    g.Current.nOversToday = 84;  // 6 left
    g.pInnings->nWickets = 2;
    EXPECT_EQ(ComputerNextBatsman(g), 9);
    g.Current.nTime = 1735;
    EXPECT_EQ(ComputerNextBatsman(g), 2);
    g.Current.nTime = 1736;
    g.Current.nOversToday = 82;  // 8 left
    EXPECT_EQ(ComputerNextBatsman(g), 2);

    // With 9 gone and two overs left, position 10; not after the fifth ball of the last over.
    g.Current.nTime = 1750;
    Bat(9).nHowOut = HOWOUT_BOWLED;
    g.pInnings->nWickets = 4;
    g.Current.nOversToday = 88;
    EXPECT_EQ(ComputerNextBatsman(g), 10);
    g.Current.nOversToday = 89;
    g.Current.nBall = 5;
    EXPECT_EQ(ComputerNextBatsman(g), 2);
    g.Current.nDay = 5;
    g.Current.nBall = 0;
    EXPECT_EQ(ComputerNextBatsman(g), 2);
}

// --- a whole innings -------------------------------------------------------------

class BookingInnings : public DeliveryFixture {
protected:
    // Bowl until the innings ends (or a limit), changing ends and bowlers by hand
    // after every over; the number of deliveries bowled.
    int PlayInnings(int limit = 3000)
    {
        CURRENT& c = g.Current;
        int balls = 0;
        while (balls < limit && !c.bEndInnings) {
            BowlDelivery(g);
            ++balls;
            const bool overEnded = g.queue.Peek(WM_ENDOVER);
            g.queue.Clear();
            if (overEnded && !c.bEndInnings) {
                c.nBall = 0;
                c.nBallInOver = 0;
                c.nOverRow = static_cast<std::int16_t>((c.nOverRow + 1) % OVER_HISTORY_ROWS);
                std::swap(c.nStriker, c.nNonStriker);
                std::int16_t b = c.nBowler;
                c.nBowler = c.nOtherBowler;
                c.nOtherBowler = b;
                ++c.nOver;
            }
        }
        return balls;
    }
};

class BookingSeeds : public BookingInnings, public ::testing::WithParamInterface<std::uint32_t> {};

TEST_P(BookingSeeds, AReplayOfTheRecordedInningsBooksTheSameFiguresWithoutDrawing)
{
    const SERIES seriesAtStart = g.Series;
    const CURRENT currentAtStart = g.Current;
    g.rng.SetSource(nullptr);
    g.rng.Seed(GetParam());
    g.Current.nProtected = 3;  // protection refuses runs live; the replay books what was recorded
    const int balls = PlayInnings();
    const INNINGS live = *g.pInnings;
    std::uint16_t bat[11][2], bowl[11][2], field[11][2];
    std::memcpy(bat, g.pTest->nBatPoints, sizeof bat);
    std::memcpy(bowl, g.pTest->nBowlPoints, sizeof bowl);
    std::memcpy(field, g.pTest->nFieldPoints, sizeof field);
    const REPLAY stream = g.pTest->Replay;

    g.Series = seriesAtStart;
    g.Current = currentAtStart;
    g.SelectTestAndInnings();
    g.pTest->Replay = stream;
    g.pTest->Replay.nPosition = 0;
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    g.rng.SetSource([]() -> std::int32_t {
        ADD_FAILURE() << "a replay drew a value";
        return 0;
    });
    EXPECT_EQ(PlayInnings(), balls);
    EXPECT_EQ(std::memcmp(g.pInnings, &live, sizeof live), 0);
    EXPECT_EQ(std::memcmp(g.pTest->nBatPoints, bat, sizeof bat), 0);
    EXPECT_EQ(std::memcmp(g.pTest->nBowlPoints, bowl, sizeof bowl), 0);
    EXPECT_EQ(std::memcmp(g.pTest->nFieldPoints, field, sizeof field), 0);
    EXPECT_EQ(g.pTest->Replay.nPosition, static_cast<int>(stream.nLength));
}

INSTANTIATE_TEST_SUITE_P(BookingInnings, BookingSeeds, ::testing::Values(20261206u, 7u, 99u, 31337u, 5u));

// An over of five dots and two byes is a maiden; a wide before six dots spoils it.
class BookingMaiden : public BookingInnings, public ::testing::WithParamInterface<bool> {};

TEST_P(BookingMaiden, DotsAndByesAreAMaidenButAWideIsNot)
{
    const bool wide = GetParam();
    CURRENT& c = g.Current;
    c.Spell[kFast].nBudget = c.Spell[kFast].nBudgetLimit = 10;  // the computer keeps him on
    c.nNumBowlers = 4;
    c.nRunsAtOverStart = 0;
    if (wide) Script({4, 0, 1, 0});
    for (int k = 0; k < 5; ++k) Script({10, 0, 52});  // a dot
    if (wide) Script({10, 0, 52});
    else Script({4, 0, 1, 13, 49, 1});  // extras: r 13 byes, two of them
    for (int k = wide ? 7 : 6; k > 0; --k) BowlDelivery(g);
    ExpectScriptUsed();
    EXPECT_EQ(c.nBall, 6);
    EXPECT_EQ(g.pInnings->nByes, wide ? 0 : 2);
    g.queue.Clear();
    EndOfOver(g, 0);
    EXPECT_EQ(Bowl(kFast).nMaidens, wide ? 0 : 1);
    EXPECT_EQ(c.Spell[kFast].nSpellMaidens, wide ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(BookingInnings, BookingMaiden, ::testing::Bool());

}  // namespace
}  // namespace ovs::test
