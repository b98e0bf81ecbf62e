// The computer captain in the field: his changes of bowler, the rotation of
// his bowlers, the starting pair of a day and his taking of the new ball.
#include <algorithm>
#include <string>

#include "core/ballbyball.h"
#include "core/game.h"
#include "core/innings.h"
#include "sim/aggression.h"
#include "sim/booking.h"
#include "sim/bowling.h"

namespace ovs {

namespace {

constexpr int kNewBallOvers = 80;

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

std::string BowlerName(const Game& g, int slot)
{
    if (!ValidSlot(slot)) return "";
    return ball::SlotName(g, g.Current.nBowlSide, slot);
}

// The computer takes the new ball: everyone in the field attacks it.
void ComputerTakesNewBall(Game& g)
{
    CURRENT& c = g.Current;
    TakeNewBall(g);
    RaiseAllBowlingAggression(g, 5);
    g.host->Refresh(PANE_ALL);
    if (PersonInvolved(g) && (g.options.wShowMessages & 0x2000)) {
        std::string name = g.db.squads[g.Series.nSquad[c.nBowlSide]].szName;
        g.host->MessageBox(name + " have taken the new ball.", "New Ball", BoxButtons::Ok, BoxIcon::Information);
    }
}

// Rotation size repair, logged.
void SettleRotationSize(Game& g)
{
    CURRENT& c = g.Current;
    int side = c.nBowlSide;
    if (c.nNumBowlers == 0) {
        c.nNumBowlers = c.nMainBowlers[side];
        g.Log("Setting _Current.nNumBowlers = _Current.nMainBowlers\n");
        if (c.nNumBowlers == 0) {
            c.nNumBowlers = c.nMaxBowlers[side];
            c.nMainBowlers[side] = c.nMaxBowlers[side];
            g.Log("Setting _Current.nNumBowlers = _Current.nMaxBowlers\n");
            if (c.nNumBowlers == 0) {
                c.nNumBowlers = 4;
                c.nMainBowlers[side] = 4;
                c.nMaxBowlers[side] = 4;
                g.Log("Setting _Current.nNumBowlers = 4\n");
            }
        }
    }
    if (c.nNumBowlers < 4) {
        g.Log("Setting _Current.nNumBowlers = 4 [Was %d]\n", static_cast<int>(c.nNumBowlers));
        c.nNumBowlers = 4;
        c.nMainBowlers[side] = 4;
        c.nMaxBowlers[side] = 4;
    }
}

// The next bowler of the rotation from the rotation index on: a bowler who is
// at neither end. Past place nNumBowlers the search starts again at place 0
// and the cycle counter rises. -1 when the list offers nobody.
int NextInRotation(Game& g, int& place)
{
    CURRENT& c = g.Current;
    int side = c.nBowlSide;
    int idx = c.nRotation;
    // Two full sweeps of the list are plenty; a list with nobody free gives up.
    for (int step = 0; step < 2 * (MAX_ELEVEN + 1); ++step) {
        int s = (idx >= 0 && idx < MAX_ELEVEN) ? static_cast<int>(c.nBowlOrder[idx][side]) : -1;
        if (s != -1 && ValidSlot(s) && s != c.nBowler && s != c.nOtherBowler) {
            place = idx;
            return s;
        }
        if (idx >= c.nNumBowlers || idx >= MAX_ELEVEN - 1) {
            idx = 0;
            ++c.nRotationCycle;
        } else {
            ++idx;
        }
    }
    return -1;
}

// After a change: the rotation index moves past the place taken and, at the
// end of the rotation, the rotation may shrink late in an innings or grow.
void AdvanceRotation(Game& g, int place)
{
    CURRENT& c = g.Current;
    int side = c.nBowlSide;
    c.nRotation = place + 1;
    if (c.nRotation < c.nNumBowlers) return;
    ++c.nRotationCycle;
    int cycle = c.nRotationCycle;
    if (cycle % 2 == 1 || cycle < 4) {
        c.nRotation = 0;
        return;
    }
    if (g.pInnings->nWickets >= 6) {
        int floor = c.nMainBowlers[side] < 4 ? 4 : static_cast<int>(c.nMainBowlers[side]);
        if (c.nNumBowlers > floor) {
            --c.nNumBowlers;
            c.nRotation = 0;
        }
    } else {
        int ceiling = c.nMaxBowlers[side] < 4 ? 4 : static_cast<int>(c.nMaxBowlers[side]);
        if (c.nNumBowlers < ceiling) ++c.nNumBowlers;
    }
}

// The two bowlers of the first two places of the rotation list: which end
// each takes. kind 0: a new day; 1: after a stoppage (and at an innings start).
bool PlacePair(Game& g, int kind, int& first, int& second)
{
    CURRENT& c = g.Current;
    first = c.nBowlOrder[0][c.nBowlSide];
    second = c.nBowlOrder[1][c.nBowlSide];
    if (!ValidSlot(first) || !ValidSlot(second)) return false;
    bool firstHere = kind == 0 ? first == c.nLastBowler : first != c.nOtherBowler;
    c.nBowler = firstHere ? first : second;
    c.nOtherBowler = firstHere ? second : first;
    StartSpell(g, first);
    StartSpell(g, second);
    return true;
}

}  // namespace

void ChooseOpeningBowlers(Game& g)
{
    int first = -1, second = -1;
    PlacePair(g, 1, first, second);
}

void StartingBowlers(Game& g, int kind)
{
    CURRENT& c = g.Current;
    if (g.pInnings->nStatus != INNINGS_INPROGRESS || g.pInnings->nWickets >= 10) return;
    int first = -1, second = -1;
    if (!PlacePair(g, kind, first, second)) return;
    const bool boxWanted = (g.options.wShowMessages & 0x2) && PersonInvolved(g);
    std::string text;
    if (boxWanted || BbbIsOpen(g)) {
        text = "Starting bowlers are " + BowlerName(g, first) + " & " + BowlerName(g, second) + ".";
        BbbIntervalLine(g, "\n" + text + "\n");
    }
    g.host->Refresh(PANE_BOWLERS);
    if (boxWanted) g.host->MessageBox(text, "New day bowlers", BoxButtons::Ok, BoxIcon::Information);
    RaisePairAggression(g, first, second, 2);
    if (kind == 0) c.bSkipChange = 1;
}

void ComputerBowlingChange(Game& g, int nRunsAtOverStart)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    if (c.bSkipChange) {
        std::swap(c.nBowler, c.nOtherBowler);
        c.bSkipChange = 0;
        return;
    }
    int b = c.nBowler;
    if (!ValidSlot(b)) {
        std::swap(c.nBowler, c.nOtherBowler);
        return;
    }
    SPELL& sp = c.Spell[b];
    sp.nSpellOvers += 1;

