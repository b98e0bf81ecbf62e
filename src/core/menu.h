// The menu commands of the main window and which of them are enabled.
//
// ControlMenu carries out one command (the menu, its accelerators and the tool
// buttons all arrive here). The enabled state lives in Game::commands; the
// Commands* procedures set it for each state of play and tell the front end.
#pragma once

namespace ovs {

struct Game;

enum MenuCommand : int {
    CMD_READDATA = 1001,          // Read Data: load CURRENT.DAT and resume
    CMD_WRITEDATA = 1002,         // Write Data: save the position
    CMD_EXIT = 1003,
    CMD_NEWSERIES = 1201,         // Start New Series (Ctrl+N)
    CMD_BATAVERAGES = 1202,
    CMD_BOWLAVERAGES = 1203,
    CMD_POINTSAVERAGES = 1204,
    CMD_RESULTS = 1205,           // the series summary; lParam n + 1 shows league series n
    CMD_PREPAREDSERIES = 1220,    // start a series already set up (network, league)
    CMD_REPLAY = 1230,
    CMD_BATAGGRESSION = 1301,
    CMD_BOWLAGGRESSION = 1302,
    CMD_TEAMAGGRESSION = 1303,
    CMD_NEWBOWLER = 1304,
    CMD_DECLARE = 1305,
    CMD_SCOREBOARD = 1306,
    CMD_PERFORMANCE = 1307,
    CMD_NEXTOVER = 1308,          // Next Over (7, Space)
    CMD_CONDITIONS = 1309,
    CMD_SQUADDETAILS = 1401,
    CMD_PLAYERDETAILS = 1402,
    CMD_GROUNDDETAILS = 1403,
    CMD_RECORDS_ALL = 1601,       // every record table in turn
    CMD_RECORDS_BATTING = 1602,
    CMD_RECORDS_BOWLING = 1603,
    CMD_RECORDS_FIELDING = 1604,
    CMD_RECORDS_POINTS = 1605,
    CMD_RECORDS_FIRST = 1601,     // the Records menu spans 1601..1654
    CMD_RECORDS_LAST = 1654,
    CMD_HELPONHELP = 1701,
    CMD_HELPINDEX = 1702,         // F1
    CMD_ABOUT = 1703,
    CMD_NEWLEAGUE = 1800,         // Ctrl+L
    CMD_LEAGUETABLE = 1801,       // Ctrl+T
    CMD_LEAGUERESULTS = 1802,     // Ctrl+R
    CMD_NEXTFIXTURES = 1803,
    CMD_CURRENTFIXTURES = 1804,
    CMD_NETINFO = 1850,
    CMD_NETSERVER = 1851,
    CMD_NETCLIENT = 1852,
    CMD_DISPLAYOPTIONS = 2100,
    CMD_AGGRESSIONOPTIONS = 2101,
};

// Is `id` one of the record-table commands (1601..1605, 1610..1615, 1620..1629,
// 1630..1636, 1640..1647, 1651..1654)?
bool IsRecordsCommand(int id);

// Carry out menu command `command`.
void ControlMenu(Game& g, int command, long lParam = 0);

// A command from the menu, an accelerator or a tool button: carried out only
// when enabled (as a greyed menu entry cannot be chosen). True when run.
bool RunCommand(Game& g, int command, long lParam = 0);

// Close down as Exit does after its question: the network connection and an
// open ball-by-ball file are closed and WM_QUIT is posted.
void ExitProgram(Game& g);

// The enabled commands for each state of play (each tells the host).
void CommandsIdle(Game& g);             // title screen, no series
void CommandsSeriesRunning(Game& g);    // a series has started
void CommandsReplay(Game& g);           // a Test is being replayed
void CommandsTestIdle(Game& g);         // greys the Test commands 1301..1309
void CommandsSeriesEnded(Game& g, bool league, bool replay);

// The series summary box: 1, 0, or 100 + t to replay Test t. The series code
// defines it; until then the host's SeriesSummary dialog answers (1 when none).
int SeriesSummaryBox(Game& g);
// The replay flag word: 1 for a replay of the current series, 16385 for one
// started from a league result. Kept by the series code.
void SetReplayFlag(Game& g, int value);
// Close an open league results or league summary box.
void CloseLeagueBoxes(Game& g);

}  // namespace ovs
