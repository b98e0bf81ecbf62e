// The match clock and the weather: intervals, the close of play, the last
// hour, the end of the fifth day, stoppages and their lost minutes and overs,
// the session and highlight lines. Every expected figure is worked out by hand
// from the timetable rules (lunch 13:00, tea 15:40, last hour 17:00, stumps
// 18:00 with the default start of 11:00).
#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <string>

#include "core/clock.h"
#include "core/game.h"
#include "core/highlights.h"
#include "core/match.h"
#include "core/replay.h"
#include "core/weather.h"
#include "data/records.h"
#include "fixtures.h"

namespace ovs {
namespace {

constexpr int kMedium = 8;
constexpr int kFast = 64;
constexpr int kOffSpin = 1;

// A Test in its first innings on a ground of the default timetable: two
// people play (so the game is watched and no computer declares or changes
// bowlers), the home side bats, slot 0 of the away side bowls.
class ClockTest : public test::ElevensFixture {
protected:
    void SetUp() override
    {
        SetUpElevens(10);
        g.options.wShowMessages = 0x3FFF;
        GROUND& gr = g.db.grounds[0];
        gr.nSize = 0;
        gr.nStart = 1100;
        gr.nSunset = 2000;
        for (auto& w : gr.nWeather) w = 6;
        std::strcpy(g.db.squads[0].szName, "Home Side");
        std::strcpy(g.db.squads[1].szName, "Away Side");

        test::SetUpOneTest(g, CONTROL_HUMAN);
        g.Series.bAllowWeather = 1;
        OpenFirstInnings();
        g.pInnings->nTotal = 123;
        g.pInnings->nWickets = 4;
        g.Current.nBowler = 0;
        g.Current.nOtherBowler = 1;
        g.Current.nWeather = 12;
        g.Current.nOutfield = 200;
        SetDayTimes(g);
    }

    void BowlerType(int type) { g.db.players[11 + g.Current.nBowler].nBowlType = static_cast<std::int8_t>(type); }
    std::string Highlight(int fromEnd = 0) const { return g.Current.szHighlights[23 - fromEnd]; }
    std::string Session(int index) const { return g.Current.szSessions[index]; }
    // Draws come from this list (a network client's source works the same way).
    void Script(std::initializer_list<int> values)
    {
        draws.assign(values.begin(), values.end());
        g.rng.SetSource([this] {
            int v = draws.empty() ? 0 : draws.front();
            if (!draws.empty()) draws.pop_front();
            return v;
        });
    }
    // Play the weather into a stoppage that never clears by itself: after
    // sunset the light fails at every step, and no new day can draw bad light.
    void EndlessBadLight()
    {
        GROUND& gr = g.db.grounds[0];
        gr.nSunset = 1000;
        gr.nWeather[7] = 0;
        gr.nWeather[8] = 0;
        g.Current.nWeather = 35;
    }

