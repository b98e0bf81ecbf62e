// Shared set-ups of the tests that work on files: a game with allocated
// stores and the byte helpers of the database and saved-position tests, and a
// game started on the default database the build makes.
#pragma once

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <csignal>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/startup.h"
#include "data/files.h"
#include "data/stores.h"
#include "test_host.h"
#include "test_util.h"

namespace ovs::test {

// A game with its stores allocated for the given counts and new-record values;
// every log line is kept.
struct StoreGame {
    TestHost host;
    std::unique_ptr<Game> g;
    std::vector<std::string> logLines;

    explicit StoreGame(int players = 40, int squads = 2, int grounds = 12, int records = 20)
        : g(std::make_unique<Game>(host))
    {
        SetDefaultCounts(g->db.numbers);
        g->db.numbers.nPlayers = static_cast<std::int16_t>(players);
        g->db.numbers.nSquads = static_cast<std::int16_t>(squads);
        g->db.numbers.nGrounds = static_cast<std::int16_t>(grounds);
        g->db.numbers.nRecords = static_cast<std::int16_t>(records);
        EXPECT_TRUE(AllocateAndInitialiseStores(*g));
        g->log.echo = [](const char* line, void* ctx) { static_cast<std::vector<std::string>*>(ctx)->push_back(line); };
        g->log.echoCtx = &logLines;
    }
    std::string Path(const std::string& name) const { return host.DataDir() + "/" + name; }
};

template <typename T>
std::string Bytes(const T& r)
{
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}
template <typename T>
std::string Bytes(const std::vector<T>& v, std::size_t n)
{
    return std::string(reinterpret_cast<const char*>(v.data()), n * sizeof(T));
}
template <typename T>
std::string Bytes(const std::vector<T>& v)
{
    return Bytes(v, v.size());
}

// Equal byte images; on a difference, where the first one lies (the records
// are too large to print).
inline testing::AssertionResult Same(const std::string& a, const std::string& b)
{
    if (a.size() != b.size()) return testing::AssertionFailure() << "sizes " << a.size() << " and " << b.size();
    for (std::size_t i = 0; i < a.size(); ++i)
        if (a[i] != b[i]) return testing::AssertionFailure() << "first difference at byte " << i;
    return testing::AssertionSuccess();
}

inline int I16At(const std::string& b, std::size_t off)
{
    return static_cast<std::int16_t>(static_cast<unsigned char>(b[off]) | (static_cast<unsigned char>(b[off + 1]) << 8));
}
inline std::int32_t I32At(const std::string& b, std::size_t off)
{
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[off + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}
inline void PutI16(std::string& b, std::size_t off, int v)
{
    b[off] = static_cast<char>(v & 0xFF);
    b[off + 1] = static_cast<char>((v >> 8) & 0xFF);
}
inline void PutI32(std::string& b, std::size_t off, std::int32_t v)
{
    for (int i = 0; i < 4; ++i) b[off + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

// While it lives, no file this process writes may grow beyond `bytes`: a
// write past it fails (EFBIG) as on a full disk, and the signal it would
// raise is ignored.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old_);
        oldSignal_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = old_;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, oldSignal_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit old_{};
    void (*oldSignal_)(int) = nullptr;
};

// The names in a directory.
inline std::vector<std::string> DirNames(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A hash of everything a load of the database or the saved position may
// change, to show that a failed one changed nothing (the stores are
// megabytes; copying them per case is slow).
inline std::uint64_t Snapshot(Game& g)
{
    std::uint64_t h = 1469598103934665603ull;
    auto add = [&h](const void* data, std::size_t n) {
        const auto* p = static_cast<const unsigned char*>(data);
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t w;
            std::memcpy(&w, p + i, 8);
            h = (h ^ w) * 1099511628211ull;
        }
        for (; i < n; ++i) h = (h ^ p[i]) * 1099511628211ull;
    };
    auto addAll = [&add](const auto& v) { add(v.data(), v.size() * sizeof v[0]); };
    const Stores& db = g.db;
    add(&db.numbers, sizeof db.numbers);
    add(&g.dbHeader, sizeof g.dbHeader);
    add(g.dbPath.data(), g.dbPath.size());
    addAll(db.players);
    addAll(db.countries);
    addAll(db.squads);
    addAll(db.grounds);
    addAll(db.records);
    addAll(db.leagueSeries);
    add(&g.League, sizeof g.League);
    add(&g.Series, sizeof g.Series);
    add(&g.Current, sizeof g.Current);
    add(&Toolbar(g), sizeof Toolbar(g));
    add(&g.pTest, sizeof g.pTest);
    return h;
}

// The boxes shown must be exactly one stop box with this text and caption.
inline void ExpectOneBox(const TestHost& host, const std::string& text, const std::string& caption,
                         const std::string& what)
{
    ASSERT_EQ(host.boxes.size(), 1u) << what;
    EXPECT_EQ(host.boxes[0].text, text) << what;
    EXPECT_EQ(host.boxes[0].caption, caption) << what;
    EXPECT_EQ(host.boxes[0].icon, BoxIcon::Stop) << what;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// Run a shell command; its output (stdout and stderr) and exit status.
inline std::string RunCommand(const std::string& command, int* rc)
{
    const std::string cmd = command + " 2>&1";
    std::string out;
    FILE* p = popen(cmd.c_str(), "r");
    if (!p) return out;
    char buf[512];
    while (std::fgets(buf, sizeof buf, p)) out += buf;
    int status = pclose(p);
    *rc = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return out;
}

// Run ovalspin-cli on a data directory (in directory `cwd` when given); its
// output (stdout and stderr) and exit status.
inline std::string RunCli(const std::string& dataDir, const std::string& args, int* rc, const std::string& cwd = "")
{
    std::string cmd = std::string("'") + OVALSPIN_CLI_PATH + "' --data '" + dataDir + "' " + args;
    if (!cwd.empty()) cmd = "cd '" + cwd + "' && " + cmd;
    return RunCommand(cmd, rc);
}

// --- a started game ----------------------------------------------------------------

// The default database the build puts beside ovalspin-cli.
inline std::string DefaultDatabase()
{
    return (std::filesystem::path(OVALSPIN_CLI_PATH).parent_path() / kDefaultDatabaseName).string();
}

// A data directory of the test's own with a copy of the shipped database, so
// that CURRENT.DAT and the other files are written beside that copy.
struct DataDirWithDatabase {
    explicit DataDirWithDatabase(const std::string& tag = "ovs-data")
        : dir(tag)
    {
        std::filesystem::copy_file(DefaultDatabase(), Database());
    }
    std::string Database() const { return dir.File(kDefaultDatabaseName); }
    TempDir dir;
};

// A game started with the generator seeded, its log off: on the default
// database, or on a database in a data directory of the test's own (where the
// game writes its files).
struct StartedGame {
    explicit StartedGame(std::uint32_t seed) { Start(seed, DefaultDatabase()); }
    StartedGame(std::uint32_t seed, const std::string& dataDir, const std::string& dbPath) : host(dataDir)
    {
        Start(seed, dbPath);
    }
    ~StartedGame()
    {
        if (started) Shutdown(g);
    }

    TestHost host;
    Game g{host};
    bool started = false;

    // A computer series between squads home and away, posted to be pumped.
    bool StartComputerSeries(int home, int away, int tests, bool allowWeather = true)
    {
        std::string refusal;
        if (!SetUpComputerSeries(g, home, away, tests, allowWeather, refusal)) {
            ADD_FAILURE() << refusal;
            return false;
        }
        ControlMenu(g, CMD_PREPAREDSERIES);
        return true;
    }

    // Pumps the flow to its end, resuming a pause as a click would (a replay
    // is watched); `seen` is told of every message after it was handled.
    // False when the flow did not end within the limit.
    template <typename Seen>
    bool PumpToEnd(Seen seen, long limit = 20'000'000)
    {
        for (long n = 0; n < limit; ++n) {
            std::optional<AppMessage> m = g.queue.Pop();
            if (!m) {
                if (g.bPaused == 1 && Resume(g, true)) continue;
                return true;
            }
            MainWndProc(g, m->msg, m->wParam, m->lParam);
            seen(m->msg, m->wParam);
        }
        return false;
    }
    bool PumpToEnd() { return PumpToEnd([](std::uint32_t, std::int32_t) {}); }

    // Pumps as PumpToEnd until `stop(msg)` holds after a message was handled,
    // leaving whatever waits in the queue; false when the flow ended first.
    template <typename Stop>
    bool PumpUntil(Stop stop, long limit = 20'000'000)
    {
        bool stopped = false;
        for (long n = 0; n < limit && !stopped; ++n) {
            std::optional<AppMessage> m = g.queue.Pop();
            if (!m) {
                if (g.bPaused == 1 && Resume(g, true)) continue;
                return false;
            }
            MainWndProc(g, m->msg, m->wParam, m->lParam);
            stopped = stop(m->msg);
        }
        return stopped;
    }

private:
    void Start(std::uint32_t seed, const std::string& dbPath)
    {
        StartupOptions so;
        so.seed = seed;
        so.dbPath = dbPath;
        so.prepareDataDir = false;
        so.showAbout = false;
        so.showLogNotice = false;
        started = Startup(g, so);
        g.log.SetEnabled(false);
    }
};

// Saves the position of a two-Test computer series (squads 0 and 1, seed 21)
// played in `dir`, which holds the database: between two overs once `overs`
// overs are bowled, or with overs < 0 at the first over of the second Test.
// Returns the file.
inline std::string SaveTwoTestSeries(const TempDir& dir, long overs)
{
    StartedGame a(21, dir.Path(), dir.File(kDefaultDatabaseName));
    EXPECT_TRUE(a.started);
    EXPECT_TRUE(a.StartComputerSeries(0, 1, 2));
    long bowled = 0;
    EXPECT_TRUE(a.PumpToEnd([&](std::uint32_t msg, std::int32_t) {
        if (msg == WM_ENDOVER) ++bowled;
        const bool stop = overs >= 0 ? bowled == overs : a.g.Current.nTest == 1;
        if (stop && a.g.queue.Size() == 1 && a.g.queue.Peek(WM_NEWOVER)) {
            EXPECT_TRUE(SavePosition(a.g));
            a.g.queue.Clear();
        }
    }));
    return ReadFile(dir.File(kSavedPositionName));
}

}  // namespace ovs::test
