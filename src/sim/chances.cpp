// Appeals and fielding chances: LBW, stumping, catch and run out.
#include "sim/chances.h"

#include <cstdio>
#include <string>

#include "core/ballbyball.h"
#include "core/format.h"
#include "core/game.h"
#include "core/replay.h"
#include "sim/booking.h"
#include "sim/bowling.h"

namespace ovs {

namespace {

// wShowMessages bits of the survived chances.
constexpr unsigned kShowLBW = 0x20;
constexpr unsigned kShowDropped = 0x40;
constexpr unsigned kShowStumping = 0x80;
constexpr unsigned kShowRunOut = 0x100;

std::string Format(const char* fmt, const std::string& a, const std::string& b, const std::string& c = {})
{
    char buf[256];
    FormatTo(buf, sizeof buf, fmt, a.c_str(), b.c_str(), c.c_str());
    return buf;
}

// A survived chance is told in a box only when someone watches and wants it;
// its text goes into the ball-by-ball file in every case. An unwatched game
// without a file builds no text at all.
template <typename MakeText>
void Tell(Game& g, unsigned bit, MakeText makeText, const char* caption)
{
    const bool box = (g.options.wShowMessages & bit) && g.Watched();
    if (!box && !BbbIsOpen(g)) return;
    const std::string text = makeText();
    BbbEventLine(g, text);
    if (box) g.host->MessageBox(text, caption, BoxButtons::Ok, BoxIcon::Information);
}

std::string StrikerName(const Game& g) { return ball::SlotName(g, g.Current.nBatSide, g.Current.nStriker); }
std::string BowlerName(const Game& g) { return ball::SlotName(g, g.Current.nBowlSide, g.Current.nBowler); }
std::string FielderName(const Game& g, int slot) { return ball::SlotName(g, g.Current.nBowlSide, slot); }

u16& FieldPoints(Game& g, int slot) { return g.pTest->nFieldPoints[slot][g.Current.nBowlSide]; }

// A live copy draws fielder and difficulty; a replay or a network client
// reads them as one byte.
void FielderAndDifficulty(Game& g, int fielders, int& f, int& d)
{
    if (ball::Follows(g)) {
        // Slots beyond the eleven stand for the keeper where the draw allows them.
        const int v = ball::ReadBackByte(g, 0, 255, "a fielder and difficulty");
        f = (v >> 4) & 15;
        d = v & 15;
        if (f >= fielders) f = ball::Refuse(g, "a fielder", f);
        return;
    }
    f = DrawValue(g, fielders);
    d = DrawValue(g, 15);
}

}  // namespace

int AppealLBW(Game& g)
{
    CURRENT& c = g.Current;
    const int m = 90 - 5 * (PaceClass(ball::BowlerType(g)) - 3);
    const int a = ball::Follows(g) ? ball::ReadBack(g) : DrawValue(g, m);
    const int skill = ball::Bowler(g).nBowlSkill;
    if (skill >= a) {
        c.nOutcome = 36;
        return FallOfWicket(g, HOWOUT_LBW, -1, 0);
    }
    c.nOutcome = 27;
    ball::Record(g, 27);
    ball::Record(g, a);
    ball::ShowBall(g);
    const int margin = a - skill;
    const char* fmt = margin <= 10   ? "%s survived a very close LBW appeal by %s."
                      : margin <= 20 ? "%s survived a close LBW appeal by %s."
                      : margin <= 40 ? "%s survived a LBW appeal by %s."
                                     : "%s easily survived a LBW appeal by %s.";
    Tell(g, kShowLBW, [&] { return Format(fmt, StrikerName(g), BowlerName(g)); }, "LBW Appeal");
    return 0;
}

int ChanceStumping(Game& g)
{
    // Only a slow bowler gives the keeper a stumping; off the others it flies to a fielder.
    if (ball::BowlerType(g) >= 3) return ChanceCatch(g);
    CURRENT& c = g.Current;
    const int keeper = g.pInnings->nKeeperPos;
    const int a = ball::Follows(g) ? ball::ReadBack(g) : DrawValue(g, 80);
    const int k = ball::Keeper(g).nBowlSkill;
    if (a <= k) {
        c.nOutcome = 37;
        if (!ball::Follows(g)) {
            ++g.pInnings->Bowl[keeper].nStumpings;
            ball::AddPoints(FieldPoints(g, keeper), 10 * a);
        }
        return FallOfWicket(g, HOWOUT_STUMPED, keeper, a);
    }
    if (a >= k + 10) return 0;  // never a chance
    ball::AddPoints(FieldPoints(g, keeper), -2 * (80 - a));
    c.nOutcome = 28;
    ball::Record(g, 28);
    ball::Record(g, a);
    ball::ShowBall(g);
    const char* fmt = a < 31    ? "%s missed a very simple chance to stump %s\noff %s."
                      : a <= 33 ? "%s missed a simple chance to stump %s\noff %s."
                      : a <= 36 ? "%s missed a chance to stump %s\noff %s."
                      : a <= 40 ? "%s missed a hard chance to stump %s\noff %s."
                                : "%s missed a very hard chance to stump %s\noff %s.";
    Tell(g, kShowStumping, [&] { return Format(fmt, FielderName(g, keeper), StrikerName(g), BowlerName(g)); }, "Stumping Chance");
    return 0;
}

int ChanceCatch(Game& g)
{
    CURRENT& c = g.Current;
    const int keeper = g.pInnings->nKeeperPos;
    int f, d;
    FielderAndDifficulty(g, 13, f, d);
    if (f >= MAX_ELEVEN) f = keeper;  // two more of the thirteen go to the keeper
    const int s = ball::SlotPlayer(g, c.nBowlSide, f).nFieldSkill;
    if (d <= s) {
        c.nOutcome = 33;
        if (!ball::Follows(g)) {
            ++g.pInnings->Bowl[f].nCatches;
            ball::AddPoints(FieldPoints(g, f), 25 * d);
        }
        return FallOfWicket(g, HOWOUT_CAUGHT, f, d);
    }
    const bool isKeeper = f == keeper;
    if (!isKeeper && d >= 10) return 0;  // out of reach: no chance
    ball::AddPoints(FieldPoints(g, f), isKeeper ? -10 * (15 - d) : -10 * (10 - d));
    c.nOutcome = 21;
    ball::Record(g, 21);
    ball::RecordByte(g, f * 16 + d);
    ball::ShowBall(g);
    const char* fmt = d < 4    ? "%s dropped %s, a very simple chance off\n%s."
                      : d < 6  ? "%s dropped %s, a simple chance off\n%s."
                      : d < 8  ? "%s dropped %s, a chance off\n%s."
                      : d == 8 ? "%s dropped %s, a hard chance off\n%s."
                               : "%s dropped %s, a very hard chance off\n%s.";
    Tell(g, kShowDropped, [&] { return Format(fmt, FielderName(g, f), StrikerName(g), BowlerName(g)); }, "Catching Chance");
    return 0;
}

int ChanceRunOut(Game& g, int runs)
{
    CURRENT& c = g.Current;
    int f, d;
    FielderAndDifficulty(g, MAX_ELEVEN, f, d);
    const int s = ball::SlotPlayer(g, c.nBowlSide, f).nFieldSkill;
    if (d <= s) {
        int detail = f;
        if (!ball::Follows(g)) {
            ball::AddPoints(FieldPoints(g, f), 50 * d);
            // Even: the striker is out; odd: the non-striker, who is put on strike to be dismissed.
            if (DrawValue(g, 2) % 2 == 1) {
                std::int16_t t = c.nStriker;
                c.nStriker = c.nNonStriker;
                c.nNonStriker = t;
                detail = f + 128;
            }
        }
        c.nOutcome = 35;
        return FallOfWicket(g, HOWOUT_RUNOUT, detail, d);
    }
    if (d >= 10) return 0;  // no chance, and no runs

    const std::string fielder = FielderName(g, f), striker = StrikerName(g);
    ball::AddPoints(FieldPoints(g, f), -10 * (10 - d));
    c.nOutcome = 23;
    if (runs == -1) runs = DrawValue(g, 7) / 2;
    // ScoreRuns leaves the stream to us: the code (23 + runs booked) always goes before the detail.
    int over = ScoreRuns(g, runs, false);
    ball::Record(g, c.nOutcome);
    ball::RecordByte(g, f * 16 + d);
    ball::ShowBall(g);
    const char* fmt = d < 4    ? "%s missed a very simple chance to run out %s."
                      : d < 6  ? "%s missed a simple chance to run out %s."
                      : d < 8  ? "%s missed a chance to run out %s."
                      : d == 8 ? "%s missed a hard chance to run out %s."
                               : "%s missed a very hard chance to run out %s.";
    Tell(g, kShowRunOut, [&] { return Format(fmt, fielder, striker); }, "Run out Chance");
    return over;
}

}  // namespace ovs