    std::deque<int> draws;
};

TEST_F(ClockTest, TimetableFromTheGround)
{
    const DayTimes& t = Timetable(g);
    EXPECT_EQ(t.nDayStart, 1100);
    EXPECT_EQ(t.nLunchTime, 1300);
    EXPECT_EQ(t.nTeaTime, 1540);
    EXPECT_EQ(t.nLastHourTime, 1700);
    EXPECT_EQ(t.nStumpsTime, 1800);
    EXPECT_EQ(t.nRunLimit, 210);
    EXPECT_EQ(t.nRunOne, 115);

    // Start 10:30 on a large ground: lunch 12:30, tea 12:30 + 240 = 1470,
    // carried to 15:10; last hour 16:30; stumps 17:30.
    g.db.grounds[0].nStart = 1030;
    g.db.grounds[0].nSize = 3;
    SetDayTimes(g);
    EXPECT_EQ(t.nLunchTime, 1230);
    EXPECT_EQ(t.nTeaTime, 1510);
    EXPECT_EQ(t.nLastHourTime, 1630);
    EXPECT_EQ(t.nStumpsTime, 1730);
    EXPECT_EQ(t.nRunLimit, 216);
    EXPECT_EQ(t.nRunFour, 191);
    EXPECT_EQ(t.nRunThree, 172);
    EXPECT_EQ(t.nRunTwo, 145);
    EXPECT_EQ(t.nRunOne, 118);
}

TEST_F(ClockTest, OverMinutesByBowlingType)
{
    EXPECT_EQ(OverMinutes(-1), 2);
    EXPECT_EQ(OverMinutes(kOffSpin), 3);
    EXPECT_EQ(OverMinutes(2), 3);
    EXPECT_EQ(OverMinutes(4), 3);
    EXPECT_EQ(OverMinutes(kMedium), 3);
    EXPECT_EQ(OverMinutes(16), 4);
    EXPECT_EQ(OverMinutes(32), 4);
    EXPECT_EQ(OverMinutes(kFast), 5);

    // A fast bowler's over: 11:00 -> 11:05 (the fatigue it books is in the
    // bowling tests).
    BowlerType(kFast);
    g.Current.nTime = 1100;
    g.Current.nBall = 6;
    EXPECT_EQ(EndOfOverClock(g, 0), 0);
    EXPECT_EQ(g.Current.nTime, 1105);
    EXPECT_EQ(g.Current.nOversToday, 1);
    EXPECT_EQ(g.Current.nBall, 0);

    // A spinner's over from 11:58 carries to 12:01.
    BowlerType(kOffSpin);
    g.Current.nTime = 1158;
    EndOfOverClock(g, 0);
    EXPECT_EQ(g.Current.nTime, 1201);
}

TEST_F(ClockTest, OverEndingFrom1300To1308TakesLunchUntil1340)
{
    for (int t = 1300; t <= 1308; ++t) {
        SCOPED_TRACE(t);
        g.Current.nTime = static_cast<std::int16_t>(t);
        g.pTest->bBreak = 0;
        g.Current.Spell[3].nTiredness = 50;
        int stopped = 0;
        EXPECT_EQ(CheckClock(g, stopped, 0), 0);
        EXPECT_EQ(stopped, 1);
        EXPECT_EQ(g.Current.nTime, 1340);
        EXPECT_EQ(g.pTest->bBreak, 1);
        EXPECT_EQ(g.Current.Spell[3].nTiredness, 20);
        EXPECT_EQ(Session(0), "Lunch Day 1: HOM 123 for 4");
        char expect[80];
        std::snprintf(expect, sizeof expect, "%02d:%02d  Lunch Day 1:  Home Side  123 for 4", t / 100, t % 100);
        EXPECT_EQ(Highlight(), expect);
    }
    for (int t : {1259, 1309}) {
        SCOPED_TRACE(t);
        g.Current.nTime = static_cast<std::int16_t>(t);
        int stopped = 0;
        EXPECT_EQ(CheckClock(g, stopped, 0), 0);
        EXPECT_EQ(stopped, 0);
        EXPECT_EQ(g.Current.nTime, t);
    }
}

TEST_F(ClockTest, OverIntoLunchThroughTheOversClockStep)
{
    // A medium pacer's over from 12:57 ends at 12:60, carried to 13:00: lunch.
    g.Current.nTime = 1257;
    g.Current.Spell[0].nTiredness = 40;
    EXPECT_EQ(EndOfOverClock(g, 0), 0);
    EXPECT_EQ(g.Current.nTime, 1340);
    EXPECT_EQ(g.Current.Spell[0].nTiredness, 40 + 4 - 1 - 30);
    EXPECT_EQ(host.DialogRuns(Dialog::Scoreboard), 1);  // watched: the scoreboard at lunch
}

TEST_F(ClockTest, ChangeOfInningsAndTheIntervals)
{
    // The innings has ended: the check is quiet and answers 1.
    g.pInnings->nStatus = INNINGS_ENDED;

    // 12:59 + 10 projects to 13:09, past the lunch window: no lunch that day.
    g.Current.nTime = 1259;
    int stopped = 0;
    EXPECT_EQ(CheckClock(g, stopped, 10), 1);
    EXPECT_EQ(stopped, 0);
    EXPECT_EQ(g.Current.nTime, 1259);
    EXPECT_EQ(Session(0), "");

    // 15:38 + 10 projects to 15:48, the last minute of the tea window. The
    // clock moves by the interval's end less the projection: 15:38 + (1560 -
    // 1548) = 15:50.
    g.Current.nTime = 1538;
    EXPECT_EQ(CheckClock(g, stopped, 10), 1);
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(g.Current.nTime, 1550);
    EXPECT_EQ(Session(1), "Tea Day 1: HOM 123 for 4");

    // 15:58 + 10 projects to 16:08, well past the tea window of 15:40-15:48:
    // no interval, so the changeover costs its ten minutes (its caller adds them).
    g.Current.nTime = 1558;
    stopped = 0;
    EXPECT_EQ(CheckClock(g, stopped, 10), 1);
    EXPECT_EQ(stopped, 0);
    EXPECT_EQ(g.Current.nTime, 1558);
}

TEST_F(ClockTest, StumpsStartTheNextDay)
{
    // 17:59 with 89 overs: not yet. 18:15 with 88 of 90 overs: play goes on.
    g.Current.nTime = 1759;
    g.Current.nOversToday = 89;
    int stopped = 0;
    EXPECT_EQ(CheckClock(g, stopped, 0), 0);
    g.Current.nTime = 1815;
    g.Current.nOversToday = 88;
    EXPECT_EQ(CheckClock(g, stopped, 0), 0);
    EXPECT_EQ(stopped, 0);
    EXPECT_EQ(g.Current.nDay, 1);

    g.Current.nOversToday = 90;
    g.Current.Spell[2].nTiredness = 150;
    EXPECT_EQ(CheckClock(g, stopped, 0), 0);
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(g.Current.nDay, 2);
    EXPECT_EQ(g.Current.nTime, 1100);
    EXPECT_EQ(g.Current.nOversToday, 0);
    EXPECT_EQ(g.Current.nOversRequired, 90);
    EXPECT_EQ(g.Current.Spell[2].nTiredness, 50);
    EXPECT_EQ(Session(2), "Stumps Day 1: HOM 123 for 4");
    EXPECT_GE(g.Current.nOutfield, 150);
    EXPECT_LE(g.Current.nOutfield, 300);
    EXPECT_LT(g.Current.nWeather, 40);  // a day never starts in the rain
}

TEST_F(ClockTest, LastHourStartsWhenTheOversAreDue)
{
    g.Current.nDay = 5;
    // 16:58 + 3 = 17:01 with 74 overs bowled: the last hour needs 75 (90 - 15).
    g.Current.nTime = 1658;
    g.Current.nOversToday = 73;
    EXPECT_EQ(EndOfOverClock(g, 0), 0);
    EXPECT_EQ(g.pTest->bLastHour, 0);

    g.Current.nTime = 1658;
    EXPECT_EQ(EndOfOverClock(g, 0), 0);  // the 75th over
    EXPECT_EQ(g.pTest->bLastHour, 1);
    EXPECT_EQ(g.pTest->nLastHourEnd, 1801);
    EXPECT_EQ(g.Current.nOversRequired, 90);
    EXPECT_EQ(Highlight(), "17:01  ** Start of Last Hour **  ");
    ASSERT_TRUE(host.SawCaption("Last Hour"));
    EXPECT_TRUE(host.Saw("Start of the Last Hour"));
}

TEST_F(ClockTest, FifthDayEndsWhenTheLastHourAndItsOversAreDone)
{
    g.Current.nDay = 5;
    g.pTest->bLastHour = 1;
    g.pTest->nLastHourEnd = 1805;
    g.Current.nOversRequired = 88;
    g.Current.nOversToday = 87;
    g.Current.nTime = 1801;
    // 18:04 and 88 overs: the hour is not over yet.
    EXPECT_EQ(EndOfOverClock(g, 0), 0);
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_INPROGRESS);
    // A fast bowler's over to 18:09: the Test is drawn.
    BowlerType(kFast);
    EXPECT_EQ(EndOfOverClock(g, 0), 1);
    EXPECT_EQ(g.Current.nTime, 1809);
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_DRAWN);
}

