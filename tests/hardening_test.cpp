// Damaged files: every index a database or saved position holds is checked
// before play trusts it, and a damaged replay stream stops the replay.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>

#include "core/flow.h"
#include "core/game.h"
#include "core/messages.h"
#include "core/series.h"
#include "data/binary_io.h"
#include "sim/booking.h"
#include "data/files.h"
#include "file_fixtures.h"
#include "test_host.h"

namespace ovs {
namespace {

using test::I16At;
using test::PutI16;
using test::ReadFile;
using test::Snapshot;
using test::WriteFile;

constexpr std::size_t kHeader = sizeof(DBHEADER) + sizeof(NUMBERS);

// Where a store's records start in a database image with these counts.
std::size_t SquadsAt(const std::string& file) { return kHeader + sizeof(PLAYER) * I16At(file, sizeof(DBHEADER)); }
std::size_t SeriesAt(const std::string& file)
{
    const std::size_t squads = SquadsAt(file) + sizeof(SQUAD) * I16At(file, sizeof(DBHEADER) + 2);
    const std::size_t grounds = squads + sizeof(GROUND) * I16At(file, sizeof(DBHEADER) + 4);
    return grounds + sizeof(RECORDS) * I16At(file, sizeof(DBHEADER) + 6) + sizeof(BLOCKHEADER);
}
std::size_t CurrentAt(const std::string& file) { return SeriesAt(file) + sizeof(SERIES) + sizeof(BLOCKHEADER); }

// A data directory with the shipped database and a saved position of a
// two-Test series played by the computer: after the first Test, or mid-Test.
struct SavedGame {
    explicit SavedGame(bool midTest)
    {
        std::filesystem::copy_file(test::DefaultDatabase(), dir.File(kDefaultDatabaseName));
        file = test::SaveTwoTestSeries(dir, midTest ? 150 : -1);
        EXPECT_GT(file.size(), kHeader);
    }
    std::string Path() const { return dir.File(kSavedPositionName); }
    test::TempDir dir{"ovs-hard"};
    std::string file;
};

// Loading `file` as the saved position must fail with one "Loading Error"
// box naming `part`, and change nothing.
void ExpectRefused(const std::string& file, const std::string& part)
{
    test::StartedGame b(5);
    ASSERT_TRUE(b.started);
    test::TempDir dir("ovs-hard-load");
    b.g.dbPath = dir.File(kDefaultDatabaseName);
    WriteFile(dir.File(kSavedPositionName), file);
    const std::uint64_t before = Snapshot(b.g);
    b.host.ClearRecord();
    EXPECT_FALSE(LoadSavedPosition(b.g)) << part;
    ASSERT_EQ(b.host.boxes.size(), 1u) << part;
    EXPECT_EQ(b.host.boxes[0].caption, "Loading Error");
    EXPECT_NE(b.host.boxes[0].text.find(part), std::string::npos) << b.host.boxes[0].text;
    EXPECT_EQ(Snapshot(b.g), before) << part;
}

TEST(HardeningDatabase, OutOfRangeSquadMembersAreRefused)
{
    const std::string good = ReadFile(test::DefaultDatabase());
    test::StoreGame b;
    ASSERT_TRUE(LoadDatabase(*b.g, test::DefaultDatabase()));
    const std::size_t squad1 = SquadsAt(good) + sizeof(SQUAD);
    const struct {
        int member, value;
        const char* text;
    } cases[] = {
        {7, 255, "squad 1 member 7's player is 255"},
        {14, 1000, "squad 1 member 14's player is 1000"},
        {0, -1, "squad 1 member 0's player is -1"},
    };
    for (const auto& c : cases) {
        std::string bad = good;
        PutI16(bad, squad1 + offsetof(SQUAD, nPlayer) + 2 * static_cast<std::size_t>(c.member), c.value);
        WriteFile(b.Path("bad.db"), bad);
        const std::uint64_t before = Snapshot(*b.g);
        b.host.ClearRecord();
        EXPECT_FALSE(LoadDatabase(*b.g, b.Path("bad.db"))) << c.text;
        ASSERT_EQ(b.host.boxes.size(), 1u);
        EXPECT_EQ(b.host.boxes[0].caption, "Loading Error");
        EXPECT_EQ(b.host.boxes[0].text,
                  std::string("This Database is damaged: ") + c.text + "; it must lie between 0 and 177.");
        EXPECT_EQ(Snapshot(*b.g), before);
    }

    // A bowling type that is no type, and a member count beyond the squad's slots.
    std::string bad = good;
    bad[kHeader + 3 * sizeof(PLAYER) + offsetof(PLAYER, nBowlType)] = 3;
    WriteFile(b.Path("bad.db"), bad);
    b.host.ClearRecord();
    EXPECT_FALSE(LoadDatabase(*b.g, b.Path("bad.db")));
    EXPECT_TRUE(b.host.Saw("player 3's bowling type has the unknown code 3"));
    bad = good;
    PutI16(bad, squad1 + offsetof(SQUAD, nMembers), 0x7fff);
    WriteFile(b.Path("bad.db"), bad);
    b.host.ClearRecord();
    EXPECT_FALSE(LoadDatabase(*b.g, b.Path("bad.db")));
    EXPECT_TRUE(b.host.Saw("the number of members of squad 1 is 32767"));
}

TEST(HardeningSavedPosition, BadSidesSlotsAndBowlingOrdersAreRefused)
{
    SavedGame saved(true);
    const std::size_t series = SeriesAt(saved.file), current = CurrentAt(saved.file);
    // The position itself loads.
    {
        test::StartedGame b(5, saved.dir.Path(), saved.dir.File(kDefaultDatabaseName));
        ASSERT_TRUE(LoadSavedPosition(b.g));
        EXPECT_TRUE(b.host.boxes.empty());
    }
    const std::size_t innings0 = series + offsetof(SERIES, Test) + offsetof(TEST, Innings);
    const struct {
        std::size_t at;
        int value;
        const char* part;
    } cases[] = {
        {innings0 + offsetof(INNINGS, nBatSide), -1, "Test 0 innings 0's batting side is -1"},
        {current + offsetof(CURRENT, nBowlOrder) + 2 * 3 * 2, 255, "bowling order entry 3 is 255"},
        {current + offsetof(CURRENT, nBowlOrder) + 2 * 5 * 2 + 2, -2, "side 1's bowling order entry 5 is -2"},
        {current + offsetof(CURRENT, nStriker), 11, "the striker is 11"},
        {current + offsetof(CURRENT, nBowler), 0x7fff, "the bowler is 32767"},
        {current + offsetof(CURRENT, nBatSide), 2, "the batting side is 2"},
        {current + offsetof(CURRENT, nTest), 7, "the current Test is 7"},
        {current + offsetof(CURRENT, nTest), 3, "the number of Tests of the series is 2; it must lie between 3"},
        {series + offsetof(SERIES, nSquad) + 2, 0x8000 - 0x10000, "side 1's squad is -32768"},
        {series + offsetof(SERIES, nNumTests), 9, "the number of Tests of the series is 9"},
        {series + offsetof(SERIES, Test) + offsetof(TEST, nPlayer) + 4 * 3, 30, "slot 3's member is 30"},
    };
    for (const auto& c : cases) {
        std::string bad = saved.file;
        PutI16(bad, c.at, c.value);
        ExpectRefused(bad, c.part);
    }
}

// The queue is not saved, so a loaded position must work out its next step
// from the match state, wherever it was written: mid-over, between innings,
// with a Test decided, between Tests, with the series' end to come, or after
// it. Each resumes (or, after the end, waits) and plays the series out once.
TEST(HardeningResume, APositionSavedBetweenAnyTwoStepsPlaysOnToTheEnd)
{
    test::TempDir dir("ovs-hard-resume");
    std::filesystem::copy_file(test::DefaultDatabase(), dir.File(kDefaultDatabaseName));
    struct Saved {
        std::uint32_t next;   // the message that was queued, and should be again
        std::string file;
    };
    std::vector<Saved> saved;
    {
        test::StartedGame a(21, dir.Path(), dir.File(kDefaultDatabaseName));
        ASSERT_TRUE(a.StartComputerSeries(0, 1, 2));
        long overs = 0;
        auto saveBefore = [&](std::uint32_t next) {
            for (const Saved& s : saved)
                if (s.next == next) return;
            ASSERT_TRUE(SavePosition(a.g));
            saved.push_back({next, ReadFile(dir.File(kSavedPositionName))});
        };
        ASSERT_TRUE(a.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
            if (msg == WM_ENDOVER) ++overs;
            if (overs < 100) return;   // from the first Test's second innings on
            if (a.g.queue.Size() != 1) return;
            for (std::uint32_t next : {WM_NEWOVER, WM_NEWINNINGS, WM_ENDTEST, WM_NEWTEST, WM_ENDSERIES})
                if (a.g.queue.Peek(next)) saveBefore(next);
        }));
        saveBefore(0);
    }
    ASSERT_EQ(saved.size(), 6u);
    for (const Saved& s : saved) {
        const std::uint32_t resumed = s.next == WM_NEWOVER ? WM_CONTINNINGS : s.next;
        SCOPED_TRACE(s.next ? MessageName(resumed) : "after the series");
        WriteFile(dir.File(kSavedPositionName), s.file);
        test::StartedGame b(7, dir.Path(), dir.File(kDefaultDatabaseName));
        ASSERT_TRUE(LoadSavedData(b.g));
        EXPECT_TRUE(b.host.boxes.empty());
        if (s.next == 0) {
            EXPECT_TRUE(b.g.queue.Empty());
            for (int id : {CMD_NEWSERIES, CMD_READDATA, CMD_RESULTS}) EXPECT_TRUE(b.g.commands.Enabled(id)) << id;
            continue;
        }
        ASSERT_EQ(b.g.queue.Size(), 1u);
        EXPECT_TRUE(b.g.queue.Peek(resumed));
        ASSERT_TRUE(b.PumpToEnd());
        // Each Test decided once, and the series closed.
        const SERIES& r = b.g.Series;
        EXPECT_EQ(r.nPlayed, 2);
        EXPECT_EQ(r.nHomeWins + r.nAwayWins + r.nDraws + r.nTies, 2);
        EXPECT_EQ(b.g.Current.nTest, -1);
        for (int t = 0; t < 2; ++t) EXPECT_EQ(std::string(r.Test[t].szResult).find("In progress"), std::string::npos);
    }
}

