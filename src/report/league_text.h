// The league's reports as 78-column text: the points table, the results
// matrix, the fixtures of a round and the current round's results.
#pragma once

namespace ovs {

struct Game;
struct TextOutput;

// "League Table": each team in table order with its home and away figures.
void WriteLeagueTableText(const Game& g, TextOutput& out);
// "League Results": the matrix of rubbers, home team down, away team across,
// each played cell "home wins - away wins".
void WriteLeagueResultsText(const Game& g, TextOutput& out);
// "Fixtures for Round %d" and one line per real fixture of round `round`
// (from 0); for round -1 the two lines saying the league is over.
void WriteLeagueFixturesText(const Game& g, TextOutput& out, int round);
// "Current Fixtures Round %d": the current round's fixtures with their rubbers' scores.
void WriteLeagueSummaryText(const Game& g, TextOutput& out);

}  // namespace ovs
