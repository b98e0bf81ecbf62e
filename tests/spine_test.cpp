// Tests of the spine: generator, clock carry, message loop, menu, start-up, log, CLI.
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/arith.h"
#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/paths.h"
#include "core/random.h"
#include "core/series.h"
#include "core/startup.h"
#include "data/files.h"
#include "file_fixtures.h"
#include "test_host.h"
#include "test_util.h"

namespace fs = std::filesystem;
using namespace ovs;
using ovs::test::Lines;
using ovs::test::TestHost;

namespace {

// A game whose log goes to DEBUG.TXT in the host's temporary directory.
struct LoggedGame {
    TestHost host;
    Game g{host};
    LoggedGame() { g.log.Create(host.DataDir() + "/DEBUG.TXT"); }
    std::string LogText() { return ovs::RunLog::ReadText(host.DataDir() + "/DEBUG.TXT"); }
};

}  // namespace

// --- The generator ---------------------------------------------------------
//
// state' = state * 0x0000015A00004E35 + 1 (mod 2^64), the value is bits 32..62.
// Write the multiplier as 0x15A * 2^32 + 0x4E35 (346 * 2^32 + 20021) and a
// state as hi * 2^32 + lo. Modulo 2^64 the product keeps
//   lo' = low word of (lo * 20021 + 1)
//   hi' = hi * 20021 + lo * 346 + the carry out of (lo * 20021 + 1), mod 2^32
// and the value is hi' without bit 31.
//
// Seed 1 (hi 0, lo 1):
//   1) lo' = 20022, hi' = 346: value 346.
//   2) lo 20022: 20022 * 20021 + 1 = 400860463, no carry;
//      hi' = 346 * 20021 + 20022 * 346 = 346 * 40043 = 13854878 (0x00D3689E): value 13854878.
//   3) lo 400860463: 400860463 * 20021 + 1 = 8025627329724 = 1868 * 2^32 + 2628420796,
//      so lo' = 0x9CAA84BC and the carry is 1868;
//      hi' = 13854878 * 20021 + 400860463 * 346 + 1868
//          = 277388512438 + 138697720198 + 1868 = 416086234504
//          mod 2^32 = 3769374088 = 0xE0AC1588; without bit 31 0x60AC1588 = 1621890440.
// Seed 12345 (hi 0, lo 12345):
//   1) lo' = 12345 * 20021 + 1 = 247159246, hi' = 12345 * 346 = 4271370: value 4271370.
//   2) 247159246 * 20021 + 1 = 4948375264167 = 1152 * 2^32 + 0x22265BA7: carry 1152;
//      hi' = 4271370 * 20021 + 247159246 * 346 + 1152
//          = 85517098770 + 85517099116 + 1152 = 171034199038
//          mod 2^32 = 3530474494 = 0xD26EC3FE; without bit 31 0x526EC3FE = 1382990846.
TEST(SpineRandom, FirstValuesWorkedByHandAndDrawsBelowNothing)
{
    Random r(1);
    EXPECT_EQ(r.Next(), 346);
    EXPECT_EQ(r.Next(), 13854878);
    EXPECT_EQ(r.Next(), 1621890440);

    Random s(12345);
    EXPECT_EQ(s.Next(), 4271370);
    EXPECT_EQ(s.Next(), 1382990846);

    // A draw below 0 or less is 0 and leaves the generator alone.
    r.Seed(1);
    EXPECT_EQ(r.Below(0), 0);
    EXPECT_EQ(r.Below(-5), 0);
    EXPECT_EQ(r.State(), 1u);
    EXPECT_EQ(r.Below(100), 46);   // 346 mod 100
    EXPECT_EQ(r.State(), 0x0000015A00004E36ull);
}

TEST(SpineArith, AddMinutesCarriesOnce)
{
    EXPECT_EQ(AddMinutes(1255, 10), 1305);
    EXPECT_EQ(AddMinutes(1250, 10), 1300);
    EXPECT_EQ(AddMinutes(1159, 1), 1200);
    EXPECT_EQ(AddMinutes(1100, 40), 1140);
}

