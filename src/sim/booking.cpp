// Booking one ball: the counted ball, runs off the bat and the four extras.
#include "sim/booking.h"

#include <cstring>

#include "core/announce.h"
#include "core/ballbyball.h"
#include "core/game.h"
#include "core/replay.h"
#include "sim/bowling.h"
#include "sim/slot_player.h"

namespace ovs {

namespace ball {

namespace {

// The squad member at a slot of a side's eleven, or -1 when the slot is empty.
int Member(const Game& g, int side, int slot, int& squadIndex)
{
    squadIndex = -1;
    if (!g.pTest || side < 0 || side > 1 || slot < 0 || slot >= MAX_ELEVEN) return -1;
    const int squad = g.Series.nSquad[side];
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return -1;
    const int member = g.pTest->nPlayer[slot][side];
    if (member < 0 || member >= MAX_SQUAD) return -1;
    squadIndex = squad;
    return member;
}

}  // namespace

// A cold path: only a slot left empty comes here.
[[gnu::cold, gnu::noinline]] PLAYER& BlankPlayer()
{
    static PLAYER blank;
    blank = PLAYER{};
    blank.nBowlType = BOWL_NONE;
    return blank;
}

PLAYER& SlotPlayer(Game& g, int side, int slot) { return SlotPlayerAt(g, side, slot); }

std::string_view SlotNameView(const Game& g, int side, int slot)
{
    int squad;
    const int member = Member(g, side, slot, squad);
    if (member < 0) return {};
    const char* name = g.db.squads[squad].szMember[member];
    return std::string_view(name, strnlen(name, sizeof g.db.squads[squad].szMember[member]));
}

std::string SlotName(const Game& g, int side, int slot) { return std::string(SlotNameView(g, side, slot)); }

PLAYER& Striker(Game& g) { return SlotPlayerAt(g, g.Current.nBatSide, g.Current.nStriker); }
PLAYER& Bowler(Game& g) { return SlotPlayerAt(g, g.Current.nBowlSide, g.Current.nBowler); }
PLAYER& Keeper(Game& g) { return SlotPlayer(g, g.Current.nBowlSide, g.pInnings->nKeeperPos); }
int BowlerType(Game& g) { return Bowler(g).nBowlType; }

namespace {

int ReadFollowed(Game& g, int lo, int hi, const char* what, bool wide)
{
    if (!NetworkClient(g)) return ReplayByteIn(g, lo, hi, what);
    int v = 0;
    if (!NetworkPopBall(g, v, wide)) return lo;
    // A short stands for one byte of the stream: -1 is 255.
    if (v < -128 || v > 255 || (v & 0xFF) < lo || (v & 0xFF) > hi) {
        NetworkRefuse(g, what);
        return lo;
    }
    ReplayAppendByte(g, v & 0xFF);
    return v & 0xFF;
}

}  // namespace

int ReadBack(Game& g, int lo, int hi, const char* what) { return ReadFollowed(g, lo, hi, what, true); }
int ReadBackByte(Game& g, int lo, int hi, const char* what) { return ReadFollowed(g, lo, hi, what, false); }

int Refuse(Game& g, const char* what, int value)
{
    if (NetworkClient(g)) {
        NetworkRefuse(g, what);
        return 0;
    }
    return ReplayRefuse(g, what, value);
}

void ShowBall(Game& g)
{
    CURRENT& c = g.Current;
    if (c.nOverRow >= 0 && c.nOverRow < OVER_HISTORY_ROWS && c.nBallInOver >= 0 && c.nBallInOver < 12)
        c.OverHistory[c.nOverRow].nOutcome[c.nBallInOver] = static_cast<std::uint16_t>(c.nOutcome);
    BbbBallCode(g, c.nOutcome);
    if (g.Watched()) g.host->Refresh(PANE_OVER | PANE_SCOREBOARD | PANE_SCORECARD | PANE_BOWLERS);
}

void AddPoints(u16& points, int delta) { points = static_cast<std::uint16_t>(points + delta); }

}  // namespace ball

using ball::AddPoints;

int DrawValue(Game& g, int n)
{
    return g.rng.Below(n);
}

int RatingValue(int rating) { return (rating + 768) / 192; }

int ProtectRuns(int n, int b, bool protectedIsStriker, bool protectedIsNonStriker)
{
    // Keep the protected batsman off strike for the next ball, or for the
    // start of the next over when the over is nearly done.
    if (protectedIsNonStriker) {
        if (n == 1 && b <= 4) return 0;
        if (n == 2 && b >= 5) return 1;
        if (n == 3 && b <= 4) return 2;
    } else if (protectedIsStriker) {
        if (n == 1 && b >= 5) return 0;
        if (n == 2 && b <= 3) return 1;
        if (n == 3 && b >= 5) return 2;
    }
    return n;
}

namespace {

// The protection applies only where the runs are decided; a replay or a
// network client books what was recorded.
int Protect(Game& g, int n)
{
    const CURRENT& c = g.Current;
    if (ball::Follows(g) || c.nProtected < 0) return n;
    return ProtectRuns(n, c.nBall, c.nProtected == c.nStriker, c.nProtected == c.nNonStriker);
}

void SwapStrike(CURRENT& c)
{
    std::int16_t s = c.nStriker;
    c.nStriker = c.nNonStriker;
    c.nNonStriker = s;
}

// The side batting fourth has reached its target: the Test is won.
int TargetTest(Game& g)
{
    if (g.Current.nTarget > 0 && g.pInnings->nTotal >= g.Current.nTarget) {
        g.pInnings->nStatus = INNINGS_RESULT;
        BbbEndOver(g);
        if (g.Watched()) g.host->Refresh(PANE_ALL);
        return 1;
    }
    return 0;
}

// A wide or a no ball is not a legal ball: the figures CountBall booked go back.
void TakeBackBall(Game& g, bool faced)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    --c.nBall;
    --in.Bowl[c.nBowler].nBalls;
    --c.Spell[c.nBowler].nSpellBalls;
    if (faced) --in.Bat[c.nStriker].nBalls;
    --in.nTotalBalls;
}

}  // namespace

