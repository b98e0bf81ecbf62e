// Announcements of innings events: a fall of wicket, a batsman passing a
// multiple of 50, a bowler's fifth and later wickets, a partnership passing a
// multiple of 50. Each goes to an optional box, the ball-by-ball file and the
// highlights.
#pragma once

namespace ovs {

struct Game;

// After a dismissal of batsman Current.nOut.
void AnnounceWicket(Game& g);
// When the striker's runs have just passed a multiple of 50.
void AnnounceBatsman(Game& g);
// After nRuns were added to the partnership of the two batsmen at the crease.
void AnnouncePartnership(Game& g, int nRuns);

}  // namespace ovs