// --- Messages and watched ----------------------------------------------------

TEST(SpineGame, MessageNamesAndWatched)
{
    EXPECT_STREQ(MessageName(WM_NEWTEST), "WM_NEWTEST");
    EXPECT_STREQ(MessageName(WM_NETWORKENDBALL), "WM_NETWORKENDBALL");
    EXPECT_STREQ(MessageName(1030), "WM_UNKNOWN");

    TestHost host;
    Game g(host);
    g.options.wPlayOptions = 0x66;
    g.Series.nControl[0] = CONTROL_COMPUTER;
    g.Series.nControl[1] = CONTROL_COMPUTER;
    EXPECT_FALSE(g.Watched());
    for (int c : {CONTROL_HUMAN, CONTROL_NETHOME, CONTROL_NETAWAY, CONTROL_REPLAY}) {
        g.Series.nControl[1] = static_cast<std::uint16_t>(c);
        EXPECT_TRUE(g.Watched()) << c;
    }
    g.Series.nControl[1] = CONTROL_COMPUTER;
    g.options.wPlayOptions = 0x66 | 0x80;
    EXPECT_TRUE(g.Watched());
}

// --- The message loop --------------------------------------------------------

TEST(SpineFlow, TwoQuickResumesQueueOneResume)
{
    TestHost host;
    Game g(host);
    g.bPaused = 1;
    EXPECT_TRUE(Resume(g, true));    // the click clears the pause and posts
    EXPECT_FALSE(Resume(g, true));   // no longer paused: nothing
    EXPECT_EQ(g.bPaused, 0);
    ASSERT_EQ(g.queue.Size(), 1u);
    EXPECT_TRUE(g.queue.Peek(WM_RESUMEPLAY));

    // Space, "7" and Next Over do not look at the pause, only at the queue.
    g.queue.Clear();
    g.bPaused = 1;
    ControlMenu(g, CMD_NEXTOVER);
    ControlMenu(g, CMD_NEXTOVER);
    Resume(g, false);
    EXPECT_EQ(g.queue.Size(), 1u);
    EXPECT_EQ(g.bPaused, 1);   // WM_RESUMEPLAY clears nothing by itself
}

TEST(SpineFlow, StaleNextBallDoesNothing)
{
    TestHost host;
    Game g(host);
    g.Current.nBall = 6;   // the over's six legal balls are bowled
    g.nBallsPosted = 7;
    MainWndProc(g, WM_NEXTBALL, 0);
    EXPECT_EQ(g.nBallsPosted, 7);
    EXPECT_TRUE(g.queue.Empty());

    g.Current.nBall = 2;   // the innings ended within the over
    g.Current.bEndInnings = 1;
    MainWndProc(g, WM_NEXTBALL, 0);
    EXPECT_EQ(g.nBallsPosted, 7);
    EXPECT_TRUE(g.queue.Empty());
}

TEST(SpineFlow, ContinueInningsPausesOnlyWhenWatched)
{
    LoggedGame t;
    Game& g = t.g;
    g.options.wPlayOptions = 0x66;
    g.Series.nControl[0] = CONTROL_COMPUTER;
    g.Series.nControl[1] = CONTROL_COMPUTER;

    MainWndProc(g, WM_CONTINNINGS, 12);
    MainWndProc(g, WM_CONTINNINGS, 12);   // the over is already queued: not twice
    EXPECT_EQ(g.nPostedOver, 12);
    EXPECT_EQ(g.bPaused, 0);
    ASSERT_EQ(g.queue.Size(), 1u);
    AppMessage m = *g.queue.Pop();
    EXPECT_EQ(m.msg, WM_NEWOVER);
    EXPECT_EQ(m.wParam, 12);

    g.Series.nControl[0] = CONTROL_HUMAN;
    MainWndProc(g, WM_CONTINNINGS, 13);
    EXPECT_EQ(g.bPaused, 1);
    EXPECT_TRUE(g.queue.Empty());
    EXPECT_EQ(g.nPostedOver, 13);

    // The user resumes: no ball of the over posted yet, so the over starts.
    Resume(g, true);
    ASSERT_TRUE(PumpOne(g));   // WM_RESUMEPLAY
    m = *g.queue.Pop();
    EXPECT_EQ(m.msg, WM_NEWOVER);
    EXPECT_EQ(m.wParam, 13);

    EXPECT_EQ(t.LogText(),
              "Processing WM_CONTINNINGS message (wParam = 12)\n"
              "Processing WM_CONTINNINGS message (wParam = 12)\n"
              "Processing WM_CONTINNINGS message (wParam = 13)\n");
}

