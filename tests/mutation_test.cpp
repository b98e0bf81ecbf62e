// A sweep of damaged files: for each kind of file, a few hundred seeded
// mutants of a real one (truncations at its block boundaries, bit flips,
// index fields set to -1, a store's size, 0x7fff or 0x8000) are loaded, and
// those that load are played on (a database: a one-Test series; a saved
// position: to the end of its series; a replay stream: its Test replayed).
// None may crash, trip a sanitizer or run without end.
//
// CI makes a few score of each kind; OVALSPIN_SWEEP_MUTANTS=N makes N of
// each (a long sweep to run by hand, best in the sanitized build).
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "core/flow.h"
#include "core/game.h"
#include "core/league.h"
#include "core/messages.h"
#include "core/series.h"
#include "data/files.h"
#include "file_fixtures.h"
#include "test_host.h"

namespace ovs {
namespace {

using test::I16At;
using test::PutI16;
using test::ReadFile;
using test::WriteFile;

int MutantsPerKind()
{
    const char* n = std::getenv("OVALSPIN_SWEEP_MUTANTS");
    const int wanted = n ? std::atoi(n) : 0;
    return wanted > 0 ? wanted : 120;
}
constexpr long kMessageLimit = 2'000'000;   // far beyond any series of two Tests

constexpr std::size_t kHeader = sizeof(DBHEADER) + sizeof(NUMBERS);

// The layout of a database image: where each store starts, and its count.
struct Layout {
    std::size_t players, squads, grounds, records, end;
    int nPlayers, nSquads, nGrounds;
    explicit Layout(const std::string& f)
    {
        nPlayers = I16At(f, sizeof(DBHEADER));
        nSquads = I16At(f, sizeof(DBHEADER) + 2);
        nGrounds = I16At(f, sizeof(DBHEADER) + 4);
        players = kHeader;
        squads = players + sizeof(PLAYER) * static_cast<std::size_t>(nPlayers);
        grounds = squads + sizeof(SQUAD) * static_cast<std::size_t>(nSquads);
        records = grounds + sizeof(GROUND) * static_cast<std::size_t>(nGrounds);
        end = records + sizeof(RECORDS) * static_cast<std::size_t>(I16At(f, sizeof(DBHEADER) + 6));
    }
};

// A saved position of a computer series of two Tests, taken mid-Test or
// after the first Test, in a data directory of its own.
std::string MakeSavedPosition(const test::TempDir& dir, bool midTest)
{
    return test::SaveTwoTestSeries(dir, midTest ? 120 : -1);
}

struct Tally {
    int mutants = 0, refused = 0, accepted = 0;
    // Counts a mutant as loaded or refused; says which.
    bool Loaded(bool ok)
    {
        ++mutants;
        ++(ok ? accepted : refused);
        return ok;
    }
};

// Makes the mutants of one file from its boundaries and index fields.
class Mutator {
public:
    Mutator(std::uint32_t seed, std::vector<std::size_t> boundaries, std::vector<std::size_t> fields,
            std::vector<int> sizes)
        : rng_(seed), boundaries_(std::move(boundaries)), fields_(std::move(fields)), sizes_(std::move(sizes))
    {
    }