// Replays Test t of the series in play to the end of the flow; false when it does not end.
bool ReplayTest(Game& g, int t)
{
    SetReplayFlag(g, 1);
    g.queue.Post(WM_REPLAYTEST, t);
    for (long n = 0; n < 5'000'000; ++n) {
        std::optional<AppMessage> m = g.queue.Pop();
        if (!m) {
            if (g.bPaused == 1 && Resume(g, true)) continue;
            return true;
        }
        MainWndProc(g, m->msg, m->wParam, m->lParam);
    }
    return false;
}

TEST(HardeningReplay, ADamagedStreamStopsTheReplayAndKeepsTheTest)
{
    SavedGame saved(false);
    const std::size_t stream = SeriesAt(saved.file) + offsetof(SERIES, Test) + offsetof(TEST, Replay);
    const std::size_t data = stream + offsetof(REPLAY, Data);
    const int length = I16At(saved.file, stream) & 0xFFFF;
    ASSERT_GT(length, 100);

    auto load = [&](const std::string& file, test::StartedGame& b) {
        WriteFile(saved.Path(), file);
        ASSERT_TRUE(LoadSavedPosition(b.g));
    };
    test::StartedGame b(5, saved.dir.Path(), saved.dir.File(kDefaultDatabaseName));
    ASSERT_TRUE(b.started);

    // The stream as recorded replays to its end.
    load(saved.file, b);
    ASSERT_TRUE(ReplayTest(b.g, 0));
    EXPECT_TRUE(b.g.replayFault.empty()) << b.g.replayFault;

    // The weather byte first, then the toss winner word after the four conditions words.
    const struct {
        std::size_t at;
        int value;
        const char* part;
    } cases[] = {{data + 0, 200, "the weather is 200"}, {data + 9, 7, "the toss winner is 7"}};
    for (const auto& c : cases) {
        std::string bad = saved.file;
        bad[c.at] = static_cast<char>(c.value);
        load(bad, b);
        const std::unique_ptr<TEST> before = std::make_unique<TEST>(b.g.Series.Test[0]);
        b.host.ClearRecord();
        ASSERT_TRUE(ReplayTest(b.g, 0));
        EXPECT_TRUE(b.host.Saw(std::string("the recording of this Test is damaged (") + c.part + ")"))
            << b.g.replayFault;
        EXPECT_EQ(std::memcmp(before.get(), &b.g.Series.Test[0], sizeof(TEST)), 0);
        EXPECT_EQ(b.g.Series.nControl[0], CONTROL_COMPUTER);
    }

    // Any single bit flipped in the stream: the replay ends, stopped or not.
    for (int i = 0; i < 48; ++i) {
        std::string bad = saved.file;
        const std::size_t at = data + static_cast<std::size_t>((i * 7919) % length);
        bad[at] = static_cast<char>(bad[at] ^ (1 << (i % 8)));
        load(bad, b);
        ASSERT_TRUE(ReplayTest(b.g, 0)) << "flip " << i;
    }
}

