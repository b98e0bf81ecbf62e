// Printed reports: the grid on the page, the fonts, the spooler names and
// texts, and a report's text placed on its grid page by page (recorded by a
// writer that stands in for the printer).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "file_fixtures.h"
#include "report/catalogue.h"
#include "report/charts.h"
#include "report/print.h"
#include "report/report_out.h"
#include "report/scoreboard_text.h"
#include "report/view_tables.h"

namespace ovs {
namespace {

using test::StartedGame;
using test::TestHost;

struct Placed {
    double col;
    double row;
    PrintFont font;
    PrintAlign align;
    std::string text;
    int page;
};

class RecordingWriter : public PrintWriter {
public:
    bool StartDoc(const std::string& name, int c, int r) override
    {
        doc = name;
        columns = c;
        rows = r;
        return true;
    }
    void Text(double col, double row, PrintFont f, PrintAlign a, const std::string& t) override
    {
        texts.push_back({col, row, f, a, t, pages});
    }
    void Chart(double col, double row, double width, double height, const std::string& svg) override
    {
        charts.push_back({col, row, width, height, svg, pages});
    }
    bool EndPage() override
    {
        ++pages;
        return pages < cancelAtPage;
    }
    bool EndDoc() override
    {
        ended = true;
        return true;
    }
    const Placed* Find(const std::string& t) const
    {
        for (const Placed& p : texts)
            if (p.text == t) return &p;
        return nullptr;
    }
    // The text placed on `row` at `col`, or null.
    const Placed* At(double row, double col) const
    {
        for (const Placed& p : texts)
            if (p.row == row && p.col == col) return &p;
        return nullptr;
    }

