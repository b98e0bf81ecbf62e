// What the front ends call to set up network play: serve, connect, begin the
// series, and the local address information.
#pragma once

#include <string>

#include "core/game.h"

namespace ovs {

// Serving: opens the port (false when refused, reported); the front end then
// calls NetworkAccept from its own loop until it is true (a client came and
// the names are swapped) or the user gives up (NetworkClose).
bool NetworkServe(Game& g, const std::string& name, int port);
bool NetworkAccept(Game& g);
// Connecting by host name or address; false when it failed (reported).
bool NetworkConnect(Game& g, const std::string& name, const std::string& host, int port);
// Once connected: the server's draws start to flow, and both copies open the
// network series box (WM_NEWSERIES 0).
void NetworkBegin(Game& g);

// The Network menu: the local address information (CMD_NETINFO), and the
// serve and connect boxes (Dialog::NetworkServer, Dialog::NetworkClient),
// which set up the connection themselves; once connected the series begins.
void NetworkMenuCommand(Game& g, int command);

// The chat line of the network boxes: what was typed (its first 128
// characters) goes to the other copy as "NAME: text", where it pops up in an
// information box (NM_NETPROD). The line sent, or "" when nothing was sent.
std::string NetworkSendProd(Game& g, const std::string& typed);
// What this copy waits for while it waits for the other copy's choice (the
// waiting box's text), "" at other waits.
std::string NetworkWaitingText(const Game& g);

// The checks of the serve and connect boxes, in order: "" when the entries
// will do, else the warning to show (caption "Ovalspin - Warning").
std::string CheckNetworkEntries(const std::string& name, const std::string& port, const std::string* server,
                                int& portOut);
// The machine's name, which the boxes offer when no player name is set.
std::string NetworkLocalName();
// The text of the local address information box; `ok` false when the look-up
// failed (the text is then the error's, caption "Ovalspin - Error").
std::string LocalAddressInfo(bool& ok);

}  // namespace ovs
