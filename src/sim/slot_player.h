// The player at a slot of a side's eleven, inline: every ball asks for its
// striker and bowler, so the lookup is one pass of checks and no call.
#pragma once

#include "core/game.h"

namespace ovs::ball {

// The blank player an empty slot plays as, rather than reading past the stores.
PLAYER& BlankPlayer();

// The player at a slot, or nullptr when the slot, its squad member or the
// player is unset or out of range.
inline const PLAYER* SlotPlayerOrNull(const Game& g, int side, int slot)
{
    if (g.pTest && static_cast<unsigned>(side) < 2 && static_cast<unsigned>(slot) < MAX_ELEVEN) {
        const unsigned squad = static_cast<unsigned>(static_cast<int>(g.Series.nSquad[side]));
        const unsigned member = static_cast<unsigned>(static_cast<int>(g.pTest->nPlayer[slot][side]));
        if (squad < g.db.squads.size() && member < MAX_SQUAD) {
            const unsigned player = static_cast<unsigned>(static_cast<int>(g.db.squads[squad].nPlayer[member]));
            if (player < g.db.players.size()) return &g.db.players[player];
        }
    }
    return nullptr;
}

inline PLAYER& SlotPlayerAt(Game& g, int side, int slot)
{
    const PLAYER* p = SlotPlayerOrNull(g, side, slot);
    return p ? const_cast<PLAYER&>(*p) : BlankPlayer();  // g itself is not const
}

}  // namespace ovs::ball
