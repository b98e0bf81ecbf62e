// Printed reports: each report drawn on a grid of character cells that it
// chooses, in five fonts, page by page, through a PrintWriter that a front
// end implements on its printer (the desktop game: QPrinter and QPainter).
//
// The grid is centred on the page: a cell is the page width divided by the
// columns, a line the page height divided by the rows, and what is left over
// is shared between the margins. A report's text form is placed on it run by
// run: words stay at the column where the text put them, figures end where
// they ended, so the columns stand straight in a proportional font.
#pragma once

#include <string>

namespace ovs {

struct Game;
struct ReportEntry;
struct ReportParams;

enum class PrintFont { Normal, Bold, Heading, Large, Wide };
enum class PrintAlign { Left, Right, Centre };

inline constexpr const char* kPrinterErrorCaption = "Ovalspin - Printer Error";

// The printer a report is drawn on.
class PrintWriter {
public:
    virtual ~PrintWriter() = default;
    // Starts the document with its spooler name on a grid of columns x rows;
    // false when the printer could not start (the writer has said why).
    virtual bool StartDoc(const std::string& name, int columns, int rows) = 0;
    // A text at a grid point (fractional rows step by part of a line),
    // top-aligned: from the point, ending at it, or centred on it.
    virtual void Text(double col, double row, PrintFont font, PrintAlign align, const std::string& text) = 0;
    // A chart (SVG text from report/charts.h) drawn into the box of the grid
    // from (col, row), `cols` wide and `rows` high, at its own proportions; a
    // printer that cannot draw one leaves the box empty.
    virtual void Chart(double /*col*/, double /*row*/, double /*cols*/, double /*rows*/, const std::string& /*svg*/) {}
    // Ends the page; false when the job was cancelled or failed.
    virtual bool EndPage() = 0;
    // Ends the document; false when it failed.
    virtual bool EndDoc() = 0;
};

// The spooler name and the grid of a report.
struct PrintLayout {
    const char* docName;
    int columns;
    int rows;
};
PrintLayout PrintLayoutOf(const ReportEntry& r);

// Where the grid lies on a page of `width` x `height` device units.
struct PrintGeometry {
    int cellWidth;
    int lineHeight;
    int left;
    int top;
};
PrintGeometry PrintGeometryOf(int width, int height, int columns, int rows);

// The heights of the five fonts for a line height (the wide font is also
// narrowed to four fifths of a cell).
int PrintFontHeight(PrintFont f, int lineHeight);

// Draws the report on the writer: StartDoc, the pages, EndDoc. The scoreboard
// is followed by pages of its Test's worm and Manhattans, the series summary
// by the worm of every Test begun, two charts to a page. False when the
// printer failed or the job was cancelled (the writer has said so).
bool PrintReport(Game& g, PrintWriter& w, const ReportEntry& r, const ReportParams& p);

// The scoreboard of Test `test` laid out column by column on its grid
// (print_scoreboard.cpp): StartDoc and its pages, the last one ended.
// PrintReport draws it so, then its charts.
bool PrintScoreboard(Game& g, PrintWriter& w, const PrintLayout& layout, int test);

// A record, career, rate or rating table (print_tables.cpp) in columns on
// its grid: StartDoc and its pages, the last one ended; false for a name
// that is not such a table, or when the printer failed.
bool PrintTableReport(Game& g, PrintWriter& w, const PrintLayout& layout, const std::string& name);

// The averages of a squad (print_tables.cpp): the batting from row 3, the
// bowling two lines below where the batting ended; StartDoc and its pages.
bool PrintAveragesReport(Game& g, PrintWriter& w, const PrintLayout& layout, const ReportParams& p);

// The ten partnership tables, each under its wicket (print_tables.cpp).
bool PrintPartnershipsReport(Game& g, PrintWriter& w, const PrintLayout& layout);

// The text for a spooler's error code (-5 .. 0; any other is unknown).
const char* PrintErrorText(int code);

}  // namespace ovs