TEST_F(ClockTest, FifthDayPlayGoesOnPastStumpsUntilTheLastHourIsDone)
{
    g.Current.nDay = 5;
    g.Current.nTime = 1830;
    g.Current.nOversToday = 70;
    int stopped = 0;
    EXPECT_EQ(CheckClock(g, stopped, 0), 0);
    EXPECT_EQ(stopped, 0);
    EXPECT_EQ(g.pTest->bLastHour, 0);

    // At a change of innings the close of the fifth day draws the Test.
    g.pTest->bLastHour = 1;
    g.pTest->nLastHourEnd = 1820;
    g.Current.nOversRequired = 70;
    g.pInnings->nStatus = INNINGS_ENDED;
    EXPECT_EQ(CheckClock(g, stopped, 10), 1);
    EXPECT_EQ(stopped, 1);
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_DRAWN);
    EXPECT_EQ(Session(14), "Stumps Day 5: HOM 123 for 4");
}

TEST_F(ClockTest, SixteenthStoppageStepIsTheFirstToCostAnOver)
{
    // 17:40 with 89 of 90 overs bowled and the light gone for good. Stumps
    // need 18:00 and 89 >= the overs still owed, which first holds when the
    // sixteenth step takes an over off: 16 steps, 64 minutes, 1 over.
    EndlessBadLight();
    g.Current.nTime = 1740;
    g.Current.nOversToday = 89;
    EXPECT_EQ(WeatherStoppage(g), 0);
    EXPECT_EQ(g.pTest->nStoppages[1], 16);
    EXPECT_EQ(g.pTest->nStoppages[2], 0);
    EXPECT_EQ(Session(2), "Stumps Day 1: HOM 123 for 4");
    EXPECT_EQ(g.Current.nDay, 2);
    EXPECT_EQ(g.Current.nTime, 1100);
    EXPECT_EQ(g.Current.nOversRequired, 90);
    EXPECT_LT(g.Current.nWeather, 35);
    EXPECT_EQ(g.pTest->bBreak, 1);
    EXPECT_EQ(Highlight(), "11:00  A total of 64 minutes and 1 over were lost due to the weather.  ");
    EXPECT_TRUE(host.Saw("A total of 64 minutes and 1 over\nwere lost due to the weather."));
    EXPECT_TRUE(host.SawCaption("Weather Interruption"));
}

