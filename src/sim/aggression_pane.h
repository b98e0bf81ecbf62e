// What the aggression pane shows and what its bars change.
//
// Ten bars, top to bottom: the four batting pairings (first batsman facing
// the bowler, first facing the other-end bowler, second facing the bowler,
// second facing the other-end bowler), the batting team, the four bowling
// pairings (bowler to first batsman, bowler to second, other-end bowler to
// first, other-end bowler to second) and the bowling team. A person's side
// sees and moves its pairing entries; a computer side's bars show the
// batsmen's and bowlers' own values and cannot be moved.
#pragma once

#include <string>

namespace ovs {

struct Game;

inline constexpr int kAggressionPaneBars = 10;
inline constexpr int kBattingTeamBar = 4;
inline constexpr int kBowlingTeamBar = 9;

struct AggressionPaneBar {
    int side = -1;          // the side the value belongs to
    int first = -1;         // a pairing's first named slot (batsman, or bowler)
    int second = -1;        // the slot it faces or bowls to
    std::string firstName;  // "" for a team bar
    std::string secondName;
    int value = 0;          // 0..10 as shown
    bool editable = false;  // may this copy's person move it?
};

struct AggressionPaneView {
    bool shown = false;     // both batsmen and both bowlers are known
    AggressionPaneBar bar[kAggressionPaneBars];
};

// The pane's bars. Unset pairings of a side played by a person take that
// side's default player aggression first (the pane shows stored values).
AggressionPaneView AggressionPaneState(Game& g);

// Move bar `bar` to `value` (kept within 0..10), stored as the aggression
// dialogs store it and, in network play, sent to the other copy. False when
// the bar is refused: no pane (a window under 800 wide), nothing shown yet,
// or not this copy's person's to move.
bool SetAggressionPaneBar(Game& g, int bar, int value);

// Tells the other copy the aggression of this copy's side (NM_AGGRESSION).
// The network code defines it; without it nothing is sent.
void NetworkSendPaneAggression(Game& g);

}  // namespace ovs
