// Bowling management: the end of an over, the bowler of a new over, spells
// and their budgets, and the new ball. The computer captain's own decisions
// are in captain.cpp.
#include "sim/bowling.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "core/ballbyball.h"
#include "core/clock.h"
#include "core/flow.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/replay.h"
#include "sim/booking.h"

namespace ovs {

namespace {

constexpr int kNewBallOvers = 80;
constexpr int kNewBallMark = 240;   // the replay stream's note of a new ball

bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

std::string BowlerName(const Game& g, int slot)
{
    if (!ValidSlot(slot)) return "";
    return ball::SlotName(g, g.Current.nBowlSide, slot);
}


// Spell length the captain has in mind for a bowler of this pace class, and
// the most a wicket or a maiden may stretch it to: the quicker the bowler,
// the shorter the spell.
void SpellBudgetFor(int paceClass, int& initial, int& limit)
{
    switch (paceClass) {
    case 5: initial = 5; limit = 7; break;
    case 4: initial = 6; limit = 8; break;
    case 3: initial = 8; limit = 11; break;
    default: initial = 3; limit = 4; break;
    }
}

void SetCommand(Game& g, int id, bool on, bool& changed)
{
    if (g.commands.Enabled(id) != on) {
        g.commands.Enable(id, on);
        changed = true;
    }
}


}  // namespace

int RotationPlace(const Game& g, int s)
{
    const CURRENT& c = g.Current;
    for (int k = 0; k < MAX_ELEVEN; ++k)
        if (c.nBowlOrder[k][c.nBowlSide] == s) return k;
    return -1;
}

void ReportBowlingChange(Game& g, int oldBowler, int newBowler, bool box)
{
    const bool boxWanted =
        box && (g.options.wShowMessages & 0x4) && (PersonInvolved(g) || (g.options.wPlayOptions & 0x80));
    // The text is built only for a reader: the ball-by-ball file or the box.
    std::string text;
    if (boxWanted || BbbIsOpen(g)) {
        text = BowlerName(g, oldBowler) + " has been replaced by " + BowlerName(g, newBowler) + ".";
        BbbIntervalLine(g, text);
    }
    g.host->Refresh(PANE_BOWLERS);
    if (boxWanted) g.host->MessageBox(text, "Bowling Change", BoxButtons::Ok, BoxIcon::Information);
}

int PaceClass(int bowlingType)
{
    switch (bowlingType) {
    case -1: return 2;
    case 1: case 2: case 4: case 8: return 3;
    case 64: return 5;
    default: return 4;
    }
}

void ClearSpellFigures(Game& g, int s)
{
    if (!ValidSlot(s)) return;
    SPELL& sp = g.Current.Spell[s];
    sp.nSpellBalls = 0;
    sp.nSpellMaidens = 0;
    sp.nSpellRuns = 0;
    sp.nSpellWickets = 0;
    sp.nSpellNoBalls = 0;
    sp.nSpellWides = 0;
}

void StartSpell(Game& g, int s)
{
    if (!ValidSlot(s)) return;
    CURRENT& c = g.Current;
    SPELL& sp = c.Spell[s];
    sp.nBudget = sp.nInitialBudget;
    sp.nSpellOvers = 0;
    ClearSpellFigures(g, s);
    c.nBowlAggression[s] = c.nTeamAggression[c.nBowlSide];
    c.Mark[s].nBowlMark = g.pInnings->Bowl[s].nRuns;
}

void ResetInningsBowling(Game& g)
{
    CURRENT& c = g.Current;
    for (int s = 0; s < MAX_ELEVEN; ++s) {
        SPELL& sp = c.Spell[s];
        int initial = 0, limit = 0;
        int member = g.pTest->nPlayer[s][c.nBowlSide];
        int type = member >= 0 ? static_cast<int>(ball::SlotPlayer(g, c.nBowlSide, s).nBowlType) : -1;
        SpellBudgetFor(PaceClass(type), initial, limit);
        sp.nInitialBudget = initial;
        sp.nBudgetLimit = limit;
        sp.nBudget = 0;
        sp.nSpellOvers = 0;
        ClearSpellFigures(g, s);
        c.Mark[s].nBatMark = 0;
        c.Mark[s].nBowlMark = 0;
    }
    c.nRotation = 0;
    c.nRotationCycle = 0;
    c.nNumBowlers = 0;
    c.bSkipChange = 0;
    c.nTotalMark[0] = 0;
    c.nTotalMark[1] = 0;
}

void TakeNewBall(Game& g)
{
    CURRENT& c = g.Current;
    c.nOversSinceNewBall = 0;
    c.nBallWear = 0;
    c.nBounce = std::max(0, c.nBounce - 30);
}


void BeginOver(Game& g)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    if (Replaying(g)) {
        c.nBowler = ReplayByteIn(g, 0, MAX_ELEVEN - 1, "the bowler of the over");
    } else if (NetworkClient(g)) {
        // The server's bowler, whoever this copy thought would bowl.
        NetworkTakeOverBowler(g);
        ReplayAppendByte(g, c.nBowler);
    } else {
        ReplayAppendByte(g, c.nBowler);
        NetworkSendOverBowler(g);
    }

