// The printed record, career, rate and rating tables: the title in the
// heading font centred at the top, the column headings in the large font on
// row 5, then a row every line and a half from row 7, a new page (with the
// title and headings again) when the grid is full.
//
// Highest Innings has columns of its own; every other table takes its
// columns from its text form, moved to the middle of its wider grid.
#include <string>
#include <vector>

#include "core/game.h"
#include "report/print.h"
#include "report/report_table.h"
#include "report/text_lines.h"
#include "report/writers.h"

namespace ovs {

namespace {

constexpr double kTitleRow = 1, kHeadRow = 5, kFirstRow = 7, kRowStep = 1.5;
// The line of words above a heading ("5" over "wI") sits a large line higher.
constexpr double kOverRow = kHeadRow - 1.25;

// A text at a layout place moved `offset` columns right: names from the
// column, figures ending at it (a not-out star just after), centred texts on it.
void Place(PrintWriter& w, const TableCell& c, int offset, double row, PrintFont font, const std::string& text)
{
    if (text.empty()) return;
    const double col = c.col + offset;
    switch (c.align) {
    case '<':
        if (text.size() > 1 && text.back() == '*') {
            w.Text(col, row, font, PrintAlign::Right, text.substr(0, text.size() - 1));
            w.Text(col, row, font, PrintAlign::Left, "*");
        } else {
            w.Text(col, row, font, PrintAlign::Right, text);
        }
        break;
    case '^': w.Text(col, row, font, PrintAlign::Centre, text); break;
    default: w.Text(col, row, font, PrintAlign::Left, text); break;
    }
}

// Highest Innings on 84 columns: "Runs" over the score, "Venue" over the ground.
const char* const kHighInningsHead = "Runs:20 Venue:45";
constexpr double kHighRunsCol = 23, kHighDashCol = 24, kHighWicketsCol = 25, kHighTeamsCol = 30, kHighVenueCol = 45;

// One Highest Innings row: its cells are the runs with their "-", the
// wickets, the two sides and the ground.
void HighInningsRow(PrintWriter& w, double row, const std::vector<std::string>& cells)
{
    std::string runs = cells.size() > 0 ? cells[0] : "";
    if (!runs.empty() && runs.back() == '-') {
        runs.pop_back();
        w.Text(kHighDashCol, row, PrintFont::Normal, PrintAlign::Centre, "-");
    }
    if (!runs.empty()) w.Text(kHighRunsCol, row, PrintFont::Normal, PrintAlign::Right, runs);
    const double cols[] = {kHighWicketsCol, kHighTeamsCol, kHighVenueCol};
    for (std::size_t k = 1; k < cells.size() && k <= 3; ++k)
        if (!cells[k].empty()) w.Text(cols[k - 1], row, PrintFont::Normal, PrintAlign::Left, cells[k]);
}

// Where a table stands on the page: its title row, its headings' row (the
// words above them a large line higher), its first row and the step between rows.
struct BlockRows {
    double title;
    double head;
    double first;
    double step;
    PrintFont titleFont = PrintFont::Heading;   // a sub-title: the large font
};
constexpr BlockRows kTableTop{kTitleRow, kHeadRow, kFirstRow, kRowStep};

// A table from `at` on, its columns moved `offset` right (Highest Innings in
// its own); on a new page it starts again from the top with its title and
// headings. The row after its last one, or -1 when the printer stopped.
double PrintBlock(PrintWriter& w, const PrintLayout& layout, const TableReportParts& t, int offset, bool highInnings,
                  const BlockRows& at)
{
    const std::vector<TableCell> over = ParseTableLayout(t.layout.heading1);
    const std::vector<TableCell> head = ParseTableLayout(highInnings ? kHighInningsHead : t.layout.heading2);
    const std::vector<TableCell> cells = t.layout.rows ? ParseTableLayout(t.layout.rows) : head;
    const double lastRow = layout.rows - 2;
    auto top = [&](const BlockRows& b) {
        w.Text(layout.columns / 2.0, b.title, b.titleFont, PrintAlign::Centre, t.title);
        for (const TableCell& c : over) Place(w, c, offset, b.head - 1.25, PrintFont::Large, c.heading);
        for (const TableCell& c : head) Place(w, c, offset, b.head, PrintFont::Large, c.heading);
    };
    top(at);
    double row = at.first;
    for (const std::vector<std::string>& r : t.rows) {
        if (row > lastRow) {
            if (!w.EndPage()) return -1;
            top({kTitleRow, kHeadRow, kFirstRow, at.step, at.titleFont});
            row = kFirstRow;
        }
        if (highInnings) {
            HighInningsRow(w, row, r);
        } else {
            for (std::size_t k = 0; k < r.size() && k < cells.size(); ++k)
                Place(w, cells[k], offset, row, PrintFont::Normal, r[k]);
        }
        row += at.step;
    }
    return row;
}

// The text's 78 columns in the middle of the grid.
int TextOffset(const PrintLayout& layout) { return (layout.columns - LINE_WIDTH) / 2; }

}  // namespace

bool PrintTableReport(Game& g, PrintWriter& w, const PrintLayout& layout, const std::string& name)
{
    TableReportParts t;
    if (!TableReportOf(g, name, t)) return false;
    const bool highInnings = name == "highest-innings";
    if (!w.StartDoc(layout.docName, layout.columns, layout.rows)) return false;
    return PrintBlock(w, layout, t, highInnings ? 0 : TextOffset(layout), highInnings, kTableTop) >= 0 &&
           w.EndPage();
}

bool PrintAveragesReport(Game& g, PrintWriter& w, const PrintLayout& layout, const ReportParams& p)
{
    if (!w.StartDoc(layout.docName, layout.columns, layout.rows)) return false;
    // The batting from row 3; the bowling two lines below where it ended.
    double row = 3;
    for (const TableReportParts& t : AveragesTables(g, p)) {
        if (row + 5 > layout.rows - 2) {
            if (!w.EndPage()) return false;
            row = 1;
        }
        row = PrintBlock(w, layout, t, TextOffset(layout), false, {row, row + 3.5, row + 5, 1});
        if (row < 0) return false;
        row += 2;
    }
    return w.EndPage();
}

bool PrintPartnershipsReport(Game& g, PrintWriter& w, const PrintLayout& layout)
{
    if (!w.StartDoc(layout.docName, layout.columns, layout.rows)) return false;
    w.Text(layout.columns / 2.0, kTitleRow, PrintFont::Heading, PrintAlign::Centre, "Highest Wicket Partnerships");
    // Each wicket under its sub-title, a line apart; one starts on a new page
    // when not even its first row would fit.
    double row = 3;
    for (const TableReportParts& t : PartnershipsTables(g)) {
        if (row + 3 > layout.rows - 2) {
            if (!w.EndPage()) return false;
            row = kTitleRow;
        }
        row = PrintBlock(w, layout, t, TextOffset(layout), false, {row, row + 1.5, row + 3, 1, PrintFont::Large});
        if (row < 0) return false;
        row += 1;
    }
    return w.EndPage();
}

}  // namespace ovs
