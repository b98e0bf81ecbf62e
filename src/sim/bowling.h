// Bowling management: the end of every over, the bowler of each new over,
// spells and their figures, the computer captain's changes and rotation, the
// starting pair of a day and the new ball.
#pragma once

namespace ovs {

struct Game;

// WM_ENDOVER: maiden, clock, new ball, bowling change, the next over.
void EndOfOver(Game& g, int over);
// Books the bowler of the over being started (replay stream, bowling orders,
// a change of bowler at this end).
void BeginOver(Game& g);
// The computer's pair at a new day (kind 0) or after a weather stoppage (1).
void StartingBowlers(Game& g, int kind);
// The computer captain's decision after its bowler's over; nRunsAtOverStart is
// the bowler's runs conceded when the over began.
void ComputerBowlingChange(Game& g, int nRunsAtOverStart);

// Pace class of a bowling type: 2 non-bowler, 3 spin, slow and medium,
// 4 medium fast and fast medium (and unknown types), 5 fast.
int PaceClass(int bowlingType);
// Start a fresh spell for bowling slot s: budget, spell figures, aggression,
// runs at the spell's start.
void StartSpell(Game& g, int s);
// Clear slot s's spell figures (balls, maidens, runs, wickets, extras).
void ClearSpellFigures(Game& g, int s);
// The per-innings bowling data of every slot: spells, budgets, the rotation.
void ResetInningsBowling(Game& g);
// Take the new ball: the counters, ball age and bounce.
void TakeNewBall(Game& g);
// The computer's choice of the two bowlers who open an innings (no texts).
void ChooseOpeningBowlers(Game& g);
// The place of bowling slot s in the bowling side's rotation list (nBowlOrder);
// -1 when he is not in it.
int RotationPlace(const Game& g, int s);
// A change of bowler at an end: "%s has been replaced by %s." to the
// commentary and the status line, and with `box` into the "Bowling Change"
// box when that option is on and a person follows the game.
void ReportBowlingChange(Game& g, int oldBowler, int newBowler, bool box);

}  // namespace ovs
