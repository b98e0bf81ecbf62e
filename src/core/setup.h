// The start of a Test: rating ageing, the Test and CURRENT records, the
// weather and conditions, the line-up and conditions boxes, the elevens and
// the toss. Also the start of a replayed Test.
#pragma once

#include <string>

namespace ovs {

struct Game;
struct GROUND;

// WM_NEWTEST t: starts Test t of the series, or ends the series when t is
// outside 0..5 or not below nNumTests. Posts WM_NEWINNINGS 0.
void StartNewTest(Game& g, int t);
// WM_REPLAYTEST t: replays Test t from its recorded stream.
void StartReplayTest(Game& g, int t);

// The toss, called by the first innings' start: sets nTossWinner and
// Current.nBatSide / nBowlSide and records both (reads them in a replay).
void TheToss(Game& g);
void NetworkTossNow(Game& g);  // network play: the toss at the Test's start, before the conditions

// Ratings before Test t: for the first Test the three rating histories move
// up one place and take the current ratings; then every current rating loses
// 1.5 % (x 197 / 200, truncated). For every member of both squads.
void AgeRatings(Game& g, int t);

// The line-up box of the Test ("%s Test - %s") and the conditions box.
void ShowNewTestBox(Game& g);
void ShowConditionsBox(Game& g);

// The ground of the Test being played; nullptr when it has none.
const GROUND* TestGround(const Game& g);

// "1st", "2nd", "3rd", "4th", "5th", "6th" for n = 1..6 ("%dth" beyond).
std::string TestOrdinal(int n);

}  // namespace ovs
