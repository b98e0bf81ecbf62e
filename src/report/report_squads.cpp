// The averages, squad, player, ground and league reports.
#include <algorithm>
#include <cstring>
#include <string>

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

int MemberPlayer(const Game& g, int squad, int member)
{
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size()) || member < 0 || member >= MAX_SQUAD) return -1;
    return g.db.squads[squad].nPlayer[member];
}

// The batting and then the bowling averages of a squad: of a side of the
// series in play (mode series, `teamOrSquad` 0 or 1), of its league figures
// or of its members' careers (`teamOrSquad` a squad). The members who batted
// and who bowled are listed, in the order of the views. On a page the
// series titles carry the anchor "averages<side>".
void WriteSquadAverages(Game& g, ReportOut& out, int mode, int teamOrSquad)
{
    const int squad = mode == AVERAGES_SERIES ? static_cast<int>(g.Series.nSquad[teamOrSquad & 1]) : teamOrSquad;
    const char* of = mode == AVERAGES_SERIES ? "Series" : mode == AVERAGES_LEAGUE ? "League" : "Career";
    const std::string name = SquadText(g, squad);
    const std::string anchor =
        out.html() && mode == AVERAGES_SERIES ? Format("<a name=\"averages%d\"></a>", (teamOrSquad & 1) + 1) : "";

    TableRows rows;
    for (int m : SquadAveragesOrder(g, SquadAverages::Batting, mode, teamOrSquad)) {
        const AVERAGE* a = SquadMemberAverage(g, mode, teamOrSquad, m);
        if (!a || a->Bat.nTests <= 0) continue;
        const AVERAGE_BAT& b = a->Bat;
        rows.push_back({PlayerText(g, MemberPlayer(g, squad, m)), Num(b.nTests), Num(b.nInnings), Num(b.nNotOuts),
                        Num(b.nRuns), BattingAverageText(b), HighScoreText(b), Num(b.nHundreds), Num(b.nFifties),
                        Num(Catches(a->Field)), Num(a->Field.nStumpings)});
    }
    WriteTableTitle(out, anchor + of + " Batting Averages - " + name);
    WriteTable(out, {nullptr, "Player:0 T<28 I<34 NO<39 Runs<47 Avge<54 HS<58 100<64 50<69 Ct<74 St<78", nullptr},
               rows);
    out.Blank();

    rows.clear();
    for (int m : SquadAveragesOrder(g, SquadAverages::Bowling, mode, teamOrSquad)) {
        const AVERAGE* a = SquadMemberAverage(g, mode, teamOrSquad, m);
        if (!a || a->Bowl.nBalls <= 0) continue;
        const AVERAGE_BOWL& b = a->Bowl;
        Row row{PlayerText(g, MemberPlayer(g, squad, m)), Num(b.nMatches), OversText(b), Num(b.nMaidens),
                Num(b.nRuns), Num(b.nWickets), BowlingAverageText(b)};
        for (const std::string& c : BestCells(b.nBestWickets, b.nBestRuns)) row.push_back(c);
        row.push_back(Num(b.nFiveWickets));
        row.push_back(Num(b.nTenWickets));
        rows.push_back(row);
    }
    WriteTableTitle(out, std::string(of) + " Bowling Averages - " + name);
    WriteTable(out,
               {"5<75 10<78", "Player:0 T<28 O<37 M<43 Runs<51 Wkts<57 Avge<64 Best<70 wI<75 wM<78",
                ":0 <28 <37 <43 <51 <57 <64 <68 :68 <75 <78"},
               rows);
    out.Blank();
}

// "[%.1f%]" of the Tests played, "[0%]" when none were.
std::string Share(int count, int played)
{
    if (played <= 0) return "[0%]";
    return Format("[%.1f%c]", count * 100.0 / played, '%');
}

// Label and value pairs, two to a line: labels from columns 4 and 42, values
// ending before 34 and 74.
void Pairs(ReportOut& out, const std::vector<std::pair<std::string, std::string>>& pairs)
{
    out.BlockStart(2);
    for (std::size_t k = 0; k < pairs.size(); ++k) {
        const bool right = k % 2 == 1;
        out.Put(pairs[k].first, right ? 42 : 4);
        out.PutRight(pairs[k].second, right ? 74 : 34);
        if (right || k + 1 == pairs.size()) out.WriteLine();
    }
    out.BlockEnd();
}

// Tests played and each result with its share; `labels` names the four results.
void Results(ReportOut& out, int played, int won, int lost, int drawn, int tied, const char* const (&labels)[4])
{
    out.BlockStart(2);
    const std::pair<const char*, int> lines[] = {
        {"Played", played}, {labels[0], won}, {labels[1], lost}, {labels[2], drawn}, {labels[3], tied}};
    for (const auto& [label, value] : lines) {
        out.Put(label, 24);
        out.PutRight(Num(value), 42);
        if (std::string(label) != "Played") out.Put(Share(value, played), 44);
        out.WriteLine();
    }
    out.BlockEnd();
}

