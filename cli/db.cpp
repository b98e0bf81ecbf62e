// ovalspin-cli db: start up as the program does and show what the database holds.
#include <algorithm>
#include <cstdio>
#include <string>

#include "commands.h"
#include "data/files.h"
#include "data/records.h"
#include "data/stores.h"
#include "data/texts.h"

namespace ovs::cli {

namespace {

// A fixed-width text field, which need not hold its NUL when full.
template <std::size_t N>
std::string Text(const char (&field)[N])
{
    std::size_t n = 0;
    while (n < N && field[n]) ++n;
    return std::string(field, n);
}

std::string GroundName(const Game& g, int index)
{
    if (index < 0 || index >= static_cast<int>(g.db.grounds.size())) return "(none)";
    return Text(g.db.grounds[index].szName);
}

}  // namespace

int CmdDb(const CliOptions& opts, const Parsed& args)
{
    if (args.Has("--careers")) return CmdCareers(opts, args.Has("--saved"));
    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    if (args.Has("--import")) {
        if (!ImportOldDatabase(g)) return 1;
        std::printf("Imported the old database files into %s\n", g.dbPath.c_str());
    }
    const Stores& db = g.db;

    std::printf("Data directory: %s\n", g.host->DataDir().c_str());
    std::printf("Database: %s\n", g.dbPath.c_str());
    std::printf("Players:   %4d\n", db.NumPlayers());
    std::printf("Countries: %4d\n", db.NumCountries());
    std::printf("Squads:    %4d\n", db.NumSquads());
    std::printf("Grounds:   %4d\n", db.NumGrounds());
    std::printf("Records:   %4d\n", db.NumRecords());

    std::printf("\nSquads\n");
    for (int s = 0; s < db.NumSquads(); ++s) {
        const SQUAD& sq = db.squads[s];
        std::printf("%3d  %s (%s)\n", s + 1, Text(sq.szName).c_str(), Text(sq.szShort).c_str());
        int members = std::min<int>(sq.nMembers, MAX_SQUAD);
        std::printf("     Members (%d):\n", members);
        for (int m = 0; m < members; ++m) {
            int p = sq.nPlayer[m];
            std::string name = (p >= 0 && p < static_cast<int>(db.players.size())) ? DisplayName(db.players[p])
                                                                                   : std::string("(none)");
            std::printf("       %2d  %s\n", m + 1, name.c_str());
        }
        int grounds = std::min<int>(sq.nGrounds, MAX_HOME_GROUNDS);
        std::printf("     Home grounds (%d):\n", grounds);
        for (int k = 0; k < grounds; ++k) std::printf("       %2d  %s\n", k + 1, GroundName(g, sq.nGround[k]).c_str());
    }

    std::printf("\nGrounds\n");
    for (int k = 0; k < db.NumGrounds(); ++k) std::printf("%3d  %s\n", k + 1, GroundName(g, k).c_str());
    return 0;
}

}  // namespace ovs::cli
