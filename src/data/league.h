// League records: the league itself, its fixtures, points rows and turn blocks.
//
// A league is a double round robin of 2 to 10 squads. LEAGUE is one global
// record kept whole in the saved position; the rubbers themselves are SERIES
// records in the Stores' leagueSeries matrix (row = home team, column = away).
// The V2 records and LEAGUE_TURN belong to a later league variant: only their
// sizes are fixed here, their bytes are kept as they are.
#pragma once

#include <cstddef>

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
    char szTitle[380];          // league title at the start, the rest reserved
};
static_assert(sizeof(LEAGUE) == 2228);
static_assert(offsetof(LEAGUE, nControl) == 8);
static_assert(offsetof(LEAGUE, nSquad) == 28);
static_assert(offsetof(LEAGUE, Fixture) == 48);
static_assert(offsetof(LEAGUE, Result) == 448);
static_assert(offsetof(LEAGUE, Points) == 1248);
static_assert(offsetof(LEAGUE, szTitle) == 1848);

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

}  // namespace ovs
