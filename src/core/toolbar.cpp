// The captain's buttons in the saved position.
#include "core/toolbar.h"

#include <cstdio>

#include "core/flow.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/menu.h"
#include "data/files.h"

namespace ovs {

const ToolbarButton kToolbarButtons[TOOLBAR_RECORDS] = {
    {"Menu_Bat", CMD_BATAGGRESSION}, {"Menu_Bowl", CMD_BOWLAGGRESSION}, {"Menu_Team", CMD_TEAMAGGRESSION},
    {"Menu_NewBowl", CMD_NEWBOWLER}, {"Menu_Declare", CMD_DECLARE},    {"Menu_Scorebrd", CMD_SCOREBOARD},
    {"Menu_Continue", CMD_NEXTOVER},
};

const char* ToolbarStateName(int state)
{
    static const char* const kNames[3] = {"Norm", "Gray", "Sltd"};
    return kNames[state >= 0 && state < 3 ? state : 1];
}

namespace {

// Do the records hold the seven buttons in their order, each in a known state?
bool ToolbarValid(const ToolbarState& t)
{
    for (int b = 0; b < TOOLBAR_RECORDS; ++b) {
        const int state = t[b].nState;
        if (state < 0 || state > 2 || static_cast<int>(t[b].nCommand) != kToolbarButtons[b].command) return false;
    }
    return true;
}

// The Test commands of a position whose toolbar was not kept: what the start
// of an innings gives the sides.
void CommandsFromPlay(Game& g)
{
    const CURRENT& c = g.Current;
    const bool inPlay = g.pTest && g.pInnings && c.nTime >= 800;
    const bool bat = inPlay && HumanSide(g, c.nBatSide);
    const bool bowl = inPlay && HumanSide(g, c.nBowlSide);
    const bool behind = c.nInnings == 2 && ThirdInningsLead(g, 0) < 0;
    g.commands.Enable(CMD_BATAGGRESSION, bat);
    g.commands.Enable(CMD_DECLARE, bat && c.nInnings != 3 && !NetworkPlay(g) && !behind);
    g.commands.Enable(CMD_BOWLAGGRESSION, bowl);
    g.commands.Enable(CMD_NEWBOWLER, bowl);
    g.commands.Enable(CMD_TEAMAGGRESSION, inPlay && PersonInvolved(g));
    for (int id : {CMD_SCOREBOARD, CMD_NEXTOVER, CMD_CONDITIONS}) g.commands.Enable(id, inPlay && g.Watched());
}

}  // namespace

void StoreToolbar(Game& g)
{
    ToolbarState& t = Toolbar(g);
    for (int b = 0; b < TOOLBAR_RECORDS; ++b) {
        const ToolbarButton& button = kToolbarButtons[b];
        t[b] = TOOLBAR{};
        t[b].nState = static_cast<std::int16_t>(g.commands.Enabled(button.command) ? 0 : 1);
        for (int s = 0; s < 3; ++s)
            std::snprintf(t[b].szIcon[s], sizeof t[b].szIcon[s], "%s%s", button.icon, ToolbarStateName(s));
        t[b].nCommand = static_cast<std::uint32_t>(button.command);
    }
}

void RestoreToolbar(Game& g)
{
    const ToolbarState& t = Toolbar(g);
    if (!ToolbarValid(t)) {
        CommandsFromPlay(g);
        return;
    }
    for (int b = 0; b < TOOLBAR_RECORDS; ++b) g.commands.Enable(kToolbarButtons[b].command, t[b].nState != 1);
    g.commands.Enable(CMD_CONDITIONS, t[5].nState != 1);
}

}  // namespace ovs
