// Setting up network play for the front ends.
#include "net/network.h"

#include <cstdlib>

#include "core/flow.h"
#include "core/menu.h"
#include "core/messages.h"
#include "net/session.h"

namespace ovs {

bool NetworkServe(Game& g, const std::string& name, int port)
{
    NetworkClose(g);
    g.net = std::make_shared<net::Session>(g);
    g.net->name = name.substr(0, 19);
    if (!g.net->Listen(port)) {
        g.net.reset();
        return false;
    }
    return true;
}

bool NetworkAccept(Game& g)
{
    if (!g.net) return false;
    if (NetworkServer(g)) return true;
    if (g.net->AcceptAndGreet()) return true;
    // A failure was reported; the wait is over.
    if (g.net->Failed()) g.net.reset();
    return false;
}

bool NetworkConnect(Game& g, const std::string& name, const std::string& host, int port)
{
    NetworkClose(g);
    g.net = std::make_shared<net::Session>(g);
    g.net->name = name.substr(0, 19);
    if (!g.net->Connect(host.substr(0, 19), port)) {
        g.net.reset();
        return false;
    }
    return true;
}

void NetworkBegin(Game& g)
{
    if (!g.net || !NetworkPlay(g)) return;
    g.net->InstallRandomSource();
    g.Log("Posting WM_NEWSERIES message from NetworkBegin ()  (wParam = %d)\n", 0);
    g.queue.Post(WM_NEWSERIES, 0);
}

void NetworkMenuCommand(Game& g, int command)
{
    if (command == CMD_NETINFO) {
        bool ok = false;
        const std::string text = LocalAddressInfo(ok);
        g.host->MessageBox(text, ok ? "Ovalspin" : "Ovalspin - Error", BoxButtons::Ok,
                           ok ? BoxIcon::Information : BoxIcon::Exclamation);
        return;
    }
    if (NetworkPlay(g)) return;
    DialogRequest req;
    req.id = command == CMD_NETSERVER ? Dialog::NetworkServer : Dialog::NetworkClient;
    if (!g.host->RunDialog(req) || !NetworkPlay(g)) return;
    NetworkBegin(g);
}

std::string CheckNetworkEntries(const std::string& name, const std::string& port, const std::string* server,
                                int& portOut)
{
    static const char* kPortAdvice =
        "  Unless absolutely necessary it is recommended you stick to the default Port number.\n\n"
        "Valid reasons for changing the Port number are clashes with another application or to enter a valid "
        "accessible Port number if behind a firewall.";
    if (name.empty()) return "No Player name entered.";
    if (server && server->empty()) return "No Server name entered.";
    std::size_t digits = 0;
    while (digits < port.size() && port[digits] >= '0' && port[digits] <= '9') ++digits;
    if (digits == 0) return "No Port number entered.";
    const long value = digits > 6 ? 999999 : std::atol(port.substr(0, digits).c_str());
    portOut = static_cast<int>(value);
    if (value < 1024) return std::string("Port numbers below 1024 are reserved and can not be used.") + kPortAdvice;
    if (value > 65535) return std::string("Out of range Port number.") + kPortAdvice;
    return "";
}

std::string NetworkSendProd(Game& g, const std::string& typed)
{
    net::Session* s = g.net.get();
    if (!s || s->Lost() || !NetworkPlay(g) || typed.empty()) return {};
    const std::string line = s->name + ": " + typed.substr(0, 128);
    s->Send(net::NM_NETPROD, [&](net::MessageWriter& w) { w.PushString(line); });
    return line;
}

std::string NetworkWaitingText(const Game& g) { return g.net ? g.net->waiting : std::string(); }

std::string NetworkLocalName() { return net::LocalHostName().substr(0, 19); }

std::string LocalAddressInfo(bool& ok)
{
    const std::string host = net::LocalHostName();
    std::vector<std::string> addresses;
    ok = !host.empty() && net::LocalAddresses(host, addresses);
    if (!ok) return "Bad Host look-up.\n";
    std::string text = "Host name is " + host + ".\n\n";
    for (std::size_t k = 0; k < addresses.size(); ++k)
        text += "Address " + std::to_string(k + 1) + " : " + addresses[k] + "\n";
    if (addresses.empty())
        text += "\nNo IP address found.  Please connect to the Internet first or start up/Install TCP/IP support "
                "for your Network.\n";
    else if (addresses.size() == 1)
        text += "\nIP address found.  If you aren't connected to a network this is your current Internet IP "
                "address as assigned by your ISP.\n\nIf you are connected to a Network this is your current "
                "network IP address. Network addresses are 10.x.x.x or 172.16-31.x.x or 192.168.x.x.\n\nNote if "
                "you are connected to the Internet via a proxy or gateway machine on a network will not see the "
                "IP address required for external Internet access so you will only be able to connect to a Test "
                "started by someone else not start a Test.\n";
    else
        text += "\n2 or more IP addresses found.  The first address is likely to be your network IP address and "
                "the last your current Internet IP address.  Network addresses are typically of the norm "
                "192.168.x.x.\n\nNote if you are connected to the Internet via a proxy or gateway machine you "
                "will not see the IP address required for external Internet access so you will only be able to "
                "connect to a Test started by someone else not start a Test.\n";
    return text;
}

}  // namespace ovs
