// The automatic save: after every Test and at exit the desktop game writes the
// position, in the saved position's layout, to AUTOSAVE.DAT beside CURRENT.DAT
// (never over it), so that nothing played is lost when the user forgets
// "Write Data" or the machine dies. "Read Data" offers it when it is newer.
#pragma once

#include <string>

namespace ovs {

struct Game;

inline constexpr const char* kAutoSaveName = "AUTOSAVE.DAT";

// AUTOSAVE.DAT beside the database, where CURRENT.DAT is.
std::string AutoSavePath(const Game& g);

// Write the automatic save (to a temporary name, then renamed over the last
// one). Nothing is written while a Test is replayed. False when it failed
// (the box has said why).
bool WriteAutoSave(Game& g);

// Is there an automatic save newer than CURRENT.DAT (or one and no CURRENT.DAT)?
bool AutoSaveIsNewer(const Game& g);

// The Tests of the series that have a result.
int FinishedTests(const Game& g);

}  // namespace ovs
