// The statistics of a finished Test: series, league and career averages,
// performance points, morale, ratings and the all-time record tables; and the
// orders of the career, rating and squad-averages tables the views show.
//
// RecordFinishedTest is called by EndTest while pTest is still the Test just
// finished; RecordFinishedSeries by EndSeries for the five series tables. Both
// do nothing for a replayed series. The step functions are public so that a
// caller (or a test) can run one step alone; RecordFinishedTest runs them in
// the order the game needs.
#pragma once

#include <vector>

#include "core/match.h"
#include "data/records.h"

namespace ovs {

struct Game;

// ---- Recording a finished Test ----------------------------------------------

// Per slot and side, the wickets taken in the Test being recorded (for the
// ten-wicket matches).
struct TestWickets {
    int n[MAX_ELEVEN][2] = {};
};

// Everything after the result: the four match counters of both elevens, each
// innings played into the series, league and career figures, ten-wicket
// matches, the finished averages, points, morale and ratings, and the Test's
// record tables, in that order.
void RecordFinishedTest(Game& g);

// The series tables (runs, wickets, catches, dismissals, points in a series),
// offered every player's figures of the series in play.
void RecordFinishedSeries(Game& g);

// The AVERAGE records a player of the Test counts in: his slot's series record,
// his league record (only in a league match with his squad in the league, else
// null) and his career record. Null pointers where a slot has no player.
struct PlayerFigures {
    AVERAGE* series = nullptr;
    AVERAGE* league = nullptr;
    AVERAGE* career = nullptr;
    PLAYER* player = nullptr;
    int playerIndex = -1;
};
PlayerFigures FiguresOf(Game& g, const TEST& test, int side, int slot);

// The steps of RecordFinishedTest.
void CountMatches(Game& g, const TEST& test);
void AccumulateInnings(Game& g, const TEST& test, const INNINGS& in, TestWickets& wickets);
void CountTenWicketMatches(Game& g, const TEST& test, const TestWickets& wickets);
void FinishAverages(Game& g, const TEST& test);
void UpdatePointsMoraleAndRatings(Game& g, const TEST& test);
void UpdateTestRecords(Game& g, const TEST& test);

// The figures of one batting innings, bowling innings, and the two averages.
void AddBatting(AVERAGE_BAT& a, const BAT& bat);
void AddBowling(AVERAGE_BOWL& a, const BOWL& bowl);
float BattingAverage(const AVERAGE_BAT& a);
float BowlingAverage(const AVERAGE_BOWL& a);

// Performance points of a Test from the three stored (signed) values:
// trunc(trunc(bat x 1.1) + bowl x 1.1 + field x 0.7). The batting part is
// rounded down before the sum; the Test Performance Points box rounds its
// total once from the unrounded parts, so the two may differ by one.
int TestPoints(int bat, int bowl, int field);
// The performance points of a slot of the Test, from its three points arrays.
int TestPoints(const TEST& test, int side, int slot);
// The morale after a Test: +1/-1 for winner/loser (result 1, -1, 0 for none),
// then by the points, kept within 0..6.
int MoraleAfterTest(int morale, int result, int points);
// One rating after a Test: the running average of up to 20 Tests scaled by
// experience; `matches` already counts this Test.
int NextRating(int rating, int matches, int points);

// ---- Record tables ------------------------------------------------------------

// Where a record was set: team, opponent and ground indices, and as its text
// `text` or, when that is null, "v ABC at Ground" (the opponent's abbreviation
// and the ground's name; either left out when its index is -1), cut to fit.
void FillWhere(RECORD_WHERE& w, const Game& g, int team, int opponent, int ground, const char* text);

// ---- Orders of the views --------------------------------------------------------

// The career tables, each a list of player store indices in the order shown,
// cut at the table's stop condition and at the number of records.
enum class CareerTable {
    RunsTests,             // "Most Runs in Tests"
    BattingAverage,        // "Best Batting Average"
    Hundreds,              // "Most Hundreds"
    Wickets,               // "Most Wickets"
    BowlingAverage,        // "Best Bowling Average"
    FielderTests,          // "Most Catches in Tests"
    KeeperTests,           // "Most Dismissals in Tests"
    PointsTests,           // "Most Performance Points in Tests"
    RatingAverage,         // "Best Performance Points Average"
    BattingRating,         // "Highest Rated Batsman"
    HighestBattingRating,  // "Highest Ever Rated Batsman"
    BowlingRating,         // "Highest Rated Bowlers"
    HighestBowlingRating,  // "Highest Ever Rated Bowlers"
    FieldingRating,        // "Highest Rated Fielders"
    HighestFieldingRating, // "Highest Ever Rated Fielders"
};
std::vector<int> CareerTableOrder(const Game& g, CareerTable table);

inline std::vector<int> CareerBattingOrder(const Game& g) { return CareerTableOrder(g, CareerTable::BattingAverage); }
inline std::vector<int> CareerBowlingOrder(const Game& g) { return CareerTableOrder(g, CareerTable::BowlingAverage); }

// The four rate tables: every player (named or not) with his value, in order,
// cut at the stop condition and the number of records.
enum class RateTable {
    BattingSR,     // "Scoring Rate per 100 Balls": runs x 100 / balls faced
    Percent50,     // "% Innings of 50 or more"
    BowlingSR,     // "Bowling Strike Rate": balls / wickets, 99999.0 without a wicket
    Economy,       // "Bowling Economy Rate": runs x 6 / balls, 99999.0 without a ball
};
struct RateRow {
    int player;
    float value;
};
std::vector<RateRow> RateTableRows(const Game& g, RateTable table);

// The squad averages views: mode 1 the current series (teamOrSquad = team 0
// or 1), 2 career and 4 league (teamOrSquad = a squad store index).
inline constexpr int AVERAGES_SERIES = 1;
inline constexpr int AVERAGES_CAREER = 2;
inline constexpr int AVERAGES_LEAGUE = 4;
enum class SquadAverages { Batting, Bowling, Points };

// The member's figures in that mode, or null (no such member, squad not in
// the league).
const AVERAGE* SquadMemberAverage(const Game& g, int mode, int teamOrSquad, int member);
// The squad's member indices in the order shown; empty for a league request
// of a squad not in the league.
std::vector<int> SquadAveragesOrder(const Game& g, SquadAverages kind, int mode, int teamOrSquad);

}  // namespace ovs
