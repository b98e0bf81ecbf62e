// Network play: a peer that breaks the protocol is refused like a lost one;
// two headless copies play a series over loopback and agree byte for byte;
// a copy whose peer is killed reports it and can still save.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <random>
#include <thread>

#include "core/flow.h"
#include "file_fixtures.h"
#include "net/messages.h"
#include "net/network.h"
#include "net/session.h"
#include "net/wire.h"
#include "sim/aggression.h"

using namespace ovs;
using namespace ovs::test;

namespace {

// --- A hand-made peer, talking to the real server in this process -----------------

int ConnectRaw(int port)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(static_cast<std::uint16_t>(port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) {
        close(fd);
        return -1;
    }
    return fd;
}

void SendAll(int fd, const std::vector<std::uint8_t>& b)
{
    std::size_t at = 0;
    while (at < b.size()) {
        ssize_t n = send(fd, b.data() + at, b.size() - at, MSG_NOSIGNAL);
        ASSERT_GT(n, 0);
        at += static_cast<std::size_t>(n);
    }
}

std::vector<std::uint8_t> ReadExactly(int fd, std::size_t n)
{
    std::vector<std::uint8_t> b(n);
    std::size_t at = 0;
    while (at < n) {
        ssize_t got = recv(fd, b.data() + at, n - at, 0);
        if (got <= 0) break;
        at += static_cast<std::size_t>(got);
    }
    b.resize(at);
    return b;
}

std::vector<std::uint8_t> MakeFrame(int id, std::initializer_list<int> shorts = {})
{
    net::MessageWriter w;
    w.Begin(id);
    for (int v : shorts) w.PushShort(v);
    w.Finish();
    return {w.data(), w.data() + w.size()};
}

// A server game with a peer that has greeted it ("Bob").
struct ServedGame {
    StartedGame game{5};
    int peer = -1;

    bool Connect()
    {
        Game& g = game.g;
        if (!NetworkServe(g, "Alice", 0)) return false;
        peer = ConnectRaw(g.net->ServedPort());
        std::vector<std::uint8_t> hello(2048, 0);
        std::memcpy(hello.data(), "Bob", 3);
        SendAll(peer, hello);
        for (int k = 0; k < 100 && !NetworkAccept(g); ++k) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::vector<std::uint8_t> theirs = ReadExactly(peer, 2048);
        return NetworkServer(g) && theirs.size() == 2048 && std::strcmp(reinterpret_cast<char*>(theirs.data()), "Alice") == 0;
    }
    // The server reads what the peer sent.
    void Serve()
    {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        NetworkSocketEvent(game.g, 0, 1);
    }
    ~ServedGame()
    {
        if (peer >= 0) close(peer);
    }
};

}  // namespace

TEST(NetSession, HandshakeThenFramesOneByteAtATime)
{
    ServedGame s;
    ASSERT_TRUE(s.Connect());
    Game& g = s.game.g;
    EXPECT_EQ(g.net->opponent, "Bob");
    std::vector<std::uint8_t> both = MakeFrame(net::NM_NETREADY);
    std::vector<std::uint8_t> squad = MakeFrame(net::NM_NETSERIESSQUAD, {2});
    both.insert(both.end(), squad.begin(), squad.end());
    for (std::uint8_t b : both) {
        SendAll(s.peer, {b});
        s.Serve();
    }
    net::BoxCommand cmd;
    ASSERT_TRUE(g.net->TakeCommand(cmd));
    EXPECT_EQ(cmd.id, 203);
    ASSERT_TRUE(g.net->TakeCommand(cmd));
    EXPECT_EQ(cmd.id, 107);  // the client's squad goes to the second squad's label
    EXPECT_EQ(cmd.param, 2);
    EXPECT_TRUE(NetworkServer(g));
    EXPECT_TRUE(s.game.host.boxes.empty());
}