// A caught batsman's fielder read back as 128 (the run-out flag, which a catch
// does not have) once indexed the bowling figures far past the eleven.
TEST(HardeningReplay, ACatchByAFielderOutsideTheElevenStopsTheReplay)
{
    SavedGame saved(true);
    test::StartedGame b(5, saved.dir.Path(), saved.dir.File(kDefaultDatabaseName));
    ASSERT_TRUE(LoadSavedPosition(b.g));
    Game& g = b.g;
    ASSERT_NE(g.pInnings, nullptr);
    g.Series.nControl[0] = g.Series.nControl[1] = CONTROL_REPLAY;
    for (const int detail : {128, 11, 128 + 11}) {
        REPLAY& r = g.pTest->Replay;
        r.nPosition = r.nLength = 100;
        r.Data[100] = static_cast<std::uint8_t>(detail);
        r.Data[101] = 1;   // the difficulty
        r.nLength = 102;
        g.replayFault.clear();
        g.replayBroken = false;
        const std::unique_ptr<INNINGS> before = std::make_unique<INNINGS>(*g.pInnings);
        FallOfWicket(g, HOWOUT_CAUGHT, 0, 0);
        EXPECT_NE(g.replayFault.find("the fielder of a wicket"), std::string::npos) << detail;
        for (int s = 0; s < MAX_ELEVEN; ++s)
            EXPECT_EQ(g.pInnings->Bowl[s].nCatches, before->Bowl[s].nCatches + (s == 0 ? 1 : 0)) << detail;
    }
}

