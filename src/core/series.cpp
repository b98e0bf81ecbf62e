// The new-series checks and set-up, the start of a series and its end.
#include "core/flow.h"
#include "core/series.h"

#include <algorithm>
#include <cstddef>
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

// A fixed text field, up to its NUL or its end.
template <std::size_t N> std::string Field(const char (&text)[N]) { return std::string(text, strnlen(text, N)); }

// Records are file images: their leading bytes are copied as bytes.
template <typename T> unsigned char* Bytes(T& r) { return reinterpret_cast<unsigned char*>(&r); }
template <typename T> const unsigned char* Bytes(const T& r) { return reinterpret_cast<const unsigned char*>(&r); }

// The series summary at the end of a series: the Test whose replay was
// asked, or -1.
int ShowSummary(Game& g)
{
    const bool offered = ReplayOffered(g);
    const int r = SeriesSummaryBox(g);
    return offered && r >= 100 && r < 100 + MAX_TESTS ? r - 100 : -1;
}

// The series in play as the replay found it.
void ResumeParkedPlay(Game& g)
{
    ParkedPlay& p = g.parked;
    g.Series = g.SeriesBackup[0];
    g.Current = g.CurrentBackup[0];
    g.SelectTestAndInnings();
    g.toolbar = p.toolbar;
    g.commands = p.commands;
    g.times = p.times;
    g.rng.SetState(p.random);
    g.bPaused = p.bPaused;
    g.bSendResume = p.bSendResume;
    g.nPostedOver = p.nPostedOver;
    g.nBallsPosted = p.nBallsPosted;
    for (const AppMessage& m : p.queue) g.queue.Post(m.msg, m.wParam, m.lParam);
    p = ParkedPlay{};
    g.host->Refresh(PANE_ALL);
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

void RebuildDisplayNames(Game& g, SQUAD& squad)
{
    const int members = std::clamp<int>(squad.nMembers, 0, MAX_SQUAD);
    const int players = static_cast<int>(g.db.players.size());
    auto player = [&](int m) -> const PLAYER* {
        const int p = squad.nPlayer[m];
        return p >= 0 && p < players ? &g.db.players[p] : nullptr;
    };
    for (int m = 0; m < members; ++m) {
        const PLAYER* p = player(m);
        std::memset(squad.szMember[m], 0, sizeof squad.szMember[m]);
        if (!p) continue;
        const std::string surname = Field(p->szSurname);
        bool shared = false;
        for (int k = 0; k < members && !shared; ++k)
            shared = k != m && player(k) && Field(player(k)->szSurname) == surname;
        const std::string initials = Field(p->szInitials);
        const std::string name = shared && !initials.empty() ? surname + " " + initials : surname;
        SetText(squad.szMember[m], name);
    }
}

bool RestoreSeries(Game& g, RestoredSeries& restored)
{
    SERIES& s = g.Series;
    Stores& db = g.db;
    const int squads = db.NumSquads(), players = db.NumPlayers(), grounds = db.NumGrounds();
    if (squads < 0 || players < 0 || grounds < 0 ||
        db.squads.size() < static_cast<std::size_t>(squads + SPARE_SQUADS) ||
        db.players.size() < static_cast<std::size_t>(players + SPARE_PLAYERS) ||
        db.grounds.size() < static_cast<std::size_t>(grounds + SPARE_GROUNDS))
        return false;
    for (int side = 0; side < 2; ++side)
        if (s.nSquad[side] < 0 || s.nSquad[side] >= squads) return false;
    // A league match shows its squads as its snapshot has them; another
    // series is the database's own.
    restored.league = g.Current.bLeagueMatch != 0;
    for (int side = 0; side < 2; ++side) {
        const int real = s.nSquad[side];
        const int slot = squads + side;
        const int first = players + side * MAX_SQUAD;
        SQUAD& spare = db.squads[slot];
        InitSquad(spare, slot + 1);
        for (int m = 0; m < MAX_SQUAD; ++m) InitPlayer(db.players[first + m], first + m + 1);
        if (!restored.league) {
            spare = db.squads[real];
            for (int m = 0; m < std::clamp<int>(spare.nMembers, 0, MAX_SQUAD); ++m)
                if (spare.nPlayer[m] >= 0 && spare.nPlayer[m] < players) db.players[first + m] = db.players[spare.nPlayer[m]];
        } else {
            const SQUADSERIES& q = s.Squad[side];
            std::memcpy(spare.szName, q.szName, sizeof spare.szName);
            std::memcpy(spare.szShort, q.szShort, sizeof spare.szShort);
            spare.nMembers = static_cast<std::int16_t>(std::clamp<int>(q.nMembers, 0, MAX_SQUAD));
            spare.nGrounds = static_cast<std::int16_t>(std::clamp<int>(q.nGrounds, 0, MAX_HOME_GROUNDS));
            for (int k = 0; k < MAX_HOME_GROUNDS; ++k) spare.nGround[k] = q.nGround[k];
            spare.wSetting1 = q.wSetting1;
            spare.wSetting2 = q.wSetting2;
            for (int m = 0; m < spare.nMembers; ++m) {
                std::memcpy(Bytes(db.players[first + m]), Bytes(s.Player[m][side]), sizeof(PLAYERSERIES));
                spare.nPlayer[m] = static_cast<std::int16_t>(first + m);
            }
            RebuildDisplayNames(g, spare);
        }
        restored.real[side] = real;
        s.nSquad[side] = static_cast<std::int16_t>(slot);
    }
    for (int k = 0; k < MAX_TESTS; ++k) {
        GROUND& gr = db.grounds[grounds + k];
        InitGround(gr, grounds + k + 1);
        const int venue = s.nGround[k];
        if (venue == 255) continue;
        if (!restored.league) {
            if (venue < grounds) gr = db.grounds[venue];
            continue;
        }
        const GROUNDSERIES& v = s.Venue[k];
        std::memcpy(Bytes(gr), Bytes(v), offsetof(GROUNDSERIES, nStart));
        std::memcpy(Bytes(gr) + offsetof(GROUND, nStart), Bytes(v) + offsetof(GROUNDSERIES, nStart),
                    offsetof(GROUND, bReserved2) - offsetof(GROUND, nStart));
    }
    return true;
}

void EndRestoredSeries(Game& g, const RestoredSeries& restored)
{
    for (int side = 0; side < 2; ++side) {
        const int real = restored.real[side];
        if (real < 0) continue;
        const int slot = g.Series.nSquad[side];
        if (!restored.league && slot >= 0 && slot < static_cast<int>(g.db.squads.size()) && slot != real) {
            SQUAD rebuilt = g.db.squads[slot];
            const SQUAD& own = g.db.squads[real];
            rebuilt.nGrounds = own.nGrounds;
            std::memcpy(rebuilt.nGround, own.nGround, sizeof rebuilt.nGround);
            g.db.squads[real] = rebuilt;
        }
        g.Series.nSquad[side] = static_cast<std::int16_t>(real);
    }
}

int SeriesSummaryBox(Game& g)
{
    // The box shows the squads as they stood when the series began.
    RestoredSeries restored;
    const bool rebuilt = RestoreSeries(g, restored);
    DialogRequest req;
    req.id = Dialog::SeriesSummary;
    const int result = g.host->RunDialog(req) ? req.result : 1;
    if (rebuilt) EndRestoredSeries(g, restored);
    return result;
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

bool ReplayOffered(const Game& g) { return g.wReplayFlag == 0 && !Replaying(g) && !NetworkPlay(g); }

void BeginReplay(Game& g, int test, int flag, bool seriesParked)
{
    if (!seriesParked) {
        g.SeriesBackup[0] = g.Series;
        g.CurrentBackup[0] = g.Current;
    }
    ParkedPlay& p = g.parked;
    p.held = true;
    p.toolbar = g.toolbar;
    p.commands = g.commands;
    p.times = g.times;
    p.random = g.rng.State();
    p.bPaused = g.bPaused;
    p.bSendResume = g.bSendResume;
    p.nPostedOver = g.nPostedOver;
    p.nBallsPosted = g.nBallsPosted;
    // What the series in play had still to do waits for it.
    p.queue = g.queue.TakeAll();
    g.bPaused = 0;
    SetReplayFlag(g, flag);
    g.queue.Post(WM_REPLAYTEST, test);
}

void SetReplayFlag(Game& g, int value) { g.wReplayFlag = static_cast<std::int16_t>(value); }

void EndSeries(Game& g)
{
    const bool replay = Replaying(g);
    const bool league = LeagueRunning(g);
    const bool watched = g.Watched();
    int replayAsked = -1;
    if (!watched) g.host->Refresh(PANE_TITLE);
    if (!replay) RecordFinishedSeries(g);

    if (!league) {
        replayAsked = ShowSummary(g);
        g.commands.Enable(1800);
        for (int id : {1201, 1850, 1851, 1852}) g.commands.Enable(id);
    } else if (!replay && watched) {
        replayAsked = ShowSummary(g);
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
        const int flag = g.wReplayFlag;
        g.wReplayFlag = 0;
        if (g.parked.held) {
            // Asked from a series summary: the series in play is back as it was.
            ResumeParkedPlay(g);
        } else {
            // A replay of a league result parked the series in play in the first backup pair.
            if (flag & 0x4000) {
                g.Series = g.SeriesBackup[0];
                g.Current = g.CurrentBackup[0];
                g.SelectTestAndInnings();
            }
            for (int id : {1201, 1850, 1851, 1852, 1001, 1800}) g.commands.Enable(id);
            for (int id : {1202, 1203, 1205, 1002}) g.commands.Disable(id);
        }
    }
    // A replay asked from the summary at the end waits until the series has ended.
    if (replayAsked >= 0) BeginReplay(g, replayAsked, 1, false);
    g.host->CommandsChanged();
}

}  // namespace ovs