std::string Rated(int rating, int before, bool shown)
{
    if (!shown) return "";
    const std::string change = RatingChange(rating, before);
    return Num(rating) + (change.empty() ? "" : " " + change);
}

}  // namespace

void WriteSeriesAverages(Game& g, ReportOut& out, int side) { WriteSquadAverages(g, out, AVERAGES_SERIES, side); }

void WriteAveragesReport(Game& g, ReportOut& out, const ReportParams& p)
{
    LineClear(out.text());
    if (p.averages == AveragesOf::Series) {
        for (int side = 0; side < 2; ++side)
            if (g.Series.nSquad[side] == p.squad) return WriteSquadAverages(g, out, AVERAGES_SERIES, side);
    }
    WriteSquadAverages(g, out, p.averages == AveragesOf::League ? AVERAGES_LEAGUE : AVERAGES_CAREER, p.squad);
}

void WriteSquadDetailsReport(Game& g, ReportOut& out, const ReportParams& p)
{
    if (p.squad < 0 || p.squad >= static_cast<int>(g.db.squads.size())) return;
    LineClear(out.text());
    const SQUAD& s = g.db.squads[p.squad];
    WriteTableTitle(out, "Squad Details - " + SquadText(g, p.squad));
    Results(out, s.nPlayed, s.nWon, s.nLost, s.nDrawn, s.nTied, {"Won", "Lost", "Drawn", "Tied"});
    out.Blank();
    WriteSquadAverages(g, out, AVERAGES_CAREER, p.squad);

    // Current ratings with their change in the series; a member with no Test
    // has none, batting needs a ball faced and bowling a ball bowled.
    TableRows rows;
    for (int m = 0; m < s.nMembers && m < MAX_SQUAD; ++m) {
        const int player = s.nPlayer[m];
        if (player < 0 || player >= static_cast<int>(g.db.players.size())) continue;
        const PLAYER& pl = g.db.players[player];
        const AVERAGE& a = pl.Career;
        const bool played = a.Bat.nTests > 0;
        rows.push_back({PlayerText(g, player), Rated(pl.nBatRating, pl.nBatHistory[0], played && a.Bat.nBalls > 0),
                        Rated(pl.nBowlRating, pl.nBowlHistory[0], played && a.Bowl.nBalls > 0),
                        Rated(pl.nFieldRating, pl.nFieldHistory[0], played)});
    }
    WriteTableTitle(out, "Current Ratings - " + SquadText(g, p.squad));
    WriteTable(out, {nullptr, "Player:0 Batting:35 Bowling:50 Fielding:65", nullptr}, rows);
}

void WritePlayerDetailsReport(Game& g, ReportOut& out, const ReportParams& p)
{
    if (p.player < 0 || p.player >= static_cast<int>(g.db.players.size())) return;
    LineClear(out.text());
    const PLAYER& pl = g.db.players[p.player];
    const AVERAGE& a = pl.Career;
    const bool played = a.Bat.nTests > 0;
    auto figure = [played](const std::string& text) { return played ? text : std::string(); };
    WriteTableTitle(out, "Player Details - " + DisplayName(pl));
    Pairs(out, {{"Tests", figure(Num(a.Bat.nTests))},
                {"Morale", MoraleText(pl.nMorale)},
                {"Batting Rating", figure(Num(pl.nBatRating))},
                {"Highest", figure(Num(pl.nBestBatRating))},
                {"Bowling Rating", figure(Num(pl.nBowlRating))},
                {"Highest", figure(Num(pl.nBestBowlRating))},
                {"Fielding Rating", figure(Num(pl.nFieldRating))},
                {"Highest", figure(Num(pl.nBestFieldRating))}});
    out.Blank();

    out.SubTitle(std::string(BattingStyle(pl.nStrikeRate)) + " " + BatTypeLong(pl.nBatType));
    const AVERAGE_BAT& b = a.Bat;
    Pairs(out, {{"Position", Num(pl.nBatPos)},
                {"Skill", Num(pl.nBatSkill)},
                {"Innings", figure(Num(b.nInnings))},
                {"Not Outs", figure(Num(b.nNotOuts))},
                {"Runs", figure(Num(b.nRuns))},
                {"Average", figure(BattingAverageText(b))},
                {"Highest", figure(HighScoreText(b))},
                {"100s", figure(Num(b.nHundreds))},
                {"50s", figure(Num(b.nFifties))},
                {"% 50+", figure(FiftiesPercentText(b))},
                {"Balls", figure(Num(b.nBalls))},
                {"S/R", figure(StrikeRateText(b))},
                {"4s", figure(Num(b.nFours))},
                {"6s", figure(Num(b.nSixes))},
                {"% 4/6s", figure(BoundaryPercentText(b))}});
    out.Blank();

    if (pl.nBowlSkill != 0 && pl.nBowlType != BOWL_NONE) {
        const std::string status = BowlStatusText(pl.nBowlStatus);
        out.SubTitle((status.empty() ? "" : status + " ") + BowlTypeLong(pl.nBowlType));
        const AVERAGE_BOWL& w = a.Bowl;
        const bool bowled = w.nBalls > 0;
        auto bowl = [bowled](const std::string& text) { return bowled ? text : std::string(); };
        const std::vector<std::string> best = BestCells(w.nBestWickets, w.nBestRuns);
        Pairs(out, {{"Skill", Num(ShownBowlingSkill(pl))},
                    {"Overs", bowl(OversText(w))},
                    {"Maidens", bowl(Num(w.nMaidens))},
                    {"Runs", bowl(Num(w.nRuns))},
                    {"Wickets", bowl(Num(w.nWickets))},
                    {"Average", bowl(BowlingAverageText(w))},
                    {"Best", bowl(best[0] + best[1])},
                    {"5 wI", bowl(Num(w.nFiveWickets))},
                    {"10 wM", bowl(Num(w.nTenWickets))},
                    {"S/R", bowl(BowlingStrikeRateText(w))},
                    {"E/R", bowl(EconomyText(w))}});
        out.Blank();
    }

    out.SubTitle(FieldTypeLong(pl.nFieldType));
    Pairs(out, {{"Skill", Num(ShownFieldingSkill(pl))},
                {"Caught", figure(Num(Catches(a.Field)))},
                {"Stumped", figure(Num(a.Field.nStumpings))}});
    out.Blank();
    out.SubTitle("Performance Points");
    Pairs(out, {{"Total", figure(Num(a.Points.nPoints))},
                {"Average", figure(a.Points.nMatches > 0 ? Fixed2(a.Points.fAverage) : "")},
                {"Best", figure(a.Points.nMatches > 0 ? Num(a.Points.nBest) : "")}});
}