    std::string Next(const std::string& good, std::size_t flipFrom, std::size_t flipTo)
    {
        std::string f = good;
        const unsigned kind = Below(10);
        if (kind < 2) {
            // A truncation at a block boundary, or a byte either side of one.
            const std::size_t at = boundaries_[Below(boundaries_.size())] + Below(3);
            f.resize(std::min(f.size(), at > 0 ? at - 1 : 0));
        } else if (kind < 5) {
            // One to three bits flipped in the part that matters most.
            for (unsigned n = 1 + Below(3); n > 0; --n) {
                const std::size_t at = flipFrom + Below(flipTo - flipFrom);
                f[at] = static_cast<char>(f[at] ^ (1 << Below(8)));
            }
        } else {
            // An index field set to a value at or past an edge.
            const std::size_t at = fields_[Below(fields_.size())];
            const int values[] = {-1, sizes_[Below(sizes_.size())], 0x7fff, -0x8000};
            PutI16(f, at, values[Below(4)]);
        }
        return f;
    }

private:
    unsigned Below(std::size_t n) { return static_cast<unsigned>(rng_() % n); }
    std::mt19937 rng_;
    std::vector<std::size_t> boundaries_, fields_;
    std::vector<int> sizes_;
};

// Pumps the flow to its end; false when it does not end within the limit.
bool PlayOn(test::StartedGame& s) { return s.PumpToEnd([](std::uint32_t, std::int32_t) {}, kMessageLimit); }

// A one-Test series between the first two squads of what was loaded,
// played out; false when it would not end (a database too damaged to give
// two squads plays nothing).
bool PlaysASeries(test::StartedGame& s)
{
    std::string refusal;
    if (!SetUpComputerSeries(s.g, 0, 1, 1, true, refusal)) return true;
    ControlMenu(s.g, CMD_PREPAREDSERIES);
    return PlayOn(s);
}

void Report(const char* kind, const Tally& t)
{
    std::printf("[ sweep    ] %-16s %d mutants: %d refused, %d accepted and played, 0 crashes\n", kind, t.mutants,
                t.refused, t.accepted);
}

TEST(MutationSweep, DatabasesLoadOrAreRefusedAndPlayWithoutFault)
{
    test::TempDir dir("ovs-sweep-db");
    const std::string good = ReadFile(test::DefaultDatabase());
    const Layout l(good);
    std::vector<std::size_t> boundaries = {0, sizeof(DBHEADER), kHeader, l.squads, l.grounds, l.records, l.end};
    for (std::size_t i = 0; i < 4; ++i) boundaries.push_back(l.squads + i * sizeof(SQUAD));
    std::vector<std::size_t> fields;
    for (int s = 0; s < l.nSquads; ++s) {
        const std::size_t at = l.squads + static_cast<std::size_t>(s) * sizeof(SQUAD);
        fields.push_back(at + offsetof(SQUAD, nMembers));
        fields.push_back(at + offsetof(SQUAD, nGrounds));
        for (int k = 0; k < MAX_SQUAD; ++k) fields.push_back(at + offsetof(SQUAD, nPlayer) + 2 * static_cast<std::size_t>(k));
        for (int k = 0; k < MAX_HOME_GROUNDS; ++k) fields.push_back(at + offsetof(SQUAD, nGround) + 2 * static_cast<std::size_t>(k));
    }
    for (int p = 0; p < l.nPlayers; p += 7) fields.push_back(l.players + static_cast<std::size_t>(p) * sizeof(PLAYER) + offsetof(PLAYER, nBowlType) - 1);
    for (std::size_t r = l.records; r + 2 <= l.end; r += 38) fields.push_back(r);
    for (std::size_t at = sizeof(DBHEADER); at < kHeader; at += 2) fields.push_back(at);
    Mutator m(1401, boundaries, fields, {l.nPlayers, l.nSquads, l.nGrounds, MAX_SQUAD});

    Tally t;
    for (int i = 0; i < MutantsPerKind(); ++i) {
        const std::string bad = m.Next(good, l.players, l.records);
        WriteFile(dir.File("mutant.db"), bad);
        test::StartedGame s(static_cast<std::uint32_t>(i), dir.Path(), test::DefaultDatabase());
        ASSERT_TRUE(s.started);
        if (!t.Loaded(LoadDatabase(s.g, dir.File("mutant.db")))) continue;
        ASSERT_TRUE(PlaysASeries(s)) << "database mutant " << i << " played without end";
    }
    Report("database", t);
    EXPECT_GT(t.refused, 0);
    EXPECT_GT(t.accepted, 0);
}

// The offsets of the match-state index fields of a saved position.
std::vector<std::size_t> PositionFields(const std::string& file)
{
    const Layout l(file);
    const std::size_t series = l.end + sizeof(BLOCKHEADER);
    const std::size_t current = series + sizeof(SERIES) + sizeof(BLOCKHEADER);
    const std::size_t league = current + sizeof(CURRENT) + sizeof(TOOLBAR) * TOOLBAR_RECORDS + sizeof(BLOCKHEADER);
    std::vector<std::size_t> fields;
    for (std::size_t at = series; at < series + offsetof(SERIES, Test); at += 2) fields.push_back(at);
    for (int t = 0; t < 2; ++t) {
        const std::size_t test = series + offsetof(SERIES, Test) + static_cast<std::size_t>(t) * sizeof(TEST);
        for (std::size_t at = test; at < test + offsetof(TEST, nBatPoints); at += 2) fields.push_back(at);
        for (int n = 0; n < MAX_INNINGS; ++n) {
            const std::size_t in = test + offsetof(TEST, Innings) + static_cast<std::size_t>(n) * sizeof(INNINGS);
            for (std::size_t at = in; at < in + offsetof(INNINGS, Bat); at += 2) fields.push_back(at);
        }
        fields.push_back(test + offsetof(TEST, Replay));
        fields.push_back(test + offsetof(TEST, Replay) + 2);
    }
    for (std::size_t at = series + offsetof(SERIES, nNumTests); at < series + offsetof(SERIES, bBallByBall); at += 2)
        fields.push_back(at);
    for (std::size_t at = series + offsetof(SERIES, Squad); at < series + offsetof(SERIES, Player); at += 2)
        fields.push_back(at);
    for (std::size_t at = current; at < current + offsetof(CURRENT, nBatAggression); at += 2) fields.push_back(at);
    for (std::size_t at = current + offsetof(CURRENT, nBowlOrder); at < current + offsetof(CURRENT, nBatVsBowl); at += 2)
        fields.push_back(at);
    for (std::size_t at = league; at < league + 84; at += 2) fields.push_back(at);
    return fields;
}

std::vector<std::size_t> PositionBoundaries(const std::string& file)
{
    const Layout l(file);
    const std::size_t series = l.end + sizeof(BLOCKHEADER);
    const std::size_t current = series + sizeof(SERIES) + sizeof(BLOCKHEADER);
    const std::size_t toolbar = current + sizeof(CURRENT);
    const std::size_t league = toolbar + sizeof(TOOLBAR) * TOOLBAR_RECORDS + sizeof(BLOCKHEADER);
    return {0,       sizeof(DBHEADER), kHeader, l.squads, l.grounds,        l.records,
            l.end,   series,           current - sizeof(BLOCKHEADER), current, toolbar,
            league - sizeof(BLOCKHEADER), league, league + sizeof(LEAGUE), file.size()};
}

// Mutants of a saved position, flipped between `from` and `to`, each loaded
// in a new game and, when accepted, played on to the end.
void SweepSavedPositions(test::TempDir& dir, Mutator& m, const std::string& good, std::size_t from, std::size_t to,
                         int mutants, const char* what, Tally& t)
{
    for (int i = 0; i < mutants; ++i) {
        WriteFile(dir.File(kSavedPositionName), m.Next(good, from, to));
        test::StartedGame s(static_cast<std::uint32_t>(i), dir.Path(), dir.File(kDefaultDatabaseName));
        ASSERT_TRUE(s.started);
        if (!t.Loaded(LoadSavedData(s.g))) continue;
        ASSERT_TRUE(PlayOn(s)) << what << " mutant " << i << " played without end";
    }
    Report(what, t);
}

TEST(MutationSweep, SavedPositionsLoadOrAreRefusedAndPlayOnWithoutFault)
{
    test::TempDir dir("ovs-sweep-pos");
    std::filesystem::copy_file(test::DefaultDatabase(), dir.File(kDefaultDatabaseName));
    const std::string good = MakeSavedPosition(dir, true);
    const Layout l(good);
    const std::size_t series = l.end + sizeof(BLOCKHEADER);
    Mutator m(1402, PositionBoundaries(good), PositionFields(good), {l.nPlayers, l.nSquads, l.nGrounds, 11, 30, 2, 6});

    Tally t;
    // Flips fall in the series (not its replay streams) and the match state.
    SweepSavedPositions(dir, m, good, series, series + sizeof(SERIES) + sizeof(BLOCKHEADER) + sizeof(CURRENT),
                        MutantsPerKind(), "saved position", t);
    if (HasFatalFailure()) return;
    EXPECT_GT(t.refused, 0);
    EXPECT_GT(t.accepted, 0);
}

// The recording of a Test, damaged: in a position saved after that Test it
// is replayed; in one saved during it, play goes on (adding to the stream)
// and the Test is then replayed.
TEST(MutationSweep, DamagedReplayStreamsPlayOnAndReplayOrStopWithoutFault)
{
    test::TempDir dir("ovs-sweep-replay");
    std::filesystem::copy_file(test::DefaultDatabase(), dir.File(kDefaultDatabaseName));
    const std::string positions[2] = {MakeSavedPosition(dir, false), MakeSavedPosition(dir, true)};
    Tally t;
    int stopped = 0;
    std::mt19937 cut(1404);
    for (int i = 0; i < MutantsPerKind(); ++i) {
        const bool midTest = i % 2 == 1;
        const std::string& good = positions[midTest ? 1 : 0];
        const Layout l(good);
        const std::size_t stream = l.end + sizeof(BLOCKHEADER) + offsetof(SERIES, Test) + offsetof(TEST, Replay);
        const std::size_t data = stream + offsetof(REPLAY, Data);
        const std::size_t length = static_cast<std::size_t>(I16At(good, stream) & 0xFFFF);
        ASSERT_GT(length, 1000u);
        std::vector<std::size_t> fields = {stream, stream + 2};
        for (std::size_t at = data; at + 2 <= data + 40; at += 1) fields.push_back(at);
        Mutator m(1403 + static_cast<std::uint32_t>(i), {stream}, fields,
                  {static_cast<int>(length), static_cast<int>(length) + 1, REPLAY_DATA, 11});
        std::string bad;
        if (i % 5 == 0) {
            // The stream ended early: its length cut back.
            bad = good;
            PutI16(bad, stream, static_cast<int>(cut() % length));
        } else {
            bad = m.Next(good, data, data + length);
            if (bad.size() != good.size()) {
                // A cut file belongs to the saved position's sweep: here a byte of 255 instead.
                bad = good;
                bad[data + cut() % length] = static_cast<char>(0xFF);
            }
        }
        WriteFile(dir.File(kSavedPositionName), bad);
        test::StartedGame s(3, dir.Path(), dir.File(kDefaultDatabaseName));
        ASSERT_TRUE(s.started);
        if (!t.Loaded(midTest ? LoadSavedData(s.g) : LoadSavedPosition(s.g))) continue;
        if (midTest) {
            ASSERT_TRUE(PlayOn(s)) << "replay mutant " << i << " played without end";
        }
        SetReplayFlag(s.g, 1);
        s.g.queue.Post(WM_REPLAYTEST, 0);
        ASSERT_TRUE(PlayOn(s)) << "replay mutant " << i << " ran without end";
        if (!s.g.replayFault.empty()) ++stopped;
    }
    Report("replay stream", t);
    std::printf("[ sweep    ] replay stream    %d of the replays stopped at a damaged value\n", stopped);
    EXPECT_GT(stopped, 0);
}

// A saved league, two teams of one-Test rubbers, taken during the first rubber.
std::string MakeSavedLeague(const test::TempDir& dir)
{
    test::StartedGame a(31, dir.Path(), dir.File(kDefaultDatabaseName));
    EXPECT_TRUE(a.started);
    std::string refusal;
    EXPECT_TRUE(SetUpComputerLeague(a.g, {0, 1}, 1, false, refusal)) << refusal;
    BeginLeague(a.g);
    long overs = 0;
    EXPECT_TRUE(a.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
        if (msg == WM_ENDOVER && ++overs == 60 && a.g.queue.Size() == 1 && a.g.queue.Peek(WM_NEWOVER)) {
            EXPECT_TRUE(SavePosition(a.g));
            a.g.queue.Clear();
        }
    }));
    return ReadFile(dir.File(kSavedPositionName));
}

