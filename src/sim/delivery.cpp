// The delivery outcome model: one ball drawn from skills and conditions, booked and reported.
#include "sim/delivery.h"

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/clock.h"
#include "core/flow.h"
#include "core/flow_steps.h"
#include "core/game.h"
#include "core/messages.h"
#include "core/replay.h"
#include "sim/booking.h"
#include "sim/bowling.h"
#include "sim/chances.h"
#include "sim/slot_player.h"

namespace ovs {

namespace {

enum { GROUP_SPIN = 0, GROUP_MEDIUM = 1, GROUP_FAST = 2 };

// Bowler condition tables by group (spin, medium, fast); nine steps each, weather seven.
constexpr int kBowlPitch[3][9] = {{-1, 0, 1, 2, 3, 4, 5, 6, 7}, {-2, -1, 0, 1, 2, 3, 4, 5, 6}, {-1, 0, 0, 0, 1, 2, 3, 4, 5}};
constexpr int kBowlBounce[3][9] = {{1, 1, 0, 0, 1, 1, 2, 2, 3}, {1, 1, 0, -1, 0, 1, 1, 2, 2}, {2, 2, -1, 0, 1, 1, 2, 2, 3}};
constexpr int kBowlAge[3][9] = {{1, 1, 0, 0, 0, 1, 2, 2, 2}, {1, 1, 0, 0, -1, -2, -2, -2, -3}, {2, 2, 1, -1, -2, -2, -2, -3, -4}};
constexpr int kBowlWeather[3][7] = {{0, 0, 0, 0, -1, -2, -2}, {-1, 0, 0, 0, 1, 2, 3}, {0, 0, 0, 0, 0, 0, 1}};

constexpr int kBatPitch[9] = {3, 1, 0, -1, -2, -2, -3, -3, -4};
constexpr int kBatBounce[9] = {0, 1, 2, 1, 0, -1, -1, -2, -3};
constexpr int kBatAge[9] = {1, 0, 0, 0, 0, -1, -1, -2, -2};
constexpr int kBatWeather[7] = {1, 0, 0, 0, 0, 0, -1};

// Table indices of the conditions. Bad light and rain stop play; a ball bowled
// in them anyway is reckoned as very overcast.
struct ConditionIndex {
    int pitch, bounce, age, weather;
};

inline ConditionIndex Conditions(const CURRENT& c)
{
    auto step = [](int value, int unit, int last) { return std::clamp(value / unit, 0, last); };
    return {step(c.nPitch, 150, 8), step(c.nBounce, 100, 8), step(c.nBallWear, 25, 8), step(c.nWeather, 5, 6)};
}

bool PersonSide(const Game& g, int side)
{
    return (g.Series.nControl[side] & (CONTROL_HUMAN | CONTROL_NETHOME | CONTROL_NETAWAY)) != 0;
}

// Index of the ground's pace factor for a bowling type; -1 for a non-bowler.
int PaceIndex(int bowlingType)
{
    const unsigned t = static_cast<unsigned>(bowlingType);
    // A single bit, tested without popcount (not an instruction every build may use).
    if (t == 0 || (t & (t - 1)) != 0 || t >= (1u << PACE_FACTORS)) return -1;
    return std::countr_zero(t);
}

// The ground's pace factor for a bowling type, in a Test; every ball asks.
[[gnu::always_inline]] inline int PaceOfGround(const Game& g, int bowlingType)
{
    const int i = PaceIndex(bowlingType);
    const int ground = g.pTest->nGround;
    if (i < 0 || ground < 0 || ground >= static_cast<int>(g.db.grounds.size())) return 0;
    return g.db.grounds[ground].nPace[i];
}

bool InRange(int v) { return v >= 0 && v <= 10; }

// The scoring shot of step 15, and the chance a feeble one may give.
int PlayShot(Game& g, const DeliveryFigures& fig)
{
    const DayTimes& t = Timetable(g);
    const int G = g.Series.nFieldingStrength;
    const int r = DrawValue(g, fig.BA + 200);
    const int k = (2 * (20 - fig.Abowl)) / 3;
    if (r - k >= t.nRunLimit) return ScoreRuns(g, 6);
    const int u = r + (10 - g.Current.nOutfield / 25) - G;
    // Tested from the top: on the smallest grounds the four band lies below the three.
    const int n = u > t.nRunFour ? 4 : u > t.nRunThree ? 3 : u > t.nRunTwo ? 2 : u > t.nRunOne ? 1 : 0;
    int over = n > 0 ? ScoreRuns(g, n) : 0;
    if (!over && fig.Abat / 5 >= r - G) over = DrawChance(g);
    return over;
}

// A replay applies the recorded outcome code through the same bookings.
int ApplyOutcome(Game& g, int code)
{
    CURRENT& c = g.Current;
    if (code == 1) {
        ball::ShowBall(g);
        return 0;
    }
    if (code >= 2 && code <= 7) return ScoreRuns(g, code - 1);
    if (code >= 8 && code <= 11) return BowlWide(g, code - 7);
    if (code >= 12 && code <= 15) return ConcedeLegByes(g, code - 11);
    if (code >= 16 && code <= 19) return ConcedeByes(g, code - 15);
    if (code >= 23 && code <= 26) return ChanceRunOut(g, code - 23);
    switch (code) {
    case 21: return ChanceCatch(g);
    case 27: return AppealLBW(g);
    case 28: return ChanceStumping(g);
    case 32: c.nOutcome = 32; return FallOfWicket(g, HOWOUT_BOWLED, -1, 0);
    case 33: c.nOutcome = 33; return FallOfWicket(g, HOWOUT_CAUGHT, -1, 0);
    case 35: c.nOutcome = 35; return FallOfWicket(g, HOWOUT_RUNOUT, -1, 0);
    case 36: c.nOutcome = 36; return FallOfWicket(g, HOWOUT_LBW, -1, 0);
    case 37: c.nOutcome = 37; return FallOfWicket(g, HOWOUT_STUMPED, -1, 0);
    case 64: return BowlNoBall(g);
    case 20: case 22: case 29: case 30: case 31: case 34:
    case 38: case 39: case 40: case 41: case 42:
        return 0;
    default:
        g.Log("** Error ** Unexpected Ball Outcome.\n");
        return 0;
    }
}

// After every ball: the innings-over flag, then the over's end or the ball's.
// True when the next ball is to follow at once: unwatched, with nothing else
// waiting, the ball's end and the next ball would be the very next messages
// handled and nobody can see them pass, so they are not queued at all.
bool ReportBall(Game& g, int over)
{
    CURRENT& c = g.Current;
    c.bEndInnings = static_cast<std::int16_t>(over);
    ++c.nBallInOver;
    if (NetworkPlay(g)) {
        // The client tells the server it has bowled the ball; both then go on
        // together (WM_NETWORKENDBALL), to the next ball or the over's end.
        if (NetworkClient(g)) PostUnlessQueued(g, WM_CLIENTENDBALL, 0);
        return false;
    }
    if (c.nBall >= 6 || over) {
        if (!g.queue.Peek(WM_ENDOVER)) {
            g.Log("Posting WM_ENDOVER message from BowlDelivery ()  (wParam = %d)\n", static_cast<int>(c.nOver));
            g.queue.Post(WM_ENDOVER, c.nOver);
        }
    } else if (!g.queue.Peek(WM_ENDBALL)) {
        g.Log("Posting WM_ENDBALL message from BowlDelivery ()\n");
        if (g.queue.Empty() && !g.Watched() && !NetworkPlay(g)) {
            ++g.nBallsPosted;  // as the ball's end would count it
            return true;
        }
        g.queue.Post(WM_ENDBALL, 0);
    }
    return false;
}

}  // namespace

namespace {

constexpr int FatigueRule(int F)
{
    int f = (F > 48 ? F / 3 : 0) + F / 4;
    f += (F > 16) + (F > 24) + (F > 31) + (F > 37) + (F > 42) + (F > 46) + (F > 49);
    if (F > 56) f += F / 2;
    if (F > 64) f += F;
    return f;
}

// The penalty is wanted at every ball; tiredness rarely leaves 0..127.
struct FatigueTable {
    int penalty[128];
    constexpr FatigueTable() : penalty()
    {
        for (int F = 0; F < 128; ++F) penalty[F] = FatigueRule(F);
    }
};
constexpr FatigueTable kFatigue;

}  // namespace

int FatiguePenalty(int F)
{
    if (static_cast<unsigned>(F) < 128) return kFatigue.penalty[F];
    return FatigueRule(F);
}

int PaceWeight(int paceClass)
{
    if (paceClass == 4) return 7;
    if (paceClass == 5) return 11;
    return 2;
}

int BowlerGroup(int bowlingType)
{
    switch (bowlingType) {
    case BOWL_OFFSPIN: case BOWL_LEGSPIN: case BOWL_SLOW: return GROUP_SPIN;
    case BOWL_MEDIUM: case BOWL_MEDIUMFAST: return GROUP_MEDIUM;
    case BOWL_FASTMEDIUM: case BOWL_FAST: return GROUP_FAST;
    default: return -1;
    }
}

int GroundPace(const Game& g, int bowlingType) { return g.pTest ? PaceOfGround(g, bowlingType) : 0; }

int BowlerPitchFactor(int group, int step) { return kBowlPitch[group][step]; }

namespace {

// The condition terms of a ball: the batsman's, and the bowler's for each
// group. They follow from the pitch, bounce, ball wear and weather alone,
// which stand for an over unless a boundary wears the ball, so a ball takes
// the last ones while those four values are the same. The cache is keyed by
// the values themselves and needs no clearing; it is per thread, as games
// may run side by side.
struct ConditionTerms {
    std::uint64_t key;
    int bat;
    int bowl[3];

