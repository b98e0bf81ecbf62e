// Taking, initialising and releasing the database stores.
#include "data/stores.h"

#include <algorithm>
#include <new>

#include "core/game.h"

namespace ovs {

void SetDefaultCounts(NUMBERS& n)
{
    n.nPlayers = MAX_PLAYERS;
    n.nSquads = MAX_SQUADS;
    n.nGrounds = MAX_GROUNDS;
    n.nRecords = MAX_RECORDS;
    n.nCountries = MAX_COUNTRIES;
    n.nSpare1 = 0;
    n.nSpare2 = 0;
}

// A count read from a file may be anything; a negative one holds no records.
static std::size_t Slots(int count, int spare)
{
    return static_cast<std::size_t>(std::max(0, count) + spare);
}

template <typename T>
static bool Take(std::vector<T>& store, std::size_t n)
{
    try {
        std::vector<T> block(n);   // value-initialised: zero-filled
        store.swap(block);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

StoreId AllocateStores(Stores& db)
{
    const NUMBERS& n = db.numbers;
    StoreId failed = StoreId::None;
    if (!Take(db.players, Slots(n.nPlayers, SPARE_PLAYERS)))
        failed = StoreId::Player;
    else if (!Take(db.countries, Slots(n.nCountries, 0)))
        failed = StoreId::Country;
    else if (!Take(db.squads, Slots(n.nSquads, SPARE_SQUADS)))
        failed = StoreId::Squad;
    else if (!Take(db.grounds, Slots(n.nGrounds, SPARE_GROUNDS)))
        failed = StoreId::Ground;
    else if (!Take(db.records, Slots(n.nRecords, 0)))
        failed = StoreId::Records;
    else if (!Take(db.leagueSeries, LEAGUE_SERIES))
        failed = StoreId::League;
    if (failed != StoreId::None) FreeStores(db);
    return failed;
}

StoreId AllocateAndInitialiseStores(Stores& db, LEAGUE& league, SERIES& series)
{
    const StoreId failed = AllocateStores(db);
    if (failed != StoreId::None) return failed;

    for (int i = 0; i < db.NumPlayers(); ++i) InitPlayer(db.players[i], i + 1);
    for (int i = 0; i < db.NumSquads(); ++i) InitSquad(db.squads[i], i + 1);
    for (int i = 0; i < db.NumGrounds(); ++i) InitGround(db.grounds[i], i + 1);
    for (int i = 0; i < db.NumCountries(); ++i) InitCountry(db.countries[i], i + 1);
    for (auto& r : db.records) InitRecords(r);
    ResetLeague(league, db);
    InitSeries(series);
    return StoreId::None;
}

void FreeStores(Stores& db)
{
    // swap with empty vectors so the memory is really given back
    std::vector<PLAYER>().swap(db.players);
    std::vector<COUNTRY>().swap(db.countries);
    std::vector<SQUAD>().swap(db.squads);
    std::vector<GROUND>().swap(db.grounds);
    std::vector<RECORDS>().swap(db.records);
    std::vector<SERIES>().swap(db.leagueSeries);
}

const char* AllocationFailureText(StoreId id)
{
    switch (id) {
    case StoreId::Player: return "Unable to allocate memory for Player data.";
    case StoreId::Country: return "Unable to allocate memory for Country data.";
    case StoreId::Squad: return "Unable to allocate memory for Squad data.";
    case StoreId::Ground: return "Unable to allocate memory for Ground data.";
    case StoreId::Records: return "Unable to allocate memory for Records data.";
    case StoreId::League: return "Unable to allocate memory for League data.";
    case StoreId::None: break;
    }
    return "";
}

bool AllocateAndInitialiseStores(Game& g)
{
    const StoreId failed = AllocateAndInitialiseStores(g.db, g.League, g.Series);
    if (failed == StoreId::None) return true;
    g.host->MessageBox(AllocationFailureText(failed), "Vezurev - Fatal Error", BoxButtons::Ok,
                       BoxIcon::Exclamation);
    return false;
}

void FreeStores(Game& g)
{
    FreeStores(g.db);
}

}  // namespace ovs
