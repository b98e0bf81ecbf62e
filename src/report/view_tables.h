// The views of the database and the series as tables: each view's title,
// column headings and rows of cell texts, in the order shown.
//
// One table feeds every rendering: the desktop view paints it in character
// cells, `ovalspin-cli view` prints it as fixed-pitch text (ViewLines), and
// the text, HTML, printed and mailed reports read the same rows. A view is
// named by a short lowercase word list ("most-runs"); ViewCatalogue
// lists them all with their file names and the argument each one takes.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ovs {

struct Game;

// One column: its heading, an optional word above the heading ("5" above
// "wI"), and where it stands: names start at `cell`, figures end just before
// it (right-aligned).
struct ViewColumn {
    std::string head;
    std::string over;
    int cell = 0;
    bool left = false;
};

struct ViewTable {
    std::string name;       // "most-runs"
    std::string title;      // "Most Runs in Tests"; the window caption
    std::string textFile;   // default file names of the File and HTML outputs
    std::string htmlFile;
    int cells = 0;          // character cells across
    bool headings = true;   // false: a form (detail views), no heading line
    std::vector<ViewColumn> columns;
    std::vector<std::vector<std::string>> rows;   // one text per column, "" blank
};

// What a view is opened with.
enum class ViewArg {
    None,     // the whole database
    Team,     // a side of the series in play: 0 home, 1 away
    Squad,    // a squad store index
    Player,   // a player store index
    Ground,   // a ground store index
};

enum class ViewGroup { Records, Careers, Rates, Ratings, Averages, Details };

struct ViewInfo {
    const char* name;
    const char* title;      // the fixed part of the title
    const char* box;        // the dialog's name ("RunsTestsBox")
    const char* textFile;
    const char* htmlFile;
    ViewArg arg;
    ViewGroup group;
};

// The report of the catalogue (report/catalogue.h) that writes a view's
// table to a file: the ten stands are one report, the squad averages another,
// and a squad's two ratings views are part of its squad details.
std::string ReportNameOf(const ViewInfo& v);

// Every view, in the order of the Records menu, then the squad and detail views.
const std::vector<ViewInfo>& ViewCatalogue();
const ViewInfo* FindView(std::string_view name);

// Fill `out` with view `name` opened with `arg` (ignored by ViewArg::None).
// False, with a message in `error`, for an unknown name or an argument out
// of range. A view with nothing to show has its headings and no rows.
bool BuildView(const Game& g, std::string_view name, int arg, ViewTable& out, std::string* error = nullptr);

// The table as fixed-pitch text, one string per line: the words above the
// headings (only when a column has one), the headings, a blank line, then
// one line per row. A form has its rows only. No line ends in a blank.
std::vector<std::string> ViewLines(const ViewTable& t);
// Where a view paints: the words above the headings on line 0, the headings
// on line 1, the rows from line 3 (a form's rows from line 0).
inline constexpr int VIEW_HEAD_LINE = 1;
inline constexpr int VIEW_FIRST_ROW_LINE = 3;

// The views a Records-menu command opens, in turn (1601 every table, 1602..1605
// a group, the others one table); empty for any other command.
std::vector<std::string> RecordsCommandViews(int command);

// The entries of the detail views' choosers: the record index and its text.
// Players by surname, then initials (byte by byte), shown "Surname, I.J.";
// squads and grounds in store order. The spare slots are never listed.
struct ViewChoice {
    int index;
    std::string text;
};
std::vector<ViewChoice> PlayerChoices(const Game& g);
std::vector<ViewChoice> SquadChoices(const Game& g);
std::vector<ViewChoice> GroundChoices(const Game& g);

// "1st" .. "10th".
const char* WicketOrdinal(int wicket);

}  // namespace ovs
