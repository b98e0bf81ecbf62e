// The league in play: set-up, fixtures' rubbers, the move from one to the
// next, and the league's share of every finished Test.
#include "core/league.h"

#include <algorithm>
#include <cstring>

#include "core/format.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/series.h"
#include "data/texts.h"
#include "report/turn_files.h"

namespace ovs {

namespace {

constexpr const char* kErrorCaption = "Ovalspin - Error";
constexpr const char* kLeagueTitle = "Ovalspin League";

// A fixed text field, which need not hold its NUL when full.
template <std::size_t N>
std::string DisplayText(const char (&field)[N])
{
    return std::string(field, strnlen(field, N));
}

bool ValidPlayer(const Game& g, int p) { return p >= 0 && p < static_cast<int>(g.db.players.size()); }

int FitMembers(const Game& g, const SQUAD& squad)
{
    int fit = 0;
    for (int m = 0; m < squad.nMembers && m < MAX_SQUAD; ++m)
        if (ValidPlayer(g, squad.nPlayer[m]) && g.db.players[squad.nPlayer[m]].nInjury == 0) ++fit;
    return fit;
}

// The first squad whose (non-empty) name is `name`, compared within the
// 20 characters a name can have; -1 when none.
int SquadNamed(const Game& g, const std::string& name)
{
    const std::string want = name.substr(0, sizeof(SQUAD::szName) - 1);
    if (want.empty()) return -1;
    for (int s = 0; s < g.db.NumSquads() && s < static_cast<int>(g.db.squads.size()); ++s) {
        const SQUAD& sq = g.db.squads[s];
        if (sq.szName[0] && std::strncmp(sq.szName, want.c_str(), sizeof sq.szName) == 0) return s;
    }
    return -1;
}

bool ValidTeam(const LEAGUE& l, int team) { return team >= 0 && team < LeagueTeamCount(l); }

// The teams of the fixture now being played, or false.
bool CurrentFixture(const Game& g, int& home, int& away)
{
    const LEAGUE& l = g.League;
    if (!LeagueSetUp(l) || l.nRound < 0 || l.nRound >= MAX_LEAGUE_ROUNDS || l.nFixture < 0 ||
        l.nFixture >= MAX_LEAGUE_FIXTURES)
        return false;
    const FIXTURE& f = l.Fixture[l.nRound][l.nFixture];
    home = f.nHome;
    away = f.nAway;
    return ValidTeam(l, home) && ValidTeam(l, away) && home != away &&
           g.db.leagueSeries.size() == LEAGUE_SERIES;
}

// The menu while a league's rubber is played.
void CommandsLeagueRunning(Game& g)
{
    for (int id : {CMD_NEWSERIES, CMD_BATAVERAGES, CMD_BOWLAVERAGES, CMD_READDATA, CMD_NEWLEAGUE, CMD_NETINFO,
                   CMD_NETSERVER, CMD_NETCLIENT})
        g.commands.Disable(id);
    for (int id : {CMD_RESULTS, CMD_WRITEDATA, CMD_LEAGUETABLE, CMD_LEAGUERESULTS, CMD_NEXTFIXTURES,
                   CMD_CURRENTFIXTURES})
        g.commands.Enable(id);
    g.host->CommandsChanged();
}

// Start the rubber of the current fixture. `from` names the caller for the log.
void StartFixture(Game& g, const char* from)
{
    int home = 0, away = 0;
    if (!CurrentFixture(g, home, away)) {
        g.Log("%s (): the League has no fixture to play\n", from);
        return;
    }
    LEAGUE& l = g.League;
    SERIES& s = g.Series;
    const std::int16_t ballByBall = s.bBallByBall;
    InitSeries(s);
    s.nNumTests = l.nTests;
    s.bBallByBall = ballByBall;
    const int team[2] = {home, away};
    for (int side = 0; side < 2; ++side) {
        s.nSquad[side] = l.nSquad[team[side]];
        s.nControl[side] = static_cast<std::uint16_t>(l.nControl[team[side]]);
        SetText(s.szPlayer[side], LeagueControllerName(g, team[side]));
    }
    s.bPickComputerTeams = (g.options.wPlayOptions >> 3) & 1;
    s.bAllowWeather = (g.options.wPlayOptions >> 1) & 1;
    g.Current.nTest = 0;
    g.Current.bLeagueMatch = 1;
    const SQUAD& homeSquad = g.db.squads[s.nSquad[0]];
    for (int k = 0; k < MAX_TESTS; ++k) s.nGround[k] = static_cast<std::uint8_t>(homeSquad.nGround[k] & 0xFF);
    SnapshotSeries(g);
    g.Log("Posting WM_NEWTEST message from %s () (wParam = %d)\n", from, 0);
    g.queue.Post(WM_NEWTEST, 0);
    CommandsLeagueRunning(g);
}

// The last round is played: the results and the table, and a new league (or series) may start.
void EndLeague(Game& g)
{
    g.Current.nTest = -1;
    ShowLeagueResults(g);
    ShowLeagueTable(g);
    for (int id : {CMD_NEWLEAGUE, CMD_NEWSERIES, CMD_READDATA, CMD_NETINFO, CMD_NETSERVER, CMD_NETCLIENT})
        g.commands.Enable(id);
    g.host->CommandsChanged();
}

void RunLeagueDialog(Game& g, Dialog d)
{
    if (!LeagueSetUp(g.League)) return;
    DialogRequest req;
    req.id = d;
    g.host->RunDialog(req);
}

}  // namespace

std::string CheckNewLeague(const Game& g, const std::vector<LeagueEntry>& rows, int tests, int* badRow)
{
    int bad = -1;
    std::string refusal;
    auto refuse = [&](int row, std::string text) {
        bad = row;
        refusal = std::move(text);
    };
    const int n = static_cast<int>(rows.size());
    std::vector<int> squads;
    if (n < 2) {
        refuse(n, "Not enough squads currently selected.");
    } else if (n > MAX_LEAGUE_TEAMS) {
        refuse(MAX_LEAGUE_TEAMS, Format("A League has at most %d squads.", MAX_LEAGUE_TEAMS));
    } else if (tests < 1 || tests > MAX_TESTS) {
        refuse(0, "Invalid number of Tests.");
    } else {
        for (int row = 0; row < n && refusal.empty(); ++row) {
            const int s = SquadNamed(g, rows[row].name);
            if (s < 0) {
                refuse(row, "Invalid Squad selected!");
                break;
            }
            const SQUAD& sq = g.db.squads[s];
            const std::string name = DisplayText(sq.szName);
            if (std::find(squads.begin(), squads.end(), s) != squads.end())
                refuse(row, name + " selected more than once.");
            else if (sq.nMembers < MAX_ELEVEN)
                refuse(row, name + " does not have enough players.");
            else if (FitMembers(g, sq) < MAX_ELEVEN)
                refuse(row, name + " does not have enough fit players.");
            else if (sq.nGrounds < tests)
                refuse(row, name + " does not have enough Test venues.");
            squads.push_back(s);
        }
    }
    if (refusal.empty()) {
        // The last player found in two of the chosen squads is named.
        for (int a = 0; a < n; ++a)
            for (int b = a + 1; b < n; ++b) {
                const SQUAD& x = g.db.squads[squads[a]];
                const SQUAD& y = g.db.squads[squads[b]];
                for (int i = 0; i < x.nMembers && i < MAX_SQUAD; ++i)
                    for (int j = 0; j < y.nMembers && j < MAX_SQUAD; ++j)
                        if (x.nPlayer[i] == y.nPlayer[j] && ValidPlayer(g, x.nPlayer[i])) {
                            bad = b;
                            refusal = DisplayName(g.db.players[x.nPlayer[i]]) + " is in more than one Squad!";
                        }
            }
    }
    if (badRow) *badRow = refusal.empty() ? -1 : bad;
    return refusal;
}

void ApplyNewLeague(Game& g, const std::vector<LeagueEntry>& rows, int tests, bool playByMail)
{
    LEAGUE& l = g.League;
    ResetLeague(l, g.db);
    const int n = std::min<int>(static_cast<int>(rows.size()), MAX_LEAGUE_TEAMS);
    for (int k = 0; k < n; ++k) {
        l.nSquad[k] = static_cast<std::int16_t>(SquadNamed(g, rows[k].name));
        l.nControl[k] = rows[k].human ? CONTROL_HUMAN : CONTROL_COMPUTER;
    }
    l.nTests = static_cast<std::int16_t>(tests);
    l.nSquads = static_cast<std::int16_t>(n);
    SetText(l.szTitle, kLeagueTitle);
    l.wFlags = playByMail ? LEAGUE_PLAYBYMAIL : 0;
}

bool SetUpComputerLeague(Game& g, const std::vector<int>& squads, int tests, bool playByMail,
                         std::string& refusal)
{
    std::vector<LeagueEntry> rows;
    for (int s : squads) {
        if (s < 0 || s >= g.db.NumSquads()) {
            refusal = "Invalid Squad selected!";
            return false;
        }
        rows.push_back({DisplayText(g.db.squads[s].szName), false});
    }
    refusal = CheckNewLeague(g, rows, tests);
    if (!refusal.empty()) return false;
    ApplyNewLeague(g, rows, tests, playByMail);
    return true;
}

void StartNewLeague(Game& g)
{
    if (g.db.NumSquads() < 2) {
        g.host->MessageBox("Not enough Squads to play a League.", kErrorCaption, BoxButtons::Ok, BoxIcon::Stop);
        return;
    }
    // The box checks and applies the league itself; cancelled: nothing starts.
    DialogRequest req;
    req.id = Dialog::NewLeague;
    if (!g.host->RunDialog(req)) return;
    BeginLeague(g);
}

void BeginLeague(Game& g)
{
    LEAGUE& l = g.League;
    if (!LeagueSetUp(l) || LeagueTeamCount(l) < 2) return;
    l.nRound = 0;
    l.nFixture = 0;
    GenerateFixtures(l, g.db);
    const std::int16_t ballByBall = g.Series.bBallByBall;
    InitSeries(g.Series);
    g.Series.nNumTests = l.nTests;
    g.Series.bBallByBall = ballByBall;
    for (int k = 0; k < LeagueTeamCount(l); ++k)
        if (l.nSquad[k] >= 0 && l.nSquad[k] < static_cast<int>(g.db.squads.size()))
            g.db.squads[l.nSquad[k]].nLeaguePos = static_cast<std::int16_t>(k);
    if (l.wFlags & LEAGUE_PLAYBYMAIL) WriteStartingDetails(g);
    StartFixture(g, "StartNewLeague");
}

void PlayNextLeagueMatch(Game& g)
{
    LEAGUE& l = g.League;
    const int n = LeagueTeamCount(l);
    if (!LeagueSetUp(l) || n < 2 || LeagueComplete(l)) return;
    const int played = l.nRound;
    auto advance = [&] {
        if (++l.nFixture >= LeagueSlots(n)) {
            l.nFixture = 0;
            ++l.nRound;
        }
    };
    advance();
    while (!LeagueComplete(l) && IsBye(l, l.nRound, l.nFixture)) advance();
    // A round is over: every squad of a play-by-mail league gets its turn file.
    if (l.nRound != played && (l.wFlags & LEAGUE_PLAYBYMAIL)) WriteRoundTurnFiles(g, played);
    if (LeagueComplete(l)) {
        EndLeague(g);
        return;
    }
    StartFixture(g, "PlayNextLeagueMatch");
}

void RecordLeagueRubber(Game& g)
{
    int home = 0, away = 0;
    if (!CurrentFixture(g, home, away)) return;
    g.db.LeagueSeries(home, away) = g.Series;
}

void RecordLeagueTestResult(Game& g, int winner, bool tied)
{
    int home = 0, away = 0;
    if (!g.Current.bLeagueMatch || !g.pTest || !CurrentFixture(g, home, away)) return;
    LeagueOutcome outcome = tied ? LeagueOutcome::Tie
                            : winner == 0 ? LeagueOutcome::HomeWin
                            : winner == 1 ? LeagueOutcome::AwayWin
                                          : LeagueOutcome::Draw;
    LeagueInnings innings[MAX_INNINGS];
    int count = 0;
    for (const INNINGS& in : g.pTest->Innings)
        if (in.nStatus != INNINGS_NOTSTARTED && (in.nBatSide == 0 || in.nBatSide == 1))
            innings[count++] = {in.nBatSide, in.nTotal, in.nWickets};
    RecordLeagueTest(g.League, home, away, outcome, innings, count);
}

namespace {

// The league team `side` of the series in play plays as, or -1.
int SideTeam(const Game& g, int side)
{
    if (!LeagueSetUp(g.League) || !g.Current.bLeagueMatch || g.db.leagueSeries.size() != LEAGUE_SERIES) return -1;
    const int squad = g.Series.nSquad[side & 1];
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return -1;
    const int k = g.db.squads[squad].nLeaguePos;
    return ValidTeam(g.League, k) && g.League.nSquad[k] == squad ? k : -1;
}

}  // namespace

void StoreLeagueEleven(Game& g, int side)
{
    const int k = SideTeam(g, side);
    if (k < 0 || !g.pTest) return;
    TEST& kept = g.db.LeagueSeries(k, k).Test[0];
    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        kept.nPlayer[slot][0] = g.pTest->nPlayer[slot][side & 1];
        g.Log("Choose LeagueSeries [%d].nPlayer [%d] = %d\n", k * 10 + k, slot, int{kept.nPlayer[slot][0]});
    }
}

