// The scoreboard of a Test as 78-column text: each innings' batting, extras,
// total, fall of wickets and bowling, and the Test's heading and result.
#pragma once

namespace ovs {

struct Game;
struct TextOutput;

// Innings `innings` of Test `test` of the series (skipped when no ball was
// bowled in it).
void WriteInningsScoreboard(Game& g, TextOutput& out, int test, int innings);
// The whole scoreboard of Test `test`: heading, every innings with a ball
// bowled, and the result text.
void WriteScoreboardText(Game& g, TextOutput& out, int test);

}  // namespace ovs