    std::string doc;
    int columns = 0, rows = 0, pages = 0, cancelAtPage = 1000;
    bool ended = false;
    std::vector<Placed> texts;
    struct PlacedChart {
        double col, row, cols, rows;
        std::string svg;
        int page;
    };
    std::vector<PlacedChart> charts;
};

TEST(PrintGrid, CellsFontsAndSpoolerTexts)
{
    // A page 4800 units wide on 84 columns: cells of 57 and a margin of 6.
    const PrintGeometry geo = PrintGeometryOf(4800, 6600, 84, 66);
    EXPECT_EQ(geo.cellWidth, 57);
    EXPECT_EQ(geo.left, 6);
    EXPECT_EQ(geo.lineHeight, 100);
    EXPECT_EQ(geo.top, 0);
    EXPECT_EQ(PrintFontHeight(PrintFont::Normal, 70), 70);
    EXPECT_EQ(PrintFontHeight(PrintFont::Bold, 70), 80);
    EXPECT_EQ(PrintFontHeight(PrintFont::Heading, 70), 105);
    EXPECT_EQ(PrintFontHeight(PrintFont::Large, 70), 87);
    EXPECT_EQ(PrintFontHeight(PrintFont::Wide, 70), 87);
    EXPECT_STREQ(PrintErrorText(-2), "Print job cancelled.");
    EXPECT_STREQ(PrintErrorText(-5), "Not enough memory available to spool Print job.");
    EXPECT_STREQ(PrintErrorText(0), "Print Job was not implemented.");
    EXPECT_STREQ(PrintErrorText(7), "Unknown error with Print job.");

    // Every report has its spooler name and grid.
    for (const ReportEntry& r : ReportCatalogue()) {
        const PrintLayout l = PrintLayoutOf(r);
        EXPECT_NE(std::string(l.docName), "Printing Report") << r.name;
        EXPECT_GE(l.columns, 78) << r.name;
    }
    EXPECT_STREQ(PrintLayoutOf(*FindReport("best-bowling-test")).docName, "Printing Wickets Innings");
    EXPECT_EQ(PrintLayoutOf(*FindReport("scoreboard")).rows, 112);
    EXPECT_STREQ(PrintLayoutOf(*FindReport("innings-of-50")).docName, "Printing % Innings over 50");
}

TEST(PrintReport, AnEmptyRecordTablePrintsItsTitleAndHeadings)
{
    StartedGame t(5);
    ASSERT_TRUE(t.started);
    const ReportEntry& r = *FindReport("most-runs");
    RecordingWriter w;
    ReportParams p;
    std::string error;
    ASSERT_TRUE(ResolveReportParams(t.g, r, p, error)) << error;
    ASSERT_TRUE(PrintReport(t.g, w, r, p));
    EXPECT_EQ(w.doc, "Printing Runs Tests");
    EXPECT_EQ(w.columns, 84);
    EXPECT_EQ(w.rows, 96);
    EXPECT_TRUE(w.ended);
    EXPECT_EQ(w.pages, 1);
    const Placed* title = w.Find("Most Runs in Tests");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, PrintFont::Heading);
    EXPECT_EQ(title->align, PrintAlign::Centre);
    EXPECT_DOUBLE_EQ(title->col, 42);
    // "Runs<8" in the text: the heading ends at column 8 of the text, 3 + 8 on the grid.
    const Placed* runs = w.Find("Runs");
    ASSERT_NE(runs, nullptr);
    EXPECT_EQ(runs->font, PrintFont::Large);
    EXPECT_EQ(runs->align, PrintAlign::Right);
    EXPECT_DOUBLE_EQ(runs->col, 11);
    EXPECT_DOUBLE_EQ(runs->row, 5);
    // No Tests played yet: the page holds the title and the column headings only.
    EXPECT_NE(w.Find("Player"), nullptr);
    EXPECT_NE(w.Find("Avge"), nullptr);
    EXPECT_LE(w.texts.size(), 12u);
}

// A report of 250 numbered lines.
void LongReport(Game&, ReportOut& out, const ReportParams&)
{
    out.Title("A Long Report");
    for (int i = 1; i <= 250; ++i) {
        out.Put("Line", 0);
        out.PutRight(std::to_string(i), 20);
        out.WriteLine();
    }
}

TEST(PrintReport, LongReportsBreakIntoPagesAndACancelStopsThem)
{
    TestHost host;
    Game g(host);
    const ReportEntry longOne{"long", "A Long Report", "Long.txt", "Long.htm", PARAM_NONE, LongReport};
    RecordingWriter w;
    ASSERT_TRUE(PrintReport(g, w, longOne, {}));
    EXPECT_EQ(w.doc, "Printing Report");
    // 94 rows a page on the fallback grid of 96.
    EXPECT_EQ(w.pages, 3);
    const Placed* last = w.Find("250");
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last->page, 2);
    EXPECT_DOUBLE_EQ(last->col, 3 + 20);

    RecordingWriter cancelled;
    cancelled.cancelAtPage = 1;
    EXPECT_FALSE(PrintReport(g, cancelled, longOne, {}));
    EXPECT_FALSE(cancelled.ended);
    EXPECT_EQ(cancelled.Find("250"), nullptr);
}

TEST(PrintReport, TheScoreboardAndSeriesSummaryEndWithTheirCharts)
{
    StartedGame game(31u);
    ASSERT_TRUE(game.started);
    ASSERT_TRUE(game.StartComputerSeries(0, 1, 2));
    ASSERT_TRUE(game.PumpToEnd());
    Game& g = game.g;

    RecordingWriter board;
    ReportParams p;
    p.test = 1;
    ASSERT_TRUE(PrintReport(g, board, *FindReport("scoreboard"), p));
    TestFigures f;
    ASSERT_TRUE(BuildTestFigures(g, 1, f));
    // The worm and each innings' Manhattan, two to a page after the text, within the grid.
    ASSERT_EQ(board.charts.size(), 1 + f.innings.size());
    EXPECT_EQ(board.charts[0].svg, WormSvg(f));
    EXPECT_EQ(board.charts[1].svg, ManhattanSvg(f, 0));
    const int firstChartPage = board.charts[0].page;
    EXPECT_GT(firstChartPage, 0);
    for (const Placed& t : board.texts) EXPECT_LT(t.page, firstChartPage);
    for (std::size_t k = 0; k < board.charts.size(); ++k) {
        const auto& c = board.charts[k];
        EXPECT_EQ(c.page, firstChartPage + static_cast<int>(k / 2));
        EXPECT_GE(c.col, 0);
        EXPECT_LE(c.col + c.cols, board.columns);
        EXPECT_LE(c.row + c.rows, board.rows);
    }
    EXPECT_EQ(board.pages, firstChartPage + static_cast<int>((board.charts.size() + 1) / 2));

    RecordingWriter summary;
    ASSERT_TRUE(PrintReport(g, summary, *FindReport("series-summary"), {}));
    ASSERT_EQ(summary.charts.size(), 2u);
    EXPECT_EQ(summary.charts[1].svg, WormSvg(f));

    // Other reports have none.
    RecordingWriter records;
    ASSERT_TRUE(PrintReport(g, records, *FindReport("most-runs"), {}));
    EXPECT_TRUE(records.charts.empty());
}