TEST(MutationSweep, SavedLeaguesLoadOrAreRefusedAndPlayOnWithoutFault)
{
    test::TempDir dir("ovs-sweep-league");
    std::filesystem::copy_file(test::DefaultDatabase(), dir.File(kDefaultDatabaseName));
    const std::string good = MakeSavedLeague(dir);
    const Layout l(good);
    const std::size_t league = l.end + 2 * sizeof(BLOCKHEADER) + sizeof(SERIES) + sizeof(CURRENT) +
                               sizeof(TOOLBAR) * TOOLBAR_RECORDS + sizeof(BLOCKHEADER);
    const std::size_t rubbers = league + sizeof(LEAGUE) + sizeof(BLOCKHEADER);
    ASSERT_EQ(good.size(), rubbers + 4 * sizeof(SERIES));
    std::vector<std::size_t> boundaries = {league - sizeof(BLOCKHEADER), league, rubbers - sizeof(BLOCKHEADER),
                                           rubbers, good.size()};
    std::vector<std::size_t> fields;
    for (std::size_t at = league; at < league + offsetof(LEAGUE, Result) + 40; at += 2) fields.push_back(at);
    for (int r = 0; r < 4; ++r) {
        const std::size_t s = rubbers + static_cast<std::size_t>(r) * sizeof(SERIES);
        boundaries.push_back(s);
        for (std::size_t at = s + offsetof(SERIES, nNumTests); at < s + offsetof(SERIES, bBallByBall); at += 2)
            fields.push_back(at);
        for (std::size_t at = s + offsetof(SERIES, Squad); at < s + offsetof(SERIES, Player); at += 2)
            fields.push_back(at);
        const std::size_t in = s + offsetof(SERIES, Test) + offsetof(TEST, Innings);
        for (std::size_t at = in; at < in + offsetof(INNINGS, Bat); at += 2) fields.push_back(at);
    }
    Mutator m(1405, boundaries, fields, {l.nSquads, 2, 3, MAX_LEAGUE_TEAMS, MAX_LEAGUE_ROUNDS, 1});

    Tally t;
    SweepSavedPositions(dir, m, good, league, rubbers + sizeof(SERIES), MutantsPerKind() / 2, "saved league", t);
    if (HasFatalFailure()) return;
    EXPECT_GT(t.refused, 0);
    EXPECT_GT(t.accepted, 0);
}

