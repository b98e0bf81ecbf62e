// Saved positions from the command line: playing a series up to the point
// where a position is saved, playing a loaded or replayed flow to its end,
// and the result lines the play commands print.
#pragma once

#include <string>

#include "core/game.h"

namespace ovs::cli {

// How a series played towards a save point came out.
enum class SaveStop {
    AtOver,        // `overs` overs were bowled and the next over is about to start
    SeriesEnded,   // the series ended first
    Stuck,         // the message limit was reached
};

// Play on until `overs` overs have been bowled and the flow stands between two
// overs, where a watched game pauses (the next message is WM_NEWOVER, or the
// game is paused with nothing queued). A pause before then is resumed as a
// click would.
SaveStop PlayOvers(Game& g, long overs, long limit);

// Pump until nothing is queued, resuming every pause as a click would (a
// replay is watched, and so is a loaded series with a person's side). False
// when `limit` messages were handled first.
bool PlayToEnd(Game& g, long limit);

// Each Test's line ("1st Test - Venue: result"), the series standing and the
// ball-by-ball files written.
void PrintSeriesResults(Game& g);

// Write CURRENT.DAT beside the database and say so on stdout; false when the
// save failed (its box has reported why).
bool SavePositionAndSay(Game& g, const char* command);

// The path of CURRENT.DAT for this game (beside the database).
std::string SavedPositionFile(const Game& g);

// --from-saved: take the players, squads, grounds and records of the saved
// position, so careers go on from it (a note, and the database's own, when
// nothing has been saved yet). Refused when the saved series has a Test in
// progress, which `resume` finishes. Returns an exit code.
int StartFromSaved(Game& g, const char* command);

// Has the series in the game ended (no Test in progress and none to come)?
bool SeriesOver(const Game& g);

}  // namespace ovs::cli
