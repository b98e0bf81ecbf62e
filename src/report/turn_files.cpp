// Play-by-mail turn files.
#include "report/turn_files.h"

#include "core/game.h"

namespace ovs {

void WriteStartingDetails(Game&) {}
void WriteRoundTurnFiles(Game&, int) {}

}  // namespace ovs
