// The all-time record tables, the career, rating and rate tables as reports.
//
// Their rows are the views' rows (report/view_tables.h): the same order, the
// same texts. A report only says where each cell goes on its 78 columns and
// which of the view's cells it takes, in the notation below.
#include <cstdlib>
#include <string>

#include "core/format.h"
#include "core/game.h"
#include "report/report_out.h"
#include "report/report_table.h"
#include "report/view_tables.h"
#include "report/writers.h"

namespace ovs {

std::vector<std::string> BestCells(int wickets, int runs)
{
    if (wickets == 0 && runs == 0) return {"", ""};
    return {Num(wickets) + "-", Num(runs)};
}

std::string RatingChange(int now, int before)
{
    const int d = now - before;
    if (d > 0) return Format("[+%d]", d);
    if (d < 0) return Format("[%d]", d);
    return "";
}

namespace {

// One cell of a report row from a view row: "3" the view's cell 3; "3-" its
// text up to and including the first '-' ("5-" of "5-92"), "3/" the text after
// it ("92"); "_" a blank cell; "1+9" two cells run together, "1~2" two cells
// a blank apart (when the second has any text).
std::string Cell(const std::vector<std::string>& row, const std::string& token)
{
    for (const char join : {'~', '+'}) {
        const std::size_t at = token.find(join);
        if (at == std::string::npos) continue;
        const std::string a = Cell(row, token.substr(0, at)), b = Cell(row, token.substr(at + 1));
        return a + (join == '~' && !a.empty() && !b.empty() ? " " : "") + b;
    }
    if (token == "_") return "";
    const std::size_t k = static_cast<std::size_t>(std::atoi(token.c_str()));
    const std::string text = k < row.size() ? row[k] : "";
    const std::size_t dash = text.find('-');
    if (token.back() == '-') return dash == std::string::npos ? text : text.substr(0, dash + 1);
    if (token.back() == '/') return dash == std::string::npos ? "" : text.substr(dash + 1);
    return text;
}

// The rows of view `view` (opened with `arg`) as the report's cells.
TableRows ViewRows(const Game& g, const std::string& view, int arg, const char* cells)
{
    ViewTable t;
    TableRows rows;
    if (!BuildView(g, view, arg, t)) return rows;
    std::vector<std::string> tokens;
    for (const char* p = cells; *p;) {
        while (*p == ' ') ++p;
        const char* end = p;
        while (*end && *end != ' ') ++end;
        if (end > p) tokens.emplace_back(p, end);
        p = end;
    }
    for (const std::vector<std::string>& row : t.rows) {
        std::vector<std::string> out;
        for (const std::string& token : tokens) out.push_back(Cell(row, token));
        rows.push_back(out);
    }
    return rows;
}

// A report made of one view: its title, its layout and the view's cells.
struct TableReport {
    const char* name;     // the report's and the view's name
    const char* title;
    TableLayout layout;
    const char* cells;
};

const char* const kBowlingHead = "5<75 10<78";

const TableReport kTables[] = {
    // Record tables of innings, Tests and series.
    {"highest-innings", "Highest Innings", {nullptr, "Runs:18 Venue:42", "<21 :21 :27 :42"}, "0- 0/ 1 2"},
    {"lowest-innings", "Lowest Innings", {nullptr, "Runs<22 Venue:40", "<22 :26 :40"}, "0 1 2"},
    {"highest-scores", "Highest Scores", {nullptr, "Runs<10 Player:13 Venue:53", "<10 :13 :42 :53"}, "0 1 2 3"},
    {"best-bowling-innings", "Best Bowling in an Innings",
     {nullptr, "Analysis^7 Player:14 Venue:54", "<9 :9 :14 :43 :54"}, "0- 0/ 1 3 2"},
    {"best-bowling-test", "Best Bowling in a Test", {nullptr, "Analysis^7 Player:14 Venue:54", "<9 :9 :14 :43 :54"},
     "0- 0/ 1 3 2"},
    {"most-catches-innings", "Most Catches in an Innings", {nullptr, "Ct<8 Player:11 Venue:51", "<8 :11 :40 :51"},
     "0 1 3 2"},
    {"most-catches-test", "Most Catches in a Test", {nullptr, "Ct<8 Player:11 Venue:51", "<8 :11 :40 :51"},
     "0 1 3 2"},
    {"most-dismissals-innings", "Most Dismissals in an Innings",
     {nullptr, "Total<6 Player:8 Ct<34 St<38 Venue:56", "<6 :8 <34 <38 :44 :56"}, "0 3 1 2 5 4"},
    {"most-dismissals-test", "Most Dismissals in a Test",
     {nullptr, "Total<6 Player:8 Ct<34 St<38 Venue:56", "<6 :8 <34 <38 :44 :56"}, "0 3 1 2 5 4"},
    {"most-points-test", "Most Performance Points in a Test",
     {nullptr, "Pts<10 Player:13 Venue:53", "<10 :13 :42 :53"}, "0 1 3 2"},
    // The series tables name the opponent after the player.
    {"most-runs-series", "Most Runs in a Series",
     {nullptr, "Runs<6 Player:8 T<49 I<53 NO<57 Avge<65 HS<70 100<74 50<77", nullptr}, "0 1+9 2 3 4 5 6 7 8"},
    {"most-wickets-series", "Most Wickets in a Series",
     {kBowlingHead, "Wkts<4 Player:6 T<44 O<50 M<54 Runs<59 Avge<66 Best<72 wI<75 wM<78",
      "<4 :6 <44 <50 <54 <59 <66 <70 :70 <75 <78"},
     "0 1+10 2 3 4 5 6 7- 7/ 8 9"},
    {"most-catches-series", "Most Catches in a Series", {nullptr, "Ct<19 Player:21 T<62", nullptr}, "0 1+3 2"},
    {"most-dismissals-series", "Most Dismissals in a Series", {nullptr, "Total<16 Player:18 T<59 Ct<63 St<67", nullptr},
     "0 1+5 2 3 4"},
    {"most-points-series", "Most Points in a Series", {nullptr, "Pts<12 Player:14 T<55 Ave<64 Best<72", nullptr},
     "0 1+5 2 3 4"},
    // Career tables over all players.
    {"most-runs", "Most Runs in Tests", {nullptr, "Runs<8 Player:10 T<40 I<46 NO<51 Avge<59 HS<64 100<70 50<75", nullptr},
     "0 1 2 3 4 5 6 7 8"},
    {"highest-average", "Highest Average in Tests",
     {nullptr, "Avge<8 Player:10 T<40 I<46 NO<51 Runs<59 HS<64 100<70 50<75", nullptr}, "0 1 2 3 4 5 6 7 8"},
    {"most-hundreds", "Most Hundreds", {nullptr, "100s<25 Player:27 T<57", nullptr}, "0 1 2"},
    {"most-wickets", "Most Wickets in Tests",
     {kBowlingHead, "Wkts<5 Player:7 T<35 O<44 M<50 Runs<57 Ave<64 Best<70 wI<75 wM<78",
      "<5 :7 <35 <44 <50 <57 <64 <68 :68 <75 <78"},
     "0 1 2 3 4 5 6 7- 7/ 8 9"},
    {"best-bowling-average", "Best Bowling Average in Tests",
     {kBowlingHead, "Avge<6 Player:8 T<36 O<45 M<51 Runs<58 Wkts<64 Best<70 wI<75 wM<78",
      "<6 :8 <36 <45 <51 <58 <64 <68 :68 <75 <78"},
     "0 1 2 3 4 5 6 7- 7/ 8 9"},
    {"most-catches", "Most Catches in Tests", {nullptr, "Ct<24 Player:26 T<56", nullptr}, "0 1 2"},
    {"most-dismissals", "Most Dismissals in Tests", {nullptr, "Total<18 Player:20 T<50 Ct<57 St<63", nullptr},
     "0 1 2 3 4"},
    {"most-points", "Most Points in Tests", {nullptr, "Pts<19 Player:21 T<51 Ave<60 Best<67", nullptr}, "0 1 2 3 4"},
    {"best-points-average", "Best Points Average in Tests", {nullptr, "Ave<18 Player:20 T<50 Pts<60 Best<67", nullptr},
     "0 1 2 3 4"},
    // The current ratings show their change since the series began.
    {"highest-rated-batsman", "Highest Rated Batsman", {nullptr, "Rating:26 Player:37", "<27 :29 :37"}, "0 2 1"},
    {"highest-ever-rated-batsman", "Highest Ever Rated Batsman", {nullptr, "Rating:26 Player:37", "<27 :29 :37"},
     "0 _ 1"},
    {"highest-rated-bowlers", "Highest Rated Bowlers", {nullptr, "Rating:26 Player:37", "<27 :29 :37"}, "0 2 1"},
    {"highest-ever-rated-bowlers", "Highest Ever Rated Bowlers", {nullptr, "Rating:26 Player:37", "<27 :29 :37"},
     "0 _ 1"},
    {"highest-rated-fielders", "Highest Rated Fielders", {nullptr, "Rating:26 Player:37", "<27 :29 :37"}, "0 2 1"},
    {"highest-ever-rated-fielders", "Highest Ever Rated Fielders", {nullptr, "Rating:26 Player:37", "<27 :29 :37"},
     "0 _ 1"},
    // The rate tables.
    {"scoring-rate", "Scoring Rate per 100 Balls", {nullptr, "S/R<23 Player:27 Runs<60", nullptr}, "0 1 2"},
    {"innings-of-50", "% Innings of 50 or more", {nullptr, "%<19 Player:23 I<54 100s<60 50s<65", nullptr},
     "0 1 2 3 4"},
    {"bowling-strike-rate", "Bowling Strike Rate", {nullptr, "S/R<23 Player:27 Wkts<60", nullptr}, "0 1 2"},
    {"bowling-economy-rate", "Bowling Economy Rate", {nullptr, "E/R<19 Player:22 O<56 R<65", nullptr}, "0 1 2 3"},
};

}  // namespace

bool IsTableReport(const std::string& name)
{
    for (const TableReport& t : kTables)
        if (name == t.name) return true;
    return false;
}

bool TableReportOf(const Game& g, const std::string& name, TableReportParts& out)
{
    for (const TableReport& t : kTables) {
        if (name != t.name) continue;
        out.title = t.title;
        out.layout = t.layout;
        out.rows = ViewRows(g, t.name, 0, t.cells);
        return true;
    }
    return false;
}

void WriteTableReport(Game& g, ReportOut& out, const std::string& name)
{
    TableReportParts t;
    if (!TableReportOf(g, name, t)) return;
    WriteTableTitle(out, t.title);
    WriteTable(out, t.layout, t.rows);
}

std::vector<TableReportParts> PartnershipsTables(const Game& g)
{
    std::vector<TableReportParts> tables;
    for (int w = 1; w <= 10; ++w) {
        TableReportParts t;
        t.title = std::string(WicketOrdinal(w)) + " Wicket";
        t.layout = {nullptr, "Runs<3 Players:5 Venue:61", nullptr};
        t.rows = ViewRows(g, std::string("highest-") + WicketOrdinal(w) + "-wicket-partnerships", 0, "0 1 3");
        tables.push_back(std::move(t));
    }
    return tables;
}

// The ten stand tables under one title, a sub-title per wicket.
void WritePartnershipsReport(Game& g, ReportOut& out, const ReportParams&)
{
    WriteTableTitle(out, "Highest Wicket Partnerships");
    for (const TableReportParts& t : PartnershipsTables(g)) {
        out.SubTitle(t.title);
        WriteTable(out, t.layout, t.rows);
        out.Blank();
    }
}

TableRows SquadViewRows(const Game& g, const std::string& view, int arg, const char* cells)
{
    return ViewRows(g, view, arg, cells);
}

}  // namespace ovs