// The scoreboard of a played Test: each figure ends at its own column, the
// headings centred, the Total line set off, the whole Test on one page.
TEST(PrintReport, TheScoreboardStandsInItsOwnColumnsOnOnePage)
{
    StartedGame t(9);
    ASSERT_TRUE(t.started);
    ASSERT_TRUE(t.StartComputerSeries(0, 1, 1, false));
    ASSERT_TRUE(t.PumpToEnd());
    ReportParams p;
    p.test = 0;
    RecordingWriter w;
    ASSERT_TRUE(PrintReport(t.g, w, *FindReport("scoreboard"), p));
    EXPECT_EQ(w.doc, "Printing Scoreboard");
    EXPECT_EQ(w.columns, 89);
    EXPECT_EQ(w.rows, 112);
    EXPECT_TRUE(w.ended);
    const Placed* title = w.Find("Ovalspin Scoreboard");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, PrintFont::Heading);
    EXPECT_DOUBLE_EQ(title->col, 44.5);
    EXPECT_NE(w.Find("Played at " + std::string(t.g.db.grounds[t.g.Series.nGround[0]].szName)), nullptr);

    const std::vector<ScorecardInnings> cards = Scorecard(t.g, 0);
    ASSERT_GE(cards.size(), 2u);
    for (const ScorecardInnings& c : cards) {
        SCOPED_TRACE(c.title);
        const Placed* head = w.Find(c.title);
        ASSERT_NE(head, nullptr);
        EXPECT_EQ(head->font, PrintFont::Large);
        EXPECT_EQ(head->align, PrintAlign::Centre);
        EXPECT_DOUBLE_EQ(head->col, 45);
        // The first batsman's line: his name from column 0, his runs ending at 77, sixes at 88.
        const double first = head->row + 1.5;
        ASSERT_NE(w.At(first, 0), nullptr);
        EXPECT_EQ(w.At(first, 0)->text, c.batting[0].name);
        ASSERT_NE(w.At(first, 77), nullptr);
        EXPECT_EQ(w.At(first, 77)->text, std::to_string(c.batting[0].runs));
        EXPECT_EQ(w.At(first, 77)->align, PrintAlign::Right);
        ASSERT_NE(w.At(first, 88), nullptr);
        EXPECT_EQ(w.At(first, 88)->text, std::to_string(c.batting[0].sixes));
        // Extras, Total (set off, a line and a half before the fall of wickets), then the bowlers.
        const double extras = first + static_cast<double>(c.batting.size() + c.didNotBat.size());
        ASSERT_NE(w.At(extras, 0), nullptr);
        EXPECT_EQ(w.At(extras, 0)->text, "Extras");
        EXPECT_EQ(w.At(extras, 48)->text, c.extras);
        const Placed* total = w.At(extras + 1, 77);
        ASSERT_NE(total, nullptr);
        EXPECT_EQ(total->text, std::to_string(c.totalRuns));
        EXPECT_EQ(total->font, PrintFont::Bold);
        EXPECT_EQ(w.At(extras + 1, 48)->text, c.total);
        const double fall = extras + 2.5;
        ASSERT_NE(w.At(fall, 0), nullptr);
        EXPECT_EQ(w.At(fall, 0)->text.rfind("Fall of Wkt", 0), 0u);
        for (std::size_t i = 0; i < c.fallOfWickets.size(); ++i)
            EXPECT_EQ(w.At(fall, 24 + 5.0 * static_cast<double>(i))->text, std::to_string(c.fallOfWickets[i]));
        const Placed* bowler = w.At(fall + 1.5, 0);
        ASSERT_NE(bowler, nullptr);
        EXPECT_EQ(bowler->text, c.bowling[0].name);
        EXPECT_EQ(w.At(fall + 1.5, 42)->text, std::to_string(c.bowling[0].runs));
    }
    // The whole Test on the first page (the charts follow on pages of their own).
    for (const Placed& x : w.texts) {
        EXPECT_LE(x.row, 110) << x.text;
        EXPECT_EQ(x.page, 0) << x.text;
    }
    EXPECT_NE(w.Find(t.g.Series.Test[0].szResult), nullptr);
}