TEST(SpineFlow, ResumeMidOverAndEndBall)
{
    TestHost host;
    Game g(host);
    g.options.wPlayOptions = 0x66;
    g.Series.nControl[0] = CONTROL_HUMAN;
    g.Series.nControl[1] = CONTROL_COMPUTER;
    g.Current.nBall = 3;
    MainWndProc(g, WM_RESUMEPLAY, 0);
    MainWndProc(g, WM_RESUMEPLAY, 0);
    ASSERT_EQ(g.queue.Size(), 1u);
    EXPECT_TRUE(g.queue.Peek(WM_NEXTBALL));

    // A wide as the over's first ball leaves nBall at 0: the over goes on.
    g.queue.Clear();
    g.Current.nBall = 0;
    g.nBallsPosted = 1;
    MainWndProc(g, WM_RESUMEPLAY, 0);
    EXPECT_TRUE(g.queue.Peek(WM_NEXTBALL));
    EXPECT_FALSE(g.queue.Peek(WM_NEWOVER));

    g.queue.Clear();
    g.nBallsPosted = 0;
    MainWndProc(g, WM_ENDBALL, 0);   // watched, no pause after every ball
    EXPECT_EQ(g.nBallsPosted, 1);
    EXPECT_TRUE(g.queue.Peek(WM_NEXTBALL));
    MainWndProc(g, WM_ENDBALL, 0);
    EXPECT_EQ(g.queue.Size(), 1u);

    g.queue.Clear();
    g.options.wPlayOptions = 0x66 | 0x400;
    MainWndProc(g, WM_ENDBALL, 0);
    EXPECT_EQ(g.bPaused, 1);
    EXPECT_TRUE(g.queue.Empty());
}

TEST(SpineFlow, PumpStopsAtEmptyQueueAndAtQuit)
{
    TestHost host;
    Game g(host);
    EXPECT_FALSE(PumpOne(g));
    g.queue.Post(1030, 0);   // no handler: ignored
    g.queue.Post(WM_QUIT, 0);
    g.queue.Post(1031, 0);
    EXPECT_FALSE(PumpOne(g));
    EXPECT_EQ(g.queue.Size(), 3u);
}

// Two computer sides, not watched: a whole series runs through the loop with
// no pause and no box, and ends with no series in play.
TEST(SpineFlow, ComputerSeriesRunsWithoutPauseOrBox)
{
    const std::string db = ovs::test::DefaultDatabase();
    TestHost host;
    Game g(host);
    StartupOptions so;
    so.dbPath = db;
    so.seed = 1;
    so.showLogNotice = false;
    ASSERT_TRUE(Startup(g, so));
    std::string refusal;
    ASSERT_TRUE(SetUpComputerSeries(g, 0, 1, 1, true, refusal)) << refusal;
    ASSERT_FALSE(g.Watched());
    host.ClearRecord();

    ControlMenu(g, CMD_PREPAREDSERIES);
    long handled = 0;
    bool paused = false;
    while (handled < 1000000 && PumpOne(g)) {
        ++handled;
        paused = paused || g.bPaused;
    }
    EXPECT_TRUE(g.queue.Empty());
    EXPECT_FALSE(paused);
    EXPECT_TRUE(host.boxes.empty()) << host.boxes.front().text;
    EXPECT_EQ(g.Current.nTest, -1);
    std::string result = g.Series.Test[0].szResult;
    EXPECT_NE(result.rfind("Not yet", 0), 0u) << result;
    EXPECT_NE(result.rfind("In prog", 0), 0u) << result;

    std::string log = ovs::RunLog::ReadText(host.DataDir() + "/DEBUG.TXT");
    EXPECT_NE(log.find("Processing WM_NEWSERIES message\n"), std::string::npos);
    EXPECT_NE(log.find("Processing WM_NEWTEST message (wParam = 0)\n"), std::string::npos);
    EXPECT_NE(log.find("Processing WM_ENDTEST message\n"), std::string::npos);
    EXPECT_NE(log.find("Processing WM_ENDSERIES message\n"), std::string::npos);
    Shutdown(g);
}

