// The socket layer: POSIX TCP sockets, error codes and texts.
#include "net/socket.h"

#include <arpa/inet.h>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace ovs::net {

namespace {

struct ErrorRow {
    int code;
    const char* text;
};

constexpr ErrorRow kErrors[] = {
    {10004, "WSAEINTR: Interrupted function call"},
    {10009, "WSAEBADF: Bad file number"},
    {10013, "WSAEACCES: Permission denied"},
    {10014, "WSAEFAULT: Address fault"},
    {10022, "WSAEINVAL: Invalid argument"},
    {10024, "WSAEMFILE: Too many open files"},
    {10035, "WSAEWOULDBLOCK: Resource temporarily unavailable (Would block)"},
    {10036, "WSAEINPROGRESS: Operation now in progress"},
    {10037, "WSAEALREADY: Operation already in progress"},
    {10038, "WSAENOTSOCK: Socket operation on non-socket"},
    {10039, "WSAEDESTADDRREQ: Destination address required"},
    {10040, "WSAEMSGSIZE: Message too long"},
    {10041, "WSAEPROTOTYPE: Protocol wrong type for socket"},
    {10042, "WSAENOPROTOOPT: Bad protocol option"},
    {10043, "WSAEPROTONOSUPPORT: Protocol not supported"},
    {10044, "WSAESOCKTNOSUPPORT: Socket type not supported"},
    {10045, "WSAEOPNOTSUPP: Operation not supported"},
    {10046, "WSAEPFNOSUPPORT: Protocol family not supported"},
    {10047, "WSAEAFNOSUPPORT: Address family not supported by protocol family"},
    {10048, "WSAEADDRINUSE: Address already in use"},
    {10049, "WSAEADDRNOTAVAIL: Cannot assign requested address"},
    {10050, "WSAENETDOWN: Network is down"},
    {10051, "WSAENETUNREACH: Network is unreachable"},
    {10052, "WSAENETRESET: Network dropped connection on reset"},
    {10053, "WSAECONNABORTED: Software caused connection abort"},
    {10054, "WSAECONNRESET: Connection reset by peer"},
    {10055, "WSAENOBUFS: No buffer space available"},
    {10056, "WSAEISCONN: Socket is already connected"},
    {10057, "WSAENOTCONN: Socket is not connected"},
    {10058, "WSAESHUTDOWN: Cannot send after socket shutdown"},
    {10059, "WSAETOOMANYREFS: Too many references"},
    {10060, "WSAETIMEDOUT: Connection timed out"},
    {10061, "WSAECONNREFUSED: Connection refused"},
    {10062, "WSAELOOP: Loop"},
    {10063, "WSAENAMETOOLONG: Name too long"},
    {10064, "WSAEHOSTDOWN: Host is down"},
    {10065, "WSAEHOSTUNREACH: No route to host"},
    {10066, "WSAENOTEMPTY: Directory not empty"},
    {10067, "WSAEPROCLIM: Too many processes"},
    {10068, "WSAEUSERS: Too many users"},
    {10069, "WSAEDQUOT: Disk quota"},
    {10070, "WSAESTALE: Stale"},
    {10071, "WSAEREMOTE: Remote"},
    {10091, "WSASYSNOTREADY: Network subsystem is unavailable"},
    {10092, "WSAVERNOTSUPPORTED: WINSOCK.DLL version out of range"},
    {10093, "WSANOTINITIALISED: Successful WSAStartup() not yet performed"},
    {11001, "WSAHOST_NOT_FOUND: Host not found"},
    {11002, "WSATRY_AGAIN: Non-authoritative host not found"},
    {11003, "WSANO_RECOVERY: Non-recoverable error"},
    {11004, "WSANO_DATA: Valid name, no data record of requested type"},
};

bool Fail(SocketError& err, int sysErr)
{
    err.code = CodeOfErrno(sysErr);
    err.reason = std::strerror(sysErr);
    return false;
}

void SetNonBlocking(int fd)
{
    const int flags = fcntl(fd, F_GETFL, 0);
    if (flags >= 0) fcntl(fd, F_SETFL, flags | O_NONBLOCK);
}

// A connection sends each message at once and has a silent peer probed.
void TuneConnection(int fd)
{
    SetNonBlocking(fd);
    int one = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    setsockopt(fd, SOL_SOCKET, SO_KEEPALIVE, &one, sizeof one);
    int idle = kSilentPeerSeconds / 2, interval = 2, probes = kSilentPeerSeconds / 4;
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPIDLE, &idle, sizeof idle);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPINTVL, &interval, sizeof interval);
    setsockopt(fd, IPPROTO_TCP, TCP_KEEPCNT, &probes, sizeof probes);
