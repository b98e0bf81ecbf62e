// ovalspin-cli serve / connect: two headless copies play one network series,
// each copy's own choices made by the computer and sent over the protocol.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands.h"
#include "options.h"
#include "core/flow.h"
#include "core/messages.h"
#include "net/network.h"
#include "net/session.h"
#include "play_common.h"
#include "resume.h"

namespace ovs::cli {

namespace {

struct NetArgs {
    std::string name;
    std::string host;
    std::string squad;  // connect: the squad to choose
    int port = net::kDefaultPort;
    int tests = 1;
    int waitSeconds = 300;
    bool save = false;
    bool noWeather = false;
    bool ballByBall = false;
    Args squads;
};

// The options of serve or connect as the table allowed them.
NetArgs ReadNetArgs(const Parsed& args)
{
    NetArgs out;
    out.name = args.Value("--name");
    out.host = args.Value("--host");
    out.squad = args.Value("--squad");
    out.port = static_cast<int>(args.Number("--port", net::kDefaultPort));
    out.tests = static_cast<int>(args.Number("--tests", 1));
    out.waitSeconds = static_cast<int>(args.Number("--wait", 300));
    out.save = args.Has("--save");
    out.noWeather = args.Has("--no-weather");
    out.ballByBall = args.Has("--ball-by-ball");
    out.squads = args.operands;
    return out;
}

// Plays the network series to its end: the engine's queue first, a pause is
// resumed at once, and otherwise the socket is served. False when the
// connection was lost first.
bool PlayNetworkSeries(Game& g, CliHost& host)
{
    bool ended = false;
    for (;;) {
        if (QuitPosted(g) || !g.net || g.net->Lost()) break;
        if (std::optional<AppMessage> m = g.queue.Pop()) {
            MainWndProc(g, m->msg, m->wParam, m->lParam);
            if (m->msg == WM_ENDSERIES) ended = true;
            continue;
        }
        if (ended) break;
        if (g.bPaused == 1) {
            Resume(g, true);
            continue;
        }
        if (NetworkServer(g)) g.net->SendDeliveryData();
        host.ServeSocket(200);
    }
    if (!ended || !g.net || g.net->Lost()) return false;
    // The series is over on this copy; the other may finish and leave.
    g.net->finished = true;
    if (NetworkServer(g)) {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        g.net->SendDeliveryData();
        while (!g.net->Lost() && std::chrono::steady_clock::now() < until) host.ServeSocket(200);
    }
    NetworkClose(g);
    return true;
}

int Finish(Game& g, CliHost& host, const NetArgs& a, const char* command)
{
    const bool played = PlayNetworkSeries(g, host);
    if (!played && g.net) std::fprintf(stderr, "ovalspin-cli %s: %s\n", command, g.net->status.c_str());
    PrintSeriesResults(g);
    if (a.save && !SavePositionAndSay(g, command)) return 1;
    return played ? 0 : 1;
}

}  // namespace

int CmdServe(const CliOptions& opts, const Parsed& args)
{
    const NetArgs a = ReadNetArgs(args);
    if (a.name.empty() || a.name.size() > 19) return UsageError("serve: --name wants a name of 1 to 19 characters");
    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    int squad[2];
    for (int s = 0; s < 2; ++s) {
        squad[s] = FindSquad(g, a.squads[s]);
        if (squad[s] < 0) return Refuse("serve: no squad '" + a.squads[s] + "' (see ovalspin-cli db)");
    }
    if (!NetworkServe(g, a.name, a.port)) return 1;
    std::printf("Serving on port %d\n", g.net->ServedPort());
    std::fflush(stdout);
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(a.waitSeconds);
    while (!NetworkAccept(g)) {
        if (!g.net || g.net->Failed()) return 1;
        if (std::chrono::steady_clock::now() > until) {
            return Refuse("serve: nobody connected within " + std::to_string(a.waitSeconds) + " seconds");
        }
        net::WaitReadable(g.net->ListenerFd(), 100);
    }
    std::printf("Connected to %s\n", g.net->opponent.c_str());
    std::fflush(stdout);
    net::NetworkSeriesPreset& p = g.net->preset;
    p.home = squad[0];
    p.away = squad[1];
    p.tests = a.tests > 0 ? a.tests : 1;
    p.noWeather = a.noWeather;
    p.ballByBall = a.ballByBall;
    NetworkBegin(g);
    return Finish(g, session.host(), a, "serve");
}

int CmdConnect(const CliOptions& opts, const Parsed& args)
{
    const NetArgs a = ReadNetArgs(args);
    if (a.name.empty() || a.name.size() > 19) return UsageError("connect: --name wants a name of 1 to 19 characters");
    if (a.host.empty()) return UsageError("connect: --host wants the serving machine's name or address");
    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    int squad = -1;
    if (!a.squad.empty() && (squad = FindSquad(g, a.squad)) < 0)
        return Refuse("connect: no squad '" + a.squad + "' (see ovalspin-cli db)");
    if (!NetworkConnect(g, a.name, a.host, a.port)) return 1;
    std::printf("Connected to %s\n", g.net->opponent.c_str());
    std::fflush(stdout);
    g.net->preset.away = squad;
    g.net->preset.ballByBall = a.ballByBall;
    NetworkBegin(g);
    return Finish(g, session.host(), a, "connect");
}

}  // namespace ovs::cli