    int b = c.nBowler;
    if (!ValidSlot(b)) return;
    if (c.nOversToday < 2) ClearSpellFigures(g, b);
    if (b != c.nLastBowler && in.nTotalBalls > 11) {
        ClearSpellFigures(g, b);
        ReportBowlingChange(g, c.nLastBowler, b, false);
    }

    bool added = false;
    for (auto& s : in.nBowlers) {
        if (s == b) break;
        if (s == -1) {
            s = b;
            added = true;
            break;
        }
    }
    if (RotationPlace(g, b) < 0) {
        for (int k = 0; k < MAX_ELEVEN; ++k)
            if (c.nBowlOrder[k][c.nBowlSide] == -1) {
                c.nBowlOrder[k][c.nBowlSide] = b;
                break;
            }
    }
    if (added) g.host->Refresh(PANE_BOWLERS);
}

void EndOfOver(Game& g, int over)
{
    CURRENT& c = g.Current;
    INNINGS& in = *g.pInnings;
    const int bat = c.nBatSide, bowl = c.nBowlSide;

    // The captain's buttons for the break between overs.
    bool changed = false;
    if (!(g.options.wPlayOptions & 0x400)) {
        if (HumanSide(g, bowl)) SetCommand(g, CMD_BOWLAGGRESSION, true, changed);
        if (HumanSide(g, bat)) SetCommand(g, CMD_BATAGGRESSION, true, changed);
        if (PersonInvolved(g)) SetCommand(g, CMD_TEAMAGGRESSION, true, changed);
    } else if (HumanSide(g, bowl)) {
        SetCommand(g, CMD_NEWBOWLER, true, changed);
    }
    if (changed) {
        g.host->CommandsChanged();
        g.host->Refresh(PANE_BUTTONS);
    }

    // The over's ball-by-ball line is completed unless the last ball was a
    // wicket (which wrote it) or ended the innings.
    if (c.nOutcome < 32 && !c.bEndInnings) BbbEndOver(g);

    int b = c.nBowler;
    if (ValidSlot(b) && c.nBall == 6 && in.Bowl[b].nRuns == c.nRunsAtOverStart) {
        SPELL& sp = c.Spell[b];
        in.Bowl[b].nMaidens += 1;
        sp.nSpellMaidens += 1;
        if (ValidSlot(c.nStriker)) {
            int v = RatingValue(ball::SlotPlayer(g, bat, c.nStriker).nBatRating);
            ball::AddPoints(g.pTest->nBowlPoints[b][bowl], 2 * v);
        }
        if (ComputerSide(g, bowl) && sp.nBudget < sp.nBudgetLimit) sp.nBudget += 1;
    }

    int ended = EndOfOverClock(g, c.bEndInnings);
    c.nBall = 0;
    c.nOversSinceNewBall += 1;
    c.nBallWear += 1;
    c.nBounce += 1;
    c.nPitch += 1;
    g.host->Refresh(PANE_MATCH);

    if (ended) {
        // The network client's innings ends when the server says so.
        if (NetworkClient(g)) return;
        g.Log("Posting WM_ENDINNINGS\n");
        PostUnlessQueued(g, WM_ENDINNINGS, 0);
        return;
    }

    if (PersonInvolved(g)) g.host->Refresh(PANE_ALL);
    if (c.nOversSinceNewBall == kNewBallOvers && HumanSide(g, bowl) &&
        g.host->MessageBox("Do you wish to take the New Ball?", "New Ball", BoxButtons::YesNo,
                           BoxIcon::Question) == IDYES)
        TakeNewBall(g);

    if (ComputerSide(g, bowl))
        ComputerBowlingChange(g, c.nRunsAtOverStart);
    else
        std::swap(c.nBowler, c.nOtherBowler);

    c.nLastBowler = c.nBowler;
    std::swap(c.nStriker, c.nNonStriker);
    c.nRunsAtOverStart = 0;
    int rows = std::clamp<int>(c.nOverRows, 1, OVER_HISTORY_ROWS);
    if (c.nOverRow < rows - 1) c.nOverRow += 1;
    c.nOver = over + 1;

    if (Replaying(g)) {
        if (ReplayTakeByteIf(g, kNewBallMark)) TakeNewBall(g);
    } else if (c.nOversSinceNewBall == 0) {
        ReplayAppendByte(g, kNewBallMark);
    }
    // After a new ball the ball-by-ball file says so; the status line is the bowlers pane's.
    if (c.nOversSinceNewBall == 0 && BbbIsOpen(g)) BbbIntervalLine(g, SquadName(g, bowl) + " have taken the new ball.");
    if (c.nOversSinceNewBall == 0) g.host->Refresh(PANE_BOWLERS);

    // The break between overs, where a watched game waits for the user.
    g.Log("Posting WM_CONTINNINGS message from EndOfOver ()  (wParam = %d)\n", static_cast<int>(c.nOver));
    PostNextStep(g, WM_CONTINNINGS, c.nOver);
}

}  // namespace ovs