void CountBall(Game& g)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    ++c.nBall;
    ++in.Bat[c.nStriker].nBalls;
    ++in.Bowl[c.nBowler].nBalls;
    ++c.Spell[c.nBowler].nSpellBalls;
    ++in.nTotalBalls;
    c.nOutcome = 1;
    if (c.nOverRow >= 0 && c.nOverRow < OVER_HISTORY_ROWS && c.nBallInOver >= 0 && c.nBallInOver < 12)
        c.OverHistory[c.nOverRow].nMark[c.nBallInOver] = c.nStriker == c.nPartnerA ? 1 : 2;
}

int ScoreRuns(Game& g, int n, bool record)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    n = Protect(g, n);
    if (n <= 0) return 0;

    BAT& bat = in.Bat[c.nStriker];
    int runsBefore = bat.nRuns;
    bat.nRuns += n;
    in.Bowl[c.nBowler].nRuns += n;
    c.Spell[c.nBowler].nSpellRuns += n;
    in.nTotal += n;

    u16& points = g.pTest->nBatPoints[c.nStriker][c.nBatSide];
    int v = RatingValue(ball::Bowler(g).nBowlRating);
    if (n == 4) {
        ++bat.nFours;
        AddPoints(points, 3 * v);
        c.nBallWear += 1;
        c.nBounce += 1;
    } else if (n == 6) {
        ++bat.nSixes;
        AddPoints(points, 6 * v);
        c.nBallWear += 3;
        c.nBounce += 1;
    }
    AddPoints(points, n * v);
    if (c.nOutcome == 1 || c.nOutcome == 23 || c.nOutcome == 35) c.nOutcome += n;

    ball::ShowBall(g);
    if (record) ball::Record(g, c.nOutcome);
    if (runsBefore % 50 + n >= 50) AnnounceBatsman(g);
    AnnouncePartnership(g, n);
    if (TargetTest(g)) return 1;
    if (n % 2 == 1) SwapStrike(c);
    return 0;
}

int BowlWide(Game& g, int n)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    if (n == -1) n = 1;
    TakeBackBall(g, true);
    in.Bowl[c.nBowler].nRuns += n;
    c.Spell[c.nBowler].nSpellRuns += n;
    in.Bowl[c.nBowler].nWides += n;
    c.Spell[c.nBowler].nSpellWides += n;
    in.nWides += n;
    in.nExtras += n;
    in.nTotal += n;
    c.nOutcome = n + 7;
    ball::ShowBall(g);
    ball::Record(g, c.nOutcome);
    AnnouncePartnership(g, 1);
    AddPoints(g.pTest->nBowlPoints[c.nBowler][c.nBowlSide], -6);
    return TargetTest(g);
}

int BowlNoBall(Game& g)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    // Spinners never overstep; neither does a keeper turned bowler.
    if (ball::BowlerType(g) < 3) return 0;
    TakeBackBall(g, false);
    ++in.Bowl[c.nBowler].nNoBalls;
    ++c.Spell[c.nBowler].nSpellNoBalls;
    AddPoints(g.pTest->nBowlPoints[c.nBowler][c.nBowlSide], -6);
    c.nOutcome = 64;
    in.Bowl[c.nBowler].nRuns += 1;
    c.Spell[c.nBowler].nSpellRuns += 1;
    in.nNoBalls += 1;
    in.nExtras += 1;
    in.nTotal += 1;
    ball::ShowBall(g);
    ball::Record(g, c.nOutcome);
    AnnouncePartnership(g, 1);
    return TargetTest(g);
}

int ConcedeByes(Game& g, int n)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    if (n == -1) {
        if (DrawValue(g, 50) < ball::Keeper(g).nBowlSkill) return 0;  // the keeper stops it
        n = DrawValue(g, 4) + 1;
        if (n == 3) n = PaceClass(ball::BowlerType(g)) == 5 ? 4 : 1;
    }
    n = Protect(g, n);
    if (n <= 0) return 0;
    in.nByes += n;
    in.nExtras += n;
    in.nTotal += n;
    c.nOutcome = n + 15;
    ball::ShowBall(g);
    ball::Record(g, c.nOutcome);
    AddPoints(g.pTest->nFieldPoints[in.nKeeperPos][c.nBowlSide], -6 * n);
    AnnouncePartnership(g, n);
    if (n % 2 == 1) SwapStrike(c);
    return TargetTest(g);
}

int ConcedeLegByes(Game& g, int n)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    if (n == -1) {
        n = DrawValue(g, 4) + 1;
        if (n == 3) n = 1;
    }
    n = Protect(g, n);
    if (n <= 0) return 0;
    in.nLegByes += n;
    in.nExtras += n;
    in.nTotal += n;
    c.nOutcome = n + 11;
    ball::ShowBall(g);
    ball::Record(g, c.nOutcome);
    AnnouncePartnership(g, n);
    if (n % 2 == 1) SwapStrike(c);
    return TargetTest(g);
}

}  // namespace ovs