TEST_F(ClockTest, StoppageWithinFifteenStepsLosesMinutesOnly)
{
    // With all 90 overs bowled stumps come at 18:00: five steps, 20 minutes.
    EndlessBadLight();
    g.Current.nTime = 1740;
    g.Current.nOversToday = 90;
    g.Current.Spell[1].nTiredness = 30;
    EXPECT_EQ(WeatherStoppage(g), 0);
    EXPECT_EQ(g.pTest->nStoppages[1], 5);
    // Five steps of 2, then 100 at the new day.
    EXPECT_EQ(g.Current.Spell[1].nTiredness, 0);
    EXPECT_EQ(Highlight(), "11:00  A total of 20 minutes were lost due to the weather.  ");
    EXPECT_TRUE(host.Saw("A total of 20 minutes were lost due to the\nweather."));
}

TEST_F(ClockTest, StoppageThroughLunchAndThroughTheCloseOfTheFifthDay)
{
    // Bad light from 12:20: the fourth step reaches 12:36, inside the early
    // lunch window from 1300 - 70 = 1230 (not corrected) to 13:05; lunch adds
    // ten steps, 40 minutes, without lost minutes.
    EndlessBadLight();
    g.Current.nTime = 1220;
    g.Current.nDay = 5;
    g.pTest->bLastHour = 1;
    g.pTest->nLastHourEnd = 1330;
    g.Current.nOversToday = 10;
    g.Current.nOversRequired = 10;
    // Steps at 12:24, 12:28, 12:32 (lunch, to 13:12), 13:16 ... 13:32 >= 13:30
    // closes the fifth day: 3 + 5 counted steps, 32 minutes lost.
    EXPECT_EQ(WeatherStoppage(g), 1);
    EXPECT_EQ(g.pInnings->nStatus, INNINGS_DRAWN);
    EXPECT_EQ(g.Current.nTime, 1332);
    EXPECT_EQ(g.pTest->nStoppages[5], 8);
    EXPECT_EQ(Session(12), "Lunch Day 5: HOM 123 for 4");
    EXPECT_EQ(Session(14), "Stumps Day 5: HOM 123 for 4");
    EXPECT_EQ(Highlight(), "13:32  A total of 32 minutes were lost due to the weather.  ");
}

