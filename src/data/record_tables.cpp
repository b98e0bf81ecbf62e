// The all-time record tables: offering a Test's (or a series') figures to them.
//
// Every table runs across the ranks of the Records store and is kept in order
// by insertion alone. A candidate takes the highest rank from which every
// entry down to the last is empty or not better than it, so an older equal
// entry ends up below the newcomer; the last entry drops out.
#include "data/statistics.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/format.h"
#include "core/game.h"
#include "core/replay.h"

namespace ovs {

namespace {

// A rank is empty when its first value field is -1.
bool IsEmpty(const RECORD_TEAMHIGH& e) { return e.nRuns == -1; }
bool IsEmpty(const RECORD_TEAMLOW& e) { return e.nRuns == -1; }
bool IsEmpty(const RECORD_PARTNERSHIP& e) { return e.nBatA == -1; }
template <typename E> bool IsEmpty(const E& e) { return e.nPlayer == -1; }

template <typename E, typename At, typename Better>
void Offer(Game& g, At at, const E& candidate, Better better)
{
    std::vector<RECORDS>& ranks = g.db.records;
    const int count = std::min<int>(g.db.NumRecords(), static_cast<int>(ranks.size()));
    int place = -1;
    for (int r = count - 1; r >= 0; --r) {
        const E& e = at(ranks[r]);
        if (!IsEmpty(e) && better(e, candidate)) break;
        place = r;
    }
    if (place < 0) return;
    for (int r = count - 1; r > place; --r) at(ranks[r]) = at(ranks[r - 1]);
    at(ranks[place]) = candidate;
}

// Shorthand for a table that is one member of RECORDS.
template <typename E>
auto Table(E RECORDS::*member)
{
    return [member](RECORDS& r) -> E& { return r.*member; };
}

// A slot bowled in an innings when it delivered anything, legal or not.
// A value for a 16-bit field of an entry.
std::int16_t S(int v) { return static_cast<std::int16_t>(v); }

bool Bowled(const BOWL& b) { return b.nBalls > 0 || b.nNoBalls > 0 || b.nWides > 0; }

bool Played(const INNINGS& in)
{
    return in.nStatus != INNINGS_NOTSTARTED && in.nBatSide >= 0 && in.nBatSide <= 1 && in.nBowlSide >= 0 &&
           in.nBowlSide <= 1;
}

// Who played in each slot of each side and where each side played, looked up
// once for a Test: every innings offers the same slots and places many times.
struct TestSides {
    int player[2][MAX_ELEVEN];
    RECORD_WHERE where[2];
};

int PlayerOf(const TestSides& sides, int side, int slot)
{
    if (slot < 0 || slot >= MAX_ELEVEN) return -1;
    return sides.player[side][slot];
}

// The batting position a slot went in at (late when it never did).
int WentInAt(const INNINGS& in, int slot)
{
    for (int k = 0; k < MAX_ELEVEN; ++k)
        if (in.nOrder[k] == slot) return k;
    return MAX_ELEVEN + slot;
}

// Where a record of `side` in the Test was set.
RECORD_WHERE TestWhere(const Game& g, const TEST& test, int side)
{
    RECORD_WHERE w;
    FillWhere(w, g, g.Series.nSquad[side], g.Series.nSquad[1 - side], test.nGround, nullptr);
    return w;
}

TestSides LookUpSides(Game& g, const TEST& test)
{
    TestSides sides;
    for (int side = 0; side < 2; ++side) {
        for (int slot = 0; slot < MAX_ELEVEN; ++slot) sides.player[side][slot] = FiguresOf(g, test, side, slot).playerIndex;
        sides.where[side] = TestWhere(g, test, side);
    }
    return sides;
}

void OfferInnings(Game& g, const TestSides& sides, const INNINGS& in)
{
    const int bat = in.nBatSide;
    const int bowl = in.nBowlSide;
    const RECORD_WHERE& batWhere = sides.where[bat];
    const RECORD_WHERE& bowlWhere = sides.where[bowl];

    RECORD_TEAMHIGH high{in.nTotal, S(in.nWickets), batWhere};
    Offer(g, Table(&RECORDS::HighInnings), high, [](const RECORD_TEAMHIGH& e, const RECORD_TEAMHIGH& c) {
        return e.nRuns > c.nRuns || (e.nRuns == c.nRuns && e.nWickets < c.nWickets);
    });
    if (in.nWickets == 10) {
        RECORD_TEAMLOW low{in.nTotal, batWhere};
        Offer(g, Table(&RECORDS::LowInnings), low,
              [](const RECORD_TEAMLOW& e, const RECORD_TEAMLOW& c) { return e.nRuns < c.nRuns; });
    }

    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        const BAT& b = in.Bat[slot];
        if (b.nHowOut == HOWOUT_DIDNOTBAT) continue;
        RECORD_SCORE s{S(PlayerOf(sides, bat, slot)), S(b.nRuns), S(b.nHowOut == HOWOUT_NOTOUT ? 1 : 0), batWhere};
        Offer(g, Table(&RECORDS::HighScore), s,
              [](const RECORD_SCORE& e, const RECORD_SCORE& c) { return e.nRuns > c.nRuns; });
    }

