// Recording a finished Test step by step, and the orders of the views' tables
// (career, rate and squad averages) computed when a view opens.
#include "data/statistics.h"

#include <algorithm>

#include "core/game.h"
#include "core/replay.h"
#include "data/texts.h"

namespace ovs {

void RecordFinishedTest(Game& g)
{
    if (!g.pTest || Replaying(g)) return;
    const TEST& test = *g.pTest;

    CountMatches(g, test);
    TestWickets wickets;
    for (const INNINGS& in : test.Innings) {
        if (in.nStatus == INNINGS_NOTSTARTED || in.nBatSide < 0 || in.nBatSide > 1) continue;
        AccumulateInnings(g, test, in, wickets);
    }
    CountTenWicketMatches(g, test, wickets);
    FinishAverages(g, test);
    UpdatePointsMoraleAndRatings(g, test);
    UpdateTestRecords(g, test);
}

// ---- Orders of the views ----------------------------------------------------

namespace {

// Passes over adjacent pairs, as many as there are entries, each exchanging a
// pair whenever `exchange(current, next)` holds.
template <typename Exchange>
void PassSort(std::vector<int>& order, Exchange exchange)
{
    const std::size_t n = order.size();
    for (std::size_t pass = 0; pass < n; ++pass)
        for (std::size_t j = 0; j + 1 < n; ++j)
            if (exchange(order[j], order[j + 1])) std::swap(order[j], order[j + 1]);
}

// Keep the rows from the top down to the first that stops the table, at most
// the number of records.
template <typename Stop>
std::vector<int> Rows(const Game& g, const std::vector<int>& order, Stop stop)
{
    std::vector<int> rows;
    for (int p : order) {
        if (static_cast<int>(rows.size()) >= g.db.NumRecords() || stop(p)) break;
        rows.push_back(p);
    }
    return rows;
}

const AVERAGE& CareerOf(const Game& g, int p) { return g.db.players[p].Career; }

std::vector<int> NamedPlayers(const Game& g)
{
    std::vector<int> order;
    const int count = std::min<int>(g.db.NumPlayers(), static_cast<int>(g.db.players.size()));
    for (int p = 0; p < count; ++p)
        if (g.db.players[p].szSurname[0] != '\0') order.push_back(p);
    return order;
}

// Order by `exchange` after the common first rule (no matches before matches),
// then cut at `stop`. `matches` gives a player's matches in the discipline.
template <typename Matches, typename Exchange, typename Stop>
std::vector<int> Career(const Game& g, Matches matches, Exchange exchange, Stop stop)
{
    std::vector<int> order = NamedPlayers(g);
    PassSort(order, [&](int c, int n) {
        const AVERAGE& a = CareerOf(g, c);
        const AVERAGE& b = CareerOf(g, n);
        return (matches(a) == 0 && matches(b) != 0) || exchange(a, b, g.db.players[c], g.db.players[n]);
    });
    return Rows(g, order, [&](int p) { return stop(CareerOf(g, p), g.db.players[p]); });
}

int Tests(const AVERAGE& a) { return a.Bat.nTests; }
int BowlMatches(const AVERAGE& a) { return a.Bowl.nMatches; }
int FieldMatches(const AVERAGE& a) { return a.Field.nMatches; }
int PointsMatches(const AVERAGE& a) { return a.Points.nMatches; }
int Dismissals(const AVERAGE& a) { return a.Field.nKeeperCatches + a.Field.nStumpings; }

}  // namespace

std::vector<int> CareerTableOrder(const Game& g, CareerTable table)
{
    using A = const AVERAGE&;
    using P = const PLAYER&;
    switch (table) {
    case CareerTable::RunsTests:
        return Career(
            g, Tests,
            [](A c, A n, P, P) {
                if (n.Bat.nRuns != c.Bat.nRuns) return n.Bat.nRuns > c.Bat.nRuns;
                if (n.Bat.nTests != c.Bat.nTests) return n.Bat.nTests < c.Bat.nTests;
                // Quirk kept: at equal runs and Tests the lower average goes first.
                return !(n.Bat.fAverage > c.Bat.fAverage);
            },
            [](A a, P) { return a.Bat.nTests == 0; });
    case CareerTable::BattingAverage:
        return Career(
            g, Tests,
            [](A c, A n, P, P) {
                if (n.Bat.fAverage != c.Bat.fAverage) return n.Bat.fAverage > c.Bat.fAverage;
                if (n.Bat.nRuns != c.Bat.nRuns) return n.Bat.nRuns > c.Bat.nRuns;
                return n.Bat.nTests < c.Bat.nTests;
            },
            [](A a, P) { return a.Bat.nTests == 0 || a.Bat.fAverage < 0.0f; });
    case CareerTable::Hundreds:
        return Career(
            g, Tests,
            [](A c, A n, P, P) {
                if (n.Bat.nHundreds != c.Bat.nHundreds) return n.Bat.nHundreds > c.Bat.nHundreds;
                return n.Bat.nTests < c.Bat.nTests;
            },
            [](A a, P) { return a.Bat.nTests == 0 || a.Bat.nHundreds == 0; });
    case CareerTable::Wickets:
        return Career(
            g, BowlMatches,
            [](A c, A n, P, P) {
                if (n.Bowl.nWickets != c.Bowl.nWickets) return n.Bowl.nWickets > c.Bowl.nWickets;
                if (n.Bowl.nMatches != c.Bowl.nMatches) return n.Bowl.nMatches < c.Bowl.nMatches;
                return n.Bowl.fAverage < c.Bowl.fAverage;
            },
            [](A a, P) { return a.Bowl.nMatches == 0 || a.Bowl.nWickets == 0; });
    case CareerTable::BowlingAverage:
        return Career(
            g, BowlMatches,
            [](A c, A n, P, P) {
                if (n.Bowl.fAverage != c.Bowl.fAverage) return n.Bowl.fAverage < c.Bowl.fAverage;
                if (n.Bowl.nWickets != c.Bowl.nWickets) return n.Bowl.nWickets > c.Bowl.nWickets;
                return n.Bowl.nMatches < c.Bowl.nMatches;
            },
            [](A a, P) { return a.Bowl.nMatches == 0 || a.Bowl.nWickets == 0; });
    case CareerTable::FielderTests:
        return Career(
            g, FieldMatches,
            [](A c, A n, P, P) {
                if (Catches(n.Field) != Catches(c.Field)) return Catches(n.Field) > Catches(c.Field);
                return n.Field.nMatches < c.Field.nMatches;
            },
            [](A a, P) { return Catches(a.Field) == 0; });
    case CareerTable::KeeperTests:
        return Career(
            g, FieldMatches,
            [](A c, A n, P, P) {
                if (Dismissals(n) != Dismissals(c)) return Dismissals(n) > Dismissals(c);
                return n.Field.nMatches < c.Field.nMatches;
            },
            [](A a, P) { return Dismissals(a) == 0; });
    case CareerTable::PointsTests:
        return Career(
            g, PointsMatches,
            [](A c, A n, P, P) {
                if (n.Points.nPoints != c.Points.nPoints) return n.Points.nPoints > c.Points.nPoints;
                if (n.Points.nMatches != c.Points.nMatches) return n.Points.nMatches < c.Points.nMatches;
                return !(n.Points.fAverage > c.Points.fAverage);
            },
            [](A a, P) { return a.Points.nMatches == 0; });
    case CareerTable::RatingAverage:
        return Career(
            g, PointsMatches,
            [](A c, A n, P, P) {
                if (n.Points.fAverage != c.Points.fAverage) return n.Points.fAverage > c.Points.fAverage;
                if (n.Points.nPoints != c.Points.nPoints) return n.Points.nPoints > c.Points.nPoints;
                return n.Points.nMatches < c.Points.nMatches;
            },
            [](A a, P) { return a.Points.nMatches == 0; });
    case CareerTable::BattingRating:
    case CareerTable::HighestBattingRating: {
        const bool best = table == CareerTable::HighestBattingRating;
        return Career(
            g, Tests,
            [best](A c, A n, P pc, P pn) {
                int rc = best ? pc.nBestBatRating : pc.nBatRating;
                int rn = best ? pn.nBestBatRating : pn.nBatRating;
                return rn > rc || (rn == rc && n.Bat.nTests > c.Bat.nTests);
            },
            [](A a, P) { return a.Bat.nBalls == 0; });
    }
    case CareerTable::BowlingRating:
    case CareerTable::HighestBowlingRating: {
        const bool best = table == CareerTable::HighestBowlingRating;
        return Career(
            g, BowlMatches,
            [best](A c, A n, P pc, P pn) {
                int rc = best ? pc.nBestBowlRating : pc.nBowlRating;
                int rn = best ? pn.nBestBowlRating : pn.nBowlRating;
                return rn > rc || (rn == rc && n.Bowl.nMatches > c.Bowl.nMatches);
            },
            [](A a, P) { return a.Bowl.nBalls == 0; });
    }
    case CareerTable::FieldingRating:
    case CareerTable::HighestFieldingRating: {
        const bool best = table == CareerTable::HighestFieldingRating;
        return Career(
            g, FieldMatches,
            [best](A c, A n, P pc, P pn) {
                int rc = best ? pc.nBestFieldRating : pc.nFieldRating;
                int rn = best ? pn.nBestFieldRating : pn.nFieldRating;
                return rn > rc || (rn == rc && n.Field.nMatches > c.Field.nMatches);
            },
            [](A a, P) { return a.Points.nMatches == 0; });
    }
    }
    return {};
}

std::vector<RateRow> RateTableRows(const Game& g, RateTable table)
{
    constexpr float kNone = 99999.0f;
    const int count = std::min<int>(g.db.NumPlayers(), static_cast<int>(g.db.players.size()));
    std::vector<float> value(count, 0.0f);
    for (int p = 0; p < count; ++p) {
        const AVERAGE& a = CareerOf(g, p);
        switch (table) {
        case RateTable::BattingSR:
            value[p] = a.Bat.nBalls == 0 ? 0.0f : static_cast<float>(a.Bat.nRuns) * 100.0f / static_cast<float>(a.Bat.nBalls);
            break;
        case RateTable::Percent50:
            value[p] = a.Bat.nInnings == 0 ? 0.0f
                                           : static_cast<float>((a.Bat.nHundreds + a.Bat.nFifties) * 100) /
                                                 static_cast<float>(a.Bat.nInnings);
            break;
        case RateTable::BowlingSR:
            value[p] = a.Bowl.nWickets == 0 ? kNone : static_cast<float>(a.Bowl.nBalls) / static_cast<float>(a.Bowl.nWickets);
            break;
        case RateTable::Economy:
            value[p] = a.Bowl.nBalls == 0 ? kNone : static_cast<float>(a.Bowl.nRuns) * 6.0f / static_cast<float>(a.Bowl.nBalls);
            break;
        }
    }
    const bool higherFirst = table == RateTable::BattingSR || table == RateTable::Percent50;
    std::vector<int> order(count);
    for (int p = 0; p < count; ++p) order[p] = p;
    // Equal values stay as the passes leave them.
    PassSort(order, [&](int c, int n) { return higherFirst ? value[n] > value[c] : value[n] < value[c]; });
    std::vector<int> rows = Rows(g, order, [&](int p) {
        switch (table) {
        case RateTable::BattingSR: return CareerOf(g, p).Bat.nTests == 0;
        case RateTable::Percent50: return value[p] == 0.0f;
        default: return value[p] == kNone;
        }
    });
    std::vector<RateRow> out;
    for (int p : rows) out.push_back({p, value[p]});
    return out;
}

const AVERAGE* SquadMemberAverage(const Game& g, int mode, int teamOrSquad, int member)
{
    if (member < 0 || member >= MAX_SQUAD) return nullptr;
    if (mode == AVERAGES_SERIES) {
        if (teamOrSquad < 0 || teamOrSquad > 1) return nullptr;
        return &g.Series.Average[member][teamOrSquad];
    }
    if (teamOrSquad < 0 || teamOrSquad >= static_cast<int>(g.db.squads.size())) return nullptr;
    const SQUAD& squad = g.db.squads[teamOrSquad];
    if (mode == AVERAGES_LEAGUE) {
        int k = squad.nLeaguePos;
        if (k < 0 || k >= MAX_LEAGUE_TEAMS || g.db.leagueSeries.size() != LEAGUE_SERIES) return nullptr;
        return &g.db.leagueSeries[k * 10 + k].Average[member][0];
    }
    int player = squad.nPlayer[member];
    if (player < 0 || player >= static_cast<int>(g.db.players.size())) return nullptr;
    return &g.db.players[player].Career;
}

std::vector<int> SquadAveragesOrder(const Game& g, SquadAverages kind, int mode, int teamOrSquad)
{
    int members = 0;
    if (mode == AVERAGES_SERIES) {
        if (teamOrSquad < 0 || teamOrSquad > 1) return {};
        members = g.Series.Squad[teamOrSquad].nMembers;
        const int squad = g.Series.nSquad[teamOrSquad];
        if (members <= 0 && squad >= 0 && squad < static_cast<int>(g.db.squads.size()))
            members = g.db.squads[squad].nMembers;
    } else {
        if (teamOrSquad < 0 || teamOrSquad >= static_cast<int>(g.db.squads.size())) return {};
        members = g.db.squads[teamOrSquad].nMembers;
    }
    std::vector<int> order;
    for (int m = 0; m < std::min(members, MAX_SQUAD); ++m)
        if (SquadMemberAverage(g, mode, teamOrSquad, m)) order.push_back(m);
    // Equal pairs are exchanged too, as the view always did.
    PassSort(order, [&](int c, int n) {
        const AVERAGE& a = *SquadMemberAverage(g, mode, teamOrSquad, c);
        const AVERAGE& b = *SquadMemberAverage(g, mode, teamOrSquad, n);
        switch (kind) {
        case SquadAverages::Batting: return b.Bat.fAverage >= a.Bat.fAverage;
        case SquadAverages::Bowling: return b.Bowl.fAverage <= a.Bowl.fAverage;
        case SquadAverages::Points: return b.Points.fAverage >= a.Points.fAverage;
        }
        return false;
    });
    return order;
}

}  // namespace ovs