TEST_F(ClockTest, NoRainOrBadLightWhenTheWeatherIsNotAllowed)
{
    g.Series.bAllowWeather = 0;
    g.Current.nWeather = 37;
    EXPECT_EQ(WeatherStoppage(g), 0);
    EXPECT_EQ(g.Current.nWeather, 32);
    EXPECT_EQ(g.pTest->nStoppages[1], 0);

    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        g.rng.Seed(seed);
        DailyWeather(g);
        ASSERT_LT(g.Current.nWeather, 30) << seed;
    }
    g.Series.bAllowWeather = 1;
    bool badLight = false;
    for (std::uint32_t seed = 1; seed <= 300; ++seed) {
        g.rng.Seed(seed);
        DailyWeather(g);
        ASSERT_LT(g.Current.nWeather, 40) << seed;  // a day never begins with rain
        badLight = badLight || g.Current.nWeather >= 35;
    }
    EXPECT_TRUE(badLight);
}

TEST_F(ClockTest, GroundWithoutWeightsStaysVerySunny)
{
    for (auto& w : g.db.grounds[0].nWeather) w = 0;
    for (std::uint32_t seed = 1; seed <= 50; ++seed) {
        g.rng.Seed(seed);
        DailyWeather(g);
        ASSERT_LT(g.Current.nWeather, 5);
        int before = g.Current.nWeather;
        g.Current.nTime = 1200;
        WeatherChange(g);
        ASSERT_EQ(g.Current.nWeather, before);
    }
}

TEST_F(ClockTest, DailyWeatherStepsThroughTheWeights)
{
    GROUND& gr = g.db.grounds[0];
    const int w[9] = {1, 2, 3, 4, 50, 5, 6, 7, 8};
    for (int i = 0; i < 9; ++i) gr.nWeather[i] = static_cast<std::uint8_t>(w[i]);
    // total 1+2+3+4+5+6+7+8 = 36 (the cloudy weight takes no part).
    // Draw 2 (intensity), then r = 0 -> category 0.
    Script({2, 0});
    DailyWeather(g);
    EXPECT_EQ(g.Current.nWeather, 2);
    // r = 10 = 1 + 2 + 3 + 4: category 4 with the overcast weight behind it.
    Script({1, 10});
    DailyWeather(g);
    EXPECT_EQ(g.Current.nWeather, 21);
    // r = 35, the last of the rain weight's range: bad light, never rain.
    Script({4, 35});
    DailyWeather(g);
    EXPECT_EQ(g.Current.nWeather, 39);
}

