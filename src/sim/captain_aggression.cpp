// The computer captain's aggression: after a wicket, at the end of every
// over (with a chase-dependent step in the fourth innings), at the new ball and
// when his pair starts a day; and the pairings kept as a new batsman comes in.
#include <algorithm>

#include "core/game.h"
#include "core/innings.h"
#include "core/replay.h"
#include "sim/aggression.h"
#include "sim/booking.h"

namespace ovs {

namespace {

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

constexpr int kNotionalOvers = 450;   // five days of 90 overs, whatever the clock did
constexpr int kOversADay = 90;

template <typename T>
void Raise(T& value, int by)
{
    value = static_cast<std::int16_t>(ClampAggression(value + by));
}

// The steps of the first three innings: a batsman is reviewed after 15 runs
// of his own, the batting team after 30, a bowler after 15 conceded, the
// bowling team after 25.
struct ReviewSteps {
    int batsman = 15;
    int batTeam = 30;
    int bowler = 15;
    int bowlTeam = 25;
};

// The batting side scores freely: batsmen and team attack more.
void ReviewBatting(Game& g, const ReviewSteps& k)
{
    CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    for (int s : {static_cast<int>(c.nPartnerA), static_cast<int>(c.nPartnerB)}) {
        if (!ValidSlot(s)) continue;
        int runs = in.Bat[s].nRuns;
        if (runs - c.Mark[s].nBatMark > k.batsman) {
            Raise(c.nBatAggression[s], 1);
            c.Mark[s].nBatMark = static_cast<std::int16_t>(runs);
        }
    }
    if (in.nTotal - c.nTotalMark[0] > k.batTeam) {
        Raise(c.nTeamAggression[c.nBatSide], 1);
        c.nTotalMark[0] = in.nTotal;
    }
}

// The bowling side is being scored off: bowlers and team hold back.
void ReviewBowling(Game& g, const ReviewSteps& k)
{
    CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    for (int b : {static_cast<int>(c.nBowler), static_cast<int>(c.nOtherBowler)}) {
        if (!ValidSlot(b)) continue;
        int runs = in.Bowl[b].nRuns;
        if (runs - c.Mark[b].nBowlMark > k.bowler) {
            Raise(c.nBowlAggression[b], -1);
            c.Mark[b].nBowlMark = static_cast<std::int16_t>(runs);
        }
    }
    if (in.nTotal - c.nTotalMark[1] > k.bowlTeam) {
        Raise(c.nTeamAggression[c.nBowlSide], -1);
        c.nTotalMark[1] = in.nTotal;
    }
}

// One row of a fourth-innings table: k = `set` with few wickets left and a
// fair way to go, + `add` with a few more left and further to go, + `further`
// for a long chase, and last the `final` adjustment.
struct StepRow {
    int set;
    int add;
    int furtherRuns;    // n above this ...
    int furtherReach;   // ... and the row's multiple of o above this
    int further;
    int finalWickets;   // the final step applies when n < finalWickets x w; 0: always
    int final;
};

int StepFromRow(const StepRow& r, int reach, int w, int n)
{
    int k = 30;
    if (w < 3 && n > 100) k = r.set;
    if (w < 5 && n > 150) k += r.add;
    if (n > r.furtherRuns && reach > r.furtherReach) k += r.further;
    if (r.finalWickets == 0 || n < r.finalWickets * w) k += r.final;
    return k;
}

}  // namespace

int RunsStillNeeded(const Game& g)
{
    const int r0 = InningsRuns(g, 0), r1 = InningsRuns(g, 1), r2 = InningsRuns(g, 2), r3 = InningsRuns(g, 3);
    // Under the follow-on the side batting last batted first.
    if (FollowOnInForce(g)) return 1 + r1 + r2 - r0 - r3;
    return 1 + r0 + r2 - r1 - r3;
}

int FourthInningsStep(int o, int w, int n, bool batting)
{
    const int o3 = 3 * o, o72 = (7 * o) / 2, o4 = 4 * o, o5 = 5 * o;
    if (batting) {
        if (n < o3) return StepFromRow({40, 8, 500, 500, 6, 0, 0}, o3, w, n);
        if (n < o72) return StepFromRow({46, 12, 300, 300, 4, 0, -8}, o72, w, n);
        if (n < o4) return StepFromRow({46, 12, 200, 200, 10, 0, -16}, o4, w, n);
        if (n < o5) return StepFromRow({54, 18, 150, 150, 12, 0, -24}, o5, w, n);
        return StepFromRow({54, 18, 150, 150, 12, 0, 0}, o5, w, n);
    }
    int k = n > o3 ? StepFromRow({38, 6, 500, 500, 8, 15, -16}, o3, w, n)
                   : StepFromRow({54, 18, 150, 150, 16, 11, -26}, o5, w, n);
    return std::max(k, 2);
}

void ComputerOverReview(Game& g, int n)
{
    const CURRENT& c = g.Current;
    const bool bat = ComputerSide(g, c.nBatSide), bowl = ComputerSide(g, c.nBowlSide);
    if (!bat && !bowl) return;
    ReviewSteps steps;
    if (n == 3) {
        const int o = kNotionalOvers - ((c.nDay - 1) * kOversADay + c.nOversToday);
        const int w = 10 - g.pInnings->nWickets;
        const int need = RunsStillNeeded(g);
        const int kb = FourthInningsStep(o, w, need, true);
        const int kw = FourthInningsStep(o, w, need, false);
        steps = {kb / 2, kb, kw / 2, kw};
    }
    if (bat) ReviewBatting(g, steps);
    if (bowl) ReviewBowling(g, steps);
}

void ComputerWicketAggression(Game& g)
{
    CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    if (ComputerSide(g, c.nBatSide)) {
        // The partner of the batsman out steadies the innings.
        int survivor = c.nPartnerA == c.nOut ? c.nPartnerB : c.nPartnerA;
        if (ValidSlot(survivor)) {
            Raise(c.nBatAggression[survivor], -1);
            c.Mark[survivor].nBatMark = in.Bat[survivor].nRuns;
        }
        Raise(c.nTeamAggression[c.nBatSide], -1);
        c.nTotalMark[0] = in.nTotal;
    }
    if (ComputerSide(g, c.nBowlSide)) {
        int b = c.nBowler;
        if (ValidSlot(b)) {
            Raise(c.nBowlAggression[b], 1);
            c.Mark[b].nBowlMark = in.Bowl[b].nRuns;
        }
        Raise(c.nTeamAggression[c.nBowlSide], 1);
        c.nTotalMark[1] = in.nTotal;
    }
}

void ComputerPairingsAtWicket(Game& g)
{
    CURRENT& c = g.Current;
    const int bowler = c.nBowler;
    if (!ValidSlot(bowler)) return;
    for (int s : {static_cast<int>(c.nPartnerA), static_cast<int>(c.nPartnerB)}) {
        if (!ValidSlot(s)) continue;
        if (ComputerSide(g, c.nBatSide)) SetBatPairing(g, s, bowler, c.nBatAggression[s]);
        if (ComputerSide(g, c.nBowlSide)) SetBowlPairing(g, bowler, s, c.nBowlAggression[bowler]);
    }
}

void SettleNewBatsmanPairings(Game& g)
{
    CURRENT& c = g.Current;
    const int a = c.nPartnerA, b = c.nPartnerB, bowler = c.nBowler;
    if (!ValidSlot(a) || !ValidSlot(b) || !ValidSlot(bowler)) return;
    if (Replaying(g)) {
        int v = ReplayAggressionPair(g, "a batting aggression");
        c.nBatVsBowl[a][bowler] = static_cast<std::uint16_t>((v >> 4) & 15);
        c.nBatVsBowl[b][bowler] = static_cast<std::uint16_t>(v & 15);
        v = ReplayAggressionPair(g, "a bowling aggression");
        c.nBowlVsBat[bowler][a] = static_cast<std::uint16_t>((v >> 4) & 15);
        c.nBowlVsBat[bowler][b] = static_cast<std::uint16_t>(v & 15);
        v = ReplayAggressionPair(g, "a team aggression");
        c.nTeamAggression[c.nBowlSide] = static_cast<std::int16_t>((v >> 4) & 15);
        c.nTeamAggression[c.nBatSide] = static_cast<std::int16_t>(v & 15);
        return;
    }
    // A person's side chooses the new batsman's pairing with this bowler
    // first, so that the stream holds chosen values; the box fills the entry
    // with the default when it does not open.
    const int in = c.nStriker;
    for (int tries = 0; tries < 3 && HumanSide(g, c.nBatSide) && BatPairing(g, in, bowler) < 0; ++tries)
        BattingFactorBox(g, 0);
    for (int tries = 0; tries < 3 && HumanSide(g, c.nBowlSide) && BowlPairing(g, bowler, in) < 0; ++tries)
        BowlingFactorBox(g, 0);
    ReplayAppendByte(g, (c.nBatVsBowl[a][bowler] & 15) * 16 + (c.nBatVsBowl[b][bowler] & 15));
    ReplayAppendByte(g, (c.nBowlVsBat[bowler][a] & 15) * 16 + (c.nBowlVsBat[bowler][b] & 15));
    ReplayAppendByte(g, (c.nTeamAggression[c.nBowlSide] & 15) * 16 + (c.nTeamAggression[c.nBatSide] & 15));
}

void RaiseAllBowlingAggression(Game& g, int by)
{
    CURRENT& c = g.Current;
    Raise(c.nTeamAggression[c.nBowlSide], by);
    for (auto& a : c.nBowlAggression) Raise(a, by);
}

void RaisePairAggression(Game& g, int first, int second, int by)
{
    CURRENT& c = g.Current;
    Raise(c.nTeamAggression[c.nBowlSide], by);
    if (ValidSlot(first)) Raise(c.nBowlAggression[first], by);
    if (ValidSlot(second)) Raise(c.nBowlAggression[second], by);
}

}  // namespace ovs
