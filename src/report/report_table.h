// The table shape every record, career and averages report shares: one or two
// heading lines and rows of values placed at fixed columns.
//
// A layout is written in the notation of the column lists: "Runs<10" puts
// "Runs" so that it ends just before column 10, "Player:13" puts it from
// column 13, "Analysis^7" centres it on column 7. Row values are placed the
// same way; a row layout without names ("<21 :21 :27") says where each value
// of a row goes when that differs from the headings. A right-aligned value
// ending in "*" (not out, unbroken) has the star directly after the column.
#pragma once

#include <string>
#include <vector>

namespace ovs {

class ReportOut;
struct Game;

struct TableLayout {
    const char* heading1;   // the upper heading line, or null
    const char* heading2;   // the heading line
    const char* rows;       // where row values go; null: under the headings
};

// One place of a layout: its text (a heading, or empty in a row layout), how
// it is aligned (':' from, '<' ending just before, '^' centred on) and the column.
struct TableCell {
    std::string heading;
    char align;
    int col;
};
std::vector<TableCell> ParseTableLayout(const char* layout);

using TableRows = std::vector<std::vector<std::string>>;

// The heading lines and rows as one block; on a page the block moves left by
// the centring margin (the first heading's start less two).
void WriteTable(ReportOut& out, const TableLayout& layout, const TableRows& rows);

// The title of a table, centred (a heading on a page), and an empty line.
void WriteTableTitle(ReportOut& out, const std::string& title);

// Texts the tables share.
std::string PlayerText(const Game& g, int player);          // initials and surname; "" when none
std::string SquadShort(const Game& g, int squad);
std::string GroundText(const Game& g, int ground);
std::string TeamsText(const Game& g, int team, int opponent);   // "ABC vs DEF"
std::string Num(long v);
std::string Fixed2(double v);                                // "%.2f"

}  // namespace ovs
