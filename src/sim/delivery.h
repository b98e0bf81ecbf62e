// The delivery outcome model: one ball from the players' skills, morale and
// fatigue, the aggression of both sides, the ground and the conditions.
//
// BowlDelivery (declared in core/flow_steps.h) is the handler of WM_NEXTBALL:
// it counts the ball, draws its outcome, books it and posts WM_ENDBALL or
// WM_ENDOVER; or, unwatched with nothing else waiting, returns true for the
// next ball to follow at once. The pieces of the model are open here for the tests.
#pragma once

namespace ovs {

struct Game;

bool BowlDelivery(Game& g);

// Picks the extra of a ball that beat nobody: wide, no ball, byes, leg byes or nothing.
int DrawExtras(Game& g);
// Picks bowled or one of the four chances; the innings-over flag.
int DrawChance(Game& g);

// Fatigue penalty f of a bowler whose tiredness is F.
int FatiguePenalty(int tiredness);
// Pace weight p of a pace class c: 2 for classes 2 and 3, 7 for 4, 11 for 5.
int PaceWeight(int paceClass);
// Bowler group of a bowling type: 0 spin, 1 medium, 2 fast, -1 none.
int BowlerGroup(int bowlingType);

// The ground's pace factor for a bowling type in the Test in play; 0 for a
// non-bowler or no ground.
int GroundPace(const Game& g, int bowlingType);
// The bowler's pitch-wear term of a bowler group (0..2) at a wear step (0..8).
int BowlerPitchFactor(int group, int step);

// The condition terms of the bowler (s_b, already doubled) and the batsman
// tables, from the ball, pitch, bounce and weather in Current.
int BowlerConditions(const Game& g, int bowlingType);

// The three numbers a ball is drawn against, and the aggression terms.
struct DeliveryFigures {
    int Abat = 0, Abowl = 0, BA = 0, WA = 0;
    int B = 0;   // batting value
    int K = 0;   // bowling value
    int E = 0;   // chance divisor
    int q = 0;   // K / B within 1..5
};
DeliveryFigures ComputeFigures(Game& g);

}  // namespace ovs