// The old separate files made from a database image: each record in its
// older, shorter layout (squads of at most 20 members), no record tables.
struct OldFiles {
    std::string numbers, players, squads, grounds;
};

OldFiles OldFilesOf(const std::string& image)
{
    // Where the old squad's fields go in the new one: {old, new, length}.
    static const std::size_t kSquadMoves[][3] = {
        {0, 0, 30},      {30, 30, 600},    {630, 930, 2},    {632, 932, 2},    {634, 934, 40},
        {674, 994, 12},  {686, 1006, 2},   {688, 1008, 2},   {690, 1010, 10},  {700, 1020, 2},
        {702, 1022, 130}, {832, 1152, 2},  {834, 1154, 2},   {838, 1158, 120}, {958, 1318, 2}};
    const Layout l(image);
    OldFiles old;
    old.numbers = image.substr(sizeof(DBHEADER), 12);
    for (int p = 0; p < l.nPlayers; ++p) old.players += image.substr(l.players + p * sizeof(PLAYER), 256);
    for (int q = 0; q < l.nSquads; ++q) {
        const std::string squad = image.substr(l.squads + q * sizeof(SQUAD), sizeof(SQUAD));
        std::string o(1024, '\0');
        for (const auto& mv : kSquadMoves) o.replace(mv[0], mv[2], squad, mv[1], mv[2]);
        PutI16(o, 630, std::min(I16At(o, 630), 20));
        old.squads += o;
    }
    for (int g = 0; g < l.nGrounds; ++g)
        old.grounds += image.substr(l.grounds + g * sizeof(GROUND), sizeof(GROUND)) + std::string(4, '\0');
    return old;
}

