// The scoreboard of a Test as 78-column text: each innings' batting, extras,
// total, fall of wickets and bowling, and the Test's heading and result.
#pragma once

#include <string>
#include <vector>

namespace ovs {

struct Game;
struct TextOutput;

// One innings of a scorecard, as the scoreboard and the series website show it.
struct ScorecardBat {
    std::string name;
    std::string howOut;   // as the scoreboard aligns it: "ct Smith", "           lbw", "              not out"
    bool hasBowler;       // a bowler is credited with the wicket
    std::string bowler;
    int runs, balls, fours, sixes;
};
struct ScorecardBowl {
    std::string name;
    int balls, maidens, runs, wickets, noBalls, wides;
};
struct ScorecardInnings {
    std::string title;    // "Northmoor 2nd Innings Following On"
    std::vector<ScorecardBat> batting;
    std::vector<std::string> didNotBat;
    std::string extras;   // "(byes 0   leg byes 4   no balls 12   wides 0)"
    int extrasRuns = 0;
    std::string total;    // "(10 Wkts  173.5 Overs)"
    int totalRuns = 0;
    std::vector<int> fallOfWickets;
    std::vector<ScorecardBowl> bowling;
};
// The innings of Test `test` with a ball bowled, in order.
std::vector<ScorecardInnings> Scorecard(Game& g, int test);

// Innings `innings` of Test `test` of the series (skipped when no ball was
// bowled in it).
void WriteInningsScoreboard(Game& g, TextOutput& out, int test, int innings);
// The whole scoreboard of Test `test`: heading, every innings with a ball
// bowled, and the result text.
void WriteScoreboardText(Game& g, TextOutput& out, int test);

}  // namespace ovs
