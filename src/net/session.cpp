// One network connection: set-up and handshake, sending, receiving, and what
// the receiver does with each message.
#include "net/session.h"

#include <chrono>
#include <cstring>

#include "core/flow.h"
#include "core/messages.h"
#include "core/replay.h"
#include "core/weather.h"

namespace ovs::net {

namespace {

// The handshake blocks: a name and a zero, then zeros, 2048 bytes in all.
constexpr int kGreetingSize = 2048;
// How long a half-done handshake may take before the other copy is given up.
constexpr int kGreetingMs = 10'000;

std::int64_t NowMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool SlotOk(int v) { return v >= 0 && v < MAX_ELEVEN; }
// A time of day hhmm.
bool TimeOk(int v) { return v >= 0 && v < 2400 && v % 100 < 60; }
// Weather codes: category times five plus intensity, rain the last category.
constexpr int kMaxWeather = 5 * WEATHER_RAIN + 4;
bool AggressionOk(int v) { return (v >= 0 && v <= 10) || v == -1; }

}  // namespace

Session::~Session() { Close(); }

void Session::Error(const char* op, const SocketError& err)
{
    char text[320];
    std::snprintf(text, sizeof text, "%s: Error in %s\n%s.\n", name.c_str(), op, ErrorText(err.code));
    g_.LogLine("%s", text);
    if (!err.reason.empty()) g_.LogLine("%s: system reason: %s\n", name.c_str(), err.reason.c_str());
    status = text;
    if (err.code != kWouldBlock)
        g_.host->MessageBox(text, "Ovalspin - Network Error", BoxButtons::Ok, BoxIcon::Exclamation);
}

void Session::Close()
{
    if (fd_ >= 0 || listener_ >= 0) g_.host->WatchSocket(-1, false, {});
    CloseSocket(fd_);
    CloseSocket(listener_);
    RemoveRandomSource();
}

// --- Setting up ------------------------------------------------------------------

bool Session::Listen(int p)
{
    port = p;
    failed_ = false;
    g_.Log("Setting up Listening Socket.\n");
    g_.Log("Binding Listening Socket.\n");
    SocketError err;
    listener_ = OpenListener(port, err);
    if (listener_ < 0) {
        failed_ = true;
        Error("ServerStart", err);
        return false;
    }
    if (port == 0) port = BoundPort(listener_);
    g_.Log("Server named %s listening on port %d\n", LocalHostName().c_str(), port);
    g_.Log("Blocking at accept()\n");
    return true;
}

bool Session::AcceptAndGreet()
{
    if (listener_ < 0) return false;
    SocketError err;
    fd_ = AcceptPending(listener_, err);
    if (fd_ < 0) {
        if (err.code != 0) {
            failed_ = true;
            Error("ServerListen", err);
            CloseSocket(listener_);
        }
        return false;
    }
    g_.Log("Connection established.\n");
    if (!Greet(true)) {
        failed_ = true;
        Close();
        return false;
    }
    g_.wNetState = NET_SERVER;
    Watch();
    return true;
}

bool Session::Connect(const std::string& host, int p)
{
    serverHost = host;
    port = p;
    failed_ = true;
    g_.Log("Attempting to create Client socket to Server %s, Port %d\n", host.c_str(), port);
    SocketError err;
    if (!Resolves(host, err)) {
        Error("ClientStart", err);
        return false;
    }
    g_.Log("Attempting to connect Client socket to Server %s, Port %d\n", host.c_str(), port);
    fd_ = ConnectTo(host, port, kGreetingMs, err);
    if (fd_ < 0) {
        Error("ClientConnect", err);
        return false;
    }
    g_.Log("Client Socket connected.\n");
    if (!Greet(false)) {
        Close();
        return false;
    }
    failed_ = false;
    g_.wNetState = NET_CLIENT;
    Watch();
    return true;
}

// The server sends its name first and the client answers with its own; each
// reads the other's whole block, however the network splits it.
bool Session::Greet(bool server)
{
    const char* op = server ? "ServerReceive" : "ClientReceive";
    std::vector<std::uint8_t> mine(kGreetingSize, 0);
    std::memcpy(mine.data(), name.data(), std::min<std::size_t>(name.size(), 19));
    const std::int64_t deadline = NowMs() + kGreetingMs;

    auto sendBlock = [&]() {
        std::size_t sent = 0;
        while (sent < mine.size()) {
            SocketError err;
            long n = SendSome(fd_, mine.data() + sent, mine.size() - sent, err);
            if (n < 0) {
                Error(server ? "ServerSend" : "ClientSend", err);
                return false;
            }
            sent += static_cast<std::size_t>(n);
            if (n == 0 && NowMs() > deadline) return false;
        }
        g_.Log("Sent %d bytes\n", static_cast<int>(sent));
        return true;
    };
    auto receiveBlock = [&]() {
        std::vector<std::uint8_t> theirs(kGreetingSize, 0);
        std::size_t got = 0;
        while (got < theirs.size()) {
            const int left = static_cast<int>(deadline - NowMs());
            if (left <= 0 || !WaitReadable(fd_, left)) {
                SocketError err{10060, "no name from the other copy in time"};
                Error(op, err);
                return false;
            }
            SocketError err;
            long n = ReceiveSome(fd_, theirs.data() + got, theirs.size() - got, err);
            if (n == 0) {
                SocketError closed{10054, "the other copy closed the connection"};
                Error(op, closed);
                return false;
            }
            if (n == -2) {
                Error(op, err);
                return false;
            }
            if (n > 0) got += static_cast<std::size_t>(n);
        }
        g_.Log("Received %d bytes\n", static_cast<int>(got));
        // The name runs to its first zero; at most 19 characters count.
        std::size_t len = 0;
        while (len < 19 && theirs[len] != 0) ++len;
        opponent.assign(reinterpret_cast<const char*>(theirs.data()), len);
        for (char& ch : opponent)
            if (static_cast<unsigned char>(ch) < 32) ch = ' ';
        return true;
    };
    return server ? sendBlock() && receiveBlock() : receiveBlock() && sendBlock();
}

void Session::Watch()
{
    if (fd_ < 0) return;
    g_.host->WatchSocket(fd_, wantWrite_, [this](int event) { OnReady(event); });
}

// --- Sending ----------------------------------------------------------------------

bool Session::Send(int id, const std::function<void(MessageWriter&)>& fill)
{
    if (lost_ || fd_ < 0) return false;
    MessageWriter w;
    w.Begin(id);
    g_.LogLine("%s: Sending message %s\n", name.c_str(), MessageName(id));
    if (fill) fill(w);
    if (!w.Finish()) {
        g_.LogLine("%s: Error sending data.\n", name.c_str());
        return false;
    }
    out_.insert(out_.end(), w.data(), w.data() + w.size());
    Flush();
    return !lost_;
}

void Session::Flush()
{
    std::size_t sent = 0;
    while (sent < out_.size() && fd_ >= 0) {
        SocketError err;
        long n = SendSome(fd_, out_.data() + sent, out_.size() - sent, err);
        if (n < 0) {
            Error(NetworkServer(g_) ? "ServerSend" : "ClientSend", err);
            out_.clear();
            Lose("send failed");
            return;
        }
        if (n == 0) break;
        g_.Log("Sent %d bytes\n", static_cast<int>(n));
        sent += static_cast<std::size_t>(n);
    }
    out_.erase(out_.begin(), out_.begin() + static_cast<long>(sent));
    const bool want = !out_.empty();
    if (!out_.empty()) g_.LogLine("%s: Sending data would block.\n", name.c_str());
    if (want != wantWrite_) {
        wantWrite_ = want;
        Watch();
    }
}

void Session::SendDeliveryData()
{
    const int n = delivery.Length();
    if (n == 0 || !NetworkServer(g_)) return;
    g_.LogLine("%s: Delivery Data Size %d\n", name.c_str(), n);
    std::vector<std::uint8_t> bytes(delivery.data(), delivery.data() + n);
    delivery.Clear();
    Send(NM_GETDELIVERY, [&](MessageWriter& w) {
        w.PushShort(n);
        for (std::uint8_t b : bytes) w.PushByte(b);
    });
}

void Session::StartClientBall()
{
    if (!NetworkServer(g_)) return;
    if (!ballStarted_ && delivery.Length() > 0) {
        ballStarted_ = true;
        Send(NM_STARTDELIVERY);
    }
    SendDeliveryData();
}

void Session::NewBall()
{
    ballStarted_ = false;
    // Nothing is left over from the ball before: each ball's data is its own.
    SendDeliveryData();
    delivery.Clear();
}

// --- Shared draws ---------------------------------------------------------------------

void Session::InstallRandomSource()
{
    if (NetworkServer(g_)) {
        g_.rng.SetSource([this]() {
            const std::int32_t v = g_.rng.Draw();
            if (sharedDraws > 0 && !lost_) {
                if (!delivery.PushLong(v)) {
                    SendDeliveryData();
                    delivery.PushLong(v);
                }
            }
            return v;
        });
    } else {
        g_.rng.SetSource([this]() {
            if (sharedDraws == 0 || lost_) return g_.rng.Draw();
            std::int32_t v = 0;
            if (!WaitFor([&] { return delivery.PopLong(v); })) return g_.rng.Draw();
            if (v < 0) {
                Refuse("a drawn value out of range", NM_GETDELIVERY);
                return g_.rng.Draw();
            }
            return v;
        });
    }
}

void Session::RemoveRandomSource() { g_.rng.SetSource({}); }

bool Session::TakeValues(int id, int* out, int n)
{
    bool ok = true;
    const bool got = WaitFor([&] {
        if (values_.empty()) return false;
        if (values_.front().id != id) {
            ok = false;
            return true;
        }
        std::copy(values_.front().v, values_.front().v + n, out);
        values_.pop_front();
        return true;
    });
    if (got && !ok) Refuse("a value sent out of turn", values_.front().id);
    return got && ok;
}

bool Session::PopDelivery(bool wide, int& out)
{
    g_.LogLine("%s: Accessed Delivery Data Size\n", name.c_str());
    return WaitFor([&] { return wide ? delivery.PopShort(out) : delivery.PopByte(out); });
}

// --- Receiving --------------------------------------------------------------------------

void Session::OnReady(int event)
{
    if (fd_ < 0) return;
    if (event & 2) {
        g_.LogLine("%s: Processing FD_WRITE.\n", name.c_str());
        Flush();
    }
    if (!(event & 1)) return;
    std::uint8_t buf[2048];
    for (;;) {
        SocketError err;
        const long n = ReceiveSome(fd_, buf, sizeof buf, err);
        if (n == -1) break;
        if (n == 0) {
            Lose("the other copy closed the connection");
            return;
        }
        if (n < 0) {
            g_.LogLine("%s: Error receiving data.\n", name.c_str());
            Error(NetworkServer(g_) ? "ServerReceive" : "ClientReceive", err);
            Lose("receive failed");
            return;
        }
        g_.Log("Received %d bytes\n", static_cast<int>(n));
        Receive(buf, static_cast<int>(n));
        if (lost_) return;
    }
}

void Session::Receive(const std::uint8_t* p, int n)
{
    g_.LogLine("%s: Processing FD_READ.\n", name.c_str());
    if (lost_) return;
    if (!reader_.Feed(p, n)) {
        Refuse(reader_.Reason().c_str(), 0);
        return;
    }
    for (;;) {
        // NM_AGGRESSION carries the pairings while an innings is under way.
        reader_.SetAggressionShorts(g_.pInnings && g_.pInnings->nStatus == INNINGS_INPROGRESS ? 23 : 1);
        Frame f;
        const FrameReader::Result r = reader_.Next(f);
        if (r == FrameReader::Result::Incomplete) return;
        if (r == FrameReader::Result::Bad) {
            Refuse(reader_.Reason().c_str(), 0);
            return;
        }
        Process(f);
        if (lost_) return;
    }
}

void Session::Refuse(const char* what, int id)
{
    g_.LogLine("%s: Refused %s from %s: %s\n", name.c_str(), id ? MessageName(id) : "data", opponent.c_str(), what);
    Lose(what);
}

void Session::Lose(const std::string& why, bool report)
{
    if (lost_) return;
    lost_ = true;
    g_.LogLine("%s: The connection ends: %s\n", name.c_str(), why.c_str());
    Close();
    g_.wNetState = 0;
    // Play stops where it stood; the series stays and can be written.
    if (!g_.queue.Peek(WM_QUIT)) g_.queue.Clear();
    g_.bPaused = 0;
    char text[96];
    std::snprintf(text, sizeof text, "Connection with %s has been lost.", opponent.c_str());
    g_.LogLine("%s\n", text);
    status = text;
    if (report && !finished) g_.host->MessageBox(text, "Ovalspin - Fatal Network Error", BoxButtons::Ok, BoxIcon::Exclamation);
    g_.host->CommandsChanged();
}

bool Session::WaitFor(const std::function<bool()>& pred)
{
    if (NetworkServer(g_)) SendDeliveryData();
    if (lost_) return false;
    // pred may take what it waits for: once met it is not asked again.
    bool met = false;
    g_.host->WaitNested([&] { return lost_ || met || (met = pred()); });
    waiting.clear();
    if (!lost_ && !met) Lose("the wait for the other copy was given up");
    return !lost_;
}

bool Session::TakeCommand(BoxCommand& out)
{
    if (box_.empty()) return false;
    out = box_.front();
    box_.pop_front();
    return true;
}

void Session::Completion()
{
    if (!(g_.wNetState & (NET_WAITACK | NET_WAITDATA))) box_.push_back({150, 0});
}

void Session::Continuation()
{
    if (g_.wNetState & (NET_WAITACK | NET_WAITDATA)) return;
    g_.Log("Posting WM_NETWORKCONTOVER message from ProcessNetworkMessage ()\n");
    g_.queue.Post(WM_NETWORKCONTOVER, 0);
}

void Session::Process(const Frame& f)
{
    g_.LogLine("%s: Received message %s\n", name.c_str(), MessageName(f.id));
    PayloadReader r(f.payload, f.size);
    if (!Store(f.id, r)) {
        Refuse("a value out of range", f.id);
        return;
    }
    g_.LogLine("%s: Processed message %s\n", name.c_str(), MessageName(f.id));
}

// What the receiver does with each message. False when a value is out of range.
bool Session::Store(int id, PayloadReader& r)
{
    CURRENT& c = g_.Current;
    const bool server = NetworkServer(g_);
    const int other = 1 - side;
    int v = 0;
    switch (id) {
    case NM_NETSERIESSQUAD:
        r.PopShort(v);
        if (v < 0 || v >= g_.db.NumSquads()) return false;
        box_.push_back({server ? 107 : 103, v});
        return true;
    case NM_NETSERIESWEATHER: box_.push_back({110, 0}); return true;
    case NM_NETSERIESHOMESERVER: box_.push_back({140, 0}); return true;
    case NM_NETSERIESHOMECLIENT: box_.push_back({141, 0}); return true;
    case 5: case 6: case 7: case 8: case 9: case 10: box_.push_back({id + 125, 0}); return true;
    case NM_NETSENDCHATTEXT: {
        std::string text;
        r.PopString(text);
        g_.LogLine("Received text %s\n", text.c_str());
        chat_.push_back(text);
        box_.push_back({204, 0});
        return true;
    }
    case NM_NETREADY: box_.push_back({203, 0}); return true;
    case NM_NETOK: box_.push_back({150, 0}); return true;
    case NM_NETPROD: {
        std::string text;
        r.PopString(text);
        while (!text.empty() && static_cast<unsigned char>(text.back()) >= 1 &&
               static_cast<unsigned char>(text.back()) <= 31)
            text.pop_back();
        chat_.push_back(text);
        g_.host->MessageBox(text, "Ovalspin - Message", BoxButtons::Ok, BoxIcon::Information);
        return true;
    }
    case NM_SENDTEAMDATA: {
        if (!g_.pTest) return false;
        int t[kTeamDataShorts];
        for (int& x : t) r.PopShort(x);
        for (int k = 0; k < 11; ++k)
            if (t[k] < -1 || t[k] >= MAX_SQUAD) return false;
        for (int k = 11; k < 14; ++k)
            if (t[k] != 0xFFFF && t[k] != -1 && (t[k] < 0 || t[k] >= MAX_SQUAD)) return false;
        for (int k = 14; k < 25; ++k)
            if (t[k] < -1 || t[k] >= MAX_ELEVEN) return false;
        if (t[25] < 0 || t[25] > MAX_ELEVEN || t[26] < 0 || t[26] > MAX_ELEVEN) return false;
        g_.LogLine("Receiving %s Team data.\n", opponent.c_str());
        for (int k = 0; k < 11; ++k) g_.pTest->nPlayer[k][other] = static_cast<std::int16_t>(t[k]);
        g_.pTest->nKeeper[other] = static_cast<std::uint16_t>(t[11]);
        g_.pTest->nNewBall1[other] = static_cast<std::uint16_t>(t[12]);
        g_.pTest->nNewBall2[other] = static_cast<std::uint16_t>(t[13]);
        for (int k = 0; k < 11; ++k) c.nBowlOrder[k][other] = static_cast<std::int16_t>(t[14 + k]);
        c.nMainBowlers[other] = static_cast<std::int16_t>(t[25]);
        c.nMaxBowlers[other] = static_cast<std::int16_t>(t[26]);
        g_.wNetState ^= NET_WAITDATA;
        Send(NM_RECVTEAMDATA);
        Completion();
        return true;
    }
    case NM_RECVTEAMDATA:
    case NM_RECVSYNC:
        g_.wNetState ^= NET_WAITACK;
        Completion();
        return true;
    case NM_SENDSYNC:
        g_.wNetState ^= NET_WAITDATA;
        Send(NM_RECVSYNC);
        Completion();
        return true;
    case NM_TOSSHEADSTAILS:
        r.PopShort(v);
        if ((v & 0xFF) > 1 || ((v >> 8) & 0xFF) > 1 || v < 0) return false;
        box_.push_back({150, v});
        return true;
    case NM_TOSSBATBOWL:
        r.PopShort(v);
        if (v != 0 && v != 1) return false;
        box_.push_back({150, v});
        return true;
    case NM_NEWBATSMAN:
        r.PopShort(v);
        if (v < 100 || v > 110) return false;
        box_.push_back({v, 0});
        return true;
    case NM_NEWBATSMANEND:
    case NM_NEWBOWLEREND:
        box_.push_back({150, 0});
        return true;
    case NM_NEWBOWLER:
        r.PopShort(v);
        // A row of the bowler box (control ids 100 to 110) goes to the box;
        // a bowler picked in the bowlers pane (a slot) bowls at once.
        if (v >= 100 && v <= 110) {
            box_.push_back({v, 0});
            return true;
        }
        if (!SlotOk(v) || v == c.nOtherBowler || !g_.pInnings || g_.pInnings->nStatus != INNINGS_INPROGRESS)
            return false;
        c.nBowler = static_cast<std::int16_t>(v);
        g_.host->Refresh(PANE_BOWLERS | PANE_SCOREBOARD | PANE_HIGHLIGHTS);
        return true;
    case NM_STARTCONDITIONS: {
        // Kept until the client's flow reaches the point where the server
        // produced them; it stores them there and books them in its stream.
        Values vals{id, {}};
        for (int k = 0; k < 4; ++k) r.PopShort(vals.v[k]);
        if (server || !TimeOk(vals.v[0])) return false;
        for (int k = 1; k < 4; ++k)
            if (vals.v[k] < 0 || vals.v[k] > 0x7FFF) return false;
        values_.push_back(vals);
        return true;
    }
    case NM_WEATHER: {
        Values vals{id, {}};
        r.PopShort(vals.v[0]);
        if (server || vals.v[0] < 0 || vals.v[0] > kMaxWeather) return false;
        values_.push_back(vals);
        return true;
    }
    case NM_INNINGSROLLER: {
        Values vals{id, {}};
        r.PopShort(vals.v[0]);
        r.PopShort(vals.v[1]);
        if (server || vals.v[0] < 0 || vals.v[0] > 0x7FFF || vals.v[1] < 0 || vals.v[1] > 0x7FFF) return false;
        values_.push_back(vals);
        return true;
    }
    case NM_OVERAGGRESSION:
        g_.LogLine("%s: Received Aggression Data\n", name.c_str());
        for (int k = 0; k < 3; ++k) {
            r.PopByte(v);
            // Each nibble 0 to 10, or 15 for a pairing not set.
            const int hi = v >> 4, lo = v & 15;
            if (server || (hi > 10 && hi != 15) || (lo > 10 && lo != 15)) return false;
            delivery.PushByte(v);
        }
        return true;
    case NM_OVERBOWLER:
        g_.LogLine("%s: Received Bowler Data\n", name.c_str());
        r.PopShort(v);
        if (server || !SlotOk(v)) return false;
        delivery.PushShort(v);
        return true;
    case NM_BATTINGAGGRESSION:
    case NM_BOWLINGAGGRESSION:
    case NM_AGGRESSION: {
        int vals[23];
        int n = 0;
        while (n < 23 && r.PopShort(vals[n])) ++n;
        for (int k = 0; k < n; ++k)
            if (!AggressionOk(vals[k])) return false;
        const int pa = c.nPartnerA, pb = c.nPartnerB;
        bool batting = id == NM_BATTINGAGGRESSION || (id == NM_AGGRESSION && c.nBowlSide == side);
        if (n >= 22 && SlotOk(pa) && SlotOk(pb)) {
            for (int b = 0; b < 11; ++b) {
                const auto a = static_cast<std::uint16_t>(vals[2 * b]), z = static_cast<std::uint16_t>(vals[2 * b + 1]);
                if (batting) {
                    c.nBatVsBowl[pa][b] = a;
                    c.nBatVsBowl[pb][b] = z;
                } else {
                    c.nBowlVsBat[b][pa] = a;
                    c.nBowlVsBat[b][pb] = z;
                }
            }
        }
        if (id == NM_BATTINGAGGRESSION && n == 23) {
            if (vals[22] < -1 || vals[22] >= MAX_ELEVEN) return false;
            c.nProtected = static_cast<std::int16_t>(vals[22]);
        }
        if (id == NM_AGGRESSION && n >= 1 && vals[n - 1] >= 0) c.nTeamAggression[other] = static_cast<std::int16_t>(vals[n - 1]);
        g_.host->Refresh(PANE_AGGRESSION);
        return true;
    }
    case NM_TEAMAGGRESSION:
        r.PopShort(v);
        if (v < 0 || v > 10) return false;
        c.nTeamAggression[other] = static_cast<std::int16_t>(v);
        g_.host->Refresh(PANE_AGGRESSION);
        return true;
    case NM_STARTDELIVERY:
        if (server) return false;
        g_.queue.Post(WM_CLIENTNEWBALL, 0);
        return true;
    case NM_GETDELIVERY: {
        r.PopShort(v);
        g_.LogLine("%s: Received Delivery Data Size %d\n", name.c_str(), v);
        if (server || v < 0 || v > r.Remaining()) return false;
        for (int k = 0; k < v; ++k) {
            int b = 0;
            r.PopByte(b);
            if (!delivery.PushByte(b)) return false;
        }
        return true;
    }
    case NM_ENDDELIVERY:
        if (server) Send(NM_ENDDELIVERY);
        // Both copies have bowled the ball. After the over's last ball (or
        // the innings') the over ends now, ahead of what the server sends
        // next in the same breath (the innings' end).
        if (c.nBall >= 6 || c.bEndInnings) {
            ++g_.nBallsPosted;
            g_.Log("Posting WM_ENDOVER message from ProcessNetworkMessage ()  (wParam = %d)\n", static_cast<int>(c.nOver));
            if (!g_.queue.Peek(WM_ENDOVER)) g_.queue.Post(WM_ENDOVER, c.nOver);
            return true;
        }
        g_.queue.Remove(WM_NETWORKENDBALL);
        g_.queue.Post(WM_NETWORKENDBALL, 0);
        return true;
    case NM_STARTOVER:
        if (server) return false;
        g_.queue.Post(WM_CLIENTNEWOVER, 0);
        return true;
    case NM_CONTINNSSENDSYNC:
        g_.wNetState ^= NET_WAITDATA;
        Send(NM_CONTINNSRECVSYNC);
        Continuation();
        return true;
    case NM_CONTINNSRECVSYNC:
        g_.wNetState ^= NET_WAITACK;
        Continuation();
        return true;
    case NM_ENDINNINGS:
        if (server) return false;
        g_.Log("Posting WM_ENDINNINGS message from ProcessNetworkMessage ()\n");
        g_.queue.Post(WM_ENDINNINGS, 0);
        return true;
    default:
        return false;
    }
}

}  // namespace ovs::net
