// Reset values of the league record and of the league fields of squads and players.
#include "data/league.h"

#include <algorithm>
#include <cstring>
#include <numeric>

#include "core/match.h"
#include "data/stores.h"

namespace ovs {

void ResetLeagueTurn(LEAGUE_TURN& t)
{
    // Bytes 147 and 157-159 keep what they hold.
    for (int i = 0; i <= 29; ++i) t.bData[i] = 255;
    for (int i = 30; i <= 53; ++i) t.bData[i] = 5;
    for (int i = 54; i <= 143; ++i) t.bData[i] = 0;
    for (int i = 144; i <= 146; ++i) t.bData[i] = 255;
    for (int i = 148; i <= 150; ++i) t.bData[i] = 0;
    for (int i = 151; i <= 156; ++i) t.bData[i] = 255;
}

void InitLeague(LEAGUE& l)
{
    const int tests = l.nTests;
    l = {};
    l.nTests = tests;
    for (auto& s : l.nSquad) s = -1;
    for (auto& round : l.Fixture)
        for (auto& f : round) {
            f.nHome = -1;
            f.nAway = -1;
        }
}

void ResetLeague(LEAGUE& l, Stores& db)
{
    InitLeague(l);
    for (auto& s : db.leagueSeries) InitSeries(s);
    const int squads = std::min<int>(db.NumSquads(), static_cast<int>(db.squads.size()));
    for (int i = 0; i < squads; ++i) {
        SQUAD& sq = db.squads[i];
        ResetLeagueTurn(sq.LeagueTurn);
        sq.nLeagueCounter = 0;
        sq.nLeaguePos = -1;
    }
    const int players = std::min<int>(db.NumPlayers(), static_cast<int>(db.players.size()));
    for (int i = 0; i < players; ++i) db.players[i].nInjury = 0;
}

int LeagueTeamCount(const LEAGUE& l) { return std::clamp<int>(l.nSquads, 0, MAX_LEAGUE_TEAMS); }

int LeagueRealRounds(int teams) { return teams < 2 ? 0 : 2 * ((teams + 1) / 2 * 2 - 1); }

int LeagueAllRounds(int teams) { return 2 * ((teams + 1) / 2 * 2); }

int LeagueSlots(int teams) { return (teams + 1) / 2; }

bool IsBye(const LEAGUE& l, int round, int slot)
{
    if (round < 0 || round >= MAX_LEAGUE_ROUNDS || slot < 0 || slot >= MAX_LEAGUE_FIXTURES) return true;
    const FIXTURE& f = l.Fixture[round][slot];
    return f.nHome < 0 || f.nAway < 0;
}

namespace {

const char* TeamName(const LEAGUE& l, const Stores& db, int team)
{
    const int squad = l.nSquad[team];
    if (squad < 0 || squad >= static_cast<int>(db.squads.size())) return "";
    return db.squads[squad].szName;
}

// Names are compared byte by byte as unsigned chars, within the field.
int CompareNames(const char* a, const char* b) { return std::strncmp(a, b, sizeof(SQUAD::szName)); }

}  // namespace

void GenerateFixtures(LEAGUE& l, const Stores& db)
{
    for (auto& round : l.Fixture)
        for (auto& f : round) f = {-1, -1};
    const int n = LeagueTeamCount(l);
    if (n < 2) return;
    const int N = (n + 1) / 2 * 2;
    const int m = N / 2;
    int t[MAX_LEAGUE_TEAMS];
    for (int i = 0; i < N; ++i) t[i] = i < n ? i : -1;

    auto put = [&](int round, int slot, int home, int away) {
        l.Fixture[round][slot] = {static_cast<std::int16_t>(home), static_cast<std::int16_t>(away)};
        l.Fixture[round + N - 1][slot] = {static_cast<std::int16_t>(away), static_cast<std::int16_t>(home)};
    };
    bool f = false;
    for (int r = 1; r <= N - 1; ++r) {
        if (r != m - 1) f = !f;
        for (int i = 0; i < m - 1; ++i) {
            if (i % 2 == 0)
                put(r - 1, i, t[N - i - 2], t[i]);
            else
                put(r - 1, i, t[i], t[N - i - 2]);
        }
        if (f)
            put(r - 1, m - 1, t[m - 1], t[N - 1]);
        else
            put(r - 1, m - 1, t[N - 1], t[m - 1]);
        // Turn the circle around its fixed place m - 1.
        if (m < 2) continue;
        const int kept = t[0];
        for (int p = 0; p <= m - 3; ++p) t[p] = t[p + 1];
        t[m - 2] = t[m];
        for (int p = m; p <= N - 2; ++p) t[p] = t[p + 1];
        t[N - 1] = kept;
    }
    // A fixture with a missing side is a bye: both sides empty.
    for (auto& round : l.Fixture)
        for (auto& fx : round)
            if (fx.nHome < 0 || fx.nAway < 0) fx = {-1, -1};

    // Byes last, the rest by home squad name.
    const int rounds = std::min(2 * n, MAX_LEAGUE_ROUNDS);
    for (int r = 0; r < rounds; ++r) {
        FIXTURE* row = l.Fixture[r];
        for (int pass = 0; pass < m; ++pass)
            for (int i = 0; i + 1 < m; ++i) {
                const bool bye = row[i].nHome < 0;
                const bool nextBye = row[i + 1].nHome < 0;
                if (bye || (!nextBye && CompareNames(TeamName(l, db, row[i].nHome),
                                                     TeamName(l, db, row[i + 1].nHome)) > 0))
                    std::swap(row[i], row[i + 1]);
            }
    }
}

void RecordLeagueTest(LEAGUE& l, int home, int away, LeagueOutcome outcome, const LeagueInnings* innings,
                      int count)
{
    const int n = LeagueTeamCount(l);
    if (home < 0 || home >= n || away < 0 || away >= n || home == away) return;
    LEAGUEPTS& h = l.Points[home];
    LEAGUEPTS& a = l.Points[away];
    LEAGUE_RESULT& cell = l.Result[home][away];
    ++h.nPlayed;
    ++a.nPlayed;
    ++cell.nPlayed;
    // Points only while a league is set up (a later variant awards none here).
    const bool points = LeagueSetUp(l);
    switch (outcome) {
    case LeagueOutcome::HomeWin:
        ++h.nHomeWins;
        ++a.nAwayLosses;
        ++cell.nHomeWins;
        if (points) h.nPoints += 3;
        break;
    case LeagueOutcome::AwayWin:
        ++a.nAwayWins;
        ++h.nHomeLosses;
        ++cell.nAwayWins;
        if (points) a.nPoints += 3;
        break;
    case LeagueOutcome::Draw:
        ++h.nHomeDraws;
        ++a.nAwayDraws;
        if (points) {
            h.nPoints += 1;
            a.nPoints += 1;
        }
        break;
    case LeagueOutcome::Tie:
        ++h.nHomeTies;
        ++a.nAwayTies;
        if (points) {
            h.nPoints += 2;
            a.nPoints += 2;
        }
        break;
    }
    for (int i = 0; i < count; ++i) {
        const LeagueInnings& in = innings[i];
        if (in.batSide == 0) {
            h.nHomeRunsFor += in.runs;
            h.nHomeWicketsLost += in.wickets;
            a.nAwayRunsAgainst += in.runs;
            a.nAwayWicketsTaken += in.wickets;
        } else if (in.batSide == 1) {
            a.nAwayRunsFor += in.runs;
            a.nAwayWicketsLost += in.wickets;
            h.nHomeRunsAgainst += in.runs;
            h.nHomeWicketsTaken += in.wickets;
        }
    }
}

LeagueRatios ComputeRatios(const LEAGUEPTS& p)
{
    auto ratio = [](std::int32_t runs, std::int32_t wickets) {
        return wickets == 0 ? static_cast<float>(runs) : static_cast<float>(runs) / static_cast<float>(wickets);
    };
    LeagueRatios r{};
    r.forRatio = ratio(p.nHomeRunsFor + p.nAwayRunsFor, p.nHomeWicketsLost + p.nAwayWicketsLost);
    r.againstRatio = ratio(p.nHomeRunsAgainst + p.nAwayRunsAgainst, p.nHomeWicketsTaken + p.nAwayWicketsTaken);
    r.difference = r.forRatio - r.againstRatio;
    return r;
}

std::vector<int> LeagueTableOrder(const LEAGUE& l)
{
    const int n = LeagueTeamCount(l);
    std::vector<int> order(static_cast<std::size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    float d[MAX_LEAGUE_TEAMS];
    for (int k = 0; k < n; ++k) d[k] = ComputeRatios(l.Points[k]).difference;
    for (int pass = 0; pass < n; ++pass)
        for (int i = 0; i + 1 < n; ++i) {
            int& cur = order[static_cast<std::size_t>(i)];
            int& next = order[static_cast<std::size_t>(i + 1)];
            auto points = [&](int k) { return static_cast<int>(l.Points[k].nPoints); };
            auto played = [&](int k) { return static_cast<int>(l.Points[k].nPlayed); };
            if (points(next) > points(cur)) std::swap(cur, next);
            if (points(next) == points(cur) && d[next] > d[cur]) std::swap(cur, next);
            if (points(next) == points(cur) && played(next) < played(cur) && played(next) > 0) std::swap(cur, next);
        }
    return order;
}

}  // namespace ovs
