// The new-series checks and set-up, the start of a series and its end.
#include "core/flow.h"
#include "core/series.h"

#include <cstdio>
#include <cstring>

#include "core/format.h"
#include "core/game.h"
#include "core/league.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/replay.h"
#include "data/statistics.h"

namespace ovs {

namespace {

bool LeagueRunning(const Game& g) { return g.League.nTests >= 1 && g.League.nTests <= 6; }

int FitMembers(const Game& g, const SQUAD& squad)
{
    int fit = 0;
    for (int m = 0; m < squad.nMembers && m < MAX_SQUAD; ++m)
        if (g.db.players[squad.nPlayer[m]].nInjury == 0) ++fit;
    return fit;
}

// "I. Initials " only when there are initials, then the surname.
std::string DisplayName(const PLAYER& p)
{
    std::string name;
    if (p.szInitials[0]) name = std::string(p.szInitials) + " ";
    return name + p.szSurname;
}

// Records are file images: their leading bytes are copied as bytes.
template <typename T> unsigned char* Bytes(T& r) { return reinterpret_cast<unsigned char*>(&r); }
template <typename T> const unsigned char* Bytes(const T& r) { return reinterpret_cast<const unsigned char*>(&r); }

// The series summary, as menu command 1205 shows it: a Test may be asked to replay.
void ShowSummary(Game& g)
{
    int r = SeriesSummaryBox(g);
    if (r >= 100) {
        SetReplayFlag(g, 1);
        g.queue.Post(WM_REPLAYTEST, r - 100);
    }
}

}  // namespace

std::string CheckNewSeries(const Game& g, int homeSquad, int awaySquad, int numTests, bool* warning)
{
    if (warning) *warning = false;
    const int squads = g.db.NumSquads();
    if (squads < 2) return "Not enough Squads to play a Series.";
    if (homeSquad < 0 || homeSquad >= squads || awaySquad < 0 || awaySquad >= squads) return "Invalid Squad.";

    if (homeSquad == awaySquad) {
        if (warning) *warning = true;
        return "Selected same Squad twice!";
    }
    const SQUAD& home = g.db.squads[homeSquad];
    const SQUAD& away = g.db.squads[awaySquad];
    for (int i = 0; i < home.nMembers && i < MAX_SQUAD; ++i) {
        for (int j = 0; j < away.nMembers && j < MAX_SQUAD; ++j) {
            if (home.nPlayer[i] == away.nPlayer[j]) {
                if (warning) *warning = true;
                return DisplayName(g.db.players[home.nPlayer[i]]) + " is in both Squads!";
            }
        }
    }
    if (numTests < 1 || numTests > MAX_TESTS) return "Invalid number of Tests.";
    if (home.nMembers < MAX_ELEVEN) return "Home Squad does not have enough players.";
    if (away.nMembers < MAX_ELEVEN) return "Away Squad does not have enough players.";
    if (FitMembers(g, home) < MAX_ELEVEN) return "Home Squad does not have enough fit players.";
    if (FitMembers(g, away) < MAX_ELEVEN) return "Away Squad does not have enough fit players.";
    if (numTests > home.nGrounds) return "Home Squad does not have enough Test venues.";
    return "";
}

void ApplyNewSeries(Game& g, int homeSquad, int awaySquad, int numTests, bool humanHome, bool humanAway,
                    bool pickComputerTeams, bool allowWeather)
{
    SERIES& s = g.Series;
    InitSeries(s);
    s.bBallByBall = g.ballByBallNextSeries ? 1 : 0;
    s.nSquad[0] = homeSquad;
    s.nSquad[1] = awaySquad;
    s.nNumTests = numTests;
    const bool human[2] = {humanHome, humanAway};
    for (int side = 0; side < 2; ++side) {
        s.nControl[side] = human[side] ? CONTROL_HUMAN : CONTROL_COMPUTER;
        const char* who = "Computer";
        if (human[side]) who = (side == 1 && humanHome) ? "Player No. 2" : "Player No. 1";
        SetText(s.szPlayer[side], sizeof s.szPlayer[side], who);
    }
    s.bPickComputerTeams = pickComputerTeams ? 1 : 0;
    s.bAllowWeather = allowWeather ? 1 : 0;
    // The venues are the home squad's home grounds in order.
    const SQUAD& home = g.db.squads[homeSquad];
    for (int k = 0; k < MAX_TESTS; ++k) s.nGround[k] = static_cast<std::uint8_t>(home.nGround[k] & 0xFF);
}

bool SetUpComputerSeries(Game& g, int homeSquad, int awaySquad, int numTests, bool allowWeather,
                         std::string& refusal)
{
    refusal = CheckNewSeries(g, homeSquad, awaySquad, numTests);
    if (!refusal.empty()) return false;
    ApplyNewSeries(g, homeSquad, awaySquad, numTests, false, false, false, allowWeather);
    return true;
}

void SnapshotSeries(Game& g)
{
    SERIES& s = g.Series;
    for (int side = 0; side < 2; ++side) {
        if (s.nSquad[side] < 0) continue;
        const SQUAD& squad = g.db.squads[s.nSquad[side]];
        SQUADSERIES& q = s.Squad[side];
        std::memcpy(q.szName, squad.szName, sizeof q.szName);
        std::memcpy(q.szShort, squad.szShort, sizeof q.szShort);
        q.nMembers = squad.nMembers;
        q.nGrounds = squad.nGrounds;
        for (int m = 0; m < MAX_SQUAD; ++m) q.nPlayer[m] = squad.nPlayer[m];
        for (int k = 0; k < MAX_HOME_GROUNDS; ++k) q.nGround[k] = squad.nGround[k];
        q.wSetting1 = squad.wSetting1;
        q.wSetting2 = squad.wSetting2;
        q.nSpare = -1;
        for (int m = 0; m < squad.nMembers && m < MAX_SQUAD; ++m)
            std::memcpy(Bytes(s.Player[m][side]), Bytes(g.db.players[squad.nPlayer[m]]), sizeof(PLAYERSERIES));
    }
    for (int k = 0; k < MAX_TESTS; ++k) {
        int ground = s.nGround[k];
        if (ground == 255 || ground >= static_cast<int>(g.db.grounds.size())) continue;
        const GROUND& gr = g.db.grounds[ground];
        GROUNDSERIES& v = s.Venue[k];
        // Name, size and pace factors, then start, sunset, weather weights, pitch and bounce.
        std::memcpy(Bytes(v), Bytes(gr), offsetof(GROUNDSERIES, nStart));
        std::memcpy(Bytes(v) + offsetof(GROUNDSERIES, nStart), Bytes(gr) + offsetof(GROUND, nStart),
                    offsetof(GROUND, bReserved2) - offsetof(GROUND, nStart));
    }
}

std::string SeriesStandingText(const Game& g)
{
    const SERIES& s = g.Series;
    int last = s.nNumTests - 1;
    bool over = last >= 0 && std::strncmp(s.Test[last].szResult, "Not yet", 7) != 0 &&
                std::strncmp(s.Test[last].szResult, "In prog", 7) != 0;
    const char* name = s.nSquad[0] >= 0 ? g.db.squads[s.nSquad[0]].szName : "";
    int home = s.nHomeWins, away = s.nAwayWins;
    const char* verb;
    int first = home, second = away;
    if (home > away)
        verb = over ? "won the series" : "are currently winning";
    else if (home == away)
        verb = over ? "drew the series" : "are currently drawing";
    else {
        verb = over ? "lost the series" : "are currently losing";
        first = away;
        second = home;
    }
    char text[128];
    FormatTo(text, sizeof text, "%s %s %d - %d.", name, verb, first, second);
    return text;
}

void StartNewSeries(Game& g, int wParam)
{
    if (wParam == 0 && NetworkPlay(g)) {
        // Both copies agree the series in the network series box.
        if (!NetworkSeriesBox(g)) return;
    } else if (wParam == 0) {
        // The box checks and applies the series itself; cancelled or refused: no series.
        DialogRequest req;
        req.id = Dialog::NewSeries;
        if (!g.host->RunDialog(req)) return;
    }
    if (LeagueRunning(g) && g.commands.Enabled(1800)) g.League.nTests = 0;

    for (int id : {1201, 1202, 1203, 1001, 1800, 1850, 1851, 1852}) g.commands.Disable(id);
    g.commands.Enable(1205);
    g.commands.Enable(1002);
    g.host->CommandsChanged();

    if (wParam == 0) {
        const SQUAD& home = g.db.squads[g.Series.nSquad[0]];
        for (int k = 0; k < MAX_TESTS; ++k)
            g.Series.nGround[k] = static_cast<std::uint8_t>(home.nGround[k] & 0xFF);
    }
    g.Current.nTest = 0;
    g.Current.bLeagueMatch = 0;
    SnapshotSeries(g);

    g.Log("Posting WM_NEWTEST message from StartNewSeries ()  (wParam = %d)\n", 0);
    g.queue.Post(WM_NEWTEST, 0);
}

ResumeStep PositionResumeStep(const SERIES& s, const CURRENT& c, bool leagueToPlay)
{
    const int t = c.nTest;
    if (t < 0) return leagueToPlay ? ResumeStep{WM_NEWSERIES, 0} : ResumeStep{};
    if (t >= s.nNumTests || t >= MAX_TESTS) return {WM_ENDSERIES, 0};
    const TEST& test = s.Test[t];
    if (test.Innings[0].nStatus == INNINGS_NOTSTARTED) return {WM_NEWTEST, t};
    const int n = c.nInnings;
    if (n < 0 || n >= MAX_INNINGS) return {WM_ENDTEST, 0};
    if (n > 0 && (test.Innings[n - 1].nStatus & (INNINGS_RESULT | INNINGS_DRAWN))) return {WM_ENDTEST, 0};
    if (test.Innings[n].nStatus == INNINGS_NOTSTARTED) return {WM_NEWINNINGS, n};
    // An innings in play, or one that ended while its end was still queued:
    // the break between overs leads on to either.
    return {WM_CONTINNINGS, n};
}

void SetReplayFlag(Game& g, int value) { g.wReplayFlag = static_cast<std::int16_t>(value); }

void EndSeries(Game& g)
{
    const bool replay = Replaying(g);
    const bool league = LeagueRunning(g);
    const bool watched = g.Watched();
    if (!watched) g.host->Refresh(PANE_TITLE);
    if (!replay) RecordFinishedSeries(g);

    if (!league) {
        ShowSummary(g);
        g.commands.Enable(1800);
        for (int id : {1201, 1850, 1851, 1852}) g.commands.Enable(id);
    } else if (!replay && watched) {
        ShowSummary(g);
        ShowLeagueTable(g);
    }
    if (!replay) {
        for (int id : {1202, 1203, 1204}) g.commands.Disable(id);
        for (int id : {1601, 1602, 1603, 1604, 1605, 1623, 1632, 1642, 1646, 1652}) g.commands.Enable(id);
    }
    if (!league) g.Current.nTest = -1;

    if (league && !replay) {
        RecordLeagueRubber(g);
        // Between two rubbers no Test is in play (a position saved now resumes with the next fixture).
        g.Current.nTest = -1;
        g.Log("Posting WM_NEWSERIES message from EndSeries ()\n");
        g.Log("Posting WM_NEWSERIES message from EndSeries ()\n");
        g.queue.Post(WM_NEWSERIES, 0);
    }

    if (replay) {
        g.Series.nControl[0] = CONTROL_COMPUTER;
        g.Series.nControl[1] = CONTROL_COMPUTER;
        // A replay of a league result parked the series in play in the first backup pair.
        if (g.wReplayFlag & 0x4000) {
            g.Series = g.SeriesBackup[0];
            g.Current = g.CurrentBackup[0];
            g.SelectTestAndInnings();
        }
        g.wReplayFlag = 0;
        for (int id : {1201, 1850, 1851, 1852, 1001, 1800}) g.commands.Enable(id);
        for (int id : {1202, 1203, 1205, 1002}) g.commands.Disable(id);
    }
    g.host->CommandsChanged();
}

}  // namespace ovs