bool LeagueLastEleven(const Game& g, int side, int eleven[11])
{
    const int k = SideTeam(g, side);
    if (k < 0 || g.League.Points[k].nPlayed <= 0) return false;
    const TEST& kept = g.db.LeagueSeries(k, k).Test[0];
    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        eleven[slot] = kept.nPlayer[slot][0];
        if (eleven[slot] < 0 || eleven[slot] >= MAX_SQUAD) return false;
    }
    return true;
}

std::string LeagueControllerName(const Game& g, int team)
{
    const LEAGUE& l = g.League;
    if (!ValidTeam(l, team) || l.nControl[team] != CONTROL_HUMAN) return "Computer";
    int number = 1;
    for (int k = 0; k < team; ++k)
        if (l.nControl[k] == CONTROL_HUMAN) ++number;
    return Format("Player %d", number);
}

void ShowLeagueTable(Game& g) { RunLeagueDialog(g, Dialog::LeagueTable); }
void CloseLeagueBoxes(Game& g) { g.host->CloseLeagueBoxes(); }
void ShowLeagueResults(Game& g) { RunLeagueDialog(g, Dialog::LeagueResults); }
void ShowLeagueFixtures(Game& g) { RunLeagueDialog(g, Dialog::LeagueFixtures); }
void ShowLeagueSummary(Game& g) { RunLeagueDialog(g, Dialog::LeagueSummary); }

