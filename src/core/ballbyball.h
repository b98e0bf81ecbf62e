// The ball-by-ball scorecard file of a Test: the header, the over blocks with
// one line per over (each ball a two-character code under the batsman who
// received it), the event and interval lines between them, and the closing
// scoreboard.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "report/text_lines.h"

namespace ovs {

struct Game;

// The open ball-by-ball file of the Test in play (none when not written).
//
// `out` holds the file and the 78-column over line being filled. An over
// block is a column header followed by over lines; bBlockOpen says the header
// has been written, bLineOpen that a line is being filled. nOverStart is the
// time the current over began, from which each line's time is reckoned.
struct BallByBall {
    TextOutput out;
    std::int16_t bBlockOpen = 0;
    std::int16_t bLineOpen = 0;
    std::int16_t nOverStart = -1;   // -1: not known, the clock's time stands in
};

// Column layout of an over line.
inline constexpr int BBB_CODES_A = 10;   // batsman A's ball codes
inline constexpr int BBB_FIGURES_A = 28; // "|runs|balls" of A
inline constexpr int BBB_CODES_B = 37;
inline constexpr int BBB_FIGURES_B = 55;
inline constexpr int BBB_SCORE = 64;     // overs.balls|total|wickets|

// --- The writing primitives: each does nothing while no file is open -------

bool BbbIsOpen(const Game& g);
// The text unchanged, flushed.
void BbbWrite(Game& g, const std::string& text);
// "%s %s Innings\n" for the innings in play; no block or line open after it.
void BbbInningsHeader(Game& g);
// A rule, the column header with both batsmen's names, a rule.
void BbbOpenBlock(Game& g);
// The closing rule of an open block and an empty line.
void BbbCloseBlock(Game& g);
// A fresh over line with the time and the bowler (opening a block if needed).
void BbbStartLine(Game& g);
// The code of this outcome (shown for every delivery) at the over's
// next position, under the batsman who received the ball.
void BbbBallCode(Game& g, int outcome);
// The batsmen's runs and balls and the score into the line, and the line out.
void BbbEndLine(Game& g);
// A mid-over event: the over so far, the text, and (unless the over is done)
// a new block in which the over goes on.
void BbbEventLine(Game& g, std::string_view text);
// An interval or commentary line between blocks.
void BbbIntervalLine(Game& g, const std::string& text);

// --- Where the match flow writes --------------------------------------------

// The two-character code of an outcome ("" for outcomes that show nothing).
const char* BbbCodeText(int outcome);
// The file name of Test t: both squads' abbreviations and the Test number.
std::string BbbFileName(const Game& g, int t);
// Where Test t's ball-by-ball file is (the data directory and the name the
// series keeps for it); "" when the series has none for that Test.
std::string BbbFilePath(Game& g, int t);
// At the first innings of a Test: when the series keeps ball-by-ball files
// (and this is no replay), names and creates the Test's file; then the header
// (title, squads, venue or series, conditions, toss).
void BbbStartTest(Game& g);
// The header alone, into an open file.
void BbbHeader(Game& g);
// A new over: its start time is remembered and its line begun.
void BbbBeginOver(Game& g);
// The over's line is written out, when one is being filled (end of an over,
// target reached).
void BbbEndOver(Game& g);
// The ball took a wicket: the over so far is written and the block closed.
void BbbWicketBall(Game& g);
// After a new batsman came in mid-over: a new block whose line goes on with the over.
void BbbContinueOver(Game& g);
// The scoreboard of the innings in play, at its end.
void BbbInningsScoreboard(Game& g);
// The end of Test `test`: a rule, the full scoreboard, the file closed; a
// watched game is told the file's name.
void BbbEndTest(Game& g, int test);
// A new Test starts with no file open (an open one is closed without more).
void BbbForget(Game& g);
// A saved position was loaded: an open file is abandoned, and when the series
// keeps ball-by-ball files and a Test is under way (`testBegun`) that Test's
// file is reopened for appending.
void BbbContinue(Game& g, bool testBegun = true);

}  // namespace ovs