TEST_F(ClockTest, WeatherChangeSteps)
{
    GROUND& gr = g.db.grounds[0];
    // Fine (category 2): the outfield quickens by 3; a change draw of 6 <= wC
    // moves it; total w1 + w2 + w3 = 18, r = 5 < low 6 improves to sunny.
    g.Current.nWeather = 12;
    g.Current.nTime = 1200;
    Script({6, 5});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 7);
    EXPECT_EQ(g.Current.nOutfield, 197);
    // Sunny (outfield -4): r = 12 >= high w0 + w1 = 12 worsens it back to
    // fine; then a change draw of 7 > wC keeps fine as it is.
    Script({0, 12});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 12);
    Script({7});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 12);

    // Very overcast worsening before tea: a draw of 8 below 9 brings rain;
    // after tea 8 is not below 8 and it is bad light.
    g.Current.nWeather = 30;
    Script({0, 12, 8});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 40);
    g.Current.nWeather = 30;
    g.Current.nTime = 1600;
    Script({0, 12, 8});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 35);

    // Rain: the outfield slows by 10; it turns to bad light when the draw
    // beats wR + 12 = 18.
    g.Current.nWeather = 41;
    g.Current.nOutfield = 495;
    Script({18});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 41);
    EXPECT_EQ(g.Current.nOutfield, 499);
    Script({19});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 36);

    // Failing light: sunset 18:00 - 10 + 5 = 1795, carried to 18:35.
    gr.nSunset = 1800;
    g.Current.nWeather = 10;
    g.Current.nTime = 1835;
    Script({14});
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 10);
    g.Current.nTime = 1836;
    WeatherChange(g);
    EXPECT_EQ(g.Current.nWeather, 35);
}

TEST_F(ClockTest, SessionLinesByWindowWidth)
{
    g.Current.nDay = 2;
    g.Current.nTime = 1540;
    SessionSummary(g, 1);
    EXPECT_EQ(Session(4), "Tea Day 2: HOM 123 for 4");
    EXPECT_EQ(Highlight(), "15:40  Tea Day 2:  Home Side  123 for 4");
    g.nMainWidth = 1152;
    g.pInnings->nWickets = 10;
    SessionSummary(g, 1);
    EXPECT_EQ(Session(4), "Tea Day 2:  HOM  123 all out");
    g.nMainWidth = 1280;
    SessionSummary(g, 2);
    EXPECT_EQ(Session(5), "Stumps Day 2:  Home Side  123 all out");
    EXPECT_TRUE(host.refreshMask & PANE_SESSION);
}

TEST_F(ClockTest, HighlightsScrollAndCarryTheTimeOfPlay)
{
    g.Current.nTime = 0;
    AddHighlight(g, "first");
    EXPECT_EQ(Highlight(), "first");
    // Three balls of a medium pacer's over from 12:59: 3 * 3 / 6 = 1 minute.
    g.Current.nTime = 1259;
    g.Current.nBall = 3;
    AddHighlight(g, "\nTwo\nlines\t!\n");
    EXPECT_EQ(Highlight(), "13:00  Two  lines!  ");
    for (int i = 0; i < 23; ++i) AddHighlight(g, "x");
    EXPECT_EQ(std::string(g.Current.szHighlights[0]), "13:00  Two  lines!  ");
    AddHighlight(g, std::string(200, 'y'));
    EXPECT_EQ(Highlight().size(), 99u);
}

// --- the weather after every over ---------------------------------------------------

// Weights that make the weather's moves certain (very sunny .. rain, then how
// often it changes, 14: always, and rain), partly cloudy of intensity 2 at
// 11:00, the replay stream empty; the generator steps by its own rule.
class ClockOverWeather : public ClockTest {
protected:
    void SetUp() override
    {
        ClockTest::SetUp();
        const int weights[WEATHER_WEIGHTS] = {6, 6, 0, 0, 4, 0, 6, 6, 6, 14, 6};
        for (int i = 0; i < WEATHER_WEIGHTS; ++i) g.db.grounds[0].nWeather[i] = static_cast<std::uint8_t>(weights[i]);
        g.Current.nTime = 1100;
        g.Current.nWeather = 17;
        ReplayClear(g.pTest->Replay);
    }

    // The generator's state after n more draws.
    static std::uint64_t After(std::uint64_t state, int n)
    {
        for (int i = 0; i < n; ++i) state = state * 0x0000015A00004E35ull + 1;
        return state;
    }

    // A medium pacer's whole over (3 minutes).
    int Over()
    {
        g.Current.nBall = 6;
        return EndOfOverClock(g, 0);
    }
};

