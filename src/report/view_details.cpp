// The player, squad and ground details as forms: labels and their figures in
// three pairs of columns (batting, bowling, fielding and points side by side
// in the player's form).
#include <algorithm>
#include <cstdio>

#include "core/game.h"
#include "data/texts.h"
#include "report/view_tables_internal.h"

namespace ovs::view {

namespace {

// Three label/value pairs across: labels from the left of their third,
// values right-aligned at its end.
void FormColumns(ViewTable& t)
{
    t.headings = false;
    Layout(t, {{"", 16, L}, {"", 8}, {"", 14, L}, {"", 8}, {"", 18, L}, {"", 8}});
}

// "[50.0%]" of `n` in `played`, "[0%]" when none were played.
std::string Share(int n, int played)
{
    if (played <= 0) return "[0%]";
    char buf[32];
    std::snprintf(buf, sizeof buf, "[%.1f%c]", n * 100.0 / played, '%');
    return buf;
}

// The results of a squad or ground: one row each, figure then its share.
void Results(ViewTable& t, const char* const (&labels)[5], const int (&values)[5])
{
    t.headings = false;
    Layout(t, {{"", 12, L}, {"", 5}, {"", 8, L}});
    t.rows.emplace_back(3);
    t.rows.push_back({"Played", Num(values[0]), ""});
    for (int k = 1; k < 5; ++k) t.rows.push_back({labels[k], Num(values[k]), Share(values[k], values[0])});
}

std::string Text(const std::string& s, bool shown) { return shown ? s : ""; }

void PlayerForm(const Game& g, ViewTable& t, int index)
{
    FormColumns(t);
    const PLAYER& p = g.db.players[index];
    const AVERAGE& a = p.Career;
    const AVERAGE_BAT& b = a.Bat;
    const AVERAGE_BOWL& w = a.Bowl;
    const bool played = b.nTests > 0;
    const bool bowls = p.nBowlSkill != 0 && p.nBowlType != -1;
    const bool bowled = played && w.nBalls > 0;
    auto n = [&](long v, bool shown) { return shown ? Num(v) : std::string(); };
    auto add = [&](std::vector<std::string> row) {
        row.resize(6);
        t.rows.push_back(std::move(row));
    };
    add({DisplayName(p)});
    add({});
    add({"Tests", Num(b.nTests), "Morale", MoraleText(p.nMorale)});
    add({"Batting Rating", n(p.nBatRating, played), "Highest", n(p.nBestBatRating, played)});
    add({"Bowling Rating", n(p.nBowlRating, played), "Highest", n(p.nBestBowlRating, played)});
    add({"Fielding Rating", n(p.nFieldRating, played), "Highest", n(p.nBestFieldRating, played)});
    add({});
    add({std::string(BattingStyle(p.nStrikeRate)) + " " + BatTypeLong(p.nBatType)});
    add({bowls ? std::string(BowlStatusText(p.nBowlStatus)) + " " + BowlTypeLong(p.nBowlType) : ""});
    add({FieldTypeLong(p.nFieldType)});
    add({});

    const std::string highest = played ? HighScore(b) : "";
    const int catches = Catches(a.Field);
    const std::vector<std::vector<std::string>> batting = {
        {"Position", Num(p.nBatPos)},
        {"Skill", Num(p.nBatSkill)},
        {"Innings", n(b.nInnings, played)},
        {"Not Outs", n(b.nNotOuts, played)},
        {"Runs", n(b.nRuns, played)},
        {"Average", Text(BattingAverageText(b), played)},
        {"Highest", highest},
        {"100s", n(b.nHundreds, played)},
        {"50s", n(b.nFifties, played)},
        {"% 50+", Text(FiftiesPercentText(b), played)},
        {"Balls", n(b.nBalls, played)},
        {"S/R", Text(StrikeRateText(b), played)},
        {"4s", n(b.nFours, played)},
        {"6s", n(b.nSixes, played)},
        {"% 4/6s", Text(BoundaryPercentText(b), played)},
    };
    const std::vector<std::vector<std::string>> bowling = {
        {"Skill", bowls ? Num(ShownBowlingSkill(p)) : ""},
        {"Overs", Text(OversText(w), bowled)},
        {"Maidens", n(w.nMaidens, bowled)},
        {"Runs", n(w.nRuns, bowled)},
        {"Wickets", n(w.nWickets, bowled)},
        {"Average", Text(BowlingAverageText(w), bowled)},
        {"Best", Text(BestBowling(w), bowled)},
        {"5 wI", n(w.nFiveWickets, bowled)},
        {"10 wM", n(w.nTenWickets, bowled)},
        {"S/R", Text(BowlingStrikeRateText(w), bowled)},
        {"E/R", Text(EconomyText(w), bowled)},
    };
    const bool points = played && a.Points.nMatches > 0;
    const std::vector<std::vector<std::string>> fielding = {
        {"Skill", Num(ShownFieldingSkill(p))},
        {"Caught", n(catches, played)},
        {"Stumped", n(a.Field.nStumpings, played)},
        {},
        {"Performance Points", ""},
        {"Total", n(a.Points.nPoints, points)},
        {"Average", Text(Fixed2(a.Points.fAverage), points)},
        {"Best", n(a.Points.nBest, points)},
    };
    for (std::size_t r = 0; r < batting.size(); ++r) {
        std::vector<std::string> row = batting[r];
        row.resize(2);
        for (const auto* part : {&bowling, &fielding}) {
            std::vector<std::string> cell = r < part->size() ? (*part)[r] : std::vector<std::string>{};
            cell.resize(2);
            row.insert(row.end(), cell.begin(), cell.end());
        }
        t.rows.push_back(std::move(row));
    }
}

}  // namespace

bool BuildDetailView(const Game& g, std::string_view name, int arg, ViewTable& t)
{
    if (name == "player-details") {
        PlayerForm(g, t, arg);
    } else if (name == "squad-details") {
        const SQUAD& s = g.db.squads[arg];
        t.rows.push_back({Field(s.szName), "", ""});
        static const char* const kLabels[5] = {"Played", "Won", "Lost", "Drawn", "Tied"};
        Results(t, kLabels, {s.nPlayed, s.nWon, s.nLost, s.nDrawn, s.nTied});
    } else if (name == "ground-details") {
        const GROUND& gr = g.db.grounds[arg];
        t.rows.push_back({Field(gr.szName), "", ""});
        static const char* const kLabels[5] = {"Played", "Home Wins", "Home Loses", "Draws", "Ties"};
        Results(t, kLabels, {gr.nPlayed, gr.nHomeWins, gr.nHomeLosses, gr.nDraws, gr.nTies});
    } else {
        return false;
    }
    return true;
}

}  // namespace ovs::view
