// Stand-ins for what the main loop and the menu reach but is not built yet.
//
// Each is a weak definition: the real one, wherever it is defined, replaces it
// at link time. That only works when the real definition's object is part of
// the link, so the engine library must be linked whole (an object library, or
// whole-archive): from a plain static archive the linker may take a stand-in
// and never look for the real one. A stand-in is removed once the real one
// exists (the steps of flow_steps.h all have theirs).
#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"

#define OVS_WEAK __attribute__((weak))

namespace ovs {


OVS_WEAK int SeriesSummaryBox(Game& g)
{
    DialogRequest req;
    req.id = Dialog::SeriesSummary;
    if (!g.host->RunDialog(req)) return 1;
    return req.result;
}

OVS_WEAK void SetReplayFlag(Game&, int) {}
OVS_WEAK void CloseLeagueBoxes(Game&) {}

}  // namespace ovs
