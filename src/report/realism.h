// How true the played cricket is: figures over many finished Tests (runs per
// wicket and over, modes of dismissal, results, extras, hundreds, follow-ons)
// gathered from their innings records, for comparing with real Test cricket.
#pragma once

#include <cstdint>

#include "core/match.h"

namespace ovs {

// Counts gathered Test by Test; side 0 is the home side.
//
// Only innings that were started count. A Test is decided when its last
// started innings ended with the result status; the winner is then the side
// with more runs over its innings (equal runs are a tie), which covers wins
// by an innings, by runs and by wickets alike.
struct RealismTally {
    std::int64_t tests = 0;
    std::int64_t innings = 0;              // team innings started
    std::int64_t battingInnings = 0;       // individual innings (batsmen who went in)
    std::int64_t runs = 0;
    std::int64_t wickets = 0;
    std::int64_t legalBalls = 0;
    std::int64_t extras = 0;
    std::int64_t bowled = 0;
    std::int64_t caught = 0;
    std::int64_t lbw = 0;
    std::int64_t runOut = 0;
    std::int64_t stumped = 0;
    std::int64_t hundreds = 0;             // individual scores of 100 or more
    std::int64_t homeWins = 0;
    std::int64_t awayWins = 0;
    std::int64_t draws = 0;
    std::int64_t ties = 0;
    std::int64_t followOns = 0;
};

// The figures of a tally. A figure whose divisor is zero is 0.
// Shares are percentages; dismissal shares are of all five modes together.
struct RealismFigures {
    double runsPerWicket = 0;
    double runsPerOver = 0;
    double ballsPerWicket = 0;
    double oversPerInnings = 0;
    double bowledPct = 0;
    double caughtPct = 0;
    double lbwPct = 0;
    double runOutPct = 0;
    double stumpedPct = 0;
    double homeWinPct = 0;
    double awayWinPct = 0;
    double drawPct = 0;
    double tiePct = 0;
    double extrasPct = 0;                  // of all runs
    double hundredsPer100Innings = 0;      // per 100 team innings
    double hundredsPer100BatInnings = 0;   // per 100 individual innings
    double followOnsPer100Tests = 0;
};

// Adds one finished Test to the tally.
void AddTestToRealism(RealismTally& tally, const TEST& test);

// The figures of the Tests added so far.
RealismFigures ComputeRealism(const RealismTally& tally);

}  // namespace ovs
