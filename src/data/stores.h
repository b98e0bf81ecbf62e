// The database stores: players, countries, squads, grounds, record ranks and
// the league's 10 x 10 series matrix, with the counts that size them.
//
// Each store is one contiguous zero-filled block taken at start-up (and again
// when a loaded database has other counts) and released at exit. Past the
// counts lie spare slots (60 players, 2 squads, 6 grounds) where a series whose
// teams are not the database's own is rebuilt; lists always stop at the count.
#pragma once

#include <vector>

#include "core/match.h"
#include "data/league.h"
#include "data/records.h"

namespace ovs {

struct Game;

struct Stores {
    NUMBERS numbers{};

    std::vector<PLAYER> players;      // numbers.nPlayers + 60
    std::vector<COUNTRY> countries;   // numbers.nCountries
    std::vector<SQUAD> squads;        // numbers.nSquads + 2
    std::vector<GROUND> grounds;      // numbers.nGrounds + 6
    std::vector<RECORDS> records;     // numbers.nRecords ranks
    std::vector<SERIES> leagueSeries; // 100: [home * 10 + away]

    int NumPlayers() const { return numbers.nPlayers; }
    int NumSquads() const { return numbers.nSquads; }
    int NumGrounds() const { return numbers.nGrounds; }
    int NumRecords() const { return numbers.nRecords; }
    int NumCountries() const { return numbers.nCountries; }

    // The league rubber between league teams home and away (the diagonal
    // element of a team holds its league figures).
    SERIES& LeagueSeries(int home, int away) { return leagueSeries[home * 10 + away]; }
    const SERIES& LeagueSeries(int home, int away) const { return leagueSeries[home * 10 + away]; }

    bool Allocated() const { return !players.empty() || !leagueSeries.empty(); }
};

// The store an allocation failed on (None when all went well).
enum class StoreId { None, Player, Country, Squad, Ground, Records, League };

// The counts at start-up: 40 players, 2 squads, 12 grounds, 20 records,
// 2 countries, spare counts 0.
void SetDefaultCounts(NUMBERS& n);

// Game-free core. AllocateStores takes the six blocks zero-filled, in the order
// players, countries, squads, grounds, records, league series, freeing what it
// took when one fails. AllocateAndInitialiseStores then gives every slot up to
// its count its new-record values, every rank new-entry values, resets the
// league (with its squads and players) and the given series.
StoreId AllocateStores(Stores& db);
StoreId AllocateAndInitialiseStores(Stores& db, LEAGUE& league, SERIES& series);
void FreeStores(Stores& db);

// The text of the allocation failure box for a store.
const char* AllocationFailureText(StoreId id);

// With the game: a failure shows the "Vezurev - Fatal Error" box and returns false.
bool AllocateAndInitialiseStores(Game& g);
void FreeStores(Game& g);

}  // namespace ovs
