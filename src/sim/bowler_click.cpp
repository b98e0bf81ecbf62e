// Picking the bowler by clicking his row in the bowlers pane.
#include "sim/bowler_click.h"

#include "core/flow.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/menu.h"

namespace ovs {

namespace {

bool InPlay(const Game& g)
{
    const CURRENT& c = g.Current;
    return g.pTest && g.pInnings && g.pInnings->nStatus == INNINGS_INPROGRESS && (c.nBowlSide == 0 || c.nBowlSide == 1);
}

}  // namespace

int BowlersPaneSlot(const Game& g, int row)
{
    if (!InPlay(g) || row < 0 || row >= kBowlersPaneRows) return -1;
    const CURRENT& c = g.Current;
    // The list has no gaps: it ends at its first empty place.
    for (int k = 0; k <= row; ++k)
        if (c.nBowlOrder[k][c.nBowlSide] < 0) return -1;
    const int slot = c.nBowlOrder[row][c.nBowlSide];
    return slot < MAX_ELEVEN ? slot : -1;
}

bool BowlerClickAllowed(const Game& g, int row)
{
    // The pane exists only in windows 800 wide or more.
    if (g.nMainWidth < 800 || !g.commands.Enabled(CMD_NEWBOWLER)) return false;
    // In network play HumanSide is this copy's own side only.
    if (!HumanSide(g, g.Current.nBowlSide)) return false;
    const int slot = BowlersPaneSlot(g, row);
    // The other-end bowler may not bowl two overs running.
    return slot >= 0 && slot != g.Current.nOtherBowler;
}

bool BowlersPaneClick(Game& g, int pressRow, int releaseRow)
{
    if (pressRow < 0 || pressRow != releaseRow || !BowlerClickAllowed(g, pressRow)) return false;
    g.Log("Posting WM_COMMAND message to hWndBowlers from BowlersWndProc ()\n");
    BowlersPaneCommand(g, kBowlersPaneFirstId + pressRow);
    return true;
}

void BowlersPaneCommand(Game& g, int id)
{
    const int slot = BowlersPaneSlot(g, id - kBowlersPaneFirstId);
    if (slot < 0) return;
    g.Current.nBowler = static_cast<std::int16_t>(slot);
    // The row's radio button and the pairings with the bowler change.
    unsigned panes = PANE_BOWLERS | PANE_AGGRESSION;
    if (NetworkPlay(g)) {
        NetworkSendPaneBowler(g, slot);
        panes |= PANE_HIGHLIGHTS;
    }
    if (g.nMainWidth >= 800) g.host->Refresh(panes);
}

}  // namespace ovs
