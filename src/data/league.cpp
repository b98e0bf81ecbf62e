// Reset values of the league record and of the league fields of squads and players.
#include "data/league.h"

#include <algorithm>

#include "core/match.h"
#include "data/stores.h"

namespace ovs {

void ResetLeagueTurn(LEAGUE_TURN& t)
{
    // Bytes 147 and 157-159 keep what they hold.
    for (int i = 0; i <= 29; ++i) t.bData[i] = 255;
    for (int i = 30; i <= 53; ++i) t.bData[i] = 5;
    for (int i = 54; i <= 143; ++i) t.bData[i] = 0;
    for (int i = 144; i <= 146; ++i) t.bData[i] = 255;
    for (int i = 148; i <= 150; ++i) t.bData[i] = 0;
    for (int i = 151; i <= 156; ++i) t.bData[i] = 255;
}

void InitLeague(LEAGUE& l)
{
    const int tests = l.nTests;
    l = {};
    l.nTests = tests;
    for (auto& s : l.nSquad) s = -1;
    for (auto& round : l.Fixture)
        for (auto& f : round) {
            f.nHome = -1;
            f.nAway = -1;
        }
}

void ResetLeague(LEAGUE& l, Stores& db)
{
    InitLeague(l);
    for (auto& s : db.leagueSeries) InitSeries(s);
    const int squads = std::min<int>(db.NumSquads(), static_cast<int>(db.squads.size()));
    for (int i = 0; i < squads; ++i) {
        SQUAD& sq = db.squads[i];
        ResetLeagueTurn(sq.LeagueTurn);
        sq.nLeagueCounter = 0;
        sq.nLeaguePos = -1;
    }
    const int players = std::min<int>(db.NumPlayers(), static_cast<int>(db.players.size()));
    for (int i = 0; i < players; ++i) db.players[i].nInjury = 0;
}

}  // namespace ovs
