// The league in play: setting it up, starting each fixture's rubber, moving
// on from one rubber to the next, and entering each league Test in the
// points table and the results matrix.
//
// A rubber is an ordinary series (series.h) whose squads and controllers come
// from the fixture; at its end EndSeries hands it here (RecordLeagueRubber),
// keeps it in the league's series matrix and posts WM_NEWSERIES, which plays
// the next fixture (PlayNextLeagueMatch).
#pragma once

#include <string>
#include <vector>

namespace ovs {

struct Game;

// One row of the new-league box: a squad's name and who plays it.
struct LeagueEntry {
    std::string name;   // the squad's name as shown (up to 20 characters)
    bool human = false;
};

// The new-league checks in order. "" when the league can start; else the
// refusal text and, in `badRow`, the row to put the focus on (-1 none).
std::string CheckNewLeague(const Game& g, const std::vector<LeagueEntry>& rows, int tests, int* badRow = nullptr);

// What the box does on OK once the checks pass: resets the league and enters
// its teams, their controllers, the Tests per rubber and the title.
// `playByMail` makes the league write its turn files.
void ApplyNewLeague(Game& g, const std::vector<LeagueEntry>& rows, int tests, bool playByMail);

// Squads given by store index, every team the computer's: the checks and, when
// they pass, ApplyNewLeague. False with the refusal text otherwise.
bool SetUpComputerLeague(Game& g, const std::vector<int>& squads, int tests, bool playByMail,
                         std::string& refusal);

// Menu command 1800: the new-league box, then BeginLeague. Refused with "Not
// enough Squads to play a League." when the database has fewer than two.
void StartNewLeague(Game& g);

// A league set up by the box (or SetUpComputerLeague) starts: fixtures, a new
// series, the squads' league positions, the starting details of a
// play-by-mail league, and the first fixture's rubber.
void BeginLeague(Game& g);

// Called for WM_NEWSERIES while a league runs: the next fixture's rubber, or
// the end of the league.
void PlayNextLeagueMatch(Game& g);

// The rubber that just ended goes into the league's series matrix
// (EndSeries, in a league and not in a replay).
void RecordLeagueRubber(Game& g);

// The Test that just ended, in a league match: points, results, runs and
// wickets. `winner` is the winning side or -1.
void RecordLeagueTestResult(Game& g, int winner, bool tied);

// The eleven a person picked for `side` in a league match is kept in the
// team's league record (the first Test of its diagonal rubber), so that the
// team's next rubber can start from it ("Last Test Side").
void StoreLeagueEleven(Game& g, int side);
// The eleven last kept for `side`'s league team (squad member indices), or
// false when it has none (no league, or no league Test played yet).
bool LeagueLastEleven(const Game& g, int side, int eleven[11]);

// The name a league team plays under: "Computer", or "Player %d" numbered
// among the human teams by league-team number.
std::string LeagueControllerName(const Game& g, int team);

// The league's boxes (the host shows them or not).
void ShowLeagueTable(Game& g);
void ShowLeagueResults(Game& g);
void ShowLeagueFixtures(Game& g);
void ShowLeagueSummary(Game& g);

// The round the next-fixtures view shows: the round after the one just
// completed, or the current round when none of its fixtures has been played;
// -1 when the league has no more fixtures.
int NextFixturesRound(const Game& g);

// The score of fixture `slot` of `round` as the current-fixtures box shows
// it: "%d-%d" from the results matrix, or "vs" while its rubber has not begun.
std::string LeagueFixtureScore(const Game& g, int round, int slot);

// The name and abbreviation of league team k's squad ("" when none).
const char* LeagueTeamSquadName(const Game& g, int team);
const char* LeagueTeamSquadShort(const Game& g, int team);

}  // namespace ovs
