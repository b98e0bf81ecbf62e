// Play-by-mail turn files: every squad of a play-by-mail league gets a
// starting-details file ("%s-00.ovs", by the squad's abbreviation) when the
// league starts, and a turn file ("%s-%02d.ovs") after each round, written
// with the 78-column text engine into the database's directory.
#pragma once

#include <string>

namespace ovs {

struct Game;

// The starting details of every league team.
void WriteStartingDetails(Game& g);
// The turn files of round `round` (from 0): one for each side of each of its fixtures.
void WriteRoundTurnFiles(Game& g, int round);
// Where team `team`'s turn file `turn` (0: the starting details) goes.
std::string TurnFilePath(const Game& g, int team, int turn);

}  // namespace ovs