TEST(HardeningReplay, TheHeadlessReplayOfADamagedStreamSaysSoAndFails)
{
    SavedGame saved(false);
    const std::size_t data =
        SeriesAt(saved.file) + offsetof(SERIES, Test) + offsetof(TEST, Replay) + offsetof(REPLAY, Data);
    std::string bad = saved.file;
    bad[data] = static_cast<char>(250);
    WriteFile(saved.Path(), bad);
    int rc = 0;
    const std::string out = test::RunCli(saved.dir.Path(), "--db '" + saved.dir.File(kDefaultDatabaseName) + "' replay 1", &rc);
    EXPECT_EQ(rc, 1) << out;
    EXPECT_NE(out.find("the recording of this Test is damaged (the weather is 250)"), std::string::npos) << out;
    EXPECT_NE(out.find("ovalspin-cli replay: the recording of the 1st Test is damaged"), std::string::npos) << out;
}

// --- files that are not ours to read ----------------------------------------------

TEST(HardeningFiles, OnlyRegularFilesOfAPossibleSizeAreRead)
{
    test::StoreGame b;
    const std::uint64_t before = Snapshot(*b.g);
    ASSERT_EQ(mkfifo(b.Path("fifo.db").c_str(), 0644), 0);
    ASSERT_EQ(symlink("/dev/zero", b.Path("zero.db").c_str()), 0);
    ASSERT_EQ(mkdir(b.Path("dir.db").c_str(), 0755), 0);
    {
        FILE* f = std::fopen(b.Path("huge.db").c_str(), "wb");
        ASSERT_NE(f, nullptr);
        ASSERT_EQ(ftruncate(fileno(f), static_cast<off_t>(kMaxDataFile + 1)), 0);   // sparse
        std::fclose(f);
    }
    const struct {
        const char* name;
        const char* text;
        const char* reason;
    } cases[] = {
        {"fifo.db", "The Database is not a file that can be read.", "not a regular file"},
        {"zero.db", "The Database is not a file that can be read.", "not a regular file"},
        {"dir.db", "The Database is not a file that can be read.", "Is a directory"},
        {"huge.db", "The Database is too large to be one of Ovalspin's.", "larger than any Ovalspin file can be"},
        {"none.db", "Database not found.", "No such file or directory"},
    };
    for (const auto& c : cases) {
        b.host.ClearRecord();
        b.logLines.clear();
        EXPECT_FALSE(LoadDatabase(*b.g, b.Path(c.name))) << c.name;
        test::ExpectOneBox(b.host, c.text, "Loading Error", c.name);
        ASSERT_EQ(b.logLines.size(), 1u);
        EXPECT_NE(b.logLines[0].find(b.Path(c.name) + ": " + c.reason), std::string::npos) << b.logLines[0];
    }
    EXPECT_EQ(Snapshot(*b.g), before);
}

