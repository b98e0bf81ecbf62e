// The socket layer: POSIX TCP sockets for the two copies of a network game.
//
// One copy listens on a port and accepts one connection, the other connects
// by host name or address (IPv4 or IPv6, through getaddrinfo). Every socket is
// non-blocking: the server's wait for a connection is a poll of the listening
// socket, never a thread. A connection sends at once (TCP_NODELAY) and has the
// kernel probe a silent peer, so that a peer whose machine or network died is
// found lost within kSilentPeerSeconds; a peer whose program ended is found
// at once (the connection closes).
//
// Errors are reported by the codes and texts the game has always shown
// (WSAECONNREFUSED and so on); the system's own reason goes with them for
// the log.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace ovs::net {

inline constexpr int kDefaultPort = 2257;
// How long a silent peer may go unnoticed: the kernel's probes of an idle
// connection, and its limit on data left unacknowledged.
inline constexpr int kSilentPeerSeconds = 20;

inline constexpr int kWouldBlock = 10035;

// A failed socket operation: the game's error code and the system's reason.
struct SocketError {
    int code = 0;
    std::string reason;
};

// The text of an error code ("WSAECONNREFUSED: Connection refused"), or
// "Unknown Error".
const char* ErrorText(int code);
// The game's code for a system errno, and for a getaddrinfo failure.
int CodeOfErrno(int err);
int CodeOfResolver(int gaiError);

// A listening socket on every local address at `port`; -1 on failure.
int OpenListener(int port, SocketError& err);
// The connection waiting on a listener, or -1: with err.code 0 when nobody
// waits yet, set when accept failed.
int AcceptPending(int listener, SocketError& err);
// Connects to host:port, trying each address the name resolves to, waiting at
// most timeoutMs for each; -1 on failure.
int ConnectTo(const std::string& host, int port, int timeoutMs, SocketError& err);
// Has `host` any address? (The client's first step.)
bool Resolves(const std::string& host, SocketError& err);

// Sends what the socket takes now: the bytes sent (0 when it would block), or
// -1 on an error.
long SendSome(int fd, const std::uint8_t* p, std::size_t n, SocketError& err);
// Receives what has arrived: the bytes read; 0 when the peer closed; -1 when
// nothing is there yet (err.code kWouldBlock); -2 on an error.
long ReceiveSome(int fd, std::uint8_t* p, std::size_t n, SocketError& err);
// Waits up to timeoutMs for the socket to be readable (or closed); false on timeout.
bool WaitReadable(int fd, int timeoutMs);
// The local port a socket is bound to (0 when unknown).
int BoundPort(int fd);
// Shuts the sending side and closes; fd becomes -1.
void CloseSocket(int& fd);

// The local host name, and the addresses it resolves to (numeric form).
std::string LocalHostName();
bool LocalAddresses(const std::string& host, std::vector<std::string>& out);

}  // namespace ovs::net
