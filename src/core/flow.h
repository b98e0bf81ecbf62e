// The main loop of play: the application message dispatcher, pause and resume.
//
// Every step of play is a message in Game::queue. MainWndProc handles one
// message: it writes the message's log line, does the step (most steps are the
// procedures of flow_steps.h) and the step posts the message for the next one.
// A front end calls PumpOne between its own events until the queue is empty.
// A watched game pauses by setting bPaused and not posting; Resume posts
// WM_RESUMEPLAY, which starts the next over or ball.
#pragma once

#include <cstdint>

#include "core/game.h"

namespace ovs {


// Handle one application message.
void MainWndProc(Game& g, std::uint32_t msg, std::int32_t wParam, std::int64_t lParam = 0);

// Take the first waiting message and handle it; false when the queue was
// empty or the quit message is waiting (nothing runs after it).
bool PumpOne(Game& g);

// Has Exit posted the quit message? The front end then ends its loop.
bool QuitPosted(const Game& g);

// Pump until the queue is empty or `limit` messages were handled; the number handled.
long PumpAll(Game& g, long limit = -1);

// The user resumes a pause. `click` is the left-click path: only while paused
// and no WM_RESUMEPLAY is waiting, and it clears bPaused first. Otherwise (Next
// Over, Space, "7") WM_RESUMEPLAY is posted unless one is waiting. True when posted.
bool Resume(Game& g, bool click = false);

// Post `msg` unless one is already waiting; true when posted.
bool PostUnlessQueued(Game& g, std::uint32_t msg, std::int32_t wParam = 0);

// Post the next step of play unless it is waiting already. Unwatched, with
// nothing else waiting, it would be the very next message handled and nobody
// could see it pass, so it is handled at once instead. Only for steps that
// end by posting, so that one over never runs into the next unbroken.
bool PostNextStep(Game& g, std::uint32_t msg, std::int32_t wParam = 0);

// Remove one waiting `msg` (if any) and post a new one with `wParam`.
void Repost(Game& g, std::uint32_t msg, std::int32_t wParam = 0);

// --- The network's side of the main loop ---------------------------------
// The flow asks these at every ball, so they are inline tests of wNetState.
constexpr std::uint16_t NET_SERVER = 0x100;
constexpr std::uint16_t NET_CLIENT = 0x80;
constexpr std::uint16_t NET_WAITACK = 0x02;
constexpr std::uint16_t NET_WAITDATA = 0x10;
inline bool NetworkPlay(const Game& g) { return (g.wNetState & (NET_SERVER | NET_CLIENT)) != 0; }
inline bool NetworkClient(const Game& g) { return (g.wNetState & NET_CLIENT) != 0; }
inline bool NetworkServer(const Game& g) { return (g.wNetState & NET_SERVER) != 0; }

// The network code (src/net/play.cpp): what each copy sends, and where it
// waits for the other's choice.
void NetworkToggleWait(Game& g);     // flip NET_WAITACK and NET_WAITDATA (xor 0x12)
void NetworkSendResume(Game& g);     // NM_CONTINNSSENDSYNC to the peer
void NetworkSendEndInnings(Game& g); // NM_ENDINNINGS to the client
void NetworkSendEndDelivery(Game& g);// NM_ENDDELIVERY to the server
void NetworkSocketEvent(Game& g, int socket, int event);  // FD_READ 1, FD_WRITE 2, FD_CLOSE 32
void NetworkClose(Game& g);          // close the connection of a client or server
bool NetworkSeriesBox(Game& g);      // both copies agree the series; false: no series
void NetworkNewTestBox(Game& g);     // the client's Ready and the server's OK
void NetworkToss(Game& g, int& call, int& coin);  // the away copy calls and tosses
int NetworkTossChoice(Game& g, int winner);       // the winner's copy: 0 bat, 1 field
void NetworkPickTeams(Game& g);      // each copy picks its eleven; the two swap them
bool NetworkOpeners(Game& g, int& first, int& second);
void NetworkOpeningBowlers(Game& g);
int NetworkNextBatsman(Game& g);     // the batting copy's choice of slot
bool NetworkFollowOn(Game& g, int a);// side a's copy decides
void NetworkInningsSync(Game& g);    // both copies have seen the innings end
void NetworkOverStarts(Game& g);     // server: the client starts the over too (NM_STARTOVER)
void NetworkBallStarts(Game& g);     // server: a new ball, its delivery queue empty
void NetworkBallDone(Game& g);       // server: the client bowls the ball with its values

// What the server produced and the client takes at the same point of its
// flow instead of drawing: the conditions of a Test's start, every weather
// value, the roller between innings. The client stores them in Current; the
// caller books them in the replay stream on both copies. Take is false when
// the connection was lost.
void NetworkSendConditions(Game& g);  // NM_STARTCONDITIONS
void NetworkSendWeather(Game& g);     // NM_WEATHER
void NetworkSendRoller(Game& g);      // NM_INNINGSROLLER
bool NetworkTakeConditions(Game& g);
bool NetworkTakeWeather(Game& g);
bool NetworkTakeRoller(Game& g);
// The over's set-up: the server sends its bowler (NM_OVERBOWLER) and the
// three packed aggression bytes (NM_OVERAGGRESSION); the client pops them
// from its delivery queue (into nBowler; false when lost or refused).
void NetworkSendOverBowler(Game& g);
void NetworkSendOverAggression(Game& g, const int (&bytes)[3]);
bool NetworkTakeOverBowler(Game& g);
bool NetworkTakeOverAggression(Game& g, int (&bytes)[3]);
// A ball's values: the server pushes each as it books it, a short (wide) or
// a byte; the client pops them in the same order. Pop is false when lost.
void NetworkPushBall(Game& g, int v, bool wide);
bool NetworkPopBall(Game& g, int& v, bool wide);
// A value from the server that play cannot take: refused like a lost peer.
void NetworkRefuse(Game& g, const char* what);

// Draws the protocol has no message for (the outfield overnight, injuries
// between Tests): inside this scope the server sends the values it draws and
// the client takes them instead of drawing.
void NetworkSharedDraws(Game& g, bool begin);
class SharedDraws {
public:
    explicit SharedDraws(Game& g) : g_(g), on_(NetworkPlay(g))
    {
        if (on_) NetworkSharedDraws(g_, true);
    }
    ~SharedDraws()
    {
        if (on_) NetworkSharedDraws(g_, false);
    }
    SharedDraws(const SharedDraws&) = delete;
    SharedDraws& operator=(const SharedDraws&) = delete;

private:
    Game& g_;
    bool on_;
};

// --- Other steps the dispatcher and the menu reach ---------------------------

void PlayNextLeagueMatch(Game& g);   // the league's next fixture (league code)
// An open ball-by-ball file gets its closing rule and `line`, and is closed.
void CloseBallByBall(Game& g, const char* line);

}  // namespace ovs