TEST_F(ClockOverWeather, EveryOverMovesTheWeatherAndRecordsIt)
{
    CURRENT& c = g.Current;
    const std::uint64_t start = g.rng.State();

    // Over 1, to 11:03. Partly cloudy (3): the outfield dries by 3 - 5 = -2 to
    // 198. The light holds: 2000 - 17 + 5 = 1988, carried to 2028. The change
    // draw below 15 is always within 14. Row 3: total w2 + w3 + w4 = 4, low
    // w2 = 0, high w2 + w3 = 0: any r of the four worsens it, to 22 (cloudy).
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(c.nTime, 1103);
    EXPECT_EQ(c.nOutfield, 198);
    EXPECT_EQ(c.nWeather, 22);
    EXPECT_EQ(g.rng.State(), After(start, 2));

    // Over 2, to 11:06. Cloudy (4): outfield -1 to 197. Row 4: total w3 + w4 +
    // w5 = 4, low 0, high 4: every r of the four keeps it at 22.
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(c.nTime, 1106);
    EXPECT_EQ(c.nOutfield, 197);
    EXPECT_EQ(c.nWeather, 22);
    EXPECT_EQ(g.rng.State(), After(start, 4));

    // Over 3, to 11:09, with the sun setting at 11:20: 1120 - 22 + 5 = 1103 is
    // before 11:09, so the light fails: 22 mod 5 + 35 = 37, without a draw.
    g.db.grounds[0].nSunset = 1120;
    EXPECT_EQ(Over(), 0);
    EXPECT_EQ(c.nTime, 1109);
    EXPECT_EQ(c.nOutfield, 196);
    EXPECT_EQ(c.nWeather, 37);
    EXPECT_EQ(g.rng.State(), After(start, 4));

    // Each over's weather went into the replay stream, in order.
    const REPLAY& r = g.pTest->Replay;
    ASSERT_EQ(r.nLength, 3);
    EXPECT_EQ(r.Data[0], 22);
    EXPECT_EQ(r.Data[1], 22);
    EXPECT_EQ(r.Data[2], 37);

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
        EXPECT_EQ(c.nWeather, expected[over]) << "over " << over + 1;
    }
    EXPECT_EQ(c.nOutfield, 196);
    EXPECT_EQ(g.rng.State(), replayStart);
}

TEST_F(ClockOverWeather, TheLastOverOfAnInningsMovesItToo)
{
    // The innings ended within the over: the clock and the weather still move.
    g.pInnings->nStatus = INNINGS_ENDED;
    g.Current.nBall = 3;
    EXPECT_EQ(EndOfOverClock(g, 1), 1);
    EXPECT_EQ(g.Current.nTime, 1103);
    EXPECT_EQ(g.Current.nWeather, 22);
    EXPECT_EQ(g.pTest->Replay.nLength, 1);
}

TEST_F(ClockOverWeather, WithoutRainTheChangeStillRunsButStopsAtVeryOvercast)
{
    CURRENT& c = g.Current;
    g.Series.bAllowWeather = 0;
    const std::uint64_t start = g.rng.State();

    // The same first over as with rain allowed: 17 worsens to 22.
    Over();
    EXPECT_EQ(c.nWeather, 22);
    EXPECT_EQ(g.rng.State(), After(start, 2));

    // Very overcast (6), intensity 0: the outfield gains 6 - 5 = 1. Row 6:
    // total w5 + w6 + w8 = 12, low 0, high 6. An r of 6 or more would worsen
    // it, which without rain leaves it where it is, and an r below 6 keeps it
    // too: 30 whatever the draw, and no third draw for rain or bad light.
    c.nWeather = 30;
    c.nOutfield = 100;
    const std::uint64_t before = g.rng.State();
    Over();
    EXPECT_EQ(c.nWeather, 30);
    EXPECT_EQ(c.nOutfield, 101);
    EXPECT_EQ(g.rng.State(), After(before, 2));
}

}  // namespace
}  // namespace ovs
