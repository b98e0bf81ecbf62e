// The views of one squad (its members' series, league or career averages,
// their current and highest ratings) and the player, squad and ground
// details with their choosers.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/game.h"
#include "core/innings.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "report/view_tables_internal.h"

namespace ovs {

namespace view {

namespace {

constexpr int kName = 26;

// The player store index of member m: in series mode the squad as it stood
// when the series began (its snapshot, once taken).
int MemberPlayer(const Game& g, int mode, int teamOrSquad, int m)
{
    if (mode == AVERAGES_SERIES) {
        const SQUADSERIES& snap = g.Series.Squad[teamOrSquad];
        const int squad = g.Series.nSquad[teamOrSquad];
        if (snap.nMembers > 0) return snap.nPlayer[m];
        if (squad >= 0 && squad < static_cast<int>(g.db.squads.size())) return g.db.squads[squad].nPlayer[m];
        return -1;
    }
    return g.db.squads[teamOrSquad].nPlayer[m];
}

void AveragesColumns(ViewTable& t, SquadAverages kind)
{
    switch (kind) {
    case SquadAverages::Batting:
        Layout(t, {{"Player", kName, L}, {"T", 2}, {"I", 3}, {"NO", 3}, {"Runs", 5}, {"Avge", 7}, {"HS", 4},
                   {"100", 3}, {"50", 3}, {"Ct", 3}, {"St", 3}}, 83);
        return;
    case SquadAverages::Bowling:
        Layout(t, {{"Player", kName, L}, {"T", 2}, {"O", 6}, {"M", 3}, {"Runs", 5}, {"Wkts", 4}, {"Avge", 7},
                   {"Best", 5}, {"wI", 2, false, "5"}, {"wM", 2, false, "10"}});
        return;
    case SquadAverages::Points:
        Layout(t, {{"Player", kName, L}, {"T", 2}, {"Pts", 7}, {"Avge", 8}, {"Best", 5}});
        return;
    }
}

std::vector<std::string> AveragesRow(SquadAverages kind, const std::string& name, const AVERAGE& a)
{
    switch (kind) {
    case SquadAverages::Batting: {
        const AVERAGE_BAT& b = a.Bat;
        return {name,
                Num(b.nTests),
                Num(b.nInnings),
                Num(b.nNotOuts),
                Num(b.nRuns),
                BattingAverageText(b),
                HighScore(b),
                Num(b.nHundreds),
                Num(b.nFifties),
                Num(Catches(a.Field)),
                Num(a.Field.nStumpings)};
    }
    case SquadAverages::Bowling: {
        const AVERAGE_BOWL& w = a.Bowl;
        return {name,           Num(w.nMatches),      OversText(w),   Num(w.nMaidens),      Num(w.nRuns),
                Num(w.nWickets), BowlingAverageText(w), BestBowling(w), Num(w.nFiveWickets), Num(w.nTenWickets)};
    }
    case SquadAverages::Points: {
        const AVERAGE_POINTS& p = a.Points;
        const bool played = p.nMatches > 0;
        return {name, Num(p.nMatches), Num(p.nPoints), played ? Fixed2(p.fAverage) : "", played ? Num(p.nBest) : ""};
    }
    }
    return {};
}

struct AveragesName {
    const char* name;
    SquadAverages kind;
    int mode;
};

const AveragesName kAverages[] = {
    {"series-batting-averages", SquadAverages::Batting, AVERAGES_SERIES},
    {"series-bowling-averages", SquadAverages::Bowling, AVERAGES_SERIES},
    {"series-points-averages", SquadAverages::Points, AVERAGES_SERIES},
    {"career-batting-averages", SquadAverages::Batting, AVERAGES_CAREER},
    {"career-bowling-averages", SquadAverages::Bowling, AVERAGES_CAREER},
    {"career-points-averages", SquadAverages::Points, AVERAGES_CAREER},
    {"league-batting-averages", SquadAverages::Batting, AVERAGES_LEAGUE},
    {"league-bowling-averages", SquadAverages::Bowling, AVERAGES_LEAGUE},
};

// A rating and its change, or two blanks when it is not shown.
void Rating(std::vector<std::string>& row, bool shown, int value, int against)
{
    row.push_back(shown ? Num(value) : "");
    row.push_back(shown ? Change(value - against) : "");
}

void Ratings(const Game& g, ViewTable& t, int squad, bool highest)
{
    Layout(t, {{"Player", kName, L}, {"Batting", 7}, {"", 6, L}, {"Bowling", 7}, {"", 6, L}, {"Fielding", 8},
               {"", 6, L}});
    const SQUAD& s = g.db.squads[squad];
    for (int m = 0; m < std::min<int>(s.nMembers, MAX_SQUAD); ++m) {
        const int p = s.nPlayer[m];
        if (p < 0 || p >= static_cast<int>(g.db.players.size())) continue;
        const PLAYER& pl = g.db.players[p];
        const AVERAGE& a = pl.Career;
        const bool played = a.Bat.nTests > 0;
        std::vector<std::string> row{PlayerName(g, p)};
        // Current: the change since the series began; highest: above the current.
        if (highest) {
            Rating(row, played && a.Bat.nBalls > 0, pl.nBestBatRating, pl.nBatRating);
            Rating(row, played && a.Bowl.nBalls > 0, pl.nBestBowlRating, pl.nBowlRating);
            Rating(row, played, pl.nBestFieldRating, pl.nFieldRating);
        } else {
            Rating(row, played && a.Bat.nBalls > 0, pl.nBatRating, pl.nBatHistory[0]);
            Rating(row, played && a.Bowl.nBalls > 0, pl.nBowlRating, pl.nBowlHistory[0]);
            Rating(row, played, pl.nFieldRating, pl.nFieldHistory[0]);
        }
        t.rows.push_back(std::move(row));
    }
}

}  // namespace

bool BuildSquadView(const Game& g, std::string_view name, int arg, ViewTable& t)
{
    for (const AveragesName& v : kAverages) {
        if (name != v.name) continue;
        t.title += v.mode == AVERAGES_SERIES ? SquadName(g, arg) : Field(g.db.squads[arg].szName);
        AveragesColumns(t, v.kind);
        for (int m : SquadAveragesOrder(g, v.kind, v.mode, arg)) {
            const AVERAGE* a = SquadMemberAverage(g, v.mode, arg, m);
            if (a) t.rows.push_back(AveragesRow(v.kind, PlayerName(g, MemberPlayer(g, v.mode, arg, m)), *a));
        }
        return true;
    }
    if (name == "current-ratings" || name == "highest-ratings") {
        Ratings(g, t, arg, name == "highest-ratings");
        return true;
    }
    return false;
}

}  // namespace view

namespace {

std::vector<ViewChoice> Named(int count, auto text)
{
    std::vector<ViewChoice> out;
    for (int i = 0; i < count; ++i) {
        std::string s = text(i);
        if (!s.empty()) out.push_back({i, std::move(s)});
    }
    return out;
}

}  // namespace

std::vector<ViewChoice> PlayerChoices(const Game& g)
{
    const int count = std::min<int>(g.db.NumPlayers(), static_cast<int>(g.db.players.size()));
    std::vector<int> order;
    for (int p = 0; p < count; ++p)
        if (g.db.players[p].szSurname[0]) order.push_back(p);
    auto key = [&](int p) {
        return std::make_pair(view::Field(g.db.players[p].szSurname), view::Field(g.db.players[p].szInitials));
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) < key(b); });
    std::vector<ViewChoice> out;
    for (int p : order) {
        const auto [surname, initials] = key(p);
        out.push_back({p, initials.empty() ? surname : surname + ", " + initials});
    }
    return out;
}

std::vector<ViewChoice> SquadChoices(const Game& g)
{
    return Named(std::min<int>(g.db.NumSquads(), static_cast<int>(g.db.squads.size())),
                 [&](int i) { return view::Field(g.db.squads[i].szName); });
}

std::vector<ViewChoice> GroundChoices(const Game& g)
{
    return Named(std::min<int>(g.db.NumGrounds(), static_cast<int>(g.db.grounds.size())),
                 [&](int i) { return view::Field(g.db.grounds[i].szName); });
}

}  // namespace ovs
