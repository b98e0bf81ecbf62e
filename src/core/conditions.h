// The playing conditions of a Test: the draws of pitch, bounce and outfield at
// its start, and the texts that describe ball, pitch, bounce, outfield and
// weather (the conditions box and the ball-by-ball file).
#pragma once

#include <string>

namespace ovs {

struct Game;
struct CURRENT;

// Levels 0..4 of the four ground conditions (value / 25, 150, 100, 100,
// capped at 4; a negative value reads as level 0).
int BallLevel(int nBallWear);
int PitchLevel(int nPitch);
int BounceLevel(int nBounce);
int OutfieldLevel(int nOutfield);

// The description of a level 0..4 (clamped).
const char* BallText(int level);
const char* PitchText(int level);
const char* BounceText(int level);
const char* OutfieldText(int level);

// The start-of-Test draws from the Test's ground, in this order: nPitch,
// nOutfield (which reads the day's nWeather, so the weather comes first),
// nBounce. Nothing is recorded here.
void DrawConditions(Game& g);

// The conditions block of the ball-by-ball file:
// "\nCurrent Conditions\n\n" and the Ball, Pitch, Bounce, Outfield, Weather lines.
std::string ConditionsText(const CURRENT& c);

// Writes ConditionsText into the ball-by-ball file (from NewInnings and at
// every interval).
void WriteConditions(Game& g);

}  // namespace ovs