    // The stands that ended with a wicket, then the one still together at the end.
    for (int w = 0; w < 10; ++w) {
        const FOW& f = in.Fow[w];
        if (w >= in.nWickets && !(w == in.nWickets && f.bUnbroken == 1)) break;
        int runs = f.nScore - (w > 0 ? static_cast<int>(in.Fow[w - 1].nScore) : 0);
        int a = f.nBatA;
        int b = f.nBatB;
        if (WentInAt(in, b) < WentInAt(in, a)) std::swap(a, b);
        RECORD_PARTNERSHIP p{S(PlayerOf(sides, bat, a)), S(PlayerOf(sides, bat, b)), S(runs),
                             S(f.bUnbroken == 1 ? 1 : 0), batWhere};
        Offer(g, [w](RECORDS& r) -> RECORD_PARTNERSHIP& { return r.Partnership[w]; }, p,
              [](const RECORD_PARTNERSHIP& e, const RECORD_PARTNERSHIP& c) { return e.nRuns > c.nRuns; });
    }

    for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
        const BOWL& b = in.Bowl[slot];
        const int player = PlayerOf(sides, bowl, slot);
        if (Bowled(b)) {
            RECORD_BOWL rb{S(player), S(b.nWickets), S(b.nRuns), bowlWhere};
            Offer(g, Table(&RECORDS::BowlInnings), rb, [](const RECORD_BOWL& e, const RECORD_BOWL& c) {
                return e.nWickets > c.nWickets || (e.nWickets == c.nWickets && e.nRuns < c.nRuns);
            });
        }
        if (slot == in.nKeeperPos) {
            RECORD_KEEP k{S(player), S(b.nCatches), S(b.nStumpings), bowlWhere};
            Offer(g, Table(&RECORDS::KeeperInnings), k, [](const RECORD_KEEP& e, const RECORD_KEEP& c) {
                return e.nCatches + e.nStumpings > c.nCatches + c.nStumpings;
            });
        } else if (b.nCatches > 0) {
            RECORD_CATCH c{S(player), S(b.nCatches), S(0), bowlWhere};
            Offer(g, Table(&RECORDS::CatchesInnings), c,
                  [](const RECORD_CATCH& e, const RECORD_CATCH& n) { return e.nCatches > n.nCatches; });
        }
    }
}

}  // namespace

void FillWhere(RECORD_WHERE& w, const Game& g, int team, int opponent, int ground, const char* text)
{
    InitRecordWhere(w);
    w.nTeam = team;
    w.nOpponent = opponent;
    w.nGround = ground;
    std::string s;
    if (text) {
        s = text;
    } else {
        if (opponent >= 0 && opponent < static_cast<int>(g.db.squads.size()))
            s = std::string("v ") + std::string(g.db.squads[opponent].szShort,
                                                strnlen(g.db.squads[opponent].szShort, sizeof g.db.squads[opponent].szShort));
        if (ground >= 0 && ground < static_cast<int>(g.db.grounds.size()))
            s += std::string(" at ") +
                 std::string(g.db.grounds[ground].szName, strnlen(g.db.grounds[ground].szName, sizeof g.db.grounds[ground].szName));
    }
    SetText(w.szText, s);
}