#ifdef TCP_USER_TIMEOUT
    unsigned timeoutMs = kSilentPeerSeconds * 1000u;
    setsockopt(fd, IPPROTO_TCP, TCP_USER_TIMEOUT, &timeoutMs, sizeof timeoutMs);
#endif
}

bool Resolve(const std::string& host, int port, int flags, addrinfo*& list, SocketError& err)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    hints.ai_flags = flags;
    const std::string service = std::to_string(port);
    const int rc = getaddrinfo(host.empty() ? nullptr : host.c_str(), service.c_str(), &hints, &list);
    if (rc != 0) {
        err.code = rc == EAI_SYSTEM ? CodeOfErrno(errno) : CodeOfResolver(rc);
        err.reason = rc == EAI_SYSTEM ? std::strerror(errno) : gai_strerror(rc);
        list = nullptr;
        return false;
    }
    return true;
}

}  // namespace

const char* ErrorText(int code)
{
    for (const ErrorRow& row : kErrors)
        if (row.code == code) return row.text;
    return "Unknown Error";
}

int CodeOfErrno(int err)
{
    switch (err) {
    case EINTR: return 10004;
    case EBADF: return 10009;
    case EACCES: case EPERM: return 10013;
    case EFAULT: return 10014;
    case EINVAL: return 10022;
    case EMFILE: case ENFILE: return 10024;
    case EAGAIN: return 10035;
    case EINPROGRESS: return 10036;
    case EALREADY: return 10037;
    case ENOTSOCK: return 10038;
    case EDESTADDRREQ: return 10039;
    case EMSGSIZE: return 10040;
    case EPROTOTYPE: return 10041;
    case ENOPROTOOPT: return 10042;
    case EPROTONOSUPPORT: return 10043;
    case ESOCKTNOSUPPORT: return 10044;
    case EOPNOTSUPP: return 10045;
    case EPFNOSUPPORT: return 10046;
    case EAFNOSUPPORT: return 10047;
    case EADDRINUSE: return 10048;
    case EADDRNOTAVAIL: return 10049;
    case ENETDOWN: return 10050;
    case ENETUNREACH: return 10051;
    case ENETRESET: return 10052;
    case ECONNABORTED: return 10053;
    case ECONNRESET: case EPIPE: return 10054;
    case ENOBUFS: case ENOMEM: return 10055;
    case EISCONN: return 10056;
    case ENOTCONN: return 10057;
    case ESHUTDOWN: return 10058;
    case ETOOMANYREFS: return 10059;
    case ETIMEDOUT: return 10060;
    case ECONNREFUSED: return 10061;
    case ELOOP: return 10062;
    case ENAMETOOLONG: return 10063;
    case EHOSTDOWN: return 10064;
    case EHOSTUNREACH: return 10065;
    case ENOTEMPTY: return 10066;
    case EDQUOT: return 10069;
    case ESTALE: return 10070;
    case EREMOTE: return 10071;
    default: return 0;
    }
}

int CodeOfResolver(int gaiError)
{
    switch (gaiError) {
    case EAI_NONAME: return 11001;
    case EAI_AGAIN: return 11002;
    case EAI_FAIL: return 11003;
    case EAI_NODATA: return 11004;
    case EAI_FAMILY: return 10047;
    case EAI_SERVICE: return 10022;
    case EAI_MEMORY: return 10055;
    default: return 11003;
    }
}

int OpenListener(int port, SocketError& err)
{
    addrinfo* list = nullptr;
    if (!Resolve("", port, AI_PASSIVE, list, err)) return -1;
    // An IPv6 socket that also takes IPv4 where the host has one; IPv4 otherwise.
    addrinfo* pick = nullptr;
    for (addrinfo* a = list; a; a = a->ai_next)
        if (a->ai_family == AF_INET6) pick = a;
    int fd = -1;
    for (int pass = 0; pass < 2 && fd < 0; ++pass) {
        for (addrinfo* a = list; a && fd < 0; a = a->ai_next) {
            if (pass == 0 ? a != pick : a == pick) continue;
            fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
            if (fd < 0) {
                Fail(err, errno);
                continue;
            }
            int one = 1, zero = 0;
            setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
            if (a->ai_family == AF_INET6) setsockopt(fd, IPPROTO_IPV6, IPV6_V6ONLY, &zero, sizeof zero);
            if (bind(fd, a->ai_addr, a->ai_addrlen) != 0 || listen(fd, 5) != 0) {
                Fail(err, errno);
                close(fd);
                fd = -1;
            }
        }
    }
    freeaddrinfo(list);
    if (fd >= 0) {
        SetNonBlocking(fd);
        err = {};
    }
    return fd;
}

