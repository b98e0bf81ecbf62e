// Helpers shared by the clock, the weather and the highlights.
#pragma once

#include "core/game.h"
#include "core/setup.h"
#include "data/records.h"
#include "sim/slot_player.h"

namespace ovs {

// The one-step carry of hhmm times, applied after an addition or a subtraction
// exactly where the timetable rules apply it (a subtraction that leaves 30
// minutes is not corrected: 1300 - 70 stays 1230).
inline int CarryTime(int hhmm)
{
    if (hhmm % 100 >= 60) hhmm += 40;
    return static_cast<std::int16_t>(hhmm);
}

// The player record of slot `slot` of side `side` (nullptr when unset).
inline const PLAYER* SlotPlayer(const Game& g, int side, int slot) { return ball::SlotPlayerOrNull(g, side, slot); }

// The last hour and the close of play at projected time p (clock.cpp).
bool LastHourDue(Game& g, int p);
void StartLastHour(Game& g, bool quiet, bool box);
bool CloseOfPlayDue(Game& g, int p);

// A line with one number into the ball-by-ball file (nothing when none is open).
void BbbPrintf(Game& g, const char* fmt, int value);

}  // namespace ovs
