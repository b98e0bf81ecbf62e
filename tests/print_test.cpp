// Printed reports: the grid on the page, the fonts, the spooler names and
// texts, and a report's text placed on its grid page by page (recorded by a
// writer that stands in for the printer).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "file_fixtures.h"
#include "report/catalogue.h"
#include "report/charts.h"
#include "report/print.h"
#include "report/report_out.h"

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
    EXPECT_EQ(runs->font, PrintFont::Normal);
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

}  // namespace
}  // namespace ovs
