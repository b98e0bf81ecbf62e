// One network connection between two copies of the game, and the protocol
// spoken over it.
//
// The server serves a port and accepts one connection; the client connects.
// The first exchange swaps the players' names in two 2048-byte blocks; framed
// messages follow. The session sends each message at once, keeping what the
// socket did not take until it can be written; it reassembles the frames it
// receives and acts on each: values that the protocol's boxes take are posted
// to the box in front (Commands), steps of play are posted to the engine's
// queue, match data is stored at once.
//
// Everything runs on the engine's one thread: the front end watches the
// socket (Host::WatchSocket) and calls back when it is ready. A wait for the
// peer is Host::WaitNested. Every value from the wire is checked before use;
// a frame that breaks the protocol is refused and reported like a lost peer.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/game.h"
#include "net/messages.h"
#include "net/socket.h"
#include "net/wire.h"

namespace ovs::net {

// What the headless server proposes for the series box (-1 / 0: the box's own).
struct NetworkSeriesPreset {
    int home = -1;
    int away = -1;
    int tests = 0;
    bool noWeather = false;
    bool ballByBall = false;  // this copy writes each Test's ball-by-ball file
};

// A command posted to the box in front: its control id and lParam.
struct BoxCommand {
    int id = 0;
    int param = 0;
};

// The series box's mirrored state, changed by this copy's controls and the
// commands the other copy's controls post.
struct SeriesChoice {
    int squad[2] = {-1, -1};  // the first (server's) and second (client's) squad
    int tests = 1;
    bool noWeather = false;
    bool homeClient = false;
    bool ready = false;

    void Apply(const BoxCommand& cmd)
    {
        if (cmd.id == 103) squad[0] = cmd.param;
        if (cmd.id == 107) squad[1] = cmd.param;
        if (cmd.id == 110) noWeather = !noWeather;
        if (cmd.id == 140) homeClient = false;
        if (cmd.id == 141) homeClient = true;
        if (cmd.id >= 130 && cmd.id <= 135) tests = cmd.id - 129;
        if (cmd.id == 203) ready = !ready;
    }
};

class Session;
// The series box's checks: the refusal, or "" when the series can start.
std::string CheckSeries(const Game& g, const SeriesChoice& sc);
// Starts the agreed series, the same on both copies.
void ApplySeries(Game& g, Session& s, const SeriesChoice& sc);
// A chat line from this player ("NAME: text"), kept and sent.
void SendChatLine(Session& s, const std::string& text);

class Session {
public:
    explicit Session(Game& g) : g_(g) {}
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // --- Setting up -------------------------------------------------------
    // Opens the listening socket ("ServerStart"); false when reported.
    bool Listen(int port);
    // Takes a waiting connection and swaps names; true once connected.
    // False while nobody has come (or on failure: then Failed()).
    bool AcceptAndGreet();
    // Connects to host:port and swaps names ("ClientStart", "ClientConnect").
    bool Connect(const std::string& host, int port);
    bool Failed() const { return failed_; }
    // The port actually served (the one asked for, or the system's pick for 0).
    int ServedPort() const { return listener_ >= 0 ? BoundPort(listener_) : port; }
    // The listening socket, for a front end that watches it while waiting.
    int ListenerFd() const { return listener_; }

    // --- Sending ------------------------------------------------------------
    // Sends one message whose payload `fill` pushes; false once lost.
    bool Send(int id, const std::function<void(MessageWriter&)>& fill = {});
    // Server: the values the ball produced go to the client (NM_GETDELIVERY),
    // when there are any.
    void SendDeliveryData();
    // Server: the client may bowl the ball (NM_STARTDELIVERY) with what it
    // produced so far; once per ball, later values follow on their own.
    void StartClientBall();
    void NewBall();

    // --- Receiving and waiting ------------------------------------------------
    // The socket is readable (1) or writable (2).
    void OnReady(int event);
    // Bytes as they arrived: whole frames are acted on, the rest waits.
    void Receive(const std::uint8_t* p, int n);
    // Serves the socket until pred() is true; false when the peer was lost.
    bool WaitFor(const std::function<bool()>& pred);
    // The first waiting command for the box in front, if any.
    bool TakeCommand(BoxCommand& out);
    // Client: the values of the server's next NM_STARTCONDITIONS, NM_WEATHER
    // or NM_INNINGSROLLER (n of them), taken where the server produced them;
    // false when lost, or when the server sent another of these first.
    bool TakeValues(int id, int* out, int n);
    // Client: the next value of the delivery queue, a short (or a byte),
    // waiting for it; false when lost.
    bool PopDelivery(bool wide, int& out);
    const std::vector<std::string>& Chat() const { return chat_; }
    void AddChatLine(const std::string& line) { chat_.push_back(line); }

    // Ends the connection: reports the loss once (unless quiet), stops play.
    void Lose(const std::string& why, bool report = true);
    bool Lost() const { return lost_; }
    void Close();

    // --- Shared draws -----------------------------------------------------------
    // Inside a SharedDraws scope the server pushes each value it draws onto
    // the delivery queue and sends them when the scope ends; the client takes
    // them instead of drawing. Elsewhere every copy draws for itself.
    void InstallRandomSource();
    void RemoveRandomSource();
    int sharedDraws = 0;
    // Once the series has ended the other copy may go: its leaving is no loss.
    bool finished = false;

    std::string name;      // this player's name
    std::string opponent;  // the other player's, from the handshake
    int side = 0;          // this copy's side in the series: 0 home, 1 away
    int port = kDefaultPort;
    std::string serverHost;
    DeliveryQueue delivery;
    NetworkSeriesPreset preset;
    // Refusal of the last failure, for the front end's status line.
    std::string status;
    // The text of the waiting box during the next wait; cleared after it.
    std::string waiting;

private:
    void Log(const char* fmt, const std::string& a) { g_.LogLine(fmt, name.c_str(), a.c_str()); }
    bool Greet(bool server);
    void Flush();
    void Process(const Frame& f);
    void Refuse(const char* what, int id);
    bool Store(int id, PayloadReader& r);
    void Completion();
    void Continuation();
    void Watch();
    void Error(const char* op, const SocketError& err);

    Game& g_;
    int listener_ = -1;
    int fd_ = -1;
    bool failed_ = false;
    bool lost_ = false;
    bool ballStarted_ = false;
    bool wantWrite_ = false;
    std::vector<std::uint8_t> out_;
    FrameReader reader_;
    std::deque<BoxCommand> box_;
    struct Values {
        int id;
        int v[4];
    };
    std::deque<Values> values_;
    std::vector<std::string> chat_;
};

// The session of a game in network play, or nullptr.
inline Session* SessionOf(Game& g) { return g.net.get(); }

}  // namespace ovs::net