int NextFixturesRound(const Game& g)
{
    const LEAGUE& l = g.League;
    const int n = LeagueTeamCount(l);
    if (!LeagueSetUp(l) || n < 2 || LeagueComplete(l)) return -1;
    const int round = l.nFixture == 0 ? int{l.nRound} : l.nRound + 1;
    return round < LeagueRealRounds(n) ? round : -1;
}

std::string LeagueFixtureScore(const Game& g, int round, int slot)
{
    const LEAGUE& l = g.League;
    if (IsBye(l, round, slot)) return "";
    const FIXTURE& f = l.Fixture[round][slot];
    if (!ValidTeam(l, f.nHome) || !ValidTeam(l, f.nAway) || g.db.leagueSeries.size() != LEAGUE_SERIES) return "vs";
    const SERIES& rubber = g.db.LeagueSeries(f.nHome, f.nAway);
    if (std::strncmp(rubber.Test[0].szResult, "Not yet", 7) == 0) return "vs";
    const LEAGUE_RESULT& r = l.Result[f.nHome][f.nAway];
    return Format("%d-%d", int{r.nHomeWins}, int{r.nAwayWins});
}

const char* LeagueTeamSquadName(const Game& g, int team)
{
    if (!ValidTeam(g.League, team)) return "";
    const int s = g.League.nSquad[team];
    return s >= 0 && s < static_cast<int>(g.db.squads.size()) ? g.db.squads[s].szName : "";
}

const char* LeagueTeamSquadShort(const Game& g, int team)
{
    if (!ValidTeam(g.League, team)) return "";
    const int s = g.League.nSquad[team];
    return s >= 0 && s < static_cast<int>(g.db.squads.size()) ? g.db.squads[s].szShort : "";
}

}  // namespace ovs
