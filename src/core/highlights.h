// The highlight lines of the match (the highlights pane).
#pragma once

#include <string_view>

namespace ovs {

struct Game;

// Append a line to the 24 highlight lines, the oldest dropping off, stamped
// with the time of play.
void AddHighlight(Game& g, std::string_view text);

}  // namespace ovs