TEST(HardeningFiles, TwoSavesAtOnceEachWriteTheirOwnTemporaryFile)
{
    test::TempDir dir("ovs-hard-save");
    const std::string path = dir.File("CURRENT.DAT");
    AtomicFile a, b;
    ASSERT_TRUE(a.Create(path));
    ASSERT_TRUE(b.Create(path));
    const std::string one(5000, '1'), two(7000, '2');
    ASSERT_TRUE(a.Write(one.data(), one.size()));
    ASSERT_TRUE(b.Write(two.data(), two.size()));
    ASSERT_TRUE(b.Commit());
    EXPECT_EQ(ReadFile(path), two);
    ASSERT_TRUE(a.Commit());
    EXPECT_EQ(ReadFile(path), one);
    EXPECT_EQ(test::DirNames(dir.Path()), std::vector<std::string>{"CURRENT.DAT"});
}

// A save killed part-way (SIGKILL, no chance to clean up) leaves the old file
// whole; the temporary it left is ours and goes at the next start.
TEST(HardeningFiles, AKilledSaveKeepsTheOldFileAndItsTemporaryGoes)
{
    test::TempDir dir("ovs-hard-kill");
    const std::string path = dir.File("CURRENT.DAT");
    WriteFile(path, std::string(3000, 'o'));
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        AtomicFile out;
        const std::string half(100000, 'n');
        if (out.Create(path) && out.Write(half.data(), half.size())) raise(SIGKILL);
        _exit(3);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(ReadFile(path), std::string(3000, 'o'));
    ASSERT_EQ(test::DirNames(dir.Path()).size(), 2u);
    RemoveStaleTemporaries(dir.Path());
    EXPECT_EQ(test::DirNames(dir.Path()), std::vector<std::string>{"CURRENT.DAT"});
}

// --- the headless program on a data directory ----------------------------------

TEST(HardeningCli, StaleTemporariesGoAndASecondCopyIsRefused)
{
    test::TempDir dir("ovs-hard-cli");
    std::filesystem::copy_file(test::DefaultDatabase(), dir.File(kDefaultDatabaseName));
    for (const char* name : {"CURRENT.DAT.ovs-tmp-Ab12Cd", "CURRENT.DAT.tmp", "notes.tmp", "CURRENT.DAT.ovs-tmp-x"})
        WriteFile(dir.File(name), "left over");
    int rc = -1;
    std::string out = test::RunCli(dir.Path(), "db", &rc);
    EXPECT_EQ(rc, 0) << out;
    // Ours are gone; what is not ours stays.
    EXPECT_EQ(test::DirNames(dir.Path()),
              (std::vector<std::string>{"CURRENT.DAT.ovs-tmp-x", "DEBUG.TXT", kDefaultDatabaseName, "notes.tmp",
                                        "ovalspin.lock"}));

    // A copy running on the directory: the second says which directory and ends.
    test::StartedGame first(1, dir.Path(), dir.File(kDefaultDatabaseName));
    ASSERT_TRUE(first.started);
    first.g.log.SetEnabled(true);
    first.g.Log("A line of the first copy\n");
    out = test::RunCli(dir.Path(), "db", &rc);
    EXPECT_NE(rc, 0);
    EXPECT_EQ(out, "Ovalspin: Another copy of Ovalspin is already using the data directory " + dir.Path() +
                       ". Close it first, or give this one another data directory.\n");
    EXPECT_NE(RunLog::ReadText(dir.File("DEBUG.TXT")).find("A line of the first copy"), std::string::npos);
}

TEST(HardeningCli, NoSavedGameNoDatabaseAndAMissingLinkEachSaySo)
{
    test::TempDir dir("ovs-hard-msg");
    int rc = -1;
    // A fresh directory is seeded; there is no saved game in it yet.
    for (const char* cmd : {"resume", "replay 1", "db --careers --saved"}) {
        const std::string out = test::RunCli(dir.Path(), cmd, &rc);
        EXPECT_EQ(rc, 1) << cmd;
        EXPECT_NE(out.find("Loading Error: There is no saved game to load. (" + dir.File(kSavedPositionName) +
                           ": No such file or directory)"),
                  std::string::npos)
            << cmd << ": " << out;
    }

    // A link to nothing in the database's place is left alone and reported.
    test::TempDir other("ovs-hard-link");
    ASSERT_EQ(symlink(dir.File("gone.db").c_str(), other.File(kDefaultDatabaseName).c_str()), 0);
    const std::string out = test::RunCli(other.Path(), "db", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("Loading Error: Database not found. (" + other.File(kDefaultDatabaseName) +
                       ": No such file or directory)"),
              std::string::npos)
        << out;
    struct stat st {};
    ASSERT_EQ(lstat(other.File(kDefaultDatabaseName).c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
}

}  // namespace
}  // namespace ovs