// --- The menu ----------------------------------------------------------------

TEST(SpineMenu, NewSeriesPostsAndLogs)
{
    LoggedGame t;
    ControlMenu(t.g, CMD_NEWSERIES);
    ControlMenu(t.g, CMD_PREPAREDSERIES);
    ASSERT_EQ(t.g.queue.Size(), 2u);
    AppMessage a = *t.g.queue.Pop();
    AppMessage b = *t.g.queue.Pop();
    EXPECT_EQ(a.msg, WM_NEWSERIES);
    EXPECT_EQ(a.wParam, 0);
    EXPECT_EQ(b.msg, WM_NEWSERIES);
    EXPECT_EQ(b.wParam, 1);
    EXPECT_EQ(t.LogText(),
              "Posting WM_NEWSERIES message from ControlMenu ()\n"
              "Posting WM_NEWSERIES message from ControlMenu ()\n");
}

TEST(SpineMenu, ExitAsksFirst)
{
    TestHost host;
    Game g(host);
    host.Answer(IDNO);
    ControlMenu(g, CMD_EXIT);
    EXPECT_FALSE(g.queue.Peek(WM_QUIT));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Are you sure you want to Exit?");
    EXPECT_EQ(host.boxes[0].caption, "Exit Ovalspin");
    EXPECT_EQ(host.boxes[0].buttons, BoxButtons::YesNo);

    host.Answer(IDYES);
    ControlMenu(g, CMD_EXIT);
    EXPECT_TRUE(g.queue.Peek(WM_QUIT));
}

TEST(SpineMenu, CommandsNotBuiltSayTheyAreNotAvailable)
{
    TestHost host;
    Game g(host);
    for (int id : {int(CMD_DISPLAYOPTIONS)}) {
        host.ClearRecord();
        ControlMenu(g, id);
        ASSERT_EQ(host.boxes.size(), 1u) << id;
        EXPECT_EQ(host.boxes[0].caption, "Ovalspin - Message");
    }
    EXPECT_TRUE(g.queue.Empty());
}

TEST(SpineMenu, RecordsAveragesAndDetailsCommandsOpenTheirViews)
{
    TestHost host;
    Game g(host);
    auto opened = [&](int id) {
        host.dialogsRun.clear();
        ControlMenu(g, id);
        std::vector<std::string> names;
        for (const DialogRequest& r : host.dialogsRun) {
            EXPECT_EQ(r.id, Dialog::View) << id;
            names.push_back(r.text + (r.side >= 0 ? "/" + std::to_string(r.side) : ""));
        }
        EXPECT_TRUE(host.boxes.empty()) << id;
        return names;
    };
    EXPECT_EQ(opened(1623), std::vector<std::string>{"most-runs-series"});
    EXPECT_EQ(opened(1624).size(), 10u);
    EXPECT_EQ(opened(CMD_RECORDS_POINTS),
              (std::vector<std::string>{"most-points-test", "most-points-series", "most-points", "best-points-average"}));
    EXPECT_EQ(opened(CMD_BATAVERAGES),
              (std::vector<std::string>{"series-batting-averages/0", "series-batting-averages/1"}));
    EXPECT_EQ(opened(CMD_PLAYERDETAILS), std::vector<std::string>{"player-details"});
    EXPECT_TRUE(g.queue.Empty());
}

