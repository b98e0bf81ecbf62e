// The computer's choice of eleven, batting order and wicket-keeper, and the
// bowling order (rotation list and bowler counts) worked out from an eleven.
#pragma once

namespace ovs {

struct Game;

// Picks side `team`'s eleven from its squad for the conditions in CURRENT,
// writes it in batting order into the Test (nPlayer, nKeeper, nNewBall1/2)
// and builds the bowling order.
void SelectComputerTeam(Game& g, int team);

// For an eleven already in the Test (a person's choice): optionally sorts it
// by preferred batting position and builds the bowling order exactly as for
// the computer. `personsTeam` lets the too-few-bowlers warning show.
void CompleteTeamSelection(Game& g, int team, bool sortByBattingPosition, bool personsTeam = true);

// The keeper, the rotation list nBowlOrder and nMainBowlers / nMaxBowlers of
// side `team` from its eleven in the Test.
void BuildBowlingOrder(Game& g, int team, bool personsTeam = false);

// Bowlers a side wants in the current conditions: 4 when pitch wear plus
// bounce is 375 or more (one more batsman then), else 5.
int WantedBowlers(const Game& g);

}  // namespace ovs
