// The one seam between the engine and the outside world.
//
// The engine never draws, asks or waits by itself: message boxes, questions,
// the choice dialogs, pane refreshes, the state of menu commands, nested waits,
// the clock and where files live all go through a Host. The desktop game and
// the headless program each implement it; tests use a scripted one.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace ovs {

enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxIcon { None, Information, Exclamation, Stop, Question };

// Answers of a message box, numbered as the program always has.
enum BoxResult : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

// Panes and views the engine asks a front end to redraw (bit mask).
enum Pane : unsigned {
    PANE_SCOREBOARD = 1u << 0,
    PANE_OVER = 1u << 1,
    PANE_BUTTONS = 1u << 2,
    PANE_SCORECARD = 1u << 3,
    PANE_BOWLERS = 1u << 4,
    PANE_AGGRESSION = 1u << 5,
    PANE_HIGHLIGHTS = 1u << 6,
    PANE_SESSION = 1u << 7,
    PANE_MATCH = 1u << 8,
    PANE_TITLE = 1u << 9,
    PANE_ALL = 0x3FFu,
};

// The choice dialogs of play. A request carries what the dialog needs to show
// and takes back the user's answer; a Host that does not show a dialog returns
// false and the engine makes the computer's choice instead.
enum class Dialog {
    NewSeries,        // the new-series box
    PickTeam,         // pick an eleven and batting order for `side`
    TossCall,         // heads or tails: result 0 heads, 1 tails
    TossChoice,       // result 0 bat, 1 field
    Openers,          // choose the two opening batsmen: result, result2 (slots)
    NewBatsman,       // choose the next batsman: result (slot)
    NewBowler,        // choose the bowler of the over: result (slot)
    FollowOn,         // enforce the follow-on? result IDYES / IDNO
    BatAggression,
    BowlAggression,
    TeamAggression,
    Conditions,       // the conditions box (information)
    TestResult,       // the result box (information)
    TestRating,       // the performance points box (information)
    SeriesSummary,    // the series summary box: result 100 + t replays Test t
    Scoreboard,       // the scoreboard box (information)
    View,             // a view of the database or the series: `text` its name, `side` its argument
    About,
    NetworkServer,    // serve on a port and wait for the other copy (the box connects)
    NetworkClient,    // connect to a copy that serves (the box connects)
    NetworkSeries,    // the two players agree the series: result 1 once it is started
    // The league's boxes: the new-league box (it checks and applies the league
    // itself, true on OK), the table, the results matrix, the next fixtures
    // and the current round's fixtures.
    NewLeague,
    LeagueTable,
    LeagueResults,
    LeagueFixtures,
    LeagueSummary,
};

struct DialogRequest {
    Dialog id = Dialog::About;
    int side = -1;               // the side choosing, where it matters
    std::vector<int> choices;    // slots or values offered, where it matters
    std::string text;            // a text to show, where it matters
    int result = -1;             // the answer
    int result2 = -1;            // a second answer (openers)
};

class Host {
public:
    virtual ~Host() = default;

    // A modal message box; returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const std::string& text, const std::string& caption,
                           BoxButtons buttons = BoxButtons::Ok, BoxIcon icon = BoxIcon::None) = 0;

    // What lies behind the box that follows (the file's path and the system's
    // reason), for a host that can show more than the box's own text. The
    // desktop keeps its boxes to their texts; the headless program prints it.
    virtual void BoxDetail(const std::string& /*detail*/) {}

    // Run a choice dialog; false when this host leaves the choice to the computer.
    virtual bool RunDialog(DialogRequest& /*request*/) { return false; }

    // The engine changed what these panes show.
    virtual void Refresh(unsigned /*paneMask*/) {}

    // The enabled state of menu commands changed (read it from Game::commands).
    virtual void CommandsChanged() {}

    // A Test of a league result is to be replayed: close the league results
    // and league summary boxes if they are open.
    virtual void CloseLeagueBoxes() {}

    // Serve the front end's own events until done() is true or the user gives
    // up; false when it gave up. Used for waits on a dialog or the network peer.
    virtual bool WaitNested(const std::function<bool()>& done) { return done(); }

    // The network code's socket: call onReady(1) when it can be read (data,
    // or the peer closed) and, while wantWrite, onReady(2) when it can be
    // written. fd -1 stops the watch. Served by the front end's own loop and
    // by WaitNested, so the engine stays on one thread.
    virtual void WatchSocket(int /*fd*/, bool /*wantWrite*/, std::function<void(int)> /*onReady*/) {}

    // Seconds since 1970 (the generator's seed at start-up).
    virtual std::int64_t Now();

    // The program's directory: DEBUG.TXT, OPTION.DAT, MAIL.DAT, the default database.
    virtual std::string DataDir() = 0;
};

}  // namespace ovs