TEST(SpineMenu, GreyedCommandIsNotRun)
{
    TestHost host;
    Game g(host);
    CommandsIdle(g);
    EXPECT_GT(host.commandsChanged, 0);
    EXPECT_TRUE(g.commands.Enabled(CMD_NEWSERIES));
    EXPECT_FALSE(g.commands.Enabled(CMD_DECLARE));
    CommandsSeriesRunning(g);
    EXPECT_FALSE(g.commands.Enabled(CMD_NEWSERIES));
    EXPECT_FALSE(RunCommand(g, CMD_NEWSERIES));
    EXPECT_TRUE(g.queue.Empty());
    EXPECT_TRUE(g.commands.Enabled(CMD_WRITEDATA));
}

// --- The log -----------------------------------------------------------------

TEST(SpineLog, SurvivesAKilledProcess)
{
    ovs::test::TempDir dir("ovs-log");
    std::string path = dir.File("DEBUG.TXT");
    pid_t pid = fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        TestHost host(dir.Path());
        Game g(host);
        if (!g.log.Create(path)) _exit(3);
        g.Log("Started Ovalspin %s\n", "v2.0 Beta 4");
        g.Log("Processing WM_NEWTEST message (wParam = %d)\n", 0);
        kill(getpid(), SIGKILL);
        _exit(4);
    }
    int status = 0;
    ASSERT_EQ(waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGKILL);
    EXPECT_EQ(ovs::RunLog::ReadText(path),
              "Started Ovalspin v2.0 Beta 4\n"
              "Processing WM_NEWTEST message (wParam = 0)\n");
}

// A log created empty in a directory of the test's own, and the text it
// should end up holding.
class SpineLogFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(log.Create(path)); }

    ovs::test::TempDir dir{"ovs-log"};
    const std::string path = dir.File("DEBUG.TXT");
    RunLog log;
    std::string expected;
};

// The log formats its own lines by hand; every line must read as printf
// would have written it, including what it hands back to printf.
TEST_F(SpineLogFile, LinesReadAsPrintfWouldWriteThem)
{
    auto both = [&](auto... args) {
        log.Write(args...);
        char buf[256];
        std::snprintf(buf, sizeof buf, args...);
        expected += buf;
    };
    both("Processing WM_NEWOVER message (wParam = %d)\n", 17);
    both("Sizeof SERIES %6d|%-6d|%06d|%2d\n", 70726, -42, -42, 12345);
    both("%d %d %d\n", 0, -2147483647 - 1, 2147483647);
    both("%s: Sending message %s (100%%)\n", "Player 1", "NM_GETDELIVERY");
    both("%-8s|%8s|%s\n", "ab", "cd", "");
    both("no arguments at all\n");
    both("%x %5.2f %ld %c\n", 255, 3.14159, 1234567890123L, 'q');
    log.Close();
    EXPECT_EQ(ovs::test::ReadFile(path), expected);
}

// A long log runs through several windows of the file; none of its text may
// be lost or doubled at their seams, and closing leaves exactly the text.
TEST_F(SpineLogFile, ALongLogKeepsEveryLineAcrossWindows)
{
    for (int i = 0; i < 30000; ++i) {
        log.Write("Ball Outcome was : %d\n", i);
        expected += "Ball Outcome was : " + std::to_string(i) + "\n";
    }
    EXPECT_EQ(RunLog::ReadText(path), expected);  // while still open
    log.Close();
    EXPECT_EQ(ovs::test::ReadFile(path), expected);
}

// --- Start-up ----------------------------------------------------------------

TEST(SpineStartup, DebugTxtCannotBeCreated)
{
    ovs::test::TempDir dir("ovs-start");
    TestHost host(dir.Path() + "/missing/dir");
    Game g(host);
    StartupOptions so;
    so.prepareDataDir = false;
    EXPECT_FALSE(Startup(g, so));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Can not open or create DEBUG.TXT");
    EXPECT_EQ(host.boxes[0].caption, "Ovalspin");
}