TEST(MutationSweep, OldFilesImportOrAreRefusedAndPlayWithoutFault)
{
    test::TempDir dir("ovs-sweep-import");
    const OldFiles good = OldFilesOf(ReadFile(test::DefaultDatabase()));
    const int squads = static_cast<int>(good.squads.size() / 1024);
    const int players = static_cast<int>(good.players.size() / 256);
    const int grounds = static_cast<int>(good.grounds.size() / 64);
    auto every = [](std::size_t size, std::size_t record, std::size_t step) {
        std::vector<std::size_t> at;
        for (std::size_t a = 0; a <= size; a += record * step) at.push_back(a);
        return at;
    };
    std::vector<std::size_t> squadFields, playerFields, groundFields;
    for (int q = 0; q < squads; ++q)
        for (std::size_t f = 630; f < 686; f += 2) squadFields.push_back(q * 1024 + f);
    for (int p = 0; p < players; p += 5) playerFields.push_back(p * 256 + offsetof(PLAYER, nBowlType) - 1);
    for (int g = 0; g < grounds; ++g)
        for (std::size_t f : {std::size_t{20}, offsetof(GROUND, nStart), offsetof(GROUND, nSunset)})
            groundFields.push_back(g * 64 + f);
    const std::vector<int> sizes = {players, squads, grounds, 20, MAX_SQUAD};
    Mutator numbersM(1406, {0, 2, 6, 12}, {0, 2, 4, 6, 8, 10}, sizes);
    Mutator playersM(1407, every(good.players.size(), 256, 17), playerFields, sizes);
    Mutator squadsM(1408, every(good.squads.size(), 1024, 1), squadFields, sizes);
    Mutator groundsM(1409, every(good.grounds.size(), 64, 3), groundFields, sizes);

    Tally t;
    for (int i = 0; i < MutantsPerKind() / 2; ++i) {
        OldFiles bad = good;
        switch (i % 4) {
        case 0: bad.numbers = numbersM.Next(good.numbers, 0, good.numbers.size()); break;
        case 1: bad.players = playersM.Next(good.players, 0, good.players.size()); break;
        case 2: bad.squads = squadsM.Next(good.squads, 0, good.squads.size()); break;
        default: bad.grounds = groundsM.Next(good.grounds, 0, good.grounds.size()); break;
        }
        WriteFile(dir.File("NUMBERSW.DAT"), bad.numbers);
        WriteFile(dir.File("PLAYERSW.DAT"), bad.players);
        WriteFile(dir.File("SQUADSW.DAT"), bad.squads);
        WriteFile(dir.File("GROUNDSW.DAT"), bad.grounds);
        test::StartedGame s(static_cast<std::uint32_t>(i), dir.Path(), test::DefaultDatabase());
        ASSERT_TRUE(s.started);
        s.g.dbPath = dir.File(kDefaultDatabaseName);
        if (!t.Loaded(ImportOldDatabase(s.g))) continue;
        ASSERT_TRUE(PlaysASeries(s)) << "old files mutant " << i << " played without end";
    }
    Report("old files", t);
    EXPECT_GT(t.refused, 0);
    EXPECT_GT(t.accepted, 0);
}

