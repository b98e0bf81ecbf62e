// The menu commands of the main window and which of them are enabled.
#include "core/menu.h"

#include <initializer_list>

#include "core/flow.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/league.h"
#include "core/messages.h"
#include "core/series.h"
#include "data/files.h"
#include "net/network.h"
#include "report/view_tables.h"
#include "sim/aggression.h"

namespace ovs {

namespace {

const char* const kNotYet = "This command is not available yet.";
const char* const kMessageCaption = "Ovalspin - Message";

void NotAvailable(Game& g) { g.host->MessageBox(kNotYet, kMessageCaption, BoxButtons::Ok, BoxIcon::Information); }

void EnableAll(Game& g, std::initializer_list<int> ids, bool on)
{
    for (int id : ids) g.commands.Enable(id, on);
}

void EnableRange(Game& g, int first, int last, bool on)
{
    for (int id = first; id <= last; ++id) g.commands.Enable(id, on);
}

// Run a choice dialog of the Test menu; the front end shows it or declines.
bool TestDialog(Game& g, Dialog d, int side, unsigned pane)
{
    DialogRequest req;
    req.id = d;
    req.side = side;
    bool answered = g.host->RunDialog(req);
    if (g.nMainWidth >= 800) g.host->Refresh(pane);
    if (answered && d == Dialog::NewBowler && req.result >= 0) g.Current.nBowler = static_cast<std::int16_t>(req.result);
    return answered;
}

// The aggression pane exists from 800 pixels wide.
void RedrawAggression(Game& g)
{
    if (g.nMainWidth >= 800) g.host->Refresh(PANE_AGGRESSION);
}

// Command 1205: the series summary, of the series in play (lParam 0) or of
// league series lParam - 1, which is shown in place of the series in play.
void ShowResults(Game& g, long lParam)
{
    // The summary may ask for the replay of one of its Tests (100 + t).
    const bool offered = ReplayOffered(g);
    auto asked = [offered](int r) { return offered && r >= 100 && r < 100 + MAX_TESTS ? r - 100 : -1; };
    if (lParam == 0) {
        const int t = asked(SeriesSummaryBox(g));
        if (t >= 0) BeginReplay(g, t, 1, false);
        return;
    }
    int n = static_cast<int>(lParam) - 1;
    if (n < 0 || n >= static_cast<int>(g.db.leagueSeries.size())) return;
    // A replay started from a league result is itself parked in pair 0.
    int pair = (g.Series.nControl[0] == CONTROL_REPLAY && g.Series.nControl[1] == CONTROL_REPLAY) ? 1 : 0;
    g.SeriesBackup[pair] = g.Series;
    g.CurrentBackup[pair] = g.Current;
    g.Series = g.db.leagueSeries[n];
    // Every series of the league's matrix is a league match.
    g.Current.bLeagueMatch = 1;
    const int t = asked(SeriesSummaryBox(g));
    if (t < 0) {
        g.Series = g.SeriesBackup[pair];
        g.Current = g.CurrentBackup[pair];
        g.SelectTestAndInnings();
        return;
    }
    CloseLeagueBoxes(g);
    BeginReplay(g, t, 16385, true);
}

// A view of report/view_tables.h, by name; a front end that shows none declines.
void OpenView(Game& g, const std::string& name, int arg)
{
    DialogRequest req;
    req.id = Dialog::View;
    req.text = name;
    req.side = arg;
    g.host->RunDialog(req);
}

// 1202..1204: the series averages of both sides in turn, home first.
void SeriesAverages(Game& g, const char* name)
{
    for (int side = 0; side < 2; ++side) OpenView(g, name, side);
}

}  // namespace

bool IsRecordsCommand(int id)
{
    return (id >= 1601 && id <= 1605) || (id >= 1610 && id <= 1615) || (id >= 1620 && id <= 1629) ||
           (id >= 1630 && id <= 1636) || (id >= 1640 && id <= 1647) || (id >= 1651 && id <= 1654);
}

void ExitProgram(Game& g)
{
    if (NetworkPlay(g)) NetworkClose(g);
    CloseBallByBall(g, "Closing Ovalspin\n");
    g.queue.Post(WM_QUIT, 0);
}

void ControlMenu(Game& g, int command, long lParam)
{
    switch (command) {
    case CMD_READDATA:
        LoadSavedData(g);
        return;
    case CMD_WRITEDATA:
        SavePosition(g);
        return;
    case CMD_EXIT:
        if (g.host->MessageBox("Are you sure you want to Exit?", "Exit Ovalspin", BoxButtons::YesNo,
                               BoxIcon::Question) == IDYES)
            ExitProgram(g);
        return;
    case CMD_NEWSERIES:
        g.Log("Posting WM_NEWSERIES message from ControlMenu ()\n");
        g.queue.Post(WM_NEWSERIES, 0);
        return;
    case CMD_PREPAREDSERIES:
        g.Log("Posting WM_NEWSERIES message from ControlMenu ()\n");
        g.queue.Post(WM_NEWSERIES, 1);
        return;
    case CMD_REPLAY:
        g.queue.Post(WM_REPLAYTEST, 0);
        return;
    case CMD_RESULTS:
        ShowResults(g, lParam);
        return;
    // Asked for by name, so each opens even with automatic display off.
    case CMD_BATAGGRESSION:
        BattingFactorBox(g, 1);
        RedrawAggression(g);
        return;
    case CMD_BOWLAGGRESSION:
        BowlingFactorBox(g, 1);
        RedrawAggression(g);
        return;
    case CMD_TEAMAGGRESSION:
        TeamFactorBox(g, 1);
        RedrawAggression(g);
        return;
    case CMD_NEWBOWLER:
        TestDialog(g, Dialog::NewBowler, g.Current.nBowlSide, PANE_BOWLERS);
        return;
    case CMD_DECLARE:
        if (AskDeclare(g)) {
            g.Log("Posting WM_ENDINNINGS message from ControlMenu ()\n");
            g.queue.Post(WM_ENDINNINGS, 0);
        }
        return;
    case CMD_SCOREBOARD: {
        DialogRequest req;
        req.id = Dialog::Scoreboard;
        g.host->RunDialog(req);
        return;
    }
    case CMD_PERFORMANCE: {
        DialogRequest req;
        req.id = Dialog::TestRating;
        g.host->RunDialog(req);
        return;
    }
    case CMD_NEXTOVER:
        Resume(g, false);
        return;
    case CMD_CONDITIONS: {
        DialogRequest req;
        req.id = Dialog::Conditions;
        g.host->RunDialog(req);
        return;
    }
    case CMD_ABOUT: {
        DialogRequest req;
        req.id = Dialog::About;
        g.host->RunDialog(req);
        return;
    }
    case CMD_NETINFO:
    case CMD_NETSERVER:
    case CMD_NETCLIENT:
        NetworkMenuCommand(g, command);
        return;
    // The League menu.
    case CMD_NEWLEAGUE:
        StartNewLeague(g);
        return;
    case CMD_LEAGUETABLE:
        ShowLeagueTable(g);
        return;
    case CMD_LEAGUERESULTS:
        ShowLeagueResults(g);
        return;
    case CMD_NEXTFIXTURES:
        ShowLeagueFixtures(g);
        return;
    case CMD_CURRENTFIXTURES:
        ShowLeagueSummary(g);
        return;
    case CMD_BATAVERAGES:
        SeriesAverages(g, "series-batting-averages");
        return;
    case CMD_BOWLAVERAGES:
        SeriesAverages(g, "series-bowling-averages");
        return;
    case CMD_POINTSAVERAGES:
        SeriesAverages(g, "series-points-averages");
        return;
    case CMD_SQUADDETAILS:
        OpenView(g, "squad-details", -1);
        return;
    case CMD_PLAYERDETAILS:
        OpenView(g, "player-details", -1);
        return;
    case CMD_GROUNDDETAILS:
        OpenView(g, "ground-details", -1);
        return;
    case CMD_HELPONHELP:
    case CMD_HELPINDEX:
    case CMD_DISPLAYOPTIONS:
    case CMD_AGGRESSIONOPTIONS:
        NotAvailable(g);
        return;
    default:
        // 1601 opens every table in turn, 1602..1605 a group, the others one.
        for (const std::string& name : RecordsCommandViews(command)) OpenView(g, name, -1);
        return;
    }
}

bool RunCommand(Game& g, int command, long lParam)
{
    if (!g.commands.Enabled(command)) return false;
    ControlMenu(g, command, lParam);
    return true;
}

void CommandsTestIdle(Game& g)
{
    EnableRange(g, CMD_BATAGGRESSION, CMD_CONDITIONS, false);
    g.host->CommandsChanged();
}

void CommandsIdle(Game& g)
{
    EnableAll(g, {CMD_READDATA, CMD_EXIT, CMD_NEWSERIES, CMD_NEWLEAGUE, CMD_NETINFO, CMD_NETSERVER, CMD_NETCLIENT},
              true);
    EnableAll(g, {CMD_WRITEDATA, CMD_BATAVERAGES, CMD_BOWLAVERAGES, CMD_POINTSAVERAGES, CMD_RESULTS}, false);
    EnableRange(g, CMD_BATAGGRESSION, CMD_CONDITIONS, false);
    g.host->CommandsChanged();
}

void CommandsSeriesRunning(Game& g)
{
    EnableAll(g, {CMD_NEWSERIES, CMD_BATAVERAGES, CMD_BOWLAVERAGES, CMD_READDATA, CMD_NEWLEAGUE, CMD_NETINFO,
                  CMD_NETSERVER, CMD_NETCLIENT},
              false);
    EnableAll(g, {CMD_RESULTS, CMD_WRITEDATA}, true);
    g.host->CommandsChanged();
}

void CommandsReplay(Game& g)
{
    EnableAll(g, {CMD_NEWSERIES, CMD_NETINFO, CMD_NETSERVER, CMD_NETCLIENT, CMD_BATAVERAGES, CMD_BOWLAVERAGES,
                  CMD_READDATA, CMD_NEWLEAGUE},
              false);
    EnableAll(g, {CMD_RESULTS, CMD_WRITEDATA}, true);
    EnableRange(g, CMD_BATAGGRESSION, CMD_CONDITIONS, false);
    g.host->CommandsChanged();
}

void CommandsSeriesEnded(Game& g, bool league, bool replay)
{
    if (!league) EnableAll(g, {CMD_NEWLEAGUE, CMD_NEWSERIES, CMD_NETINFO, CMD_NETSERVER, CMD_NETCLIENT}, true);
    if (!replay) {
        EnableAll(g, {CMD_BATAVERAGES, CMD_BOWLAVERAGES, CMD_POINTSAVERAGES}, false);
        EnableRange(g, 1601, 1605, true);
        EnableAll(g, {1623, 1632, 1642, 1646, 1652}, true);
    } else {
        EnableAll(g, {CMD_NEWSERIES, CMD_NETINFO, CMD_NETSERVER, CMD_NETCLIENT, CMD_READDATA, CMD_NEWLEAGUE}, true);
        EnableAll(g, {CMD_BATAVERAGES, CMD_BOWLAVERAGES, CMD_RESULTS, CMD_WRITEDATA}, false);
    }
    g.host->CommandsChanged();
}

}  // namespace ovs