    int f = sp.nTiredness;
    int cut = f < 32 ? 0 : 1 + (f >= 40) + (f >= 48) + (f >= 54) + (f >= 56 ? 5 : 0);
    int r = in.Bowl[b].nRuns - nRunsAtOverStart;
    // One more for each of 6, 9, ..., 36 runs the over cost.
    if (r >= 6) cut += std::min(11, (r - 6) / 3 + 1);
    sp.nBudget -= cut;

    std::swap(c.nBowler, c.nOtherBowler);

    if (c.nOversSinceNewBall >= kNewBallOvers && in.nStatus == INNINGS_INPROGRESS) {
        int due = RotationPlace(g, c.nBowler);
        if (due < 2) {
            ComputerTakesNewBall(g);
        } else {
            int other = RotationPlace(g, c.nOtherBowler);
            if (other >= 2) {
                // Bring a new-ball bowler on at the other end first.
                c.nRotation = 0;
                c.Spell[c.nOtherBowler].nSpellOvers = c.Spell[c.nOtherBowler].nBudget;
            }
        }
    }

    SettleRotationSize(g);

    if (sp.nSpellOvers < sp.nBudget) return;

    int place = -1;
    int next = NextInRotation(g, place);
    if (next < 0) return;  // nobody free to bowl: he carries on
    c.nOtherBowler = next;
    StartSpell(g, next);
    ReportBowlingChange(g, b, next, true);
    AdvanceRotation(g, place);
}

}  // namespace ovs
