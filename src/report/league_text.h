// The league's reports: the points table, the results matrix, the fixtures of
// a round and the current round's scores. One writer serves the text file and
// the HTML page (report_out.h); the catalogue lists the table and the results.
#pragma once

#include <string_view>
#include <vector>

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

// The league's boxes as the text each shows, by name: "league-table",
// "league-results", "league-fixtures" (the next round's) and
// "league-summary" (the current round's scores). The headless view prints
// them; the table and the results are also reports of the catalogue.
struct LeagueView {
    const char* name;
    const char* title;   // the box's caption
    void (*write)(const Game& g, ReportOut& out);
};
const std::vector<LeagueView>& LeagueViews();
const LeagueView* FindLeagueView(std::string_view name);
// Whether a league has been set up (it may be over): its tables can be shown.
bool LeagueSetUp(const Game& g);

}  // namespace ovs