// The old files are checked as a database is, and only regular files are read.
TEST(HardeningImport, DamagedOrSpecialOldFilesAreRefusedAndNothingIsWritten)
{
    test::TempDir dir("ovs-hard-import");
    const OldFiles good = OldFilesOf(ReadFile(test::DefaultDatabase()));
    auto write = [&](const OldFiles& f) {
        WriteFile(dir.File("NUMBERSW.DAT"), f.numbers);
        WriteFile(dir.File("PLAYERSW.DAT"), f.players);
        WriteFile(dir.File("SQUADSW.DAT"), f.squads);
        WriteFile(dir.File("GROUNDSW.DAT"), f.grounds);
    };
    WriteFile(dir.File(kDefaultDatabaseName), "the database in use");
    test::StartedGame s(1, dir.Path(), test::DefaultDatabase());
    ASSERT_TRUE(s.started);
    s.g.dbPath = dir.File(kDefaultDatabaseName);
    const std::uint64_t before = test::Snapshot(s.g);

    OldFiles bad = good;
    PutI16(bad.squads, 1024 + 634 + 2 * 7, 255);   // squad 1's member 7
    write(bad);
    EXPECT_FALSE(ImportOldDatabase(s.g));
    test::ExpectOneBox(s.host,
                       "This old Database is damaged: squad 1 member 7's player is 255; it must lie between 0 and 177.",
                       "Loading Error", "member 7");

    // A FIFO cannot hold the import up.
    write(good);
    std::filesystem::remove(dir.File("SQUADSW.DAT"));
    ASSERT_EQ(mkfifo(dir.File("SQUADSW.DAT").c_str(), 0644), 0);
    s.host.ClearRecord();
    EXPECT_FALSE(ImportOldDatabase(s.g));
    test::ExpectOneBox(s.host, "Error loading Squad Data.", "Loading Error", "fifo");
    EXPECT_EQ(test::Snapshot(s.g), before);
    EXPECT_EQ(ReadFile(dir.File(kDefaultDatabaseName)), "the database in use");

    // The headless program imports sound files and shows the database made.
    std::filesystem::remove(dir.File("SQUADSW.DAT"));
    write(good);
    std::filesystem::remove(dir.File(kDefaultDatabaseName));
    test::TempDir data("ovs-hard-import-cli");
    for (const char* name : {"NUMBERSW.DAT", "PLAYERSW.DAT", "SQUADSW.DAT", "GROUNDSW.DAT"})
        std::filesystem::copy_file(dir.File(name), data.File(name));
    int rc = -1;
    const std::string out = test::RunCli(data.Path(), "db --import", &rc);
    EXPECT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("Imported the old database files into " + data.File(kDefaultDatabaseName)),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("Players:    178"), std::string::npos) << out;
}

}  // namespace
}  // namespace ovs