TEST(SpineStartup, DebugTxtStartsWithTheStartLines)
{
    const std::string db = ovs::test::DefaultDatabase();
    TestHost host;
    Game g(host);
    StartupOptions so;
    so.dbPath = db;
    ASSERT_TRUE(Startup(g, so));
    EXPECT_EQ(g.rng.State(), 1000000000u);   // seeded from the host's clock
    EXPECT_EQ(host.DialogRuns(Dialog::About), 1);
    EXPECT_TRUE(host.Saw("DEBUG.TXT"));
    EXPECT_EQ(g.Current.nTest, -1);
    EXPECT_EQ(g.nMainWidth, 640);

    std::vector<std::string> lines = Lines(ovs::RunLog::ReadText(host.DataDir() + "/DEBUG.TXT"));
    const std::vector<std::string> expected = {
        "Started Ovalspin v2.0 Beta 4",
        "Sizeof AVERAGE          80",
        "Sizeof PLAYER          336",
        "Sizeof COUNTRY          52",
        "Sizeof SQUAD          1320",
        "Sizeof GROUND           60",
        "Sizeof RECORDS        1080",
        "Sizeof REPLAY         8196",
        "Sizeof TEST          10436",
        "Sireof SQUADSERIES     112",
        "Sireof PLAYERSERIES     44",
        "Sireof GROUNDSERIES     48",
        "Sizeof SERIES        70726",
        "Sizeof INNINGS         364",
        "Sizeof CURRENT        5398",
        "Sizeof FIXTURE           4",
        "Sizeof LEAGUE_TURN     160",
        "Sizeof LEAGUEPTS        60",
        "Sizeof LEAGUE         2228",
        "Sizeof FIXTUREV2        18",
        "Sizeof LEAGUEPTSV2      62",
        "Sizeof LEAGUEV2     180314",
        "MAX_PLAYERS      40",
        "MAX_COUNTRIES     2",
        "MAX_SQUADS        2",
        "MAX_GROUNDS      12",
        "MAX_RECORDS      20",
        "MAX_SQUAD        30",
    };
    ASSERT_GE(lines.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;

    // The loaded counts follow, in this order, after the database is read.
    char buf[64];
    std::vector<std::string> counts;
    for (auto [fmt, n] : {std::pair{"NUM_PLAYERS    %4d", g.db.NumPlayers()},
                          {"NUM_COUNTRIES  %4d", g.db.NumCountries()}, {"NUM_SQUADS     %4d", g.db.NumSquads()},
                          {"NUM_GROUNDS    %4d", g.db.NumGrounds()}, {"NUM_RECORDS    %4d", g.db.NumRecords()}}) {
        std::snprintf(buf, sizeof buf, fmt, n);
        counts.push_back(buf);
    }
    auto at = std::find(lines.begin(), lines.end(), counts[0]);
    ASSERT_NE(at, lines.end());
    ASSERT_GE(lines.end() - at, 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(at[i], counts[i]);

    Shutdown(g);
    lines = Lines(ovs::RunLog::ReadText(host.DataDir() + "/DEBUG.TXT"));
    EXPECT_EQ(lines.back(), "Exiting Ovalspin");
}

TEST(SpineStartup, MissingDatabaseEndsStartUp)
{
    TestHost host;
    Game g(host);
    StartupOptions so;
    so.dbPath = host.DataDir() + "/no such.db";
    EXPECT_FALSE(Startup(g, so));
    EXPECT_TRUE(host.SawCaption("Loading Error"));
    EXPECT_FALSE(g.db.Allocated());
    std::vector<std::string> lines = Lines(ovs::RunLog::ReadText(host.DataDir() + "/DEBUG.TXT"));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "Started Ovalspin v2.0 Beta 4");
    EXPECT_EQ(std::count(lines.begin(), lines.end(), "NUM_PLAYERS      40"), 0);
}

// --- The data directory --------------------------------------------------------

TEST(SpinePaths, DataDirectoryOrder)
{
    auto keep = [](const char* n) { const char* v = std::getenv(n); return std::pair<bool, std::string>(v != nullptr, v ? v : ""); };
    auto data = keep("OVALSPIN_DATA"), xdg = keep("XDG_DATA_HOME"), home = keep("HOME");

    setenv("OVALSPIN_DATA", "/d/ovs", 1);
    setenv("XDG_DATA_HOME", "/x", 1);
    setenv("HOME", "/h", 1);
    EXPECT_EQ(ResolveDataDir("/given"), "/given");
    EXPECT_EQ(ResolveDataDir(), "/d/ovs");
    unsetenv("OVALSPIN_DATA");
    EXPECT_EQ(ResolveDataDir(), "/x/ovalspin");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(ResolveDataDir(), "/h/.local/share/ovalspin");

    auto restore = [](const char* n, const std::pair<bool, std::string>& v) {
        if (v.first) setenv(n, v.second.c_str(), 1); else unsetenv(n);
    };
    restore("OVALSPIN_DATA", data);
    restore("XDG_DATA_HOME", xdg);
    restore("HOME", home);
}

TEST(SpinePaths, PrepareCreatesAndNeverOverwrites)
{
    ovs::test::TempDir dir("ovs-paths");
    std::string nested = dir.Path() + "/a/b/ovalspin";
    std::string error;
    ASSERT_TRUE(PrepareDataDir(nested, &error)) << error;
    EXPECT_TRUE(fs::is_directory(nested));

    std::string db = nested + "/" + kDefaultDatabaseName;
    ovs::test::WriteFile(db, "mine");
    ASSERT_TRUE(PrepareDataDir(nested, &error));
    EXPECT_EQ(ovs::test::ReadFile(db), "mine");

    ovs::test::WriteFile(dir.File("file"), "x");
    EXPECT_FALSE(PrepareDataDir(dir.File("file") + "/sub", &error));
    EXPECT_NE(error.find("Cannot create the data directory"), std::string::npos);
}

// --- ovalspin-cli ----------------------------------------------------------------

TEST(SpineCli, DbOnAFreshDataDirectory)
{
    ovs::test::TempDir dir("ovs-cli");
    std::string data = dir.Path() + "/fresh/ovalspin";
    int rc = -1;
    const std::string out = ovs::test::RunCli(data, "--seed 5 db", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_TRUE(fs::is_directory(data));
    EXPECT_TRUE(fs::exists(data + "/" + kDefaultDatabaseName));
    EXPECT_NE(out.find("Players:"), std::string::npos);
    EXPECT_NE(out.find("\nSquads\n"), std::string::npos);
    EXPECT_NE(out.find("Members ("), std::string::npos);
    EXPECT_NE(out.find("Home grounds ("), std::string::npos);
    EXPECT_NE(out.find("\nGrounds\n"), std::string::npos);

    std::vector<std::string> log = Lines(ovs::RunLog::ReadText(data + "/DEBUG.TXT"));
    ASSERT_FALSE(log.empty());
    EXPECT_EQ(log.front(), "Started Ovalspin v2.0 Beta 4");
    EXPECT_EQ(log.back(), "Exiting Ovalspin");
}

TEST(SpineCli, UsageErrorsExitTwo)
{
    ovs::test::TempDir dir("ovs-cli");
    int rc = -1;
    for (const char* args : {"", "--seed x db", "--bogus db", "nosuchcommand"}) {
        ovs::test::RunCli(dir.Path(), args, &rc);
        EXPECT_EQ(rc, 2) << args;
    }
    // A series the checks refuse is no usage error, but it fails all the same.
    const std::string same = ovs::test::RunCli(dir.Path(), "--seed 3 play --tests 1 1 1", &rc);
    EXPECT_NE(rc, 0);
    EXPECT_NE(same.find("Selected same Squad twice!"), std::string::npos) << same;
}