TEST(NetSession, OutOfRangeValuesAreRefusedLikeALostPeer)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
    };
    std::vector<Case> cases = {
        {"a squad past the database", MakeFrame(net::NM_NETSERIESSQUAD, {999})},
        {"a batsman control id out of range", MakeFrame(net::NM_NEWBATSMAN, {111})},
        {"a toss call of 2", MakeFrame(net::NM_TOSSHEADSTAILS, {2})},
        {"a client's start of a ball", MakeFrame(net::NM_STARTDELIVERY)},
        {"an unknown id", MakeFrame(33)},
        {"garbage", {'G', 'E', 'T', ' ', '/', ' ', 'H', 'T', 'T', 'P'}},
    };
    for (const Case& c : cases) {
        ServedGame s;
        ASSERT_TRUE(s.Connect()) << c.what;
        SendAll(s.peer, c.bytes);
        s.Serve();
        Game& g = s.game.g;
        EXPECT_EQ(g.wNetState, 0) << c.what;
        ASSERT_EQ(s.game.host.boxes.size(), 1u) << c.what;
        EXPECT_EQ(s.game.host.boxes[0].text, "Connection with Bob has been lost.") << c.what;
        EXPECT_EQ(s.game.host.boxes[0].caption, "Ovalspin - Fatal Network Error") << c.what;
        // Reported once: more data or another event changes nothing.
        NetworkSocketEvent(g, 0, 32);
        EXPECT_EQ(s.game.host.boxes.size(), 1u) << c.what;
    }
}

TEST(NetSession, EntriesOfTheServeAndConnectBoxes)
{
    int port = 0;
    EXPECT_EQ(CheckNetworkEntries("", "2257", nullptr, port), "No Player name entered.");
    std::string none;
    EXPECT_EQ(CheckNetworkEntries("Ann", "2257", &none, port), "No Server name entered.");
    EXPECT_EQ(CheckNetworkEntries("Ann", "", nullptr, port), "No Port number entered.");
    EXPECT_EQ(CheckNetworkEntries("Ann", "abc", nullptr, port), "No Port number entered.");
    EXPECT_EQ(CheckNetworkEntries("Ann", "1023", nullptr, port).rfind("Port numbers below 1024 are reserved", 0), 0u);
    EXPECT_EQ(CheckNetworkEntries("Ann", "1024", nullptr, port), "");
    EXPECT_EQ(CheckNetworkEntries("Ann", "65535", nullptr, port), "");
    EXPECT_EQ(port, 65535);
    EXPECT_EQ(CheckNetworkEntries("Ann", "65536", nullptr, port).rfind("Out of range Port number.", 0), 0u);
    EXPECT_STREQ(net::ErrorText(10061), "WSAECONNREFUSED: Connection refused");
    EXPECT_STREQ(net::ErrorText(1), "Unknown Error");
}

// --- Two headless copies ------------------------------------------------------------------