void WriteGroundDetailsReport(Game& g, ReportOut& out, const ReportParams& p)
{
    if (p.ground < 0 || p.ground >= static_cast<int>(g.db.grounds.size())) return;
    LineClear(out.text());
    const GROUND& gr = g.db.grounds[p.ground];
    WriteTableTitle(out, "Ground Details - " + GroundText(g, p.ground));
    Results(out, gr.nPlayed, gr.nHomeWins, gr.nHomeLosses, gr.nDraws, gr.nTies,
            {"Home Wins", "Home Loses", "Draws", "Ties"});
}

namespace {

bool LeagueRunning(const Game& g)
{
    return g.League.nTests >= 1 && g.League.nTests <= MAX_TESTS && g.League.nSquads >= 2 &&
           g.League.nSquads <= MAX_LEAGUE_TEAMS;
}

std::string LeagueTitle(const Game& g, const char* what)
{
    const char* t = g.League.szTitle;
    const std::string title(t, strnlen(t, sizeof g.League.szTitle));
    return title.empty() || !LeagueRunning(g) ? what : std::string(what) + " - " + title;
}

}  // namespace

void WriteLeagueTableReport(Game& g, ReportOut& out, const ReportParams&)
{
    LineClear(out.text());
    TableRows rows;
    if (LeagueRunning(g)) {
        std::vector<int> teams;
        for (int k = 0; k < g.League.nSquads; ++k) teams.push_back(k);
        std::stable_sort(teams.begin(), teams.end(),
                         [&](int a, int b) { return g.League.Points[a].nPoints > g.League.Points[b].nPoints; });
        for (int k : teams) {
            const LEAGUEPTS& t = g.League.Points[k];
            rows.push_back({SquadText(g, g.League.nSquad[k]), Num(t.nPlayed), Num(t.nHomeWins + t.nAwayWins),
                            Num(t.nHomeDraws + t.nAwayDraws), Num(t.nHomeTies + t.nAwayTies),
                            Num(t.nHomeLosses + t.nAwayLosses), Num(t.nHomeBatPoints + t.nAwayBatPoints),
                            Num(t.nHomeBowlPoints + t.nAwayBowlPoints), Num(t.nPoints)});
        }
    }
    WriteTableTitle(out, LeagueTitle(g, "League Table"));
    WriteTable(out, {nullptr, "Team:8 P<36 W<40 D<44 T<48 L<52 Bat<58 Bowl<64 Pts<70", nullptr}, rows);
}

void WriteLeagueResultsReport(Game& g, ReportOut& out, const ReportParams&)
{
    LineClear(out.text());
    TableRows rows;
    if (LeagueRunning(g)) {
        for (int h = 0; h < g.League.nSquads; ++h)
            for (int a = 0; a < g.League.nSquads; ++a) {
                const LEAGUE_RESULT& r = g.League.Result[h][a];
                if (h == a || r.nPlayed == 0) continue;
                rows.push_back({SquadText(g, g.League.nSquad[h]), SquadText(g, g.League.nSquad[a]), Num(r.nPlayed),
                                Num(r.nHomeWins), Num(r.nAwayWins),
                                Num(r.nPlayed - r.nHomeWins - r.nAwayWins)});
            }
    }
    WriteTableTitle(out, LeagueTitle(g, "League Results"));
    WriteTable(out, {nullptr, "Home:6 Away:30 P<58 Home<64 Away<70 Drawn<77", nullptr}, rows);
}

}  // namespace ovs
