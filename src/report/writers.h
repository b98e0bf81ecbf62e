// The report writers of the catalogue, by family. Each writes one report in
// the form its ReportOut stands for.
#pragma once

#include <string>
#include <vector>

#include "data/records.h"
#include "report/catalogue.h"

namespace ovs {

void WriteScoreboardReport(Game& g, ReportOut& out, const ReportParams& p);      // scoreboard_text.cpp

// The record, career and rate tables (report_records.cpp).
void WriteHighestInnings(Game& g, ReportOut& out, const ReportParams& p);
void WriteLowestInnings(Game& g, ReportOut& out, const ReportParams& p);
void WriteHighestScores(Game& g, ReportOut& out, const ReportParams& p);
void WritePartnerships(Game& g, ReportOut& out, const ReportParams& p);
void WriteBestBowlingInnings(Game& g, ReportOut& out, const ReportParams& p);
void WriteBestBowlingTest(Game& g, ReportOut& out, const ReportParams& p);
void WriteCatchesInnings(Game& g, ReportOut& out, const ReportParams& p);
void WriteCatchesTest(Game& g, ReportOut& out, const ReportParams& p);
void WriteDismissalsInnings(Game& g, ReportOut& out, const ReportParams& p);
void WriteDismissalsTest(Game& g, ReportOut& out, const ReportParams& p);
void WritePointsTest(Game& g, ReportOut& out, const ReportParams& p);
void WriteRunsSeries(Game& g, ReportOut& out, const ReportParams& p);
void WriteWicketsSeries(Game& g, ReportOut& out, const ReportParams& p);
void WriteCatchesSeries(Game& g, ReportOut& out, const ReportParams& p);
void WriteDismissalsSeries(Game& g, ReportOut& out, const ReportParams& p);
void WritePointsSeries(Game& g, ReportOut& out, const ReportParams& p);
void WriteMostRuns(Game& g, ReportOut& out, const ReportParams& p);
void WriteHighestAverage(Game& g, ReportOut& out, const ReportParams& p);
void WriteMostHundreds(Game& g, ReportOut& out, const ReportParams& p);
void WriteMostWickets(Game& g, ReportOut& out, const ReportParams& p);
void WriteBestBowlingAverage(Game& g, ReportOut& out, const ReportParams& p);
void WriteMostCatches(Game& g, ReportOut& out, const ReportParams& p);
void WriteMostDismissals(Game& g, ReportOut& out, const ReportParams& p);
void WriteMostPoints(Game& g, ReportOut& out, const ReportParams& p);
void WriteBestPointsAverage(Game& g, ReportOut& out, const ReportParams& p);
void WriteRatedBatsman(Game& g, ReportOut& out, const ReportParams& p);
void WriteEverRatedBatsman(Game& g, ReportOut& out, const ReportParams& p);
void WriteRatedBowlers(Game& g, ReportOut& out, const ReportParams& p);
void WriteEverRatedBowlers(Game& g, ReportOut& out, const ReportParams& p);
void WriteRatedFielders(Game& g, ReportOut& out, const ReportParams& p);
void WriteEverRatedFielders(Game& g, ReportOut& out, const ReportParams& p);
void WriteScoringRate(Game& g, ReportOut& out, const ReportParams& p);
void WriteInningsOf50(Game& g, ReportOut& out, const ReportParams& p);
void WriteBowlingStrikeRate(Game& g, ReportOut& out, const ReportParams& p);
void WriteEconomyRate(Game& g, ReportOut& out, const ReportParams& p);

// The series summary (scoreboard_text.cpp) and the summary of one Test in it.
void WriteSeriesSummaryReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteTestSummary(Game& g, ReportOut& out, int test);

// Averages, squads, players, grounds and leagues (report_squads.cpp).
void WriteAveragesReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteSeriesAverages(Game& g, ReportOut& out, int side);   // of a side of the series in play
void WriteSquadDetailsReport(Game& g, ReportOut& out, const ReportParams& p);
void WritePlayerDetailsReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteGroundDetailsReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteLeagueTableReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteLeagueResultsReport(Game& g, ReportOut& out, const ReportParams& p);

// Texts and cells the tables share.
std::string HighScoreText(const AVERAGE_BAT& a);                 // "%d", "*" when not out; "" when none
std::vector<std::string> BestCells(int wickets, int runs);       // {"%d-", "%d"}, blank when none
std::string RatingChange(int now, int before);                   // "[+%d]", "", "[%d]"

}  // namespace ovs