void UpdateTestRecords(Game& g, const TEST& test)
{
    // Test totals per slot and side, gathered while the innings are offered.
    struct Totals {
        bool bowled = false, kept = false;
        int wickets = 0, runs = 0, keptCatches = 0, stumpings = 0, catches = 0;
    } totals[MAX_ELEVEN][2];

    const TestSides sides = LookUpSides(g, test);
    for (const INNINGS& in : test.Innings) {
        if (!Played(in)) continue;
        OfferInnings(g, sides, in);
        const int side = in.nBowlSide;
        for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
            const BOWL& b = in.Bowl[slot];
            Totals& t = totals[slot][side];
            if (Bowled(b)) {
                t.bowled = true;
                t.wickets += b.nWickets;
                t.runs += b.nRuns;
            }
            if (slot == in.nKeeperPos) {
                t.kept = true;
                t.keptCatches += b.nCatches;
                t.stumpings += b.nStumpings;
            } else {
                t.catches += b.nCatches;
            }
        }
    }

    for (int side = 0; side < 2; ++side) {
        const RECORD_WHERE& where = sides.where[side];
        for (int slot = 0; slot < MAX_ELEVEN; ++slot) {
            const Totals& t = totals[slot][side];
            const int player = PlayerOf(sides, side, slot);
            if (player < 0) continue;
            if (t.bowled) {
                RECORD_BOWL rb{S(player), S(t.wickets), S(t.runs), where};
                Offer(g, Table(&RECORDS::BowlTest), rb, [](const RECORD_BOWL& e, const RECORD_BOWL& c) {
                    return e.nWickets > c.nWickets || (e.nWickets == c.nWickets && e.nRuns < c.nRuns);
                });
            }
            if (t.kept) {
                RECORD_KEEP k{S(player), S(t.keptCatches), S(t.stumpings), where};
                Offer(g, Table(&RECORDS::KeeperTest), k, [](const RECORD_KEEP& e, const RECORD_KEEP& c) {
                    return e.nCatches + e.nStumpings > c.nCatches + c.nStumpings;
                });
            }
            if (t.catches > 0) {
                RECORD_CATCH c{S(player), S(t.catches), S(0), where};
                Offer(g, Table(&RECORDS::CatchesTest), c,
                      [](const RECORD_CATCH& e, const RECORD_CATCH& n) { return e.nCatches > n.nCatches; });
            }
            const int points = TestPoints(test, side, slot);
            if (points != 0) {
                RECORD_POINTS rp{S(player), S(points), where};
                Offer(g, Table(&RECORDS::PointsTest), rp,
                      [](const RECORD_POINTS& e, const RECORD_POINTS& c) { return e.nPoints > c.nPoints; });
            }
        }
    }
}

void RecordFinishedSeries(Game& g)
{
    if (Replaying(g)) return;
    const int ground = g.Series.Test[0].nGround;
    for (int side = 0; side < 2; ++side) {
        const int team = g.Series.nSquad[side];
        const int opponent = g.Series.nSquad[1 - side];
        if (team < 0 || team >= static_cast<int>(g.db.squads.size())) continue;
        RECORD_WHERE where;
        FillWhere(where, g, team, opponent, -1, nullptr);
        where.nGround = ground;
        const SQUAD& squad = g.db.squads[team];
        for (int m = 0; m < MAX_SQUAD; ++m) {
            const int player = squad.nPlayer[m];
            if (player < 0 || player >= static_cast<int>(g.db.players.size())) continue;
            const AVERAGE& a = g.Series.Average[m][side];
            if (a.Bat.nRuns > 0) {
                RECORD_SERIESBAT r{S(player), a.Bat, where};
                Offer(g, Table(&RECORDS::SeriesRuns), r, [](const RECORD_SERIESBAT& e, const RECORD_SERIESBAT& c) {
                    if (e.Bat.nRuns != c.Bat.nRuns) return e.Bat.nRuns > c.Bat.nRuns;
                    if (e.Bat.nTests != c.Bat.nTests) return e.Bat.nTests < c.Bat.nTests;
                    return e.Bat.fAverage > c.Bat.fAverage;
                });
            }
            if (a.Bowl.nWickets > 0) {
                RECORD_SERIESBOWL r{S(player), a.Bowl, where};
                Offer(g, Table(&RECORDS::SeriesWickets), r, [](const RECORD_SERIESBOWL& e, const RECORD_SERIESBOWL& c) {
                    if (e.Bowl.nWickets != c.Bowl.nWickets) return e.Bowl.nWickets > c.Bowl.nWickets;
                    if (e.Bowl.nMatches != c.Bowl.nMatches) return e.Bowl.nMatches < c.Bowl.nMatches;
                    return e.Bowl.fAverage < c.Bowl.fAverage;
                });
            }
            if (a.Field.nCatches > 0) {
                RECORD_SERIESFIELD r{S(player), a.Field, where};
                Offer(g, Table(&RECORDS::CatchesSeries), r, [](const RECORD_SERIESFIELD& e, const RECORD_SERIESFIELD& c) {
                    if (e.Field.nCatches != c.Field.nCatches) return e.Field.nCatches > c.Field.nCatches;
                    return e.Field.nMatches < c.Field.nMatches;
                });
            }
            if (a.Field.nKeeperCatches + a.Field.nStumpings > 0) {
                RECORD_SERIESFIELD r{S(player), a.Field, where};
                Offer(g, Table(&RECORDS::KeeperSeries), r, [](const RECORD_SERIESFIELD& e, const RECORD_SERIESFIELD& c) {
                    return e.Field.nKeeperCatches + e.Field.nStumpings > c.Field.nKeeperCatches + c.Field.nStumpings;
                });
            }
            if (a.Points.nPoints != 0) {
                RECORD_SERIESPOINTS r{S(player), a.Points, where};
                Offer(g, Table(&RECORDS::PointsSeries), r, [](const RECORD_SERIESPOINTS& e, const RECORD_SERIESPOINTS& c) {
                    return e.Points.nPoints > c.Points.nPoints;
                });
            }
        }
    }
}

}  // namespace ovs