    static std::uint64_t KeyOf(const CURRENT& c)
    {
        return static_cast<std::uint64_t>(static_cast<std::uint16_t>(c.nPitch)) |
               static_cast<std::uint64_t>(static_cast<std::uint16_t>(c.nBounce)) << 16 |
               static_cast<std::uint64_t>(static_cast<std::uint16_t>(c.nBallWear)) << 32 |
               static_cast<std::uint64_t>(static_cast<std::uint16_t>(c.nWeather)) << 48;
    }

    ConditionTerms() { Fill(CURRENT{}); }

    void Fill(const CURRENT& c)
    {
        const ConditionIndex i = Conditions(c);
        key = KeyOf(c);
        bat = 2 * kBatPitch[i.pitch] + 3 * kBatBounce[i.bounce] + kBatAge[i.age] + 2 * kBatWeather[i.weather];
        for (int group = 0; group < 3; ++group)
            bowl[group] = 2 * (kBowlPitch[group][i.pitch] + kBowlBounce[group][i.bounce] + kBowlAge[group][i.age] +
                               kBowlWeather[group][i.weather]);
    }
};

const ConditionTerms& TermsOf(const CURRENT& c)
{
    thread_local ConditionTerms last;
    if (last.key != ConditionTerms::KeyOf(c)) last.Fill(c);
    return last;
}

// The bowler's term for a bowling type; a non-bowler has none.
int BowlerTerm(const ConditionTerms& terms, int bowlingType)
{
    const int group = BowlerGroup(bowlingType);
    return group < 0 ? 0 : terms.bowl[group];
}

}  // namespace

int BowlerConditions(const Game& g, int bowlingType) { return BowlerTerm(TermsOf(g.Current), bowlingType); }

DeliveryFigures ComputeFigures(Game& g)
{
    const CURRENT& c = g.Current;
    const INNINGS& in = *g.pInnings;
    const PLAYER& bat = ball::SlotPlayerAt(g, c.nBatSide, c.nStriker);
    const PLAYER& bowl = ball::SlotPlayerAt(g, c.nBowlSide, c.nBowler);
    const int type = bowl.nBowlType;
    const ConditionTerms& terms = TermsOf(c);

    const int f = FatiguePenalty(c.Spell[c.nBowler].nTiredness);
    const int sb = BowlerTerm(terms, type);
    const int p = PaceWeight(PaceClass(type));

    DeliveryFigures fig;
    const int style = (bat.nStrikeRate - 20) / 10;
    fig.Abat = style + c.nTeamAggression[c.nBatSide] + c.nBatAggression[c.nStriker];
    fig.Abowl = c.nTeamAggression[c.nBowlSide] + c.nBowlAggression[c.nBowler];
    fig.BA = fig.Abat - (2 * (20 - fig.Abowl)) / 3;
    fig.WA = fig.Abowl - (2 * (20 - fig.Abat)) / 3;

    const int skill = bat.nBatSkill;
    const int b0 = terms.bat + (5 * skill) / 2 + bat.nMorale - in.Bat[c.nStriker].nBalls / 45 - 4 * c.nBatSide;
    fig.B = b0 > 6 ? b0 : 6;
    if (4 * skill <= fig.B) fig.B = 4 * skill;
    // A batsman without skill still faces the ball: every delivery is then a chance.
    if (fig.B < 1) fig.B = 1;

    const int X = (5 * (PaceOfGround(g, type) + bowl.nBowlSkill)) / 2;
    fig.K = X + bowl.nMorale - f - fig.BA - (p + 1) / 2;
    if (fig.K <= 6) fig.K = 6;
    fig.E = 188 - (X + bowl.nMorale) + f - sb - fig.WA - p + 2 * c.nBowlSide;
    if (fig.E <= 6) fig.E = 6;
    // K / B clamped to 1..5, both positive here: compared rather than divided,
    // as a division is the dearest step of a ball.
    const int B = fig.B, K = fig.K;
    fig.q = K < 2 * B ? 1 : K < 3 * B ? 2 : K < 4 * B ? 3 : K < 5 * B ? 4 : 5;
    return fig;
}

int DrawExtras(Game& g)
{
    const int d = PaceClass(ball::BowlerType(g)) - 1;
    const int r = DrawValue(g, 25);
    if (r < d - 1) return BowlWide(g, -1);
    if (r <= 3 * d) return BowlNoBall(g);
    if (r < 5 * d) return ConcedeByes(g, -1);
    if (r < 20) return 0;
    return ConcedeLegByes(g, -1);
}

int DrawChance(Game& g)
{
    const int e = DrawValue(g, 100);
    if (e < 7) {
        g.Current.nOutcome = 32;
        return FallOfWicket(g, HOWOUT_BOWLED, -1, 0);
    }
    if (e < 30) return AppealLBW(g);
    if (e < 33) return ChanceStumping(g);
    if (e < 97) return ChanceCatch(g);
    return ChanceRunOut(g, -1);
}

namespace {

// A side played by a person attacks as its pairing with this bowler says.
void SetBallAggression(Game& g)
{
    CURRENT& c = g.Current;
    if (PersonSide(g, c.nBatSide)) c.nBatAggression[c.nStriker] = static_cast<std::int16_t>(c.nBatVsBowl[c.nStriker][c.nBowler]);
    if (PersonSide(g, c.nBowlSide)) c.nBowlAggression[c.nBowler] = static_cast<std::int16_t>(c.nBowlVsBat[c.nBowler][c.nStriker]);
}

}  // namespace

// Kept out of line: inlined into the ball loop of the flow it made the loop
// slower (measured), though it saves a call.
[[gnu::noinline]] bool BowlDelivery(Game& g)
{
    CURRENT& c = g.Current;
    int over = 0;

    if (ball::Follows(g)) {
        // A network client sets the pairing's aggression as the server did,
        // then books the server's ball as a replay would.
        if (NetworkClient(g)) SetBallAggression(g);
        g.pTest->bBreak = 0;
        CountBall(g);
        const int code = ball::ReadBack(g);
        over = ApplyOutcome(g, code);
        g.Log("Ball Outcome was : %d\n", static_cast<int>(c.nOutcome));
        return ReportBall(g, over);
    }

    if (NetworkServer(g)) NetworkBallStarts(g);
    SetBallAggression(g);

    g.pTest->bBreak = 0;
    CountBall(g);
    if (!InRange(c.nTeamAggression[0]) || !InRange(c.nTeamAggression[1]) || !InRange(c.nBatAggression[c.nStriker]) ||
        !InRange(c.nBowlAggression[c.nBowler]))
        g.Log("An aggression rating has gone out of control.\n");

    const DeliveryFigures fig = ComputeFigures(g);
    const int x = DrawValue(g, fig.B) + 1;
    const int y = DrawValue(g, fig.E) + 1;
    if (x == 1 || y == fig.E) {
        over = DrawChance(g);
    } else {
        const int z = DrawValue(g, fig.K);
        const int t = x * fig.q - z;
        if (t >= 5)
            over = PlayShot(g, fig);
        else if (t >= 1)
            over = DrawExtras(g);
    }

    if (c.nOutcome == 1) {
        ball::ShowBall(g);
        ball::Record(g, 1);
    }
    if (NetworkServer(g)) NetworkBallDone(g);
    g.Log("Ball Outcome was : %d\n", static_cast<int>(c.nOutcome));
    return ReportBall(g, over);
}

}  // namespace ovs
