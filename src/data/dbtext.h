// The default database as readable text: one row per squad, ground and player.
//
// The shipped database is kept as text (res/db/default_db.txt) so that it can
// be reviewed and retuned by hand; the build turns it into the binary .db file.
// The reader fills the stores only when the whole text is good, so a bad file
// leaves the game as it was and names the first bad line.
#pragma once

#include <iosfwd>
#include <string>

namespace ovs {

struct Game;

// Parses a database text and replaces the stores with it: the counts are set,
// the stores are allocated and initialised anew, and players, squads (members,
// display names, home grounds), grounds and the DBHEADER name are filled. On
// bad input returns false with `error` as "line N: what is wrong" and leaves
// the game untouched.
bool ReadDatabaseText(Game& g, std::istream& in, std::string& error);

// Writes the database name, squads, grounds and players in the same text form,
// grouped by squad; players and grounds of no squad get "-" for the squad.
// Returns false when the stores cannot be written as text: a player or ground
// listed by two squads, or two squads with one abbreviation or name.
bool WriteDatabaseText(const Game& g, std::ostream& out);

}  // namespace ovs
