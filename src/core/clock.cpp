// The match clock: day timetable, the over's clock step, intervals, the close
// of play and the last hour, the session lines and the bowlers' recovery.
#include "core/clock.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/ballbyball.h"
#include "core/clock_internal.h"
#include "core/conditions.h"
#include "core/flow.h"
#include "core/format.h"
#include "core/game.h"
#include "core/highlights.h"
#include "core/innings.h"
#include "core/replay.h"
#include "core/weather.h"
#include "sim/bowling.h"

namespace ovs {

DayTimes& Timetable(Game& g) { return g.times; }

void ComputeDayTimes(Game& g)
{
    DayTimes& t = Timetable(g);
    const GROUND* gr = TestGround(g);
    int start = gr ? static_cast<int>(gr->nStart) : 1100;
    int size = gr ? static_cast<int>(gr->nSize) : 0;

    t.nDayStart = static_cast<std::int16_t>(start);
    t.nLunchTime = static_cast<std::int16_t>(start + 200);
    t.nTeaTime = static_cast<std::int16_t>(CarryTime(t.nLunchTime + 240));
    t.nLastHourTime = static_cast<std::int16_t>(CarryTime(t.nTeaTime + 120));
    t.nStumpsTime = static_cast<std::int16_t>(t.nLastHourTime + 100);

    t.nRunLimit = static_cast<std::uint16_t>(210 + 2 * size);
    t.nRunFour = static_cast<std::uint16_t>(185 + 2 * size);
    t.nRunThree = static_cast<std::uint16_t>(175 - size);
    t.nRunTwo = static_cast<std::uint16_t>(148 - size);
    t.nRunOne = static_cast<std::uint16_t>(115 + size);
}

void SetDayTimes(Game& g)
{
    DayTimes& t = Timetable(g);
    if (Replaying(g)) {
        const char* const threshold = "a run threshold";
        t.nRunLimit = static_cast<std::uint16_t>(ReplayByteIn(g, 0, 255, threshold));
        t.nRunFour = static_cast<std::uint16_t>(ReplayByteIn(g, 0, 255, threshold));
        t.nRunThree = static_cast<std::uint16_t>(ReplayByteIn(g, 0, 255, threshold));
        t.nRunTwo = static_cast<std::uint16_t>(ReplayByteIn(g, 0, 255, threshold));
        t.nRunOne = static_cast<std::uint16_t>(ReplayByteIn(g, 0, 255, threshold));
        t.nDayStart = static_cast<std::int16_t>(ReplayTimeOfDay(g, "the start of the day"));
        t.nLunchTime = static_cast<std::int16_t>(ReplayTimeOfDay(g, "lunch"));
        t.nTeaTime = static_cast<std::int16_t>(ReplayTimeOfDay(g, "tea"));
        t.nLastHourTime = static_cast<std::int16_t>(ReplayTimeOfDay(g, "the last hour"));
        t.nStumpsTime = static_cast<std::int16_t>(ReplayTimeOfDay(g, "stumps"));
        return;
    }
    ComputeDayTimes(g);
    for (int v : {t.nRunLimit, t.nRunFour, t.nRunThree, t.nRunTwo, t.nRunOne}) ReplayAppendByte(g, v);
    for (int v : {t.nDayStart, t.nLunchTime, t.nTeaTime, t.nLastHourTime, t.nStumpsTime}) ReplayAppendWord(g, v);
}

int OverMinutes(int bowlingType)
{
    switch (bowlingType) {
    case -1: return 2;
    case 1: case 2: case 4: case 8: return 3;
    case 64: return 5;
    default: return 4;
    }
}

int CurrentOverMinutes(Game& g)
{
    const PLAYER* p = SlotPlayer(g, g.Current.nBowlSide, g.Current.nBowler);
    return OverMinutes(p ? static_cast<int>(p->nBowlType) : -1);
}

void RestBowlers(Game& g, int n)
{
    // Every over asks, so the eleven steps are laid out without a loop, and
    // without a branch: which of them are fresh is anybody's guess.
#pragma GCC unroll 11
    for (SPELL& s : g.Current.Spell) {
        const int t = s.nTiredness;
        s.nTiredness = static_cast<std::uint16_t>(t > n ? t - n : 0);
    }
}

int EndOfOverClock(Game& g, int bInningsOver)
{
    CURRENT& c = g.Current;
    int minutes = CurrentOverMinutes(g);
    ++c.nOversToday;
    c.nBall = 0;
    if (c.nBowler >= 0 && c.nBowler < MAX_ELEVEN) c.Spell[c.nBowler].nTiredness += minutes + 1;
    RestBowlers(g, 1);
    c.nTime = static_cast<std::int16_t>(CarryTime(c.nTime + minutes));
    // The weather moves on after every over, the innings' last one included,
    // whether or not rain and bad light are allowed: the change itself keeps
    // a series without them out of the rain, and the stoppage turns failing
    // light into very overcast.
    WeatherChange(g);

    if (bInningsOver) {
        if (c.nInnings >= 2 && g.pInnings->nStatus == INNINGS_ENDED) CheckResult(g);
        return 1;
    }

    int result = 0;
    if (c.nDay == 5 && g.pTest->bLastHour == 1 && c.nTime >= g.pTest->nLastHourEnd &&
        c.nOversToday >= c.nOversRequired) {
        g.pInnings->nStatus = INNINGS_DRAWN;
        result = 1;
    } else {
        result = ComputerDeclares(g, c.nInnings);
    }
    if (Replaying(g) && ReplayTakeByteIf(g, 255)) {
        g.pInnings->nStatus = INNINGS_DECLARED;
        result = 1;
    }
    if (result == 1) {
        BbbCloseBlock(g);
        return 1;
    }
    int stopped = 0;
    return CheckClock(g, stopped, 0);
}

namespace {

// Show the scoreboard box at an interval of a watched game.
void ShowScoreboard(Game& g)
{
    DialogRequest req;
    req.id = Dialog::Scoreboard;
    g.host->RunDialog(req);
}

}  // namespace

// A formatted line into the ball-by-ball file (nothing when none is open).
void BbbPrintf(Game& g, const char* fmt, int value)
{
    if (!BbbIsOpen(g)) return;
    char text[80];
    FormatTo(text, sizeof text, fmt, value);
    BbbWrite(g, text);
}

// Take an interval whose window opens at `at`: the session line, the recovery,
// and the clock set to the interval's end less the projection.
static void TakeInterval(Game& g, int kind, int at, int length, int rest, int p, bool quiet, int& bStopped)
{
    CURRENT& c = g.Current;
    SessionSummary(g, kind);
    if (!quiet) BbbCloseBlock(g);
    BbbPrintf(g, kind == 0 ? "** Lunch - Day %d **\n" : "** Tea - Day %d **\n", c.nDay);
    WriteConditions(g);
    c.nTime = static_cast<std::int16_t>(CarryTime(c.nTime + (at + length) - p));
    RestBowlers(g, rest);
    bStopped = 1;
    g.pTest->bBreak = 1;
    if (!quiet && g.Watched()) ShowScoreboard(g);
}

// The last hour of the fifth day begins (shared with the weather stoppage,
// which shows no box).
void StartLastHour(Game& g, bool quiet, bool box)
{
    CURRENT& c = g.Current;
    if (!quiet) BbbCloseBlock(g);
    BbbWrite(g, "** Start of Last Hour **\n");
    AddHighlight(g, "** Start of Last Hour **\n");
    g.pTest->bLastHour = 1;
    if (box && g.Watched() && (g.options.wShowMessages & 0x1000))
        g.host->MessageBox("Start of the Last Hour", "Last Hour", BoxButtons::Ok, BoxIcon::Information);
    g.pTest->nLastHourEnd = static_cast<std::int16_t>(c.nTime + 100);
    c.nOversRequired = static_cast<std::int16_t>(c.nOversToday + 15);
}

bool LastHourDue(Game& g, int p)
{
    const CURRENT& c = g.Current;
    return c.nDay == 5 && p >= Timetable(g).nLastHourTime && c.nOversToday >= c.nOversRequired - 15 &&
           g.pTest->bLastHour == 0;
}

bool CloseOfPlayDue(Game& g, int p)
{
    const CURRENT& c = g.Current;
    if (p >= Timetable(g).nStumpsTime && c.nOversToday >= c.nOversRequired && c.nDay != 5) return true;
    return c.nDay == 5 && g.pTest->bLastHour == 1 && p >= g.pTest->nLastHourEnd &&
           c.nOversToday >= c.nOversRequired;
}

int CheckClock(Game& g, int& bStopped, int nMinutes)
{
    CURRENT& c = g.Current;
    const DayTimes& tt = Timetable(g);
    bool quiet = g.pInnings->nStatus != INNINGS_INPROGRESS;

    int t = CarryTime(c.nTime + nMinutes);
    // Between overs (no ball bowled yet) the bowler's pace does not matter.
    int p = CarryTime(t + (c.nBall != 0 ? CurrentOverMinutes(g) * c.nBall / 6 : 0));

    if (tt.nLunchTime <= p && p <= CarryTime(tt.nLunchTime + 8))
        TakeInterval(g, 0, tt.nLunchTime, 40, 30, p, quiet, bStopped);
    if (tt.nTeaTime <= p && p <= CarryTime(tt.nTeaTime + 8))
        TakeInterval(g, 1, tt.nTeaTime, 20, 15, p, quiet, bStopped);

    if (LastHourDue(g, p)) StartLastHour(g, quiet, true);

    if (!CloseOfPlayDue(g, p)) return quiet ? 1 : 0;

    bStopped = 1;
    g.pTest->bBreak = 1;
    if (!quiet && g.Watched()) ShowScoreboard(g);
    SessionSummary(g, 2);
    if (c.nDay == 5) {
        if (!quiet) BbbCloseBlock(g);
        BbbWrite(g, "** End of Test **\n\n");
        g.pInnings->nStatus = INNINGS_DRAWN;
        return 1;
    }
    if (!quiet) BbbCloseBlock(g);
    BbbPrintf(g, "** Stumps - End of Day %d **\n", c.nDay);
    WriteConditions(g);
    ++c.nDay;
    c.nOversToday = 0;
    c.nOversRequired = 90;
    c.nTime = tt.nDayStart;
    {
        SharedDraws shared(g);
        c.nOutfield = static_cast<std::int16_t>(std::clamp(c.nOutfield + g.rng.Below(151) - 50, 0, 499));
    }
    DailyWeather(g);
    RestBowlers(g, 100);
    if (ComputerSide(g, c.nBowlSide) && c.nBall == 0) StartingBowlers(g, 0);
    if (c.nDay == 5) g.pTest->bLastHour = 0;
    return quiet ? 1 : 0;
}

void SessionSummary(Game& g, int kind)
{
    static const char* const kLabel[3] = {"Lunch ", "Tea ", "Stumps "};
    CURRENT& c = g.Current;
    if (kind < 0 || kind > 2) return;
    const char* label = kLabel[kind];
    const char* shortName = "";
    const char* fullName = "";
    int side = c.nBatSide;
    if (side >= 0 && side <= 1) {
        int sq = g.Series.nSquad[side];
        if (sq >= 0 && sq < static_cast<int>(g.db.squads.size())) {
            shortName = g.db.squads[sq].szShort;
            fullName = g.db.squads[sq].szName;
        }
    }
    int runs = g.pInnings->nTotal;
    int wickets = g.pInnings->nWickets;
    char tail[24];
    if (wickets >= 10)
        FormatTo(tail, sizeof tail, "all out");
    else
        FormatTo(tail, sizeof tail, "for %d", wickets);

    char line[160];
    int day = c.nDay;
    if (g.nMainWidth <= 1024)
        FormatTo(line, sizeof line, "%sDay %d: %s %d %s", label, day, shortName, runs, tail);
    else if (g.nMainWidth < 1280)
        FormatTo(line, sizeof line, "%sDay %d:  %s  %d %s", label, day, shortName, runs, tail);
    else
        FormatTo(line, sizeof line, "%sDay %d:  %s  %d %s", label, day, fullName, runs, tail);

    int index = (day - 1) * 3 + kind;
    if (index >= 0 && index < 16) SetText(c.szSessions[index], line);
    if (g.nMainWidth >= 1024) g.host->Refresh(PANE_SESSION);

    char highlight[160];
    FormatTo(highlight, sizeof highlight, "%sDay %d:  %s  %d %s", label, day, fullName, runs, tail);
    AddHighlight(g, highlight);
}

}  // namespace ovs
