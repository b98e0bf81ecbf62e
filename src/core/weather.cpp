// The weather: the day's draw from the ground's weights, the change after
// every over, and the stoppages for bad light and rain.
#include "core/weather.h"

#include <algorithm>
#include <cstdio>

#include "core/clock.h"
#include "core/ballbyball.h"
#include "core/clock_internal.h"
#include "core/conditions.h"
#include "core/flow.h"
#include "core/format.h"
#include "core/game.h"
#include "core/highlights.h"
#include "core/innings.h"
#include "core/replay.h"
#include "sim/bowling.h"

namespace ovs {

namespace {

// Ground weights: the nine categories, then how often the weather changes and
// how long rain lasts.
constexpr int kChangesWeight = 9;
constexpr int kRainWeight = 10;

int Weight(const GROUND* gr, int i) { return gr ? static_cast<int>(gr->nWeather[i]) : 0; }

void ClampOutfield(CURRENT& c, int value) { c.nOutfield = static_cast<std::int16_t>(std::clamp(value, 0, 499)); }

}  // namespace

const char* WeatherText(int category)
{
    static const char* const kText[9] = {
        "Very hot and sunny.  Not a cloud in the sky.",
        "Hot and sunny with very high light clouds.",
        "Fine and Sunny with light cloud.",
        "Cloudy with occasional breaks of sun.",
        "Cloudy.",
        "Overcast.",
        "Very overcast.",
        "Bad light - Play is not possible.",
        "Raining - Play is not possible.",
    };
    return kText[std::clamp(category, 0, 8)];
}

void DailyWeather(Game& g)
{
    if (Replaying(g)) {
        g.Current.nWeather = static_cast<std::int16_t>(ReplayByteIn(g, 0, 5 * WEATHER_RAIN + 4, "the weather"));
        return;
    }
    // A network client's weather is the server's.
    if (NetworkClient(g)) {
        NetworkTakeWeather(g);
        ReplayAppendByte(g, g.Current.nWeather);
        return;
    }
    const GROUND* gr = TestGround(g);
    bool allow = g.Series.bAllowWeather == 1;
    int w[9];
    for (int i = 0; i < 9; ++i) w[i] = Weight(gr, i);

    int total = w[0] + w[1] + w[2] + w[3] + w[5] + w[6];
    if (allow) total += w[7] + w[8];

    int intensity = g.rng.Below(5);
    int r = g.rng.Below(total);

    // The cloudy weight takes no part, and rain is never drawn for a whole day.
    // A ground with no weights at all keeps category 0.
    int category = 0;
    if (total > 0 && r >= w[0]) {
        category = 1, r -= w[0];
        if (r >= w[1]) {
            category = 2, r -= w[1];
            if (r >= w[2]) {
                category = 3, r -= w[2];
                if (r >= w[3]) {
                    category = 4, r -= w[3];
                    if (r >= w[5]) {
                        category = 5, r -= w[5];
                        if (r >= w[6] && allow) {
                            category = 6, r -= w[6];
                            if (r >= w[7]) category = 7;
                        }
                    }
                }
            }
        }
    }
    g.Current.nWeather = static_cast<std::int16_t>(category * 5 + intensity);
    ReplayAppendByte(g, g.Current.nWeather);
    NetworkSendWeather(g);
}

void WeatherChange(Game& g)
{
    CURRENT& c = g.Current;
    const GROUND* gr = TestGround(g);

    int cat = c.nWeather / 5;
    if (cat < 7)
        ClampOutfield(c, c.nOutfield + cat - 5);
    else if (cat == 8)
        ClampOutfield(c, c.nOutfield + 10);

    // A replay reads the new weather back instead of drawing it.
    if (Replaying(g)) {
        c.nWeather = static_cast<std::int16_t>(ReplayByteIn(g, 0, 5 * WEATHER_RAIN + 4, "the weather"));
        return;
    }
    if (NetworkClient(g)) {
        NetworkTakeWeather(g);
        ReplayAppendByte(g, c.nWeather);
        return;
    }

    int sunset = gr ? static_cast<int>(gr->nSunset) : 2000;
    int failing = CarryTime(sunset - c.nWeather + 5);
    if (failing < c.nTime) {
        c.nWeather = static_cast<std::int16_t>(c.nWeather % 5 + 35);
    } else if (cat == 8) {
        if (g.rng.Below(25) > Weight(gr, kRainWeight) + 12) c.nWeather -= 5;
    } else if (g.rng.Below(15) <= Weight(gr, kChangesWeight)) {
        // The weather moves towards a neighbouring category, weighted by
        // the ground: below `low` it improves, from `high` on it worsens.
        // Very overcast worsens to rain (weight w8), and bad light never
        // turns to rain this way.
        // Only the weights of the category and its neighbours are read, and
        // only here, where a change is due: most overs leave the weather be.
        int total, low, high;
        if (cat == 0) {
            const int here = Weight(gr, 0);
            total = here + Weight(gr, 1);
            low = 0;
            high = here;
        } else {
            const int below = Weight(gr, cat - 1), here = Weight(gr, cat);
            const int next = cat == 6 ? Weight(gr, 8) : cat == 7 ? 0 : Weight(gr, cat + 1);
            total = below + here + next;
            low = below;
            high = below + here;
        }
        // With no weights at all nothing moves.
        if (total > 0) {
            int r = g.rng.Below(total);
            if (r < low) {
                c.nWeather -= 5;
            } else if (r >= high) {
                if (cat != 6) {
                    c.nWeather += 5;
                } else if (g.Series.bAllowWeather == 1) {
                    // Rain nine times in ten, four in five once tea has passed;
                    // bad light otherwise.
                    int rainChance = c.nTime > Timetable(g).nTeaTime ? 8 : 9;
                    c.nWeather += g.rng.Below(10) < rainChance ? 10 : 5;
                }
            }
        }
    }
    ReplayAppendByte(g, c.nWeather);
    NetworkSendWeather(g);
}

}  // namespace ovs

