// League records: the league itself, its fixtures, points rows and turn blocks.
//
// A league is a double round robin of 2 to 10 squads. LEAGUE is one global
// record kept whole in the saved position; the rubbers themselves are SERIES
// records in the Stores' leagueSeries matrix (row = home team, column = away).
// The V2 records and LEAGUE_TURN belong to a later league variant: only their
// sizes are fixed here, their bytes are kept as they are.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "data/le.h"

namespace ovs {

inline constexpr int MAX_LEAGUE_TEAMS = 10;
inline constexpr int MAX_LEAGUE_ROUNDS = 20;
inline constexpr int MAX_LEAGUE_FIXTURES = 5;   // fixtures per round

// One fixture of a round; -1 in either team means a bye or an unused slot.
struct FIXTURE {
    i16 nHome;   // league-team number of the home side
    i16 nAway;
};
static_assert(sizeof(FIXTURE) == 4);

// One cell of the results matrix: the rubber between a home row and an away column.
struct LEAGUE_RESULT {
    u16 nPlayed;     // Tests played between the two
    i16 nHomeWins;
    i16 nAwayWins;
    i16 nReserved;
};
static_assert(sizeof(LEAGUE_RESULT) == 8);

// A league team's row of the points table, home and away figures kept apart.
struct LEAGUEPTS {
    i16 nPlayed;            // Tests played, home and away
    i16 nHomeWins;
    i16 nHomeDraws;
    i16 nHomeTies;
    i16 nHomeLosses;
    i32 nHomeRunsFor;
    i32 nHomeRunsAgainst;
    i32 nHomeWicketsTaken;
    i32 nHomeWicketsLost;
    i16 nHomeBatPoints;
    i16 nHomeBowlPoints;
    i16 nAwayWins;
    i16 nAwayDraws;
    i16 nAwayTies;
    i16 nAwayLosses;
    i32 nAwayRunsFor;
    i32 nAwayRunsAgainst;
    i32 nAwayWicketsTaken;
    i32 nAwayWicketsLost;
    i16 nAwayBatPoints;
    i16 nAwayBowlPoints;
    i16 nPoints;
};
static_assert(sizeof(LEAGUEPTS) == 60);
static_assert(offsetof(LEAGUEPTS, nHomeRunsFor) == 10);
static_assert(offsetof(LEAGUEPTS, nHomeBatPoints) == 26);
static_assert(offsetof(LEAGUEPTS, nAwayWins) == 30);
static_assert(offsetof(LEAGUEPTS, nAwayRunsFor) == 38);
static_assert(offsetof(LEAGUEPTS, nAwayBatPoints) == 54);
static_assert(offsetof(LEAGUEPTS, nPoints) == 58);

// The league. nTests 1..6 means a league is running (or complete but still
// viewable); 0 means none has been set up.
struct LEAGUE {
    i16 nTests;                 // Tests per rubber
    i16 nSquads;                // league teams n, 2..10
    i16 nRound;                 // current round, from 0
    i16 nFixture;               // current fixture within the round, from 0
    i16 nControl[MAX_LEAGUE_TEAMS];   // 1 computer, 2 human
    i16 nSquad[MAX_LEAGUE_TEAMS];     // squad store index of each team, -1 unused
    FIXTURE Fixture[MAX_LEAGUE_ROUNDS][MAX_LEAGUE_FIXTURES];
    LEAGUE_RESULT Result[MAX_LEAGUE_TEAMS][MAX_LEAGUE_TEAMS];   // [home][away]
    LEAGUEPTS Points[MAX_LEAGUE_TEAMS];
    char szTitle[80];           // the league's title, set when it is set up
    u16 wFlags;                 // LEAGUE_PLAYBYMAIL
    u8 bReserved[298];          // zero
};
static_assert(sizeof(LEAGUE) == 2228);
static_assert(offsetof(LEAGUE, nControl) == 8);
static_assert(offsetof(LEAGUE, nSquad) == 28);
static_assert(offsetof(LEAGUE, Fixture) == 48);
static_assert(offsetof(LEAGUE, Result) == 448);
static_assert(offsetof(LEAGUE, Points) == 1248);
static_assert(offsetof(LEAGUE, szTitle) == 1848);
static_assert(offsetof(LEAGUE, wFlags) == 1928);

// LEAGUE.wFlags: the league writes play-by-mail turn files.
inline constexpr unsigned LEAGUE_PLAYBYMAIL = 0x0001;

// A squad's league turn block (SQUAD offset 1158). Its bytes have defaults
// given when a league is reset (ResetLeagueTurn) and no further meaning here.
struct LEAGUE_TURN {
    u8 bData[160];
};
static_assert(sizeof(LEAGUE_TURN) == 160);

// The later league variant's records: sizes only.
struct FIXTUREV2 {
    u8 bData[18];
};
static_assert(sizeof(FIXTUREV2) == 18);

struct LEAGUEPTSV2 {
    u8 bData[62];
};
static_assert(sizeof(LEAGUEPTSV2) == 62);

struct LEAGUEV2 {
    u8 bData[180314];
};
static_assert(sizeof(LEAGUEV2) == 180314);

// Give a league team's turn block its defaults.
void ResetLeagueTurn(LEAGUE_TURN& t);

// A reset league record: Tests per rubber kept, everything else at its empty value.
void InitLeague(LEAGUE& l);

struct Stores;

// Reset the whole league: the LEAGUE record, every league series, every
// database squad's turn block, counter and position, and every player's injuries.
void ResetLeague(LEAGUE& l, Stores& db);

// Tests per rubber 1..6: a league is set up (running, or complete and still viewable).
inline bool LeagueSetUp(const LEAGUE& l) { return l.nTests >= 1 && l.nTests <= 6; }

// The league's teams, clamped to 0..10 (a loaded record is checked, but be safe).
int LeagueTeamCount(const LEAGUE& l);
// Rounds with fixtures: 2 x (n - 1) for even n, 2 x n for odd n (one bye a round).
int LeagueRealRounds(int teams);
// Rounds the league runs through, empty ones included: 2 x (n rounded up to even).
int LeagueAllRounds(int teams);
// Fixture slots a round is played over: (n + 1) / 2.
int LeagueSlots(int teams);
// Is round r, slot i a bye (or an unused slot)?
bool IsBye(const LEAGUE& l, int round, int slot);
// Has the league played its last round?
inline bool LeagueComplete(const LEAGUE& l) { return l.nRound >= LeagueAllRounds(LeagueTeamCount(l)); }

// Fill the fixture list of the league's n teams: a circle method with the
// home side alternating, every pair twice with home and away swapped, and each
// round ordered with byes last and the rest by home squad name.
void GenerateFixtures(LEAGUE& l, const Stores& db);

// The result of one league Test for the points table.
enum class LeagueOutcome { HomeWin, AwayWin, Draw, Tie };

// One innings of a league Test: who batted (0 home, 1 away), runs and wickets.
struct LeagueInnings {
    int batSide;
    int runs;
    int wickets;
};

// Enter one Test of the rubber between league teams home and away: Tests
// played, results, points (3 a win, 2 a tie, 1 a draw), runs and wickets.
void RecordLeagueTest(LEAGUE& l, int home, int away, LeagueOutcome outcome, const LeagueInnings* innings,
                      int count);

// A team's runs per wicket for (F) and against (A), and D = F - A.
struct LeagueRatios {
    float forRatio;
    float againstRatio;
    float difference;
};
LeagueRatios ComputeRatios(const LEAGUEPTS& p);

// The order of the points table: league-team numbers, top first. Sorted by
// points, then by D, then by fewer Tests played (never moving up a team that
// has played none), each rule acting on the pair as the earlier left it.
std::vector<int> LeagueTableOrder(const LEAGUE& l);

}  // namespace ovs