namespace {

// Starts ovalspin-cli in `dir` (its data directory is "data" there), with its
// output in dir/out.txt.
pid_t Spawn(const std::string& dir, const std::string& args)
{
    std::filesystem::create_directories(dir + "/data");
    pid_t pid = fork();
    if (pid == 0) {
        if (chdir(dir.c_str()) != 0) _exit(126);
        int out = open("out.txt", O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(out, 2);
        std::string cmd = std::string("exec '") + OVALSPIN_CLI_PATH + "' --data data " + args;
        execl("/bin/sh", "sh", "-c", cmd.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    return pid;
}

// Waits for a process; its exit status, or -1 when it had to be killed after `seconds`.
int Reap(pid_t pid, int seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Waits until a file holds `text`; false after `seconds`.
bool WaitForText(const std::string& path, const std::string& text, int seconds)
{
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (ReadFile(path).find(text) == std::string::npos) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Serves in root/server and returns the port it printed (0 on failure).
int StartServer(const std::string& root, const std::string& args, pid_t* pid)
{
    *pid = Spawn(root + "/server", args);
    const std::string out = root + "/server/out.txt";
    if (!WaitForText(out, "Serving on port ", 60)) return 0;
    const std::string text = ReadFile(out);
    return std::atoi(text.c_str() + text.find("Serving on port ") + 16);
}

}  // namespace

TEST(NetSeries, TwoCopiesPlayATwoTestSeriesAndAgree)
{
    TempDir root("ovs-net");
    pid_t server = 0;
    const int port = StartServer(root.Path(), "--seed 7 serve --port 0 --name Alice --tests 2 --ball-by-ball --save 1 2", &server);
    ASSERT_GT(port, 0) << ReadFile(root.File("server/out.txt"));
    pid_t client = Spawn(root.Path() + "/client",
                         "--seed 99 connect --host localhost --port " + std::to_string(port) + " --name Bob --ball-by-ball --save");
    const int clientRc = Reap(client, 240);
    const int serverRc = Reap(server, 60);
    const std::string serverOut = ReadFile(root.File("server/out.txt"));
    const std::string clientOut = ReadFile(root.File("client/out.txt"));
    ASSERT_EQ(serverRc, 0) << serverOut;
    ASSERT_EQ(clientRc, 0) << clientOut;

    // The same series on both: results, saved positions, ball-by-ball files.
    auto results = [](const std::string& out) { return out.substr(out.find("1st Test"), out.find("Position saved") - out.find("1st Test")); };
    EXPECT_EQ(results(serverOut), results(clientOut));
    EXPECT_NE(serverOut.find("2nd Test"), std::string::npos) << serverOut;
    const std::string saved = ReadFile(root.File("server/data/CURRENT.DAT"));
    ASSERT_GT(saved.size(), 100000u);
    EXPECT_TRUE(saved == ReadFile(root.File("client/data/CURRENT.DAT")));
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(root.File("server/data"))) {
        const std::string name = e.path().filename().string();
        if (name == "DEBUG.TXT" || e.path().extension() != ".TXT") continue;
        ++files;
        EXPECT_TRUE(ReadFile(e.path().string()) == ReadFile(root.File("client/data/" + name))) << name;
    }
    EXPECT_EQ(files, 2);

    // Each Test replayed from its stream comes out as it was played.
    for (int t = 1; t <= 2; ++t) {
        int rc = 0;
        const std::string replay = RunCli(root.File("client/data"), "replay " + std::to_string(t), &rc);
        EXPECT_EQ(rc, 0) << replay;
        const std::string line = replay.substr(0, replay.find(" [Replay]"));
        EXPECT_NE(serverOut.find(line + "\n"), std::string::npos) << replay;
    }
}

TEST(NetSeries, AKilledPeerIsReportedAndTheSurvivorSaves)
{
    TempDir root("ovs-net");
    pid_t server = 0;
    const int port = StartServer(root.Path(), "--seed 3 serve --port 0 --name Alice --tests 1 --save 1 2", &server);
    ASSERT_GT(port, 0);
    pid_t client = Spawn(root.Path() + "/client",
                         "--seed 4 connect --host 127.0.0.1 --port " + std::to_string(port) + " --name Bob");
    // Killed in the middle of play, some overs in.
    ASSERT_TRUE(WaitForText(root.File("server/data/DEBUG.TXT"), "Processing WM_ENDOVER message (wParam = 12)", 120));
    kill(client, SIGKILL);
    Reap(client, 10);
    const auto killed = std::chrono::steady_clock::now();
    const int serverRc = Reap(server, net::kSilentPeerSeconds + 10);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - killed).count();
    const std::string out = ReadFile(root.File("server/out.txt"));
    EXPECT_EQ(serverRc, 1) << out;
    EXPECT_LT(seconds, net::kSilentPeerSeconds) << out;
    EXPECT_NE(out.find("Ovalspin - Fatal Network Error: Connection with Bob has been lost."), std::string::npos) << out;
    EXPECT_NE(out.find("Position saved to"), std::string::npos) << out;
    EXPECT_GT(ReadFile(root.File("server/data/CURRENT.DAT")).size(), 100000u);
}

// Frames whose fields are anything at all, to both roles, in and out of a
// Test: each is acted on or refused, and nothing is read or written out of place.
TEST(NetSession, SeededFuzzOfFieldsNeverCrashes)
{
    StartedGame game(11);
    Game& g = game.g;
    ASSERT_TRUE(game.StartComputerSeries(0, 1, 1));
    // Into the first innings, where slots, bowlers and pairings matter.
    for (int n = 0; n < 2000 && !(g.pInnings && g.pInnings->nTotal > 0); ++n) PumpOne(g);
    std::mt19937 rng(4242);
    int refused = 0, frames = 0;
    for (int round = 0; round < 1500; ++round) {
        net::Session s(g);
        s.name = "A";
        s.opponent = "B";
        s.side = static_cast<int>(rng() % 2);
        g.wNetState = round % 2 ? NET_SERVER : NET_CLIENT;
        std::vector<std::uint8_t> stream;
        for (int k = 0; k < 4; ++k) {
            net::MessageWriter w;
            w.Begin(1 + static_cast<int>(rng() % 42));
            const int fields = static_cast<int>(rng() % 30);
            for (int f = 0; f < fields; ++f) {
                const int pick = static_cast<int>(rng() % 4);
                w.PushShort(pick == 0 ? static_cast<int>(rng()) : pick == 1 ? static_cast<int>(rng() % 12) - 1
                                                              : pick == 2 ? 100 + static_cast<int>(rng() % 12) : 0);
            }
            if (rng() % 3 == 0) w.PushString("x");
            w.Finish();
            stream.insert(stream.end(), w.data(), w.data() + w.size());
            ++frames;
        }
        if (rng() % 4 == 0) stream.resize(rng() % stream.size());
        s.Receive(stream.data(), static_cast<int>(stream.size()));
        refused += s.Lost();
        g.queue.Clear();
    }
    g.wNetState = 0;
    EXPECT_GT(refused, 500);
    EXPECT_GE(frames, 6000);
    // The match state is still one the engine can show.
    EXPECT_TRUE(g.Current.nBowler >= 0 && g.Current.nBowler < MAX_ELEVEN);
}

// A client that knows only the messages (tests/net_peer.py) against the real
// server: it follows the first overs from the delivery data, batting or
// bowling, and its decoding of each ball and bowler is the server's own.
TEST(NetSeries, APeerThatKnowsOnlyTheMessagesFollowsTheFirstOvers)
{
    auto lines = [](const std::string& text, const std::string& head) {
        std::vector<std::string> out;
        std::size_t at = 0;
        while ((at = text.find(head, at)) != std::string::npos) {
            at += head.size();
            const std::size_t end = text.find('\n', at);
            out.push_back(text.substr(at, end - at));
            at = end;
        }
        return out;
    };
    for (const char* call : {"heads", "tails"}) {
        SCOPED_TRACE(call);
        TempDir root("ovs-peer");
        pid_t server = 0;
        const int port = StartServer(root.Path(), "--seed 7 serve --port 0 --name Alice --tests 1 1 2", &server);
        ASSERT_GT(port, 0);
        const std::string cmd = std::string("python3 '") + OVALSPIN_SOURCE_DIR + "/tests/net_peer.py' " +
                                std::to_string(port) + " 24 " + call + " 2>&1";
        FILE* pipe = popen(cmd.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string peer;
        char buf[4096];
        while (std::size_t n = fread(buf, 1, sizeof buf, pipe)) peer.append(buf, n);
        const int rc = pclose(pipe);
        Reap(server, net::kSilentPeerSeconds + 10);
        ASSERT_EQ(rc, 0) << peer;
        EXPECT_NE(peer.find(std::string("toss ") + (call == std::string("tails") ? "won bat" : "lost")), std::string::npos);

        const std::string log = ReadFile(root.File("server/data/DEBUG.TXT"));
        EXPECT_EQ(log.find("Refused"), std::string::npos);
        // Each ball's last code is the outcome the server booked; each over's bowler its own.
        std::vector<std::string> balls = lines(peer, "\nball ");
        const std::vector<std::string> outcomes = lines(log, "Ball Outcome was : ");
        ASSERT_GE(balls.size(), 144u) << peer;
        ASSERT_GE(outcomes.size(), balls.size());
        for (std::size_t k = 0; k < balls.size(); ++k) {
            const std::string& b = balls[k];
            const std::size_t last = b.rfind(' ') + 1;
            EXPECT_EQ(b.substr(last, b.find(':', last) - last), outcomes[k]) << "ball " << k << ": " << b;
        }
        const std::vector<std::string> overs = lines(peer, " bowler ");
        const std::vector<std::string> bowlers = lines(log, "Alice: Bowler Data ");
        ASSERT_EQ(overs.size(), 24u);
        for (std::size_t k = 0; k < overs.size(); ++k) EXPECT_EQ(overs[k].substr(0, overs[k].find(' ')), bowlers[k]);
    }
}

// The aggression boxes' OK tells the other copy in network play, each in its
// own layout, and values the other copy sends are stored as they come.
TEST(NetSession, AggressionBoxesSendTheirChanges)
{
    ServedGame s;
    Game& g = s.game.g;
    ASSERT_TRUE(s.game.StartComputerSeries(0, 1, 1));
    for (int n = 0; n < 2000 && !(g.pInnings && g.pInnings->nTotal > 0); ++n) PumpOne(g);
    ASSERT_TRUE(s.Connect());
    CURRENT& c = g.Current;
    g.net->side = c.nBatSide;
    const int pa = c.nPartnerA, pb = c.nPartnerB, bowler = c.nBowler;

    BattingAggressionView bat = BattingAggressionState(g);
    bat.pairing[0].value = 9;  // the first batsman against the current bowler
    bat.protect = 2;
    ApplyBattingAggression(g, bat);
    std::vector<std::uint8_t> f = ReadExactly(s.peer, 4 + 2 + 23 * 2 + 4);
    ASSERT_EQ(f.size(), 56u);
    auto shortAt = [&](int k) { return static_cast<std::int16_t>(f[6 + 2 * k] | (f[7 + 2 * k] << 8)); };
    EXPECT_EQ(shortAt(-1), net::NM_BATTINGAGGRESSION);
    EXPECT_EQ(shortAt(2 * bowler), 9);
    EXPECT_EQ(shortAt(2 * bowler + 1), static_cast<std::int16_t>(c.nBatVsBowl[pb][bowler]));
    EXPECT_EQ(shortAt(22), pb);
    EXPECT_EQ(std::string(f.end() - 4, f.end()), "ENDM");

    TeamAggressionView team = TeamAggressionState(g);
    ApplyTeamAggression(g, team);
    f = ReadExactly(s.peer, 12);
    EXPECT_EQ(shortAt(-1), net::NM_TEAMAGGRESSION);
    EXPECT_EQ(shortAt(0), c.nTeamAggression[c.nBatSide]);

    // The bowling side's pairings from the other copy: bowler b against each batsman.
    std::initializer_list<int> pairs = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 0};
    SendAll(s.peer, MakeFrame(net::NM_BOWLINGAGGRESSION, pairs));
    s.Serve();
    ASSERT_TRUE(NetworkServer(g));
    EXPECT_EQ(c.nBowlVsBat[bowler][pa], (2 * bowler + 1) % 11);
    EXPECT_EQ(c.nBowlVsBat[bowler][pb], (2 * bowler + 2) % 11);
}
