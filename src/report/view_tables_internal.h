// Shared pieces of the view-table builders: column layout and cell texts.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>

#include "report/view_tables.h"

namespace ovs {

struct AVERAGE;
struct AVERAGE_BAT;
struct AVERAGE_BOWL;
struct RECORD_WHERE;

namespace view {

// A column by its width; columns are laid out left to right, two blanks apart.
struct Col {
    const char* head;
    int width;
    bool left = false;
    const char* over = "";
};
inline constexpr bool L = true;

// Lay out `cols` in `t`; the table is at least `minCells` cells across.
void Layout(ViewTable& t, std::initializer_list<Col> cols, int minCells = 0);

std::string Num(long v);
std::string Fixed2(double v);
// "[+5]", "" or "[-3]": a rating's change.
std::string Change(int delta);
// A player's display name, "" for an index outside the store.
std::string PlayerName(const Game& g, int index);
// A fixed text field as a string (up to its first NUL).
template <std::size_t N>
std::string Field(const char (&f)[N])
{
    std::size_t n = 0;
    while (n < N && f[n]) ++n;
    return std::string(f, n);
}
std::string SquadShort(const Game& g, int squad);
std::string GroundName(const Game& g, int ground);
// "ENG vs AUS" of a record.
std::string Teams(const Game& g, const RECORD_WHERE& w);

// Batting, bowling figures as the tables show them.
std::string HighScore(const AVERAGE_BAT& a);
std::string BestBowling(const AVERAGE_BOWL& a);

// The builders of each group; false when the name is not theirs.
bool BuildRecordTable(const Game& g, std::string_view name, ViewTable& t);
bool BuildCareerTable(const Game& g, std::string_view name, ViewTable& t);
bool BuildSquadView(const Game& g, std::string_view name, int arg, ViewTable& t);
bool BuildDetailView(const Game& g, std::string_view name, int arg, ViewTable& t);

}  // namespace view
}  // namespace ovs
