// The innings lifecycle: starting and ending innings, the follow-on, the
// fourth-innings target, the start of each over, declarations and the result
// after an innings.
#pragma once

#include <string>

namespace ovs {

struct Game;

// WM_NEWINNINGS n: who bats, the lead, the follow-on, the target; opens innings n.
void NewInnings(Game& g, int n);
// Opens innings n: a fresh innings record, openers, opening bowlers, the easing
// of pitch and bounce, the fielding side's strength.
void StartInnings(Game& g, int n);
// WM_NEWOVER: starts the over (or ends the innings, or waits out the weather).
void NewOver(Game& g, int nOver);
// WM_ENDINNINGS: points, the unbroken partnership, the changeover.
void EndInnings(Game& g);
// After an innings ended (nInnings 2 or 3, status 2): marks the Test decided (8).
void CheckResult(Game& g);
// The declaration question for a person's batting side; 1 when declared (the
// caller posts WM_ENDINNINGS). A computer batting side is never asked: false.
bool AskDeclare(Game& g);
// The computer's declaration rule for innings n, run after every over and after
// a stoppage; 1 when it declared.
int ComputerDeclares(Game& g, int n);

// Runs of innings i of the Test being played.
int InningsRuns(const Game& g, int i);
// Is the follow-on in force (the side batting second bats third)?
bool FollowOnInForce(const Game& g);
// The lead L that decides the follow-on: first-innings runs minus second.
int FirstInningsLead(const Game& g);
// The current batting side's lead in the third innings with r runs scored so
// far (negative when behind), reckoning the follow-on.
int ThirdInningsLead(const Game& g, int r);
// Overs of the match so far, reckoned as 90 a day.
int MatchOvers(const Game& g);

// Is this side played by the computer captain (nControl 1, or 3 while the
// computer stands in for a person until the innings ends)?
bool ComputerSide(const Game& g, int side);
// Is this side played by a person on this machine?
bool HumanSide(const Game& g, int side);
// Does a person (or the network) play either side?
bool PersonInvolved(const Game& g);

// Texts of the innings changes, as the ball-by-ball file has them.
// "%s lead by %d run%s on first innings.\n\n" or "Scores are equal after first innings.\n\n".
std::string LeadText(const Game& g);
// "%s need %d run%s to win.\n\n" for the side batting fourth.
std::string TargetText(const Game& g);
// "%s need %d runs to avoid an innings defeat." (no line end) for side `side`.
std::string AvoidInningsDefeatText(const Game& g, int side, int lead);
// The squad name of a side ("" when there is no squad).
std::string SquadName(const Game& g, int side);

}  // namespace ovs
