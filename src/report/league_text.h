// The league's reports: the points table, the results matrix, the fixtures of
// a round and the current round's scores. One writer serves the text file and
// the HTML page (report_out.h); the catalogue lists the table and the results.
#pragma once

namespace ovs {

struct Game;
class ReportOut;

// "League Table": each team in table order with its home and away figures.
void WriteLeagueTable(const Game& g, ReportOut& out);
// "League Results": the matrix of rubbers, home team down, away team across,
// each played cell "home wins - away wins".
void WriteLeagueResults(const Game& g, ReportOut& out);
// "Fixtures for Round %d" and one line per fixture of round `round` (from 0);
// for round -1 the two lines saying the league is over.
void WriteLeagueFixtures(const Game& g, ReportOut& out, int round);
// "Current Fixtures Round %d": the current round's fixtures with their rubbers' scores.
void WriteLeagueSummary(const Game& g, ReportOut& out);

}  // namespace ovs
