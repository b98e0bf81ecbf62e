// The report writers of the catalogue, by family. Each writes one report in
// the form its ReportOut stands for.
#pragma once

#include <string>
#include <vector>

#include "data/records.h"
#include "report/catalogue.h"
#include "report/report_table.h"

namespace ovs {

void WriteScoreboardReport(Game& g, ReportOut& out, const ReportParams& p);      // scoreboard_text.cpp

// The record, career, rating and rate tables (report_records.cpp): each
// the rows of its view laid out on 78 columns.
bool IsTableReport(const std::string& name);
void WriteTableReport(Game& g, ReportOut& out, const std::string& name);
// A table report's title, its layout on the 78 columns of the text and its
// rows (the printed form places them on its own grid); false for other names.
struct TableReportParts {
    std::string title;
    TableLayout layout{};
    TableRows rows;
};
bool TableReportOf(const Game& g, const std::string& name, TableReportParts& out);
void WritePartnershipsReport(Game& g, ReportOut& out, const ReportParams& p);
// The ten stand tables of that report, each titled with its wicket.
std::vector<TableReportParts> PartnershipsTables(const Game& g);
// The rows of a squad view (averages, ratings) as report cells.
TableRows SquadViewRows(const Game& g, const std::string& view, int arg, const char* cells);

// The series summary (scoreboard_text.cpp) and the summary of one Test in it.
void WriteSeriesSummaryReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteTestSummary(Game& g, ReportOut& out, int test);

// Averages, squads, players, grounds and leagues (report_squads.cpp).
void WriteAveragesReport(Game& g, ReportOut& out, const ReportParams& p);
// The averages report's batting and bowling tables, for the printed form.
std::vector<TableReportParts> AveragesTables(const Game& g, const ReportParams& p);
void WriteSeriesAverages(Game& g, ReportOut& out, int side);   // of a side of the series in play
void WriteSquadDetailsReport(Game& g, ReportOut& out, const ReportParams& p);
void WritePlayerDetailsReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteGroundDetailsReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteLeagueTableReport(Game& g, ReportOut& out, const ReportParams& p);
void WriteLeagueResultsReport(Game& g, ReportOut& out, const ReportParams& p);

// Texts and cells the tables share.
std::vector<std::string> BestCells(int wickets, int runs);       // {"%d-", "%d"}, blank when none
std::string RatingChange(int now, int before);                   // "[+%d]", "", "[%d]"

}  // namespace ovs
