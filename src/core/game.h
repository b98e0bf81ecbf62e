// The whole state of one running program.
//
// The game keeps plain fixed-size records for its whole run: the database
// stores, the series and the live match state, the league, the options. They
// live in one Game rather than in globals so that a test (or two network
// copies) can run several games in one process. Every engine procedure takes
// the Game it acts on; only the flow and the statistics write the records,
// dialogs and reports read them.
#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/ballbyball.h"
#include "core/day_times.h"
#include "core/host.h"
#include "core/log.h"
#include "core/match.h"
#include "core/paths.h"
#include "core/queue.h"
#include "core/random.h"
#include "data/league.h"
#include "data/records.h"
#include "data/stores.h"

namespace ovs {

namespace net {
class Session;
}

// Which menu commands are enabled; front ends read it after CommandsChanged.
class CommandState {
public:
    bool Enabled(int id) const { return disabled_.count(id) == 0; }
    void Enable(int id, bool on = true) { if (on) disabled_.erase(id); else disabled_.insert(id); }
    void Disable(int id) { Enable(id, false); }

private:
    std::set<int> disabled_;
};

// What a replay asked from the series summary parks besides the series and
// the match state (backup pair 0), so that the series in play comes back
// exactly as it was when the replay ends: the toolbar, the menu commands, the
// steps waiting in the queue, the day's timetable, the pause and the generator.
struct ParkedPlay {
    bool held = false;
    ToolbarState toolbar{};
    CommandState commands;
    std::vector<AppMessage> queue;
    DayTimes times{};
    std::uint64_t random = 0;
    std::int16_t bPaused = 0;
    std::int16_t bSendResume = 0;
    std::int16_t nPostedOver = 0;
    std::int16_t nBallsPosted = 0;
};

struct Game {
    explicit Game(Host& h) : host(&h) {}
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    Host* host;
    Random rng;
    RunLog log;
    MessageQueue queue;
    CommandState commands;

    // Settings (OPTION.DAT, MAIL.DAT) and the loaded database's header and path.
    OPTIONS options{};
    // Display Options' "ball-by-ball file" for series set up from now on
    // (the series itself keeps its own flag, bBallByBall).
    bool ballByBallNextSeries = false;
    MAILDATA mail{};
    DBHEADER dbHeader{};
    std::string dbPath;

    // The database stores (players, countries, squads, grounds, records, league series).
    Stores db;

    // The series in play and the live match state.
    SERIES Series{};
    CURRENT Current{};
    TEST* pTest = nullptr;         // the TEST of Series at Current.nTest
    INNINGS* pInnings = nullptr;   // the INNINGS of pTest at Current.nInnings
    // Parking places for the series in play while another is shown or replayed.
    SERIES SeriesBackup[2]{};
    CURRENT CurrentBackup[2]{};

    LEAGUE League{};

    // The day timetable and run thresholds of the Test in play, worked out from
    // its ground; not part of the stored records.
    DayTimes times{};

    // The saved position's toolbar records, carried from CURRENT.DAT and back.
    ToolbarState toolbar{};

    // The ball-by-ball file of the Test in play.
    BallByBall bbb;

    // Main window state the engine owns.
    std::int16_t nMainWidth = 640;
    std::int16_t nMainHeight = 480;
    std::int16_t bPaused = 0;
    std::int16_t bSendResume = 0;
    std::int16_t nPostedOver = 0;
    std::int16_t nBallsPosted = 0;
    // Every delivery bowled since start-up, wides and no balls included.
    std::uint64_t deliveriesBowled = 0;
    // The network state: NET_SERVER or NET_CLIENT while two copies play one
    // series, with the waiting bits; 0 when not networked.
    std::uint16_t wNetState = 0;
    // The connection to the other copy and its buffers while networked.
    std::shared_ptr<net::Session> net;
    // Set while a finished Test is replayed: 1 from the series summary, 16385
    // from a league result; the series in play waits in the backups meanwhile.
    std::int16_t wReplayFlag = 0;
    ParkedPlay parked;
    // A replay whose stream gave a value outside its range: what it was (kept
    // for the headless program), whether the flow has still to stop it, and
    // the Test as it stood before the replay began, put back when it stops.
    std::string replayFault;
    bool replayBroken = false;
    std::unique_ptr<TEST> replayBackup;
    // This program's hold on its data directory, from start-up to shut-down.
    DataDirLock dataLock;

    // Recompute pTest and pInnings from Current.nTest and Current.nInnings.
    void SelectTestAndInnings();
    // A game is watched when a person, the network or a replay plays a side,
    // or the watch option (0x80) is on.
    bool Watched() const
    {
        constexpr unsigned kWatchedControl = CONTROL_HUMAN | CONTROL_NETHOME | CONTROL_NETAWAY | CONTROL_REPLAY;
        return ((Series.nControl[0] | Series.nControl[1]) & kWatchedControl) != 0 || (options.wPlayOptions & 0x80) != 0;
    }
    // Log one line to DEBUG.TXT. A batch run with the log off pays only the
    // test: with GCC the check is inlined at every call site and the
    // arguments are passed on untouched.
#if defined(__GNUC__) && !defined(__clang__)
    __attribute__((always_inline, format(printf, 2, 3))) inline void Log(const char* fmt, ...)
    {
        if (log.Wanted()) LogLine(fmt, __builtin_va_arg_pack());
    }
#else
    void Log(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
#endif
    void LogLine(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
};

}  // namespace ovs
