// The captain's seven buttons (the menu pane) and their records in the saved
// position: a position written in the middle of a Test brings back which of
// the Test commands were enabled, so a resumed game plays on from the keys.
#pragma once

#include "data/records.h"

namespace ovs {

struct Game;

struct ToolbarButton {
    const char* icon;   // the picture's name without its state ("Menu_Bat")
    int command;        // the menu command it sends
};

// The buttons from left to right, as the menu pane draws them.
extern const ToolbarButton kToolbarButtons[TOOLBAR_RECORDS];

// "Norm", "Gray", "Sltd": the picture suffix of button state 0, 1, 2.
const char* ToolbarStateName(int state);

// Write the buttons' states from the enabled commands into the game's toolbar
// records (before a position is saved).
void StoreToolbar(Game& g);

// Enable the Test commands as the loaded toolbar records say; Current
// Conditions goes with the scoreboard, as they are enabled together. Records
// that are not the seven buttons (a position written before they were kept)
// leave the commands to the state of play: a person's side gets its
// buttons, a watched game the scoreboard and the next over.
void RestoreToolbar(Game& g);

}  // namespace ovs
