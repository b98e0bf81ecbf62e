// The match clock: the day timetable, the over's clock step, intervals, the
// close of play, the last hour, and the fatigue recovery of the bowlers.
#pragma once

#include <cstdint>

#include "core/day_times.h"

namespace ovs {

struct Game;

// The timetable of this game (defaults until the first SetDayTimes).
DayTimes& Timetable(Game& g);

// At each innings start: the timetable and run thresholds from the Test's
// ground, recorded in the replay stream (a replay reads them back instead).
void SetDayTimes(Game& g);
// The same without touching the replay stream: after a position is loaded.
void ComputeDayTimes(Game& g);

// Minutes an over takes for a bowler of this bowling type (2 for a non-bowler,
// 3 spin/slow/medium, 4 medium fast/fast medium, 5 fast).
int OverMinutes(int bowlingType);
// Minutes the over of the current bowler (Current.nBowler) takes.
int CurrentOverMinutes(Game& g);

// The over's clock step, called by EndOfOver after every over with the
// innings-over flag of the last ball: the over's minutes, the bowlers'
// fatigue, one weather change, then the end of the Test by time, the
// declaration check and the intervals. 1 when the innings or the Test must end.
int EndOfOverClock(Game& g, int bInningsOver);

// The interval and close-of-play check: nMinutes is 0 after an over and 10 at
// a change of innings. bStopped becomes 1 when an interval or the close was
// taken. Returns 1 when the innings is not in progress or the Test ended.
int CheckClock(Game& g, int& bStopped, int nMinutes);

// Every bowling slot's tiredness falls by n, never below 0.
void RestBowlers(Game& g, int n);

// The session line at lunch (0), tea (1) or stumps (2): stored in szSessions
// and added to the highlights.
void SessionSummary(Game& g, int kind);

}  // namespace ovs
