// The check every loaded file passes before the game takes it: each index
// and count it holds must lie inside the store or table it points into, and
// each enumeration code must be one the game knows. Play then trusts them.
//
// A check returns "" when the image is sound, else one sentence naming the
// first fault found (the record, its number counted from 0, the field, the
// value and what it should have been), for the "Loading Error" box.
#pragma once

#include <string>

#include "core/match.h"
#include "data/league.h"
#include "data/stores.h"

namespace ovs {

// The players, squads, grounds and record tables of a database image.
// `fileWord` is "Database" or "Saved Data".
std::string CheckDatabaseImage(const Stores& db, const char* fileWord);

// The match state of a saved position against the database image it came
// with: the series, the live match state and the league with its played
// series (`leagueSeries` holds teams x teams in row order).
std::string CheckSeries(const Stores& db, const SERIES& s, const char* what);
std::string CheckPositionState(const Stores& db, const SERIES& s, const CURRENT& c);
std::string CheckLeague(const Stores& db, const LEAGUE& l);

}  // namespace ovs
