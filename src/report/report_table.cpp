// The table shape of the record, career and averages reports.
#include "report/report_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "core/format.h"
#include "core/game.h"
#include "data/texts.h"
#include "report/report_out.h"

namespace ovs {

namespace {

using Cell = TableCell;

}  // namespace

std::vector<TableCell> ParseTableLayout(const char* layout)
{
    std::vector<Cell> cells;
    if (!layout) return cells;
    const char* p = layout;
    while (*p) {
        while (*p == ' ') ++p;
        if (!*p) break;
        const char* mark = p;
        while (*mark && *mark != ':' && *mark != '<' && *mark != '^') ++mark;
        if (!*mark) break;
        Cell c;
        c.heading.assign(p, mark);
        c.align = *mark;
        char* end = nullptr;
        c.col = static_cast<int>(std::strtol(mark + 1, &end, 10));
        cells.push_back(c);
        p = end;
    }
    return cells;
}

namespace {

int StartOf(const Cell& c, int length)
{
    int start = c.col;
    if (c.align == '<') start = c.col - length;
    if (c.align == '^') start = c.col - length / 2;
    return start < 0 ? 0 : start;
}

void Place(ReportOut& out, const Cell& c, const std::string& text)
{
    if (text.empty()) return;
    switch (c.align) {
    case '<':
        if (text.back() == '*') {
            out.PutRight(text.substr(0, text.size() - 1), c.col);
            out.Put("*", c.col);
        } else {
            out.PutRight(text, c.col);
        }
        break;
    case '^': out.PutCentred(text, c.col); break;
    default: out.PutClipped(text, c.col); break;
    }
}

void HeadingLine(ReportOut& out, const std::vector<Cell>& cells)
{
    for (const Cell& c : cells) Place(out, c, c.heading);
    out.WriteLine();
}

}  // namespace

void WriteTable(ReportOut& out, const TableLayout& layout, const TableRows& rows)
{
    const std::vector<Cell> head1 = ParseTableLayout(layout.heading1);
    const std::vector<Cell> head2 = ParseTableLayout(layout.heading2);
    const std::vector<Cell> cells = layout.rows ? ParseTableLayout(layout.rows) : head2;
    int margin = 1000;
    for (const std::vector<Cell>* line : {&head1, &head2})
        for (const Cell& c : *line) {
            const int start = StartOf(c, static_cast<int>(c.heading.size()));
            if (start < margin) margin = start;
        }
    // A form without headings starts where its first left-aligned cell does.
    if (margin == 1000)
        for (const Cell& c : cells)
            if (c.align == ':' && c.col < margin) margin = c.col;
    margin = margin > 2 && margin < 1000 ? margin - 2 : 0;

    out.BlockStart(margin);
    if (!head1.empty()) HeadingLine(out, head1);
    if (!head2.empty()) HeadingLine(out, head2);
    for (const std::vector<std::string>& row : rows) {
        for (std::size_t k = 0; k < row.size() && k < cells.size(); ++k) Place(out, cells[k], row[k]);
        out.WriteLine();
    }
    out.BlockEnd();
}

void WriteTableTitle(ReportOut& out, const std::string& title)
{
    out.Title(title);
    out.Blank();
}

std::string PlayerText(const Game& g, int player)
{
    if (player < 0 || player >= static_cast<int>(g.db.players.size())) return "";
    return DisplayName(g.db.players[player]);
}

std::string SquadShort(const Game& g, int squad)
{
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return "";
    const SQUAD& s = g.db.squads[squad];
    return std::string(s.szShort, strnlen(s.szShort, sizeof s.szShort));
}

std::string GroundText(const Game& g, int ground)
{
    if (ground < 0 || ground >= static_cast<int>(g.db.grounds.size())) return "";
    const GROUND& gr = g.db.grounds[ground];
    return std::string(gr.szName, strnlen(gr.szName, sizeof gr.szName));
}

std::string TeamsText(const Game& g, int team, int opponent)
{
    if (team < 0 && opponent < 0) return "";
    return SquadShort(g, team) + " vs " + SquadShort(g, opponent);
}

std::string Num(long v) { return std::to_string(v); }

std::string Fixed2(double v) { return Format("%.2f", v); }

}  // namespace ovs