// Highest Innings in its own columns: the heading font title on column 42,
// "Runs" and "Venue" over the columns, a row every line and a half from row 7
// with the runs, a centred "-", the wickets, the sides and the ground.
TEST(PrintReport, HighestInningsStandsInItsOwnColumns)
{
    const ReportEntry& r = *FindReport("highest-innings");
    {
        // No Test played: the title and the headings only.
        StartedGame fresh(5);
        ASSERT_TRUE(fresh.started);
        RecordingWriter w;
        ASSERT_TRUE(PrintReport(fresh.g, w, r, {}));
        EXPECT_EQ(w.doc, "Printing Highest Innings");
        EXPECT_EQ(w.columns, 84);
        EXPECT_EQ(w.rows, 66);
        EXPECT_EQ(w.pages, 1);
        EXPECT_TRUE(w.ended);
        ASSERT_EQ(w.texts.size(), 3u);
        EXPECT_EQ(w.texts[0].text, "Highest Innings");
    }

    StartedGame t(9);
    ASSERT_TRUE(t.started);
    ASSERT_TRUE(t.StartComputerSeries(0, 1, 1, false));
    ASSERT_TRUE(t.PumpToEnd());
    ViewTable view;
    ASSERT_TRUE(BuildView(t.g, "highest-innings", 0, view));
    ASSERT_FALSE(view.rows.empty());
    RecordingWriter w;
    ASSERT_TRUE(PrintReport(t.g, w, r, {}));
    EXPECT_EQ(w.pages, 1);
    const Placed* title = w.Find("Highest Innings");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->font, PrintFont::Heading);
    EXPECT_EQ(title->align, PrintAlign::Centre);
    EXPECT_DOUBLE_EQ(title->col, 42);
    EXPECT_DOUBLE_EQ(title->row, 1);
    for (const auto& [text, col] : {std::pair<const char*, double>{"Runs", 20}, {"Venue", 45}}) {
        const Placed* h = w.Find(text);
        ASSERT_NE(h, nullptr) << text;
        EXPECT_EQ(h->font, PrintFont::Large);
        EXPECT_EQ(h->align, PrintAlign::Left);
        EXPECT_DOUBLE_EQ(h->col, col);
        EXPECT_DOUBLE_EQ(h->row, 5);
    }
    // One printed row per record, the rows 1.5 lines apart from row 7.
    for (std::size_t k = 0; k < view.rows.size(); ++k) {
        SCOPED_TRACE(k);
        const std::vector<std::string>& v = view.rows[k];
        const double row = 7 + 1.5 * static_cast<double>(k);
        const std::size_t dash = v[0].find('-');
        ASSERT_NE(dash, std::string::npos);
        const Placed* runs = w.At(row, 23);
        ASSERT_NE(runs, nullptr);
        EXPECT_EQ(runs->text, v[0].substr(0, dash));
        EXPECT_EQ(runs->align, PrintAlign::Right);
        EXPECT_EQ(runs->font, PrintFont::Normal);
        ASSERT_NE(w.At(row, 24), nullptr);
        EXPECT_EQ(w.At(row, 24)->text, "-");
        EXPECT_EQ(w.At(row, 24)->align, PrintAlign::Centre);
        ASSERT_NE(w.At(row, 25), nullptr);
        EXPECT_EQ(w.At(row, 25)->text, v[0].substr(dash + 1));
        EXPECT_EQ(w.At(row, 25)->align, PrintAlign::Left);
        ASSERT_NE(w.At(row, 30), nullptr);
        EXPECT_EQ(w.At(row, 30)->text, v[1]);
        EXPECT_NE(v[1].find(" vs "), std::string::npos);
        ASSERT_NE(w.At(row, 45), nullptr);
        EXPECT_EQ(w.At(row, 45)->text, v[2]);
    }
    EXPECT_EQ(w.texts.size(), 3 + 5 * view.rows.size());

    // The averages of the home side: the batting from row 3, the bowling two
    // lines below the last batsman.
    {
        const ReportEntry& avg = *FindReport("averages");
        ReportParams p;
        std::string error;
        ASSERT_TRUE(ResolveReportParams(t.g, avg, p, error)) << error;
        RecordingWriter a;
        ASSERT_TRUE(PrintReport(t.g, a, avg, p));
        EXPECT_EQ(a.doc, "Printing Squad Averages");
        EXPECT_EQ(a.columns, 85);
        EXPECT_EQ(a.rows, 72);
        ASSERT_GE(a.texts.size(), 2u);
        EXPECT_EQ(a.texts[0].text.rfind("Series Batting Averages - ", 0), 0u);
        EXPECT_DOUBLE_EQ(a.texts[0].row, 3);
        double lastBatting = 0;
        const Placed* bowling = nullptr;
        for (const Placed& x : a.texts) {
            if (x.text.rfind("Series Bowling Averages - ", 0) == 0) bowling = &x;
            if (!bowling && x.font == PrintFont::Normal) lastBatting = x.row;
        }
        ASSERT_NE(bowling, nullptr);
        EXPECT_GT(lastBatting, 8);
        EXPECT_DOUBLE_EQ(bowling->row, lastBatting + 1 + 2);
        EXPECT_EQ(bowling->font, PrintFont::Heading);
    }

    // The partnerships: every wicket under its sub-title in the large font.
    {
        RecordingWriter s;
        ASSERT_TRUE(PrintReport(t.g, s, *FindReport("highest-wicket-partnerships"), {}));
        EXPECT_EQ(s.doc, "Printing Highest Partnerships");
        ASSERT_NE(s.Find("Highest Wicket Partnerships"), nullptr);
        EXPECT_EQ(s.Find("Highest Wicket Partnerships")->font, PrintFont::Heading);
        double last = 0;
        for (int k = 1; k <= 10; ++k) {
            const Placed* sub = s.Find(std::string(WicketOrdinal(k)) + " Wicket");
            ASSERT_NE(sub, nullptr) << k;
            EXPECT_EQ(sub->font, PrintFont::Large);
            EXPECT_GT(sub->page * 1000 + sub->row, last) << k;
            last = sub->page * 1000 + sub->row;
        }
    }

    // Every report of the catalogue prints inside its grid, and every table
    // puts its headings in the large font on row 5 and its rows from row 7.
    for (const ReportEntry& e : ReportCatalogue()) {
        SCOPED_TRACE(e.name);
        ReportParams p;
        std::string error;
        if (!ResolveReportParams(t.g, e, p, error)) continue;
        RecordingWriter all;
        ASSERT_TRUE(PrintReport(t.g, all, e, p));
        EXPECT_TRUE(all.ended);
        for (const Placed& x : all.texts) {
            EXPECT_GE(x.col, 0) << x.text;
            EXPECT_LE(x.col, all.columns) << x.text;
            EXPECT_GE(x.row, 0) << x.text;
            EXPECT_LE(x.row + 1, all.rows) << x.text;
            if (x.align == PrintAlign::Left) {
                EXPECT_LT(x.col, all.columns) << x.text;
            }
            if (x.align == PrintAlign::Right) {
                EXPECT_GT(x.col, 0) << x.text;
            }
            if (x.page >= all.pages) ADD_FAILURE() << "after the last page: " << x.text;
        }
        if (e.write != nullptr) continue;
        for (const Placed& x : all.texts) {
            if (x.row == 5) {
                EXPECT_EQ(x.font, PrintFont::Large) << x.text;
            }
            if (x.row >= 7) {
                EXPECT_EQ(x.font, PrintFont::Normal) << x.text;
                EXPECT_DOUBLE_EQ(std::fmod(x.row - 7, 1.5), 0) << x.text;
            }
        }
    }
}

