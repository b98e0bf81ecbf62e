// The highlight lines of the match (the highlights pane).
#pragma once

#include <string>

namespace ovs {

struct Game;

// Append a line to the 24 highlight lines, the oldest dropping off, stamped
// with the time of play.
void AddHighlight(Game& g, const std::string& text);

}  // namespace ovs
