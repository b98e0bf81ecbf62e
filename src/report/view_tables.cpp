// The catalogue of views, the column layout and the fixed-pitch text of a
// view table.
#include "report/view_tables.h"

#include <algorithm>
#include <cstdio>

#include "core/game.h"
#include "data/records.h"
#include "data/texts.h"
#include "report/view_tables_internal.h"

namespace ovs {

namespace {

using G = ViewGroup;
using A = ViewArg;

// The command that opens a view alone; the ten stands share one.
struct Entry {
    ViewInfo info;
    int command;
};

const std::vector<Entry>& Entries()
{
    static const std::vector<Entry> entries = [] {
        std::vector<Entry> e = {
            {{"highest-rated-batsman", "Highest Rated Batsman", "BattingRatingBox", "BatRate.txt", "BatRate.htm", A::None, G::Ratings}, 1610},
            {{"highest-ever-rated-batsman", "Highest Ever Rated Batsman", "HighestBattingRatingBox", "HiBatRte.txt", "HiBatRte.htm", A::None, G::Ratings}, 1611},
            {{"highest-rated-bowlers", "Highest Rated Bowlers", "BowlingRatingBox", "BowlRate.txt", "BowlRate.htm", A::None, G::Ratings}, 1612},
            {{"highest-ever-rated-bowlers", "Highest Ever Rated Bowlers", "HighestBowlingRatingBox", "HiBwlRte.txt", "HiBwlRte.htm", A::None, G::Ratings}, 1613},
            {{"highest-rated-fielders", "Highest Rated Fielders", "FieldingRatingBox", "FieldRte.txt", "FieldRte.htm", A::None, G::Ratings}, 1614},
            {{"highest-ever-rated-fielders", "Highest Ever Rated Fielders", "HighestFieldingRatingBox", "HiFldRte.txt", "HiFldRte.htm", A::None, G::Ratings}, 1615},
            {{"highest-innings", "Highest Innings", "HighestInningsBox", "HighInns.txt", "HighInns.htm", A::None, G::Records}, 1620},
            {{"lowest-innings", "Lowest Innings", "LowestInningsBox", "LowInns.txt", "LowInns.htm", A::None, G::Records}, 1621},
            {{"highest-scores", "Highest Scores", "HighestScoresBox", "HiScores.txt", "HiScores.htm", A::None, G::Records}, 1622},
            {{"most-runs-series", "Most Runs in a Series", "RunsSeriesBox", "RunsSrs.txt", "RunsSrs.htm", A::None, G::Records}, 1623},
        };
        // The ten wicket stands: one view per wicket, opened in a row.
        static std::string names[10], titles[10];
        for (int w = 0; w < 10; ++w) {
            names[w] = std::string("highest-") + WicketOrdinal(w + 1) + "-wicket-partnerships";
            titles[w] = std::string("Highest ") + WicketOrdinal(w + 1) + " Wicket Partnerships";
            e.push_back({{names[w].c_str(), titles[w].c_str(), "HighestPartnershipsBox", "HighPart.txt", "HighPart.htm",
                          A::None, G::Records},
                         1624});
        }
        const std::vector<Entry> rest = {
            {{"most-runs", "Most Runs in Tests", "RunsTestsBox", "RunsTest.txt", "RunsTest.htm", A::None, G::Careers}, 1625},
            {{"highest-average", "Best Batting Average", "BattingAverageBox", "BatAve.txt", "BatAve.htm", A::None, G::Careers}, 1626},
            {{"most-hundreds", "Most Hundreds", "HundredsBox", "Hundreds.txt", "Hundreds.htm", A::None, G::Careers}, 1627},
            {{"scoring-rate", "Scoring Rate per 100 Balls", "BattingSRBox", "BatSR.txt", "BatSR.htm", A::None, G::Rates}, 1628},
            {{"innings-of-50", "% Innings of 50 or more", "Percent50Box", "Per50.txt", "Per50.htm", A::None, G::Rates}, 1629},
            {{"best-bowling-innings", "Best Bowling in an Innings", "WicketsInningsBox", "WktsInns.txt", "WktsInns.htm", A::None, G::Records}, 1630},
            {{"best-bowling-test", "Best Bowling in a Test", "WicketsTestBox", "WktsTest.txt", "WktsTest.htm", A::None, G::Records}, 1631},
            {{"most-wickets-series", "Most Wickets in a Series", "WktsSeriesBox", "WktsSrs.txt", "WktsSrs.htm", A::None, G::Records}, 1632},
            {{"most-wickets", "Most Wickets", "WicketsBox", "Wickets.txt", "Wickets.htm", A::None, G::Careers}, 1633},
            {{"best-bowling-average", "Best Bowling Average", "BowlingAverageBox", "Bowling.txt", "Bowling.htm", A::None, G::Careers}, 1634},
            {{"bowling-strike-rate", "Bowling Strike Rate", "BowlingSRBox", "BowlSR.txt", "BowlSR.htm", A::None, G::Rates}, 1635},
            {{"bowling-economy-rate", "Bowling Economy Rate", "EconomyBox", "Economy.txt", "Economy.htm", A::None, G::Rates}, 1636},
            {{"most-catches-innings", "Most Catches in an Innings", "FielderInningsBox", "CtInns.txt", "CtInns.htm", A::None, G::Records}, 1640},
            {{"most-catches-test", "Most Catches in a Test", "FielderTestBox", "CtTest.txt", "CtTest.htm", A::None, G::Records}, 1641},
            {{"most-catches-series", "Most Catches in a Series", "FielderSeriesBox", "CtSrs.txt", "CtSrs.htm", A::None, G::Records}, 1642},
            {{"most-catches", "Most Catches in Tests", "FielderTestsBox", "Fielder.txt", "Fielder.htm", A::None, G::Careers}, 1643},
            {{"most-dismissals-innings", "Most Dismissals in an Innings", "KeeperInningsBox", "DisInns.txt", "DisInns.htm", A::None, G::Records}, 1644},
            {{"most-dismissals-test", "Most Dismissals in a Test", "KeeperTestBox", "DisTest.txt", "DisTest.htm", A::None, G::Records}, 1645},
            {{"most-dismissals-series", "Most Dismissals in a Series", "KeeperSeriesBox", "DisSrs.txt", "DisSrs.htm", A::None, G::Records}, 1646},
            {{"most-dismissals", "Most Dismissals in Tests", "KeeperTestsBox", "Keeper.txt", "Keeper.htm", A::None, G::Careers}, 1647},
            {{"most-points-test", "Most Performance Points in a Test", "PointsTestBox", "PtsTest.txt", "PtsTest.htm", A::None, G::Records}, 1651},
            {{"most-points-series", "Most Performance Points in a Series", "PointsSeriesBox", "PtsSrs.txt", "PtsSrs.htm", A::None, G::Records}, 1652},
            {{"most-points", "Most Performance Points in Tests", "PointsTestsBox", "PerPts.txt", "PerPts.htm", A::None, G::Careers}, 1653},
            {{"best-points-average", "Best Performance Points Average", "RatingAverageBox", "Rating.txt", "Rating.htm", A::None, G::Careers}, 1654},
            {{"series-batting-averages", "Series Batting Averages - ", "BattingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Team, G::Averages}, 0},
            {{"series-bowling-averages", "Series Bowling Averages - ", "BowlingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Team, G::Averages}, 0},
            {{"series-points-averages", "Series Performance Points Averages - ", "RatingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Team, G::Averages}, 0},
            {{"career-batting-averages", "Career Batting Averages - ", "BattingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Squad, G::Averages}, 0},
            {{"career-bowling-averages", "Career Bowling Averages - ", "BowlingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Squad, G::Averages}, 0},
            {{"career-points-averages", "Career Performance Points Averages - ", "RatingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Squad, G::Averages}, 0},
            {{"league-batting-averages", "League Batting Averages - ", "BattingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Squad, G::Averages}, 0},
            {{"league-bowling-averages", "League Bowling Averages - ", "BowlingAveragesBox", "AVERAGES.TXT", "AVERAGES.HTM", A::Squad, G::Averages}, 0},
            {{"current-ratings", "Current Ratings", "CurrentRatingsBox", "Squad.txt", "Squad.htm", A::Squad, G::Ratings}, 0},
            {{"highest-ratings", "Highest Ratings", "HighestRatingsBox", "Squad.txt", "Squad.htm", A::Squad, G::Ratings}, 0},
            {{"squad-details", "Squad Details", "SquadBox", "Squad.txt", "Squad.htm", A::Squad, G::Details}, 0},
            {{"player-details", "Player Details", "PlayerBox", "Player.txt", "Player.htm", A::Player, G::Details}, 0},
            {{"ground-details", "Ground Details", "GroundBox", "Ground.txt", "Ground.htm", A::Ground, G::Details}, 0},
        };
        e.insert(e.end(), rest.begin(), rest.end());
        return e;
    }();
    return entries;
}

int ArgCount(const Game& g, ViewArg arg)
{
    switch (arg) {
    case ViewArg::None: return 1;
    case ViewArg::Team: return 2;
    case ViewArg::Squad: return std::min<int>(g.db.NumSquads(), static_cast<int>(g.db.squads.size()));
    case ViewArg::Player: return std::min<int>(g.db.NumPlayers(), static_cast<int>(g.db.players.size()));
    case ViewArg::Ground: return std::min<int>(g.db.NumGrounds(), static_cast<int>(g.db.grounds.size()));
    }
    return 0;
}

const char* ArgWord(ViewArg arg)
{
    switch (arg) {
    case ViewArg::Team: return "team (0 home, 1 away)";
    case ViewArg::Squad: return "squad";
    case ViewArg::Player: return "player";
    case ViewArg::Ground: return "ground";
    case ViewArg::None: break;
    }
    return "argument";
}

// Put `text` into `line` from column `at`, widening the line as needed.
void Put(std::string& line, int at, const std::string& text)
{
    if (at < 0) at = 0;
    const std::size_t end = static_cast<std::size_t>(at) + text.size();
    if (line.size() < end) line.resize(end, ' ');
    line.replace(static_cast<std::size_t>(at), text.size(), text);
}

void Trim(std::string& s)
{
    while (!s.empty() && s.back() == ' ') s.pop_back();
}

std::string LineOf(const ViewTable& t, const std::vector<std::string>& texts)
{
    std::string line;
    for (std::size_t c = 0; c < t.columns.size() && c < texts.size(); ++c) {
        const ViewColumn& col = t.columns[c];
        const std::string& s = texts[c];
        if (s.empty()) continue;
        Put(line, col.left ? col.cell : col.cell - static_cast<int>(s.size()), s);
    }
    Trim(line);
    return line;
}

}  // namespace

const std::vector<ViewInfo>& ViewCatalogue()
{
    static const std::vector<ViewInfo> list = [] {
        std::vector<ViewInfo> v;
        for (const Entry& e : Entries()) v.push_back(e.info);
        return v;
    }();
    return list;
}

const ViewInfo* FindView(std::string_view name)
{
    for (const ViewInfo& v : ViewCatalogue())
        if (name == v.name) return &v;
    return nullptr;
}

std::string ReportNameOf(const ViewInfo& v)
{
    if (std::string_view(v.box) == "HighestPartnershipsBox") return "highest-wicket-partnerships";
    if (v.group == ViewGroup::Averages) return "averages";
    // A squad's ratings are written with the rest of its details.
    if (v.group == ViewGroup::Ratings && v.arg == ViewArg::Squad) return "squad-details";
    return v.name;
}

bool BuildView(const Game& g, std::string_view name, int arg, ViewTable& out, std::string* error)
{
    const ViewInfo* info = FindView(name);
    if (!info) {
        if (error) *error = "There is no view called \"" + std::string(name) + "\".";
        return false;
    }
    if (info->arg != ViewArg::None && (arg < 0 || arg >= ArgCount(g, info->arg))) {
        if (error)
            *error = std::string("The ") + info->title + " view needs a " + ArgWord(info->arg) + " from 0 to " +
                     std::to_string(ArgCount(g, info->arg) - 1) + ".";
        return false;
    }
    out = ViewTable{};
    out.name = info->name;
    out.title = info->title;
    out.textFile = info->textFile;
    out.htmlFile = info->htmlFile;
    bool built = view::BuildRecordTable(g, name, out) || view::BuildCareerTable(g, name, out) ||
                 view::BuildSquadView(g, name, arg, out) || view::BuildDetailView(g, name, arg, out);
    if (!built && error) *error = "The view \"" + std::string(name) + "\" cannot be shown.";
    return built;
}

std::vector<std::string> ViewLines(const ViewTable& t)
{
    std::vector<std::string> lines;
    if (t.headings) {
        std::vector<std::string> over, head;
        for (const ViewColumn& c : t.columns) {
            over.push_back(c.over);
            head.push_back(c.head);
        }
        if (std::any_of(over.begin(), over.end(), [](const std::string& o) { return !o.empty(); }))
            lines.push_back(LineOf(t, over));
        lines.push_back(LineOf(t, head));
        lines.emplace_back();
    }
    for (const auto& row : t.rows) lines.push_back(LineOf(t, row));
    return lines;
}

std::vector<std::string> RecordsCommandViews(int command)
{
    const int first[] = {0, 1620, 1630, 1640, 1651};   // 1601 .. 1605
    const int last[] = {0, 1629, 1636, 1647, 1654};
    std::vector<std::string> names;
    for (const Entry& e : Entries()) {
        if (e.command == 0) continue;
        const bool all = command == 1601;
        const bool group = command >= 1602 && command <= 1605 && e.command >= first[command - 1601] &&
                           e.command <= last[command - 1601];
        if (all || group || e.command == command) names.emplace_back(e.info.name);
    }
    return names;
}

const char* WicketOrdinal(int wicket)
{
    static const char* const kOrdinal[] = {"1st", "2nd", "3rd", "4th", "5th", "6th", "7th", "8th", "9th", "10th"};
    return wicket >= 1 && wicket <= 10 ? kOrdinal[wicket - 1] : "";
}

namespace view {

void Layout(ViewTable& t, std::initializer_list<Col> cols, int minCells)
{
    int at = 0;
    t.columns.clear();
    for (const Col& c : cols) {
        ViewColumn v;
        v.head = c.head;
        v.over = c.over;
        v.left = c.left;
        v.cell = c.left ? at : at + c.width;
        t.columns.push_back(v);
        at += c.width + 2;
    }
    t.cells = std::max(at - 2, minCells);
}

std::string Num(long v) { return std::to_string(v); }

std::string Fixed2(double v)
{
    char buf[48];
    std::snprintf(buf, sizeof buf, "%.2f", v);
    return buf;
}

std::string Change(int delta)
{
    if (delta > 0) return "[+" + Num(delta) + "]";
    if (delta < 0) return "[" + Num(delta) + "]";
    return "";
}

std::string PlayerName(const Game& g, int index)
{
    if (index < 0 || index >= static_cast<int>(g.db.players.size())) return "";
    return DisplayName(g.db.players[index]);
}

std::string SquadShort(const Game& g, int squad)
{
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return "";
    return Field(g.db.squads[squad].szShort);
}

std::string GroundName(const Game& g, int ground)
{
    if (ground < 0 || ground >= static_cast<int>(g.db.grounds.size())) return "";
    return Field(g.db.grounds[ground].szName);
}

std::string Teams(const Game& g, const RECORD_WHERE& w)
{
    return SquadShort(g, w.nTeam) + " vs " + SquadShort(g, w.nOpponent);
}

std::string HighScore(const AVERAGE_BAT& a)
{
    if (a.nHighScore < 0 || a.nInnings == 0) return "";
    return Num(a.nHighScore) + (a.nHighHowOut == HOWOUT_NOTOUT ? "*" : "");
}

std::string BestBowling(const AVERAGE_BOWL& a)
{
    if (a.nBestWickets == 0 && a.nBestRuns == 0) return "";
    return Num(a.nBestWickets) + "-" + Num(a.nBestRuns);
}

}  // namespace view
}  // namespace ovs