namespace ovs {

namespace {

// One four-minute step of a stoppage's interval part: no minutes are lost.
void IntervalSteps(Game& g, int n, int& steps)
{
    for (int i = 0; i < n; ++i) {
        g.Current.nTime = static_cast<std::int16_t>(CarryTime(g.Current.nTime + 4));
        WeatherChange(g);
        ++steps;
    }
}

void ShowStoppageScoreboard(Game& g)
{
    if (!g.Watched()) return;
    DialogRequest req;
    req.id = Dialog::Scoreboard;
    g.host->RunDialog(req);
}

}  // namespace

int WeatherStoppage(Game& g)
{
    CURRENT& c = g.Current;
    TEST& test = *g.pTest;
    INNINGS& inn = *g.pInnings;
    const DayTimes& tt = Timetable(g);
    if (inn.nStatus != INNINGS_INPROGRESS) return 1;

    if (g.Series.bAllowWeather == 0) {
        c.nWeather = static_cast<std::int16_t>(c.nWeather % 5 + 30);
        return 0;
    }

    if (inn.nTotalBalls > 0 && c.nTime != tt.nDayStart)
        BbbCloseBlock(g);
    else if (inn.nTotalBalls > 0 && c.nDay >= 2 && c.nTime == tt.nDayStart)
        BbbWrite(g, "\n");
    BbbWrite(g, c.nWeather / 5 == WEATHER_RAIN ? "** Rain stopped play **\n" : "** Bad Light stopped play **\n");
    if (g.Watched()) g.host->Refresh(PANE_ALL);

    int minutesLost = 0;
    int oversLost = 0;
    int steps = 0;
    bool newDay = false;
    bool ended = false;
    for (;;) {
        int day = std::clamp<int>(c.nDay, 0, 5);
        if (++test.nStoppages[day] > 15) {
            --c.nOversRequired;
            ++oversLost;
        }
        RestBowlers(g, 2);
        minutesLost += 4;
        c.nTime = static_cast<std::int16_t>(CarryTime(c.nTime + 4));
        WeatherChange(g);
        ++steps;

        if (CarryTime(tt.nLunchTime - 70) <= c.nTime && c.nTime <= CarryTime(tt.nLunchTime + 5)) {
            RestBowlers(g, 20);
            ShowStoppageScoreboard(g);
            BbbPrintf(g, c.nTime >= CarryTime(tt.nLunchTime - 45) ? "** Lunch - Day %d **\n" : "** Early Lunch - Day %d **\n",
                      c.nDay);
            SessionSummary(g, 0);
            IntervalSteps(g, 10, steps);
        }
        if (CarryTime(tt.nTeaTime - 50) <= c.nTime && c.nTime <= CarryTime(tt.nTeaTime + 5)) {
            RestBowlers(g, 10);
            ShowStoppageScoreboard(g);
            BbbPrintf(g, c.nTime >= tt.nTeaTime ? "** Tea - Day %d **\n" : "** Early Tea - Day %d **\n", c.nDay);
            SessionSummary(g, 1);
            IntervalSteps(g, 5, steps);
        }
        if (LastHourDue(g, c.nTime)) StartLastHour(g, false, false);

        if (CloseOfPlayDue(g, c.nTime)) {
            test.bBreak = 1;
            ShowStoppageScoreboard(g);
            SessionSummary(g, 2);
            if (c.nDay == 5) {
                if (BbbIsOpen(g)) {
                    char text[120];
                    FormatTo(text, sizeof text,
                             "\nA total of %d minutes and %d over%s were lost due to the weather.\n\n",
                             minutesLost, oversLost, oversLost == 1 ? "" : "s");
                    BbbWrite(g, text);
                    BbbWrite(g, "** End of Test **\n\n");
                }
                inn.nStatus = INNINGS_DRAWN;
                ended = true;
                break;
            }
            ++c.nDay;
            c.nOversToday = 0;
            c.nOversRequired = 90;
            c.nTime = tt.nDayStart;
            DailyWeather(g);
            {
                SharedDraws shared(g);
                c.nOutfield = static_cast<std::int16_t>(std::clamp(c.nOutfield + g.rng.Below(151) - 25, 0, 499));
            }
            RestBowlers(g, 100);
            if (c.nDay == 5) test.bLastHour = 0;
            BbbPrintf(g, "** Stumps - End of Day %d **\n", c.nDay - 1);
            newDay = true;
        }
        if (c.nWeather < kNoPlayWeather && steps >= 3) break;
    }

    if (g.Watched()) g.host->Refresh(PANE_ALL);
    const char* plural = oversLost == 1 ? "" : "s";
    char text[160];
    if (g.Watched() && (g.options.wShowMessages & 0x800)) {
        if (oversLost > 0)
            FormatTo(text, sizeof text, "A total of %d minutes and %d over%s\nwere lost due to the weather.",
                     minutesLost, oversLost, plural);
        else
            FormatTo(text, sizeof text, "A total of %d minutes were lost due to the\nweather.", minutesLost);
        g.host->MessageBox(text, "Weather Interruption", BoxButtons::Ok, BoxIcon::Information);
    }
    if (oversLost > 0)
        FormatTo(text, sizeof text, "\nA total of %d minutes and %d over%s were lost due to the weather.\n",
                 minutesLost, oversLost, plural);
    else
        FormatTo(text, sizeof text, "\nA total of %d minutes were lost due to the weather.\n", minutesLost);
    // At the close of the fifth day the file already has the line, before "** End of Test **".
    if (!ended) BbbWrite(g, text);
    AddHighlight(g, text);
    test.bBreak = 1;

    if (ended) return 1;
    if (inn.nTotalBalls > 0 && (newDay || oversLost >= 20)) WriteConditions(g);
    if (newDay && ComputerSide(g, c.nBowlSide)) StartingBowlers(g, 0);
    int result = ComputerDeclares(g, c.nInnings);
    if (Replaying(g) && ReplayTakeByteIf(g, 255)) {
        inn.nStatus = INNINGS_DECLARED;
        result = 1;
    }
    return result;
}

}  // namespace ovs
