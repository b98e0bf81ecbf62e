// Booking one ball: the dot ball, runs off the bat, the four extras, the
// protection of a batsman from the strike, and the fall of a wicket.
//
// Every booking operation returns the innings-over flag: 1 when this ball
// ended the innings (target reached, all out, declared, the clock closed it),
// 0 when play goes on. A live copy draws what it needs through DrawValue and
// appends what it booked to the Test's replay stream.
#pragma once

#include <string>
#include <string_view>

#include "core/flow.h"
#include "core/match.h"
#include "core/replay.h"

namespace ovs {

struct Game;

// A draw below n for the delivery model: only the copy that plays the ball
// live draws (never a replay, never a network client).
int DrawValue(Game& g, int n);

// Books a legal dot ball before anything else about the ball is decided.
void CountBall(Game& g);
// Runs off the bat (0..6), after the protection rule.
// A missed run out records its own code and detail: it books with record false.
int ScoreRuns(Game& g, int n, bool record = true);
// n wides (1..4; -1 means 1): takes back the counted ball.
int BowlWide(Game& g, int n);
// A no ball, for bowlers of type 3 and above only: takes back the counted ball.
int BowlNoBall(Game& g);
// n byes (1..4; -1 draws them, the keeper may stop them).
int ConcedeByes(Game& g, int n);
// n leg byes (1..4; -1 draws them).
int ConcedeLegByes(Game& g, int n);
// Books the striker's dismissal (how-out code, fielder or run-out detail, the
// difficulty drawn for the chance) and brings in the next batsman.
int FallOfWicket(Game& g, int how, int detail, int difficulty);

// Runs n (1..3) as the protection of Current.nProtected lets them stand, with
// b legal balls bowled in the over counting this one; 4 and 6 are untouched.
int ProtectRuns(int n, int b, bool protectedIsStriker, bool protectedIsNonStriker);

// The performance value of a rating: (rating + 768) / 192.
int RatingValue(int rating);

// Who comes in after a wicket for a computer batting side (the night-watchman
// rule); sets nothing, returns the slot.
int ComputerNextBatsman(Game& g);

// The players and names a ball involves, for the batting or bowling side.
namespace ball {

PLAYER& SlotPlayer(Game& g, int side, int slot);
std::string SlotName(const Game& g, int side, int slot);
// The same name in place in the squad record (not NUL-terminated when full).
std::string_view SlotNameView(const Game& g, int side, int slot);
PLAYER& Striker(Game& g);
PLAYER& Bowler(Game& g);
PLAYER& Keeper(Game& g);
int BowlerType(Game& g);
// Does this copy follow a record of the ball rather than draw it? A replay
// reads the replay stream; a network client takes the server's values from
// its delivery queue (and books them in its own replay stream as it takes
// them, so the two copies keep the same stream).
inline bool Follows(const Game& g) { return Replaying(g) || NetworkClient(g); }
// One value of the ball, booked by the copy that draws: a byte of the replay
// stream, and on a network server a value of the delivery queue, a short
// (RecordByte: a byte).
inline void RecordValue(Game& g, int value, bool wide)
{
    ReplayAppendByte(g, value & 0xFF);
    if (NetworkServer(g)) NetworkPushBall(g, value, wide);
}
inline void Record(Game& g, int value)
{
    if (!Follows(g)) RecordValue(g, value, true);
}
inline void RecordByte(Game& g, int value)
{
    if (!Follows(g)) RecordValue(g, value, false);
}
// A choice made during the ball (the new batsman, a declaration): booked in
// the replay stream by every copy that plays, never sent with the ball.
inline void RecordChoice(Game& g, int value)
{
    if (!Replaying(g)) ReplayAppendByte(g, value & 0xFF);
}
// The next value of the ball, for a copy that follows: from the replay
// stream, or the server's short (ReadBackByte: byte). A value outside lo..hi
// breaks the replay or refuses the peer, and gives lo.
int ReadBack(Game& g, int lo = 0, int hi = 255, const char* what = "a recorded ball");
int ReadBackByte(Game& g, int lo, int hi, const char* what);
// Refuse a value read already that play cannot take; gives 0.
int Refuse(Game& g, const char* what, int value);
// The over pane shows the ball's current outcome code.
void ShowBall(Game& g);
// The stored points are unsigned words but signed in meaning.
void AddPoints(u16& points, int delta);

}  // namespace ball

}  // namespace ovs
