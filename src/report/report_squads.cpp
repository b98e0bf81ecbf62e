// The averages, squad, player, ground and league reports.
#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

#include "core/format.h"
#include "core/game.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "report/report_out.h"
#include "report/report_table.h"
#include "report/writers.h"

namespace ovs {

namespace {

using Row = std::vector<std::string>;

std::string SquadText(const Game& g, int squad)
{
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return "";
    const SQUAD& s = g.db.squads[squad];
    return std::string(s.szName, strnlen(s.szName, sizeof s.szName));
}

// The batting and then the bowling averages of a squad: of a side of the
// series in play (mode series, `teamOrSquad` 0 or 1), of its league figures
// or of its members' careers (`teamOrSquad` a squad). The members who batted
// and who bowled are listed, in the order of the views.
std::vector<TableReportParts> SquadAveragesTables(const Game& g, int mode, int teamOrSquad)
{
    const int squad = mode == AVERAGES_SERIES ? static_cast<int>(g.Series.nSquad[teamOrSquad & 1]) : teamOrSquad;
    const char* of = mode == AVERAGES_SERIES ? "Series" : mode == AVERAGES_LEAGUE ? "League" : "Career";
    const std::string name = SquadText(g, squad);
    const std::string view = std::string(mode == AVERAGES_SERIES   ? "series"
                                         : mode == AVERAGES_LEAGUE ? "league"
                                                                   : "career");
    std::vector<TableReportParts> tables(2);
    TableReportParts& bat = tables[0];
    bat.title = std::string(of) + " Batting Averages - " + name;
    bat.layout = {nullptr, "Player:0 T<28 I<34 NO<39 Runs<47 Avge<54 HS<58 100<64 50<69 Ct<74 St<78", nullptr};
    for (std::vector<std::string>& row :
         SquadViewRows(g, view + "-batting-averages", teamOrSquad, "0 1 2 3 4 5 6 7 8 9 10"))
        if (row[1] != "0") bat.rows.push_back(std::move(row));

    TableReportParts& bowl = tables[1];
    bowl.title = std::string(of) + " Bowling Averages - " + name;
    bowl.layout = {"5<75 10<78", "Player:0 T<28 O<37 M<43 Runs<51 Wkts<57 Avge<64 Best<70 wI<75 wM<78",
                   ":0 <28 <37 <43 <51 <57 <64 <68 :68 <75 <78"};
    for (std::vector<std::string>& row :
         SquadViewRows(g, view + "-bowling-averages", teamOrSquad, "0 1 2 3 4 5 6 7- 7/ 8 9"))
        if (row[2] != "0.0") bowl.rows.push_back(std::move(row));
    return tables;
}

// The two tables under their titles; on a page the series titles carry the
// anchor "averages<side>".
void WriteSquadAverages(Game& g, ReportOut& out, int mode, int teamOrSquad)
{
    const std::string anchor =
        out.html() && mode == AVERAGES_SERIES ? Format("<a name=\"averages%d\"></a>", (teamOrSquad & 1) + 1) : "";
    bool first = true;
    for (const TableReportParts& t : SquadAveragesTables(g, mode, teamOrSquad)) {
        WriteTableTitle(out, (first ? anchor : "") + t.title);
        WriteTable(out, t.layout, t.rows);
        out.Blank();
        first = false;
    }
}

// Which averages a report's parameters ask for: the mode and the side or squad.
std::pair<int, int> AveragesOfParams(const Game& g, const ReportParams& p)
{
    if (p.averages == AveragesOf::Series) {
        for (int side = 0; side < 2; ++side)
            if (g.Series.nSquad[side] == p.squad) return {AVERAGES_SERIES, side};
    }
    return {p.averages == AveragesOf::League ? AVERAGES_LEAGUE : AVERAGES_CAREER, p.squad};
}

// A details form of the views below its title: its rows from `first` on.
void Form(Game& g, ReportOut& out, const char* view, int arg, std::size_t first, const TableLayout& layout,
          const char* cells)
{
    TableRows rows = SquadViewRows(g, view, arg, cells);
    rows.erase(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(std::min(first, rows.size())));
    WriteTable(out, layout, rows);
}

// Played, then each result with its share.
const TableLayout kResults{nullptr, "", ":24 <42 :44"};

}  // namespace

void WriteSeriesAverages(Game& g, ReportOut& out, int side) { WriteSquadAverages(g, out, AVERAGES_SERIES, side); }

void WriteAveragesReport(Game& g, ReportOut& out, const ReportParams& p)
{
    LineClear(out.text());
    const auto [mode, of] = AveragesOfParams(g, p);
    WriteSquadAverages(g, out, mode, of);
}

std::vector<TableReportParts> AveragesTables(const Game& g, const ReportParams& p)
{
    const auto [mode, of] = AveragesOfParams(g, p);
    return SquadAveragesTables(g, mode, of);
}

void WriteSquadDetailsReport(Game& g, ReportOut& out, const ReportParams& p)
{
    if (p.squad < 0 || p.squad >= static_cast<int>(g.db.squads.size())) return;
    LineClear(out.text());
    WriteTableTitle(out, "Squad Details - " + SquadText(g, p.squad));
    Form(g, out, "squad-details", p.squad, 2, kResults, "0 1 2");
    out.Blank();
    WriteSquadAverages(g, out, AVERAGES_CAREER, p.squad);

    // Current ratings with their change in the series; a member with no Test
    // has none, batting needs a ball faced and bowling a ball bowled.
    const TableRows rows = SquadViewRows(g, "current-ratings", p.squad, "0 1~2 3~4 5~6");
    WriteTableTitle(out, "Current Ratings - " + SquadText(g, p.squad));
    WriteTable(out, {nullptr, "Player:0 Batting:35 Bowling:50 Fielding:65", nullptr}, rows);
}

void WritePlayerDetailsReport(Game& g, ReportOut& out, const ReportParams& p)
{
    if (p.player < 0 || p.player >= static_cast<int>(g.db.players.size())) return;
    LineClear(out.text());
    WriteTableTitle(out, "Player Details - " + PlayerText(g, p.player));
    // Batting, bowling, and fielding with the points, side by side.
    Form(g, out, "player-details", p.player, 2, {nullptr, "", ":0 <25 :27 <49 :51 <78"}, "0 1 2 3 4 5");
}

void WriteGroundDetailsReport(Game& g, ReportOut& out, const ReportParams& p)
{
    if (p.ground < 0 || p.ground >= static_cast<int>(g.db.grounds.size())) return;
    LineClear(out.text());
    WriteTableTitle(out, "Ground Details - " + GroundText(g, p.ground));
    Form(g, out, "ground-details", p.ground, 2, kResults, "0 1 2");
}

}  // namespace ovs
