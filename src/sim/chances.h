// Appeals and fielding chances: the LBW appeal, the stumping, the catch and
// the run out. Each either books the wicket through FallOfWicket or books the
// survived chance (outcome code, the fielder's points, the message by grade).
#pragma once

namespace ovs {

struct Game;

// Each returns the innings-over flag of the ball.
int AppealLBW(Game& g);
int ChanceStumping(Game& g);
int ChanceCatch(Game& g);
// runs 0..3, or -1 to draw them when the chance is missed.
int ChanceRunOut(Game& g, int runs);

}  // namespace ovs