// The headless program prints a report to a PDF of its own making, whose
// text a PDF reader finds.
TEST(PrintReport, TheHeadlessProgramPrintsToAPdf)
{
    test::TempDir dir("ovs-pdf");
    int rc = -1;
    const std::string played = test::RunCli(dir.Path(), "--seed 5 play --tests 1 --save 1 2", &rc);
    ASSERT_EQ(rc, 0) << played;
    const std::string board = dir.File("board.pdf");
    const std::string said = test::RunCli(dir.Path(), "report scoreboard --saved --pdf " + board, &rc);
    ASSERT_EQ(rc, 0) << said;
    EXPECT_NE(said.find("Report printed to " + board + "\n"), std::string::npos) << said;
    const std::string pdf = test::ReadFile(board);
    EXPECT_EQ(pdf.rfind("%PDF-1.4\n", 0), 0u);
    EXPECT_NE(pdf.find("(Ovalspin Scoreboard) Tj"), std::string::npos);
    EXPECT_NE(pdf.find("/BaseFont /Helvetica-Bold"), std::string::npos);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
    const std::string text = test::RunCommand("pdftotext -layout '" + board + "' -", &rc);
    ASSERT_EQ(rc, 0) << "pdftotext (poppler-utils) reads the file";
    EXPECT_NE(text.find("Ovalspin Scoreboard"), std::string::npos) << text;
    EXPECT_NE(text.find("1st Innings"), std::string::npos);
    EXPECT_NE(text.find("Fall of Wkt"), std::string::npos);

    const std::string records = dir.File("records.pdf");
    test::RunCli(dir.Path(), "report most-runs --pdf " + records, &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_NE(test::RunCommand("pdftotext '" + records + "' -", &rc).find("Most Runs in Tests"), std::string::npos);
    // A record table in its columns: the Test just played stands under the headings.
    const std::string high = dir.File("high.pdf");
    test::RunCli(dir.Path(), "report highest-innings --saved --pdf " + high, &rc);
    ASSERT_EQ(rc, 0);
    const std::string highText = test::RunCommand("pdftotext -layout '" + high + "' -", &rc);
    ASSERT_EQ(rc, 0);
    EXPECT_NE(highText.find("Highest Innings"), std::string::npos) << highText;
    EXPECT_NE(highText.find("Runs"), std::string::npos) << highText;
    EXPECT_NE(highText.find("Venue"), std::string::npos) << highText;
    EXPECT_NE(highText.find(" vs "), std::string::npos) << highText;
    // Not with --out, and a file that cannot be written is refused with its path.
    test::RunCli(dir.Path(), "report most-runs --pdf " + records + " --out x.txt", &rc);
    EXPECT_EQ(rc, 2);
    const std::string missing = dir.File("no-such-folder/r.pdf");
    EXPECT_NE(test::RunCli(dir.Path(), "report most-runs --pdf " + missing, &rc).find(missing), std::string::npos);
    EXPECT_EQ(rc, 1);
}

}  // namespace
}  // namespace ovs
