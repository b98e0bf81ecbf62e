// Picking the bowler by clicking his row in the bowlers pane.
//
// The pane lists the bowling side's rotation list, one row per bowler. While
// the new-bowler command is open to this copy's person and his side bowls, a
// press and release on the same row makes that row's bowler the bowler of
// the next over, as the new-bowler dialog would; every other click belongs to
// the main window (a left click there resumes a pause).
#pragma once

namespace ovs {

struct Game;

// Rows the bowlers pane can list.
inline constexpr int kBowlersPaneRows = 10;
// The control ids of the pane's rows: 1000 + row.
inline constexpr int kBowlersPaneFirstId = 1000;

// The bowling slot listed in row `row` (the rotation list of the side in the
// field), or -1 for an empty or unknown row.
int BowlersPaneSlot(const Game& g, int row);

// May the person on this copy pick the bowler of row `row` now? The pane
// must exist (a window 800 wide or more), the new-bowler command be enabled,
// the side in the field be his, and the row hold a bowler who did not bowl
// the last over (the other-end bowler).
bool BowlerClickAllowed(const Game& g, int row);

// A press on row `pressRow` released on row `releaseRow` (-1 for none). When
// both are the same allowed row, the row's command runs (its bowler becomes
// the bowler) and true is returned; otherwise nothing happens and the click
// is the main window's.
bool BowlersPaneClick(Game& g, int pressRow, int releaseRow);

// The row's command, id 1000 + row: the row's bowler becomes the bowler; in
// network play the other copy is told (NM_NEWBOWLER) and also redraws its
// highlights. The panes showing the bowler are redrawn.
void BowlersPaneCommand(Game& g, int id);

// Tells the other copy the bowler picked in the pane (NM_NEWBOWLER with the
// bowling slot). The network code defines it; without it nothing is sent.
void NetworkSendPaneBowler(Game& g, int slot);

}  // namespace ovs
