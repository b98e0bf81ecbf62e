// Writing the database as text, in the layout the reader takes.
//
// Rows are grouped by squad (its grounds, then its players in member order),
// so the text of a database read from text comes back in the same order;
// players and grounds in no squad follow with "-" for the squad.
#include <cstdarg>
#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/format.h"
#include "data/dbtext.h"
#include "data/dbtext_tables.h"

namespace ovs {

namespace {

// A fixed-width text field as a string (it may lack its NUL when damaged).
template <std::size_t N>
std::string Text(const char (&field)[N])
{
    std::size_t len = 0;
    while (len < N && field[len] != '\0') ++len;
    return std::string(field, len);
}

void WriteGround(std::ostream& out, const std::string& squad, const GROUND& gr)
{
    std::string pace, weather;
    for (int i = 0; i < PACE_FACTORS; ++i) pace += Format("%s%2d", i ? " " : "", static_cast<int>(gr.nPace[i]));
    for (int i = 0; i < WEATHER_KINDS; ++i)
        weather += Format("%s%2d", i ? " " : "", static_cast<int>(gr.nWeather[i]));
    out << Format("ground | %-3s | %-20s | %2d | %s | %d %d | %04d %04d | %s | %2d %2d\n", squad.c_str(),
                  Text(gr.szName).c_str(), static_cast<int>(gr.nSize), pace.c_str(), static_cast<int>(gr.nPitch),
                  static_cast<int>(gr.nBounce), static_cast<int>(gr.nStart), static_cast<int>(gr.nSunset),
                  weather.c_str(), static_cast<int>(gr.nWeather[WEATHER_CHANGE]),
                  static_cast<int>(gr.nWeather[WEATHER_RAIN_DURATION]));
}

void WritePlayer(std::ostream& out, const std::string& squad, const PLAYER& p)
{
    const std::string initials = p.szInitials[0] ? Text(p.szInitials) : "-";
    out << Format("player | %-3s | %-20s | %-8s | %-10s %3d | %-7s %-10s | %-10s | %d | %2d | %2d %2d %2d | %5d %5d %5d\n",
                  squad.c_str(), Text(p.szSurname).c_str(), initials.c_str(),
                  EnumName(kBatTypes, p.nBatType).c_str(), static_cast<int>(p.nStrikeRate),
                  EnumName(kBowlTypes, p.nBowlType).c_str(), EnumName(kBowlStatuses, p.nBowlStatus).c_str(),
                  EnumName(kFieldTypes, p.nFieldType).c_str(), static_cast<int>(p.nMorale),
                  static_cast<int>(p.nBatPos), static_cast<int>(p.nBatSkill), static_cast<int>(p.nBowlSkill),
                  static_cast<int>(p.nFieldSkill), static_cast<int>(p.nBatRating),
                  static_cast<int>(p.nBowlRating), static_cast<int>(p.nFieldRating));
}

}  // namespace

bool WriteDatabaseText(const Game& g, std::ostream& out)
{
    const Stores& db = g.db;
    if (!db.Allocated()) return false;
    const int nPlayers = db.NumPlayers();
    const int nGrounds = db.NumGrounds();
    const int nSquads = db.NumSquads();

    // Which squad lists each player and ground; a second listing cannot be written.
    std::vector<int> playerSquad(nPlayers, -1), groundSquad(nGrounds, -1);
    for (int s = 0; s < nSquads; ++s) {
        const SQUAD& sq = db.squads[s];
        if (sq.nMembers < 0 || sq.nMembers > MAX_SQUAD || sq.nGrounds < 0 || sq.nGrounds > MAX_HOME_GROUNDS)
            return false;
        for (int m = 0; m < sq.nMembers; ++m) {
            const int p = sq.nPlayer[m];
            if (p < 0 || p >= nPlayers || playerSquad[p] != -1) return false;
            playerSquad[p] = s;
        }
        for (int k = 0; k < sq.nGrounds; ++k) {
            const int gr = sq.nGround[k];
            if (gr < 0 || gr >= nGrounds || groundSquad[gr] != -1) return false;
            groundSquad[gr] = s;
        }
    }
    for (int s = 0; s < nSquads; ++s) {
        const std::string abbr = Text(db.squads[s].szShort);
        // the abbreviation is the squad's key in the text
        if (abbr.empty() || abbr == "-" || abbr.find_first_of(" \t|") != std::string::npos) return false;
        for (int t = 0; t < s; ++t)
            if (abbr == Text(db.squads[t].szShort) || Text(db.squads[s].szName) == Text(db.squads[t].szName))
                return false;
    }

    out << "# Ovalspin database text: see res/db/default_db.txt for the meaning of every column.\n\n";
    out << "database | " << Text(g.dbHeader.szName) << "\n\n";
    for (int s = 0; s < nSquads; ++s)
        out << "squad  | " << Text(db.squads[s].szShort) << " | " << Text(db.squads[s].szName) << "\n";
    for (int s = 0; s < nSquads; ++s) {
        const SQUAD& sq = db.squads[s];
        const std::string abbr = Text(sq.szShort);
        out << "\n# " << Text(sq.szName) << "\n";
        for (int k = 0; k < sq.nGrounds; ++k) WriteGround(out, abbr, db.grounds[sq.nGround[k]]);
        for (int m = 0; m < sq.nMembers; ++m) WritePlayer(out, abbr, db.players[sq.nPlayer[m]]);
    }
    bool header = false;
    for (int gr = 0; gr < nGrounds; ++gr)
        if (groundSquad[gr] < 0) {
            if (!header) out << "\n# In no squad\n";
            header = true;
            WriteGround(out, "-", db.grounds[gr]);
        }
    for (int p = 0; p < nPlayers; ++p)
        if (playerSquad[p] < 0) {
            if (!header) out << "\n# In no squad\n";
            header = true;
            WritePlayer(out, "-", db.players[p]);
        }
    return static_cast<bool>(out);
}

}  // namespace ovs
