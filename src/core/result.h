// The end of a Test: the result, its wording and counting in the series,
// squad and ground tallies, injuries, and the move to the next Test.
#pragma once

#include <string>

namespace ovs {

struct Game;

// Words the result of the Test being played into szResult (and returns it),
// sets nWinner and counts it, unless replaying, in the series counters, both
// squads and the ground.
std::string TestResult(Game& g);

// WM_ENDTEST: the result, injuries, menus, then WM_NEWTEST or WM_ENDSERIES.
void EndTest(Game& g);

}  // namespace ovs
