// The career tables (the order of every named player's career figures, cut
// at each table's stop rule and the number of records) and the four rate
// tables, as views.
#include "core/game.h"
#include "data/statistics.h"
#include "data/texts.h"
#include "report/view_tables_internal.h"

namespace ovs::view {

namespace {

constexpr int kName = 24;

struct CareerName {
    const char* name;
    CareerTable table;
};

const CareerName kCareers[] = {
    {"most-runs", CareerTable::RunsTests},
    {"highest-average", CareerTable::BattingAverage},
    {"most-hundreds", CareerTable::Hundreds},
    {"most-wickets", CareerTable::Wickets},
    {"best-bowling-average", CareerTable::BowlingAverage},
    {"most-catches", CareerTable::FielderTests},
    {"most-dismissals", CareerTable::KeeperTests},
    {"most-points", CareerTable::PointsTests},
    {"best-points-average", CareerTable::RatingAverage},
    {"highest-rated-batsman", CareerTable::BattingRating},
    {"highest-ever-rated-batsman", CareerTable::HighestBattingRating},
    {"highest-rated-bowlers", CareerTable::BowlingRating},
    {"highest-ever-rated-bowlers", CareerTable::HighestBowlingRating},
    {"highest-rated-fielders", CareerTable::FieldingRating},
    {"highest-ever-rated-fielders", CareerTable::HighestFieldingRating},
};

struct RateName {
    const char* name;
    RateTable table;
};

const RateName kRates[] = {
    {"scoring-rate", RateTable::BattingSR},
    {"innings-of-50", RateTable::Percent50},
    {"bowling-strike-rate", RateTable::BowlingSR},
    {"bowling-economy-rate", RateTable::Economy},
};

// The columns of a career table, and one player's row in them.
void CareerColumns(ViewTable& t, CareerTable table)
{
    switch (table) {
    case CareerTable::RunsTests:
        Layout(t, {{"Runs", 6}, {"Player", kName, L}, {"M", 3}, {"I", 3}, {"NO", 3}, {"Avge", 7}, {"HS", 4},
                   {"100", 3}, {"50", 3}});
        return;
    case CareerTable::BattingAverage:
        Layout(t, {{"Avge", 7}, {"Player", kName, L}, {"T", 3}, {"I", 3}, {"NO", 3}, {"Runs", 6}, {"HS", 4},
                   {"100", 3}, {"50", 3}}, 74);
        return;
    case CareerTable::Hundreds: Layout(t, {{"100s", 4}, {"Player", kName, L}, {"T", 3}}); return;
    case CareerTable::Wickets:
        Layout(t, {{"Wkts", 4}, {"Player", kName, L}, {"T", 3}, {"O", 7}, {"M", 4}, {"Runs", 6}, {"Avge", 7},
                   {"Best", 5}, {"wI", 2, false, "5"}, {"wM", 2, false, "10"}});
        return;
    case CareerTable::BowlingAverage:
        Layout(t, {{"Avge", 7}, {"Player", kName, L}, {"T", 3}, {"O", 7}, {"M", 4}, {"Runs", 6}, {"Wkts", 4},
                   {"Best", 5}, {"wI", 2, false, "5"}, {"wM", 2, false, "10"}});
        return;
    case CareerTable::FielderTests: Layout(t, {{"Ct", 4}, {"Player", kName, L}, {"T", 3}}); return;
    case CareerTable::KeeperTests:
        Layout(t, {{"Total", 5}, {"Player", kName, L}, {"M", 3}, {"Ct", 4}, {"St", 4}});
        return;
    case CareerTable::PointsTests:
        Layout(t, {{"Pts", 7}, {"Player", kName, L}, {"T", 3}, {"Ave", 8}, {"Best", 5}});
        return;
    case CareerTable::RatingAverage:
        Layout(t, {{"Ave", 8}, {"Player", kName, L}, {"T", 3}, {"Pts", 7}, {"Best", 5}});
        return;
    case CareerTable::BattingRating:
    case CareerTable::BowlingRating:
    case CareerTable::FieldingRating: Layout(t, {{"Rating", 6}, {"Player", kName, L}, {"", 7, L}}); return;
    case CareerTable::HighestBattingRating:
    case CareerTable::HighestBowlingRating:
    case CareerTable::HighestFieldingRating: Layout(t, {{"Rating", 6}, {"Player", kName, L}}); return;
    }
}

std::vector<std::string> CareerRow(const Game& g, CareerTable table, int p)
{
    const PLAYER& pl = g.db.players[p];
    const AVERAGE& a = pl.Career;
    const std::string name = PlayerName(g, p);
    const AVERAGE_BAT& b = a.Bat;
    const AVERAGE_BOWL& w = a.Bowl;
    switch (table) {
    case CareerTable::RunsTests:
        return {Num(b.nRuns), name, Num(b.nTests), Num(b.nInnings), Num(b.nNotOuts), BattingAverageText(b),
                HighScore(b), Num(b.nHundreds), Num(b.nFifties)};
    case CareerTable::BattingAverage:
        return {BattingAverageText(b), name, Num(b.nTests), Num(b.nInnings), Num(b.nNotOuts), Num(b.nRuns),
                HighScore(b), Num(b.nHundreds), Num(b.nFifties)};
    case CareerTable::Hundreds: return {Num(b.nHundreds), name, Num(b.nTests)};
    case CareerTable::Wickets:
        return {Num(w.nWickets), name, Num(w.nMatches), OversText(w), Num(w.nMaidens), Num(w.nRuns),
                BowlingAverageText(w), BestBowling(w), Num(w.nFiveWickets), Num(w.nTenWickets)};
    case CareerTable::BowlingAverage:
        return {BowlingAverageText(w), name, Num(w.nMatches), OversText(w), Num(w.nMaidens), Num(w.nRuns),
                Num(w.nWickets), BestBowling(w), Num(w.nFiveWickets), Num(w.nTenWickets)};
    case CareerTable::FielderTests: return {Num(Catches(a.Field)), name, Num(a.Field.nMatches)};
    case CareerTable::KeeperTests:
        return {Num(a.Field.nKeeperCatches + a.Field.nStumpings), name, Num(a.Field.nMatches),
                Num(a.Field.nKeeperCatches), Num(a.Field.nStumpings)};
    case CareerTable::PointsTests:
        return {Num(a.Points.nPoints), name, Num(a.Points.nMatches), Fixed2(a.Points.fAverage), Num(a.Points.nBest)};
    case CareerTable::RatingAverage:
        return {Fixed2(a.Points.fAverage), name, Num(a.Points.nMatches), Num(a.Points.nPoints), Num(a.Points.nBest)};
    case CareerTable::BattingRating:
        return {Num(pl.nBatRating), name, Change(pl.nBatRating - pl.nBatHistory[0])};
    case CareerTable::BowlingRating:
        return {Num(pl.nBowlRating), name, Change(pl.nBowlRating - pl.nBowlHistory[0])};
    case CareerTable::FieldingRating:
        return {Num(pl.nFieldRating), name, Change(pl.nFieldRating - pl.nFieldHistory[0])};
    case CareerTable::HighestBattingRating: return {Num(pl.nBestBatRating), name};
    case CareerTable::HighestBowlingRating: return {Num(pl.nBestBowlRating), name};
    case CareerTable::HighestFieldingRating: return {Num(pl.nBestFieldRating), name};
    }
    return {};
}

void RateColumns(ViewTable& t, RateTable table)
{
    switch (table) {
    case RateTable::BattingSR: Layout(t, {{"S/R", 7}, {"Player", kName, L}, {"Runs", 6}}); return;
    case RateTable::Percent50:
        Layout(t, {{"%", 6}, {"Player", kName, L}, {"I", 3}, {"100s", 4}, {"50s", 4}});
        return;
    case RateTable::BowlingSR: Layout(t, {{"S/R", 7}, {"Player", kName, L}, {"Wkts", 4}}); return;
    case RateTable::Economy: Layout(t, {{"E/R", 6}, {"Player", kName, L}, {"O", 7}, {"R", 6}}); return;
    }
}

std::vector<std::string> RateRowTexts(const Game& g, RateTable table, const RateRow& r)
{
    const AVERAGE& a = g.db.players[r.player].Career;
    const std::string value = Fixed2(r.value);
    const std::string name = PlayerName(g, r.player);
    switch (table) {
    case RateTable::BattingSR: return {value, name, Num(a.Bat.nRuns)};
    case RateTable::Percent50: return {value, name, Num(a.Bat.nInnings), Num(a.Bat.nHundreds), Num(a.Bat.nFifties)};
    case RateTable::BowlingSR: return {value, name, Num(a.Bowl.nWickets)};
    case RateTable::Economy: return {value, name, OversText(a.Bowl), Num(a.Bowl.nRuns)};
    }
    return {};
}

}  // namespace

bool BuildCareerTable(const Game& g, std::string_view name, ViewTable& t)
{
    for (const CareerName& c : kCareers) {
        if (name != c.name) continue;
        CareerColumns(t, c.table);
        for (int p : CareerTableOrder(g, c.table)) t.rows.push_back(CareerRow(g, c.table, p));
        return true;
    }
    for (const RateName& r : kRates) {
        if (name != r.name) continue;
        RateColumns(t, r.table);
        for (const RateRow& row : RateTableRows(g, r.table)) t.rows.push_back(RateRowTexts(g, r.table, row));
        return true;
    }
    return false;
}

}  // namespace ovs::view