int AcceptPending(int listener, SocketError& err)
{
    err = {};
    const int fd = accept4(listener, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0) {
        if (errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) Fail(err, errno);
        return -1;
    }
    TuneConnection(fd);
    return fd;
}

bool Resolves(const std::string& host, SocketError& err)
{
    addrinfo* list = nullptr;
    if (!Resolve(host, kDefaultPort, 0, list, err)) return false;
    freeaddrinfo(list);
    return true;
}

int ConnectTo(const std::string& host, int port, int timeoutMs, SocketError& err)
{
    addrinfo* list = nullptr;
    if (!Resolve(host, port, 0, list, err)) return -1;
    int fd = -1;
    for (addrinfo* a = list; a && fd < 0; a = a->ai_next) {
        fd = socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
        if (fd < 0) {
            Fail(err, errno);
            continue;
        }
        SetNonBlocking(fd);
        int rc = connect(fd, a->ai_addr, a->ai_addrlen);
        if (rc != 0 && errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int soErr = 0;
            socklen_t len = sizeof soErr;
            if (poll(&p, 1, timeoutMs) != 1)
                soErr = ETIMEDOUT;
            else
                getsockopt(fd, SOL_SOCKET, SO_ERROR, &soErr, &len);
            rc = soErr == 0 ? 0 : -1;
            errno = soErr;
        }
        if (rc != 0) {
            Fail(err, errno);
            close(fd);
            fd = -1;
        }
    }
    freeaddrinfo(list);
    if (fd >= 0) {
        TuneConnection(fd);
        err = {};
    }
    return fd;
}

long SendSome(int fd, const std::uint8_t* p, std::size_t n, SocketError& err)
{
    const ssize_t sent = send(fd, p, n, MSG_NOSIGNAL);
    if (sent >= 0) return static_cast<long>(sent);
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) return 0;
    Fail(err, errno);
    return -1;
}

long ReceiveSome(int fd, std::uint8_t* p, std::size_t n, SocketError& err)
{
    const ssize_t got = recv(fd, p, n, 0);
    if (got >= 0) return static_cast<long>(got);
    if (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR) {
        err.code = kWouldBlock;
        err.reason = std::strerror(EAGAIN);
        return -1;
    }
    Fail(err, errno);
    return -2;
}

bool WaitReadable(int fd, int timeoutMs)
{
    pollfd p{fd, POLLIN, 0};
    return poll(&p, 1, timeoutMs) > 0;
}

int BoundPort(int fd)
{
    sockaddr_storage addr{};
    socklen_t len = sizeof addr;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) return 0;
    if (addr.ss_family == AF_INET6) return ntohs(reinterpret_cast<sockaddr_in6*>(&addr)->sin6_port);
    return ntohs(reinterpret_cast<sockaddr_in*>(&addr)->sin_port);
}

void CloseSocket(int& fd)
{
    if (fd < 0) return;
    shutdown(fd, SHUT_WR);
    close(fd);
    fd = -1;
}

std::string LocalHostName()
{
    char name[256] = {};
    if (gethostname(name, sizeof name - 1) != 0) return "";
    return name;
}

bool LocalAddresses(const std::string& host, std::vector<std::string>& out)
{
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    if (getaddrinfo(host.c_str(), nullptr, &hints, &list) != 0) return false;
    for (addrinfo* a = list; a; a = a->ai_next) {
        char text[INET6_ADDRSTRLEN] = {};
        const void* addr = a->ai_family == AF_INET6
                               ? static_cast<const void*>(&reinterpret_cast<sockaddr_in6*>(a->ai_addr)->sin6_addr)
                               : static_cast<const void*>(&reinterpret_cast<sockaddr_in*>(a->ai_addr)->sin_addr);
        if (!inet_ntop(a->ai_family, addr, text, sizeof text)) continue;
        bool seen = false;
        for (const std::string& s : out) seen = seen || s == text;
        if (!seen) out.emplace_back(text);
    }
    freeaddrinfo(list);
    return true;
}

}  // namespace ovs::net
