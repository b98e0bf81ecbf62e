// Small helpers shared by the innings files (not for other parts of the game).
#pragma once

#include <initializer_list>
#include <string>

#include "core/flow.h"
#include "core/game.h"
#include "core/messages.h"
#include "sim/booking.h"

namespace ovs::innings_detail {

inline bool ValidSlot(int s) { return s >= 0 && s < MAX_ELEVEN; }

// The display name of a slot of a side; empty for no slot.
inline std::string Name(const Game& g, int side, int slot)
{
    return ValidSlot(slot) ? ball::SlotName(g, side, slot) : std::string();
}

inline void PostEndTest(Game& g, const char* from)
{
    g.Log("Posting WM_ENDTEST message from %s ()\n", from);
    PostUnlessQueued(g, WM_ENDTEST, 0);
}

// The innings is over: WM_ENDINNINGS, unless one waits or this copy is the
// network client (the server tells it).
inline void PostEndInnings(Game& g)
{
    if (g.queue.Peek(WM_ENDINNINGS) || NetworkClient(g)) return;
    g.Log("Posting WM_ENDINNINGS\n");
    g.queue.Post(WM_ENDINNINGS, 0);
}

inline void SetCommands(Game& g, std::initializer_list<int> ids, bool on)
{
    for (int id : ids) g.commands.Enable(id, on);
}

}  // namespace ovs::innings_detail
