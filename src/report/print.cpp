// Printed reports: the grids and spooler names, and the placing of a
// report's text form on its grid.
#include "report/print.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "report/catalogue.h"
#include "report/charts.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report/writers.h"

namespace ovs {

namespace {

struct NamedLayout {
    const char* report;
    PrintLayout layout;
};

// Squad, player and ground details size their own pages: a record table's grid.
const NamedLayout kLayouts[] = {
    {"scoreboard", {"Printing Scoreboard", 89, 112}},
    {"series-summary", {"Printing Series Summary", 89, 112}},
    {"highest-innings", {"Printing Highest Innings", 84, 66}},
    {"lowest-innings", {"Printing Lowest Innings", 84, 66}},
    {"highest-scores", {"Printing Highest Scores", 84, 66}},
    {"highest-wicket-partnerships", {"Printing Highest Partnerships", 88, 102}},
    {"best-bowling-innings", {"Printing Wickets Innings", 84, 66}},
    {"best-bowling-test", {"Printing Wickets Innings", 84, 66}},
    {"most-catches-innings", {"Printing Catches Innings", 84, 66}},
    {"most-catches-test", {"Printing Catches Test", 84, 66}},
    {"most-dismissals-innings", {"Printing Dismissals Innings", 84, 66}},
    {"most-dismissals-test", {"Printing Dismissals Test", 84, 66}},
    {"most-points-test", {"Printing Points Test", 84, 66}},
    {"most-runs-series", {"Printing Runs Series", 84, 96}},
    {"most-wickets-series", {"Printing Wickets Series", 88, 96}},
    {"most-catches-series", {"Printing Catches Series", 84, 66}},
    {"most-dismissals-series", {"Printing Dismissals Series", 84, 66}},
    {"most-points-series", {"Printing Points Series", 84, 66}},
    {"most-runs", {"Printing Runs Tests", 84, 96}},
    {"highest-average", {"Printing Batting Average", 84, 96}},
    {"most-hundreds", {"Printing Hundreds", 84, 96}},
    {"most-wickets", {"Printing Wickets", 88, 96}},
    {"best-bowling-average", {"Printing Bowling Average", 88, 96}},
    {"most-catches", {"Printing Fielder", 84, 96}},
    {"most-dismissals", {"Printing Keeper", 84, 96}},
    {"most-points", {"Printing Points", 84, 96}},
    {"best-points-average", {"Printing Rating Average", 84, 96}},
    {"highest-rated-batsman", {"Printing Batting Rating", 84, 96}},
    {"highest-ever-rated-batsman", {"Printing Highest Batting Rating", 84, 96}},
    {"highest-rated-bowlers", {"Printing Bowling Rating", 84, 96}},
    {"highest-ever-rated-bowlers", {"Printing Highest Bowling Rating", 84, 96}},
    {"highest-rated-fielders", {"Printing Fielding Rating", 84, 96}},
    {"highest-ever-rated-fielders", {"Printing Highest Fielding Rating", 84, 96}},
    {"scoring-rate", {"Printing Batting Scoring Rate", 84, 96}},
    {"innings-of-50", {"Printing % Innings over 50", 84, 96}},
    {"bowling-strike-rate", {"Printing Bowling Strike Rate", 84, 96}},
    {"bowling-economy-rate", {"Printing Economy Rate", 84, 96}},
    {"averages", {"Printing Squad Averages", 85, 72}},
    {"squad-details", {"Printing Squad Details", 84, 96}},
    {"league-table", {"Printing League Table", 88, 66}},
    {"league-results", {"Printing League Results", 88, 66}},
    {"player-details", {"Printing Player Details", 84, 96}},
    {"ground-details", {"Printing Ground Details", 84, 96}},
};

// The report's text form, line by line.
std::vector<std::string> TextLines(Game& g, const ReportEntry& r, const ReportParams& p)
{
    const std::string text =
        CaptureText([&](TextOutput& out) { WriteReportStream(g, r, p, false, out.file); });
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return lines;
}

bool IsFigure(const std::string& t)
{
    bool digit = false;
    for (char ch : t) {
        if (ch >= '0' && ch <= '9') digit = true;
        else if (!std::strchr(".-*+%[]/", ch)) return false;
    }
    return digit;
}

// A line of text as runs at their columns: words joined by single blanks
// stay one run, figures stand alone and keep their last column.
struct Run {
    int start;
    int end;   // one past the last character
    std::string text;
    bool figure;
};

std::vector<Run> Runs(const std::string& line)
{
    std::vector<Run> tokens;
    for (std::size_t i = 0; i < line.size();) {
        if (line[i] == ' ') {
            ++i;
            continue;
        }
        std::size_t j = line.find(' ', i);
        if (j == std::string::npos) j = line.size();
        const std::string t = line.substr(i, j - i);
        tokens.push_back({static_cast<int>(i), static_cast<int>(j), t, IsFigure(t)});
        i = j;
    }
    std::vector<Run> runs;
    for (const Run& t : tokens) {
        if (!runs.empty() && !t.figure && !runs.back().figure && t.start == runs.back().end + 1) {
            runs.back().text += " " + t.text;
            runs.back().end = t.end;
        } else {
            runs.push_back(t);
        }
    }
    return runs;
}

bool IsRule(const std::string& line)
{
    return line.find_first_not_of(" =-") == std::string::npos && line.find_first_of("=-") != std::string::npos;
}

}  // namespace

PrintLayout PrintLayoutOf(const ReportEntry& r)
{
    for (const NamedLayout& n : kLayouts)
        if (std::strcmp(n.report, r.name) == 0) return n.layout;
    return {"Printing Report", 84, 96};
}

PrintGeometry PrintGeometryOf(int width, int height, int columns, int rows)
{
    PrintGeometry geo{};
    if (columns < 1 || rows < 1) return geo;
    geo.cellWidth = width / columns;
    geo.lineHeight = height / rows;
    geo.left = (width - columns * geo.cellWidth) / 2;
    geo.top = (height - rows * geo.lineHeight) / 2;
    return geo;
}

int PrintFontHeight(PrintFont f, int lineHeight)
{
    switch (f) {
    case PrintFont::Bold: return lineHeight * 8 / 7;
    case PrintFont::Heading: return lineHeight * 3 / 2;
    case PrintFont::Large:
    case PrintFont::Wide: return lineHeight * 5 / 4;
    default: return lineHeight;
    }
}

namespace {

// The charts printed after a report: the scoreboard's Test's worm and
// Manhattans, the worm of each Test of the series summary.
std::vector<std::string> PrintedCharts(const Game& g, const ReportEntry& r, const ReportParams& p)
{
    std::vector<std::string> charts;
    const std::string name = r.name;
    if (name != "scoreboard" && name != "series-summary") return charts;
    const std::vector<int> tests = ChartTests(g);
    for (int t : tests) {
        if (name == "scoreboard" && t != p.test) continue;
        TestFigures f;
        if (!BuildTestFigures(g, t, f)) continue;
        charts.push_back(WormSvg(f));
        if (name == "scoreboard")
            for (std::size_t i = 0; i < f.innings.size(); ++i) charts.push_back(ManhattanSvg(f, static_cast<int>(i)));
    }
    return charts;
}

// Two charts to a page, each the width of the text and as high as its proportions make it.
bool PrintChartPages(PrintWriter& w, const PrintLayout& layout, const std::vector<std::string>& charts)
{
    const double cols = LINE_WIDTH, left = (layout.columns - LINE_WIDTH) / 2.0;
    const double rows = (layout.rows - 3) / 2.0;
    for (std::size_t k = 0; k < charts.size(); ++k) {
        w.Chart(left, 1 + (k % 2) * (rows + 1), cols, rows, charts[k]);
        if ((k % 2 == 1 || k + 1 == charts.size()) && !w.EndPage()) return false;
    }
    return true;
}

}  // namespace

bool PrintReport(Game& g, PrintWriter& w, const ReportEntry& r, const ReportParams& p)
{
    const PrintLayout layout = PrintLayoutOf(r);
    if (std::strcmp(r.name, "scoreboard") == 0)
        return PrintScoreboard(g, w, layout, p.test) && PrintChartPages(w, layout, PrintedCharts(g, r, p)) &&
               w.EndDoc();
    if (IsTableReport(r.name)) return PrintTableReport(g, w, layout, r.name) && w.EndDoc();
    if (std::strcmp(r.name, "highest-wicket-partnerships") == 0)
        return PrintPartnershipsReport(g, w, layout) && w.EndDoc();
    if (std::strcmp(r.name, "averages") == 0) return PrintAveragesReport(g, w, layout, p) && w.EndDoc();
    const std::vector<std::string> lines = TextLines(g, r, p);
    if (!w.StartDoc(layout.docName, layout.columns, layout.rows)) return false;
    // The 78 columns of the text in the middle of the grid.
    const int offset = (layout.columns - LINE_WIDTH) / 2;
    const double lastRow = layout.rows - 2;
    double row = 1;
    bool titled = false;
    for (const std::string& line : lines) {
        if (row > lastRow) {
            if (!w.EndPage()) return false;
            row = 1;
        }
        const std::vector<Run> runs = Runs(line);
        if (runs.empty() || IsRule(line)) {
            if (!runs.empty() || titled) row += 1;
            continue;
        }
        if (!titled) {
            // The report's title heads the page in the heading font.
            w.Text(layout.columns / 2.0, row, PrintFont::Heading, PrintAlign::Centre, line.substr(runs.front().start));
            titled = true;
            row += 1.5;
            continue;
        }
        const int lead = runs.front().start;
        const int trail = LINE_WIDTH - runs.back().end;
        const std::string body = line.substr(lead, runs.back().end - lead);
        if (lead > 4 && lead - trail <= 1 && trail - lead <= 1 && body.find("  ") == std::string::npos) {
            // A line centred in the text is a heading of its own.
            w.Text(offset + (lead + runs.back().end) / 2.0, row, PrintFont::Large, PrintAlign::Centre, body);
            row += 1.25;
            continue;
        }
        for (const Run& run : runs) {
            if (run.figure) w.Text(offset + run.end, row, PrintFont::Normal, PrintAlign::Right, run.text);
            else w.Text(offset + run.start, row, PrintFont::Normal, PrintAlign::Left, run.text);
        }
        row += 1;
    }
    return w.EndPage() && PrintChartPages(w, layout, PrintedCharts(g, r, p)) && w.EndDoc();
}

const char* PrintErrorText(int code)
{
    switch (code) {
    case -5: return "Not enough memory available to spool Print job.";
    case -4: return "Not enough disk space to spool Print job.";
    case -3: return "Print Job was aborted from Print Manager.";
    case -2: return "Print job cancelled.";
    case -1: return "General Printer Error";
    case 0: return "Print Job was not implemented.";
    default: return "Unknown error with Print job.";
    }
}

}  // namespace ovs
