// ovalspin-cli bench: plays a fixed set of seeded Tests between computer sides
// and prints the speed, the peak memory and one checksum over every
// scorecard, so that any change in the play shows up as a new signature;
// with --realism also the cricket figures of the Tests (report/realism.h).
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "commands.h"
#include "core/league.h"
#include "core/menu.h"
#include "core/series.h"
#include "data/stores.h"
#include "play_common.h"
#include "report/realism.h"

namespace ovs::cli {

namespace {

// FNV-1a over bytes: record images are little-endian on every host, so the
// signature is the same everywhere.
struct Checksum {
    std::uint64_t h = 0xcbf29ce484222325ull;
    void Add(const void* p, std::size_t n)
    {
        const unsigned char* b = static_cast<const unsigned char*>(p);
        for (std::size_t i = 0; i < n; ++i) h = (h ^ b[i]) * 0x100000001b3ull;
    }
};

// The database as loaded: every Test starts from its players, squads and
// grounds, so Test i depends only on its seed and its pair of squads, not on
// the Tests before it. The all-time record tables are left to fill, as they
// do in a database in use: they never change the play.
struct StoreSnapshot {
    std::vector<PLAYER> players;
    std::vector<SQUAD> squads;
    std::vector<GROUND> grounds;

    explicit StoreSnapshot(const Stores& db) : players(db.players), squads(db.squads), grounds(db.grounds) {}
    void Restore(Stores& db) const
    {
        db.players = players;
        db.squads = squads;
        db.grounds = grounds;
    }
};

// The realism figures beside the ranges of real Test cricket.
void PrintRealism(const RealismTally& tally)
{
    const RealismFigures f = ComputeRealism(tally);
    std::printf("\nRealism over %lld Tests, %lld innings (real Tests in brackets)\n",
                static_cast<long long>(tally.tests), static_cast<long long>(tally.innings));
    std::printf("Runs per wicket    : %6.2f   (28-36)\n", f.runsPerWicket);
    std::printf("Runs per over      : %6.2f   (2.8-3.6)\n", f.runsPerOver);
    std::printf("Balls per wicket   : %6.1f   (50-70)\n", f.ballsPerWicket);
    std::printf("Overs per innings  : %6.1f\n", f.oversPerInnings);
    std::printf("Bowled %%           : %6.1f   (15-25)\n", f.bowledPct);
    std::printf("Caught %%           : %6.1f   (50-65)\n", f.caughtPct);
    std::printf("LBW %%              : %6.1f   (10-20)\n", f.lbwPct);
    std::printf("Run out %%          : %6.1f   (2-6)\n", f.runOutPct);
    std::printf("Stumped %%          : %6.1f   (1-4)\n", f.stumpedPct);
    std::printf("Home wins %%        : %6.1f\n", f.homeWinPct);
    std::printf("Away wins %%        : %6.1f\n", f.awayWinPct);
    std::printf("Draws %%            : %6.1f   (15-40)\n", f.drawPct);
    std::printf("Ties %%             : %6.1f\n", f.tiePct);
    std::printf("Extras %% of runs   : %6.1f   (4-8)\n", f.extrasPct);
    std::printf("100s/100 innings   : %6.1f   (team innings)\n", f.hundredsPer100Innings);
    std::printf("100s/100 bat inns  : %6.2f   (each batsman's innings)\n", f.hundredsPer100BatInnings);
    std::printf("Follow-ons/100     : %6.1f\n", f.followOnsPer100Tests);
}

// The figures every benchmark prints.
void PrintFigures(unsigned long long tests, std::uint64_t deliveries, double seconds, bool logOn,
                  const Checksum& sum)
{
    if (seconds <= 0) seconds = 1e-9;
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    std::printf("Tests played       : %llu\n", tests);
    std::printf("Deliveries         : %llu\n", static_cast<unsigned long long>(deliveries));
    std::printf("Seconds            : %.3f\n", seconds);
    std::printf("Tests/second       : %.0f\n", static_cast<double>(tests) / seconds);
    std::printf("Deliveries/second  : %.0f\n", static_cast<double>(deliveries) / seconds);
    std::printf("Peak memory (MB)   : %.1f\n", static_cast<double>(ru.ru_maxrss) / 1024.0);
    std::printf("Log                : %s\n", logOn ? "on" : "off");
    std::printf("Checksum           : %016llx\n", static_cast<unsigned long long>(sum.h));
}

// A league of the database's first ten squads (fewer when it has fewer) of
// six-Test rubbers, seeded once; the checksum covers every rubber's
// scorecards and the league record.
int BenchLeague(Game& g, std::uint32_t seed, bool logOn, bool realism)
{
    std::vector<int> squads;
    for (int s = 0; s < g.db.NumSquads() && s < MAX_LEAGUE_TEAMS; ++s) squads.push_back(s);
    std::string refusal;
    g.rng.Seed(seed);
    if (!SetUpComputerLeague(g, squads, MAX_TESTS, false, refusal)) {
        std::fprintf(stderr, "ovalspin-cli bench: %s\n", refusal.c_str());
        return 1;
    }
    const std::uint64_t deliveriesBefore = g.deliveriesBowled;
    auto start = std::chrono::steady_clock::now();
    BeginLeague(g);
    if (!PlayOut(g, 2'000'000'000)) {
        std::fprintf(stderr, "ovalspin-cli bench: the league did not end\n");
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    Checksum sum;
    RealismTally tally;
    unsigned long long tests = 0;
    const int n = LeagueTeamCount(g.League);
    for (int h = 0; h < n; ++h)
        for (int a = 0; a < n; ++a) {
            if (h == a) continue;
            const SERIES& rubber = g.db.LeagueSeries(h, a);
            for (int t = 0; t < rubber.nPlayed && t < MAX_TESTS; ++t) {
                const TEST& test = rubber.Test[t];
                sum.Add(test.Innings, sizeof test.Innings);
                sum.Add(test.szResult, sizeof test.szResult);
                AddTestToRealism(tally, test);
                ++tests;
            }
        }
    sum.Add(&g.League, sizeof g.League);
    PrintFigures(tests, g.deliveriesBowled - deliveriesBefore, seconds, logOn, sum);
    if (realism) PrintRealism(tally);
    return 0;
}

}  // namespace

int CmdBench(const CliOptions& opts, const Parsed& args)
{
    const unsigned long long tests = static_cast<unsigned long long>(args.Number("--tests", 100));
    const unsigned long long seed =
        static_cast<unsigned long long>(args.Number("--seed", opts.seed ? static_cast<long long>(*opts.seed) : 1));
    const bool logOn = args.Value("--log", "on") == "on";
    const bool realism = args.Has("--realism");
    const bool league = args.Has("--league");

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    g.log.SetEnabled(logOn);
    if (league) return BenchLeague(g, static_cast<std::uint32_t>(seed), logOn, realism);

    // Every ordered pair of squads that may play a one-Test series.
    std::vector<std::pair<int, int>> pairs;
    for (int h = 0; h < g.db.NumSquads(); ++h)
        for (int a = 0; a < g.db.NumSquads(); ++a)
            if (CheckNewSeries(g, h, a, 1).empty()) pairs.emplace_back(h, a);
    if (pairs.empty()) {
        return Refuse("bench: no two squads of the database can play a Test");
    }

    StoreSnapshot loaded(g.db);
    Checksum sum;
    RealismTally tally;
    const std::uint64_t deliveriesBefore = g.deliveriesBowled;
    auto start = std::chrono::steady_clock::now();
    for (unsigned long long i = 0; i < tests; ++i) {
        loaded.Restore(g.db);
        g.queue.Clear();
        g.rng.Seed(static_cast<std::uint32_t>(seed + i));
        auto [home, away] = pairs[i % pairs.size()];
        std::string refusal;
        if (!SetUpComputerSeries(g, home, away, 1, true, refusal)) {
            return Refuse("bench: " + refusal);
        }
        ControlMenu(g, CMD_PREPAREDSERIES);
        if (!PlayOut(g, 5'000'000)) {
            return Refuse("bench: Test " + std::to_string(i + 1) + " did not end");
        }
        const TEST& t = g.Series.Test[0];
        sum.Add(t.Innings, sizeof t.Innings);
        sum.Add(t.szResult, sizeof t.szResult);
        AddTestToRealism(tally, t);
    }
    const std::uint64_t deliveries = g.deliveriesBowled - deliveriesBefore;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    PrintFigures(tests, deliveries, seconds, logOn, sum);
    if (realism) PrintRealism(tally);
    return 0;
}

}  // namespace ovs::cli
