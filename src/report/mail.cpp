// Sending a report by e-mail: the checks of the mail boxes, the connection
// settings file, MAILTEXT.TXT and the SMTP exchange.
#include "report/mail.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netdb.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <openssl/err.h>
#include <openssl/evp.h>
#include <openssl/ssl.h>
#include <openssl/x509v3.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "core/startup.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "report/catalogue.h"
#include "report/report_out.h"
#include "report/text_lines.h"

namespace ovs {

namespace {

constexpr const char* kCheckCaption = "Ovalspin - Error";
constexpr std::size_t kMaxReply = 64 * 1024;   // a server talking on and on is cut off here

void ErrorBox(Game& g, const std::string& text) { g.host->MessageBox(text, kCheckCaption, BoxButtons::Ok, BoxIcon::Information); }
void StopBox(Game& g, const std::string& text) { g.host->MessageBox(text, kMailErrorCaption, BoxButtons::Ok, BoxIcon::Stop); }

std::string Trim(std::string s)
{
    const auto b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t\r\n");
    return s.substr(b, e - b + 1);
}

std::string Upper(std::string s)
{
    for (char& ch : s)
        if (ch >= 'a' && ch <= 'z') ch = static_cast<char>(ch - 'a' + 'A');
    return s;
}

std::string Base64(std::string_view in)
{
    std::string out(4 * ((in.size() + 2) / 3) + 1, '\0');
    const int n = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(out.data()),
                                  reinterpret_cast<const unsigned char*>(in.data()), static_cast<int>(in.size()));
    out.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
    return out;
}

// A line of the message as sent: a leading dot doubled, so the server does not
// read it as the end of the data.
std::string Stuffed(std::string_view line)
{
    std::string s;
    if (!line.empty() && line[0] == '.') s += '.';
    s += line;
    return s;
}

const char* const kDays[] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// A send that raises SIGPIPE on a dropped connection must not end the
// program: SIGPIPE is held back on this thread while the exchange runs, and
// one raised meanwhile is taken off before it is let through again.
class SigpipeHold {
public:
    SigpipeHold()
    {
        sigset_t pipe;
        sigemptyset(&pipe);
        sigaddset(&pipe, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        wasPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe, &old_);
    }
    ~SigpipeHold()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!wasPending_ && sigismember(&pending, SIGPIPE) == 1) {
            sigset_t pipe;
            sigemptyset(&pipe);
            sigaddset(&pipe, SIGPIPE);
            const timespec zero{0, 0};
            sigtimedwait(&pipe, nullptr, &zero);
        }
        pthread_sigmask(SIG_SETMASK, &old_, nullptr);
    }
    SigpipeHold(const SigpipeHold&) = delete;
    SigpipeHold& operator=(const SigpipeHold&) = delete;

private:
    sigset_t old_{};
    bool wasPending_ = false;
};

// One reply: its code and its lines (without their line ends).
struct Reply {
    int code = 0;
    std::vector<std::string> lines;
    std::string Quoted() const
    {
        std::string s;
        for (const std::string& l : lines) {
            if (!s.empty()) s += '\n';
            s += l;
        }
        if (s.size() > 600) s = s.substr(0, 600) + "...";
        return s;
    }
};

enum class Io { Ok, Failed, Closed, TimedOut, Garbled };

// The socket to the server, plain or under TLS, with the bytes received and
// not yet taken as a reply.
class Link {
public:
    explicit Link(int timeoutSeconds) : timeoutMs_(timeoutSeconds * 1000) {}
    ~Link() { Close(); }
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    int fd() const { return fd_; }

    // false when no address of the host could be resolved (`resolved` false)
    // or connected to.
    bool Connect(const std::string& host, int port, bool& resolved, bool& socketMade)
    {
        addrinfo hints{};
        hints.ai_family = AF_UNSPEC;
        hints.ai_socktype = SOCK_STREAM;
        addrinfo* list = nullptr;
        const std::string service = std::to_string(port);
        resolved = getaddrinfo(host.c_str(), service.c_str(), &hints, &list) == 0 && list;
        socketMade = false;
        if (!resolved) return false;
        for (addrinfo* a = list; a && fd_ < 0; a = a->ai_next) {
            int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC, a->ai_protocol);
            if (fd < 0) continue;
            socketMade = true;
            if (ConnectWithin(fd, a->ai_addr, a->ai_addrlen)) {
                fd_ = fd;
            } else {
                ::close(fd);
            }
        }
        freeaddrinfo(list);
        if (fd_ < 0) return false;
        // Every later read and write gives up after the timeout too.
        timeval tv{timeoutMs_ / 1000, (timeoutMs_ % 1000) * 1000};
        setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
        setsockopt(fd_, SOL_SOCKET, SO_SNDTIMEO, &tv, sizeof tv);
        return true;
    }

    // The TLS handshake on the connected socket, checking the server's
    // certificate against the system's authorities (and `caFile`) and the
    // host name; `error` says why it failed.
    bool StartTls(const std::string& host, const std::string& caFile, std::string& error)
    {
        ctx_ = SSL_CTX_new(TLS_client_method());
        if (!ctx_) return TlsFailed(error);
        SSL_CTX_set_min_proto_version(ctx_, TLS1_2_VERSION);
        SSL_CTX_set_verify(ctx_, SSL_VERIFY_PEER, nullptr);
        SSL_CTX_set_default_verify_paths(ctx_);
        if (!caFile.empty() && SSL_CTX_load_verify_locations(ctx_, caFile.c_str(), nullptr) != 1) {
            error = "The certificate file " + caFile + " could not be read.";
            return false;
        }
        ssl_ = SSL_new(ctx_);
        if (!ssl_ || SSL_set_fd(ssl_, fd_) != 1) return TlsFailed(error);
        in6_addr any{};
        const bool literal = inet_pton(AF_INET, host.c_str(), &any) == 1 || inet_pton(AF_INET6, host.c_str(), &any) == 1;
        if (literal) {
            X509_VERIFY_PARAM_set1_ip_asc(SSL_get0_param(ssl_), host.c_str());
        } else {
            SSL_set_tlsext_host_name(ssl_, host.c_str());
            SSL_set1_host(ssl_, host.c_str());
        }
        if (SSL_connect(ssl_) != 1) {
            const long verify = SSL_get_verify_result(ssl_);
            if (verify != X509_V_OK) {
                error = std::string("The server's certificate was not accepted: ") +
                        X509_verify_cert_error_string(verify) + ".";
                return false;
            }
            return TlsFailed(error);
        }
        return true;
    }

    Io Send(std::string_view data)
    {
        while (!data.empty()) {
            long n;
            if (ssl_) {
                n = SSL_write(ssl_, data.data(), static_cast<int>(data.size()));
            } else {
                n = ::send(fd_, data.data(), data.size(), MSG_NOSIGNAL);
                if (n < 0 && errno == EINTR) continue;
            }
            if (n <= 0) return Io::Failed;
            data.remove_prefix(static_cast<std::size_t>(n));
        }
        return Io::Ok;
    }

    // The next whole reply (a multi-line reply ends at its line "ddd ").
    Io ReadReply(Reply& r)
    {
        r = Reply{};
        for (;;) {
            std::size_t eol;
            while ((eol = in_.find('\n')) != std::string::npos) {
                std::string line = in_.substr(0, eol);
                in_.erase(0, eol + 1);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                r.lines.push_back(line);
                const bool digits = line.size() >= 3 && std::isdigit(static_cast<unsigned char>(line[0])) &&
                                    std::isdigit(static_cast<unsigned char>(line[1])) &&
                                    std::isdigit(static_cast<unsigned char>(line[2]));
                const int code = digits ? std::atoi(line.substr(0, 3).c_str()) : 0;
                if (!digits || (r.code && code != r.code) || (line.size() > 3 && line[3] != ' ' && line[3] != '-'))
                    return Io::Garbled;
                r.code = code;
                if (line.size() == 3 || line[3] == ' ') return Io::Ok;
            }
            if (in_.size() > kMaxReply) return Io::Garbled;
            const Io got = ReadSome();
            if (got != Io::Ok) return got;
        }
    }

    // Bytes left over after a reply (a server must not send ahead of STARTTLS).
    bool Pending() const { return !in_.empty(); }

    void Close()
    {
        if (ssl_) {
            SSL_shutdown(ssl_);
            SSL_free(ssl_);
            ssl_ = nullptr;
        }
        if (ctx_) {
            SSL_CTX_free(ctx_);
            ctx_ = nullptr;
        }
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }

private:
    bool ConnectWithin(int fd, const sockaddr* addr, socklen_t len)
    {
        const int flags = fcntl(fd, F_GETFL, 0);
        fcntl(fd, F_SETFL, flags | O_NONBLOCK);
        int rc = ::connect(fd, addr, len);
        if (rc != 0 && errno == EINPROGRESS) {
            pollfd p{fd, POLLOUT, 0};
            int err = 0;
            socklen_t errLen = sizeof err;
            rc = (::poll(&p, 1, timeoutMs_) == 1 && getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &errLen) == 0 && err == 0)
                     ? 0
                     : -1;
        }
        fcntl(fd, F_SETFL, flags);
        return rc == 0;
    }

    Io ReadSome()
    {
        char buf[4096];
        if (!(ssl_ && SSL_pending(ssl_) > 0)) {
            pollfd p{fd_, POLLIN, 0};
            int rc;
            do rc = ::poll(&p, 1, timeoutMs_);
            while (rc < 0 && errno == EINTR);
            if (rc == 0) return Io::TimedOut;
            if (rc < 0) return Io::Failed;
        }
        long n;
        if (ssl_) {
            n = SSL_read(ssl_, buf, sizeof buf);
            if (n <= 0) {
                const int e = SSL_get_error(ssl_, static_cast<int>(n));
                if (e == SSL_ERROR_WANT_READ || e == SSL_ERROR_WANT_WRITE) return Io::TimedOut;
                return e == SSL_ERROR_ZERO_RETURN ? Io::Closed : Io::Failed;
            }
        } else {
            do n = ::recv(fd_, buf, sizeof buf, 0);
            while (n < 0 && errno == EINTR);
            if (n < 0) return (errno == EAGAIN || errno == EWOULDBLOCK) ? Io::TimedOut : Io::Failed;
            if (n == 0) return Io::Closed;
        }
        in_.append(buf, static_cast<std::size_t>(n));
        return Io::Ok;
    }

    bool TlsFailed(std::string& error)
    {
        const unsigned long e = ERR_get_error();
        char text[256] = "the handshake failed";
        if (e) ERR_error_string_n(e, text, sizeof text);
        ERR_clear_error();
        error = std::string("TLS: ") + text + ".";
        return false;
    }

    int timeoutMs_;
    int fd_ = -1;
    SSL_CTX* ctx_ = nullptr;
    SSL* ssl_ = nullptr;
    std::string in_;
};

// One run of the exchange with the server.
class Exchange {
public:
    Exchange(Game& g, const MAILDATA& m, const MailConnection& c, MailRequest& req)
        : g_(g), m_(m), c_(c), req_(req), link_(c.timeoutSeconds > 0 ? c.timeoutSeconds : 60)
    {
    }

    // Resolve, make the socket and connect; a failure is shown and ends the state.
    bool Connect()
    {
        Status("Connecting to Mail Server.");
        req_.state = MAIL_SENDING;
        bool resolved = false, socketMade = false;
        if (link_.Connect(m_.szServer, MailPort(c_), resolved, socketMade)) return true;
        StopBox(g_, !resolved ? "Mail - Could not get IP address!"
                    : !socketMade ? "Mail - Invalid socket!!"
                                  : "Mail - Error connecting socket!!");
        req_.state = MAIL_DONE;
        return false;
    }

    bool Run(const std::string& bodyPath)
    {
        const bool secure = c_.security != MailSecurity::None;
        Status("Sending Mail Message.");
        if (c_.security == MailSecurity::Tls && !Tls()) return false;
        // The server speaks first; its greeting is a reply like any other.
        if (!Answer(2, "refused the connection")) return false;
        if (secure) {
            if (!Hello()) return false;
            if (c_.security == MailSecurity::StartTls) {
                if (!offersStartTls_) {
                    StopBox(g_, "Mail - Mail Server does not offer STARTTLS, so the mail was not sent.");
                    return false;
                }
                if (!Command("STARTTLS\r\n", 2, "refused STARTTLS")) return false;
                if (link_.Pending()) {
                    StopBox(g_, "Mail - Mail Server sent data ahead of the secure connection; the mail was not sent.");
                    return false;
                }
                if (!Tls() || !Hello()) return false;
            }
            if (!c_.user.empty() && !SignIn()) return false;
        } else {
            if (!Command(std::string("HELO ") + m_.szServer + "\r\n", 2, "refused HELO")) return false;
        }
        if (!Command(std::string("MAIL FROM:<") + m_.szAddress + ">\r\n", 2, "refused the sender")) return false;
        if (!Command("RCPT TO:<" + req_.to + ">\r\n", 2, "refused the recipient")) return false;
        if (!Command("DATA\r\n", 3, "refused the message")) return false;

        const std::time_t now = static_cast<std::time_t>(g_.host->Now());
        if (!Line("Date: " + (secure ? MailRfcDate(now) : MailDateText(now)) + "\r\n")) return false;
        if (!Line(std::string("From: ") + m_.szName + " <" + m_.szAddress + ">\r\n")) return false;
        if (!Line("To: " + req_.to + "\r\n")) return false;
        if (!Line("Subject: " + req_.subject + "\r\n")) return false;
        if (secure && !Line(MimeHeaders(now))) return false;
        if (!Line(std::string("X-Mail-Agent: Ovalspin ") + kVersion + "\r\n")) return false;
        if (!Line("\r\n")) return false;
        const std::string extra = MailAdditionalText(req_.additionalText);
        if (!extra.empty() && !Line(StuffedText(extra))) return false;
        if (!Body(bodyPath)) return false;
        // The plain exchange ends the data with a blank line after the dot, as
        // it always has; the server's answer to that blank line is not waited for.
        if (!Command(secure ? ".\r\n" : ".\r\n\r\n", 2, "refused the message")) return false;
        // The message is accepted: whatever the answer to QUIT, it has gone.
        // The blank line after the plain exchange's dot may have its own
        // answer ahead of QUIT's; both are read, so that the line is not cut
        // while the server still speaks.
        if (link_.Send("QUIT\r\n") == Io::Ok) {
            Reply r;
            for (int k = 0; k < (secure ? 1 : 2); ++k)
                if (link_.ReadReply(r) != Io::Ok || r.code == 221) break;
        }
        if (req_.status) {
            req_.status("Mail sent successfully.");
        } else {
            g_.host->MessageBox("Mail sent successfully.", "Ovalspin", BoxButtons::Ok, BoxIcon::Information);
        }
        return true;
    }

    void Close() { link_.Close(); }

private:
    void Status(const std::string& text)
    {
        if (req_.status) req_.status(text);
    }

    bool Tls()
    {
        std::string error;
        if (link_.StartTls(m_.szServer, c_.caFile, error)) return true;
        StopBox(g_, "Mail - Could not make a secure connection to Mail Server.\n\n" + error);
        return false;
    }

    // EHLO with our address literal; notes STARTTLS and the AUTH methods offered.
    bool Hello()
    {
        sockaddr_storage local{};
        socklen_t len = sizeof local;
        std::string me = "[127.0.0.1]";
        char host[INET6_ADDRSTRLEN] = "";
        if (getsockname(link_.fd(), reinterpret_cast<sockaddr*>(&local), &len) == 0) {
            if (local.ss_family == AF_INET &&
                inet_ntop(AF_INET, &reinterpret_cast<sockaddr_in*>(&local)->sin_addr, host, sizeof host))
                me = std::string("[") + host + "]";
            else if (local.ss_family == AF_INET6 &&
                     inet_ntop(AF_INET6, &reinterpret_cast<sockaddr_in6*>(&local)->sin6_addr, host, sizeof host))
                me = std::string("[IPv6:") + host + "]";
        }
        Reply r;
        if (!Command("EHLO " + me + "\r\n", 2, "refused EHLO", &r)) return false;
        offersStartTls_ = false;
        authPlain_ = authLogin_ = authOffered_ = false;
        for (std::size_t i = 1; i < r.lines.size(); ++i) {
            const std::string kw = Upper(r.lines[i].size() > 4 ? r.lines[i].substr(4) : "");
            if (kw == "STARTTLS") offersStartTls_ = true;
            if (kw.rfind("AUTH", 0) == 0 && kw.size() > 4 && (kw[4] == ' ' || kw[4] == '=')) {
                authOffered_ = true;
                std::istringstream words(kw.substr(5));
                for (std::string w; words >> w;) {
                    if (w == "PLAIN") authPlain_ = true;
                    if (w == "LOGIN") authLogin_ = true;
                }
            }
        }
        return true;
    }

    bool SignIn()
    {
        // A server that asks for no sign-in takes the mail without one.
        if (!authOffered_) return true;
        if (authPlain_) {
            const std::string token = Base64(std::string(1, '\0') + c_.user + std::string(1, '\0') + c_.password);
            return Command("AUTH PLAIN " + token + "\r\n", 2, "refused the sign-in");
        }
        if (authLogin_) {
            return Command("AUTH LOGIN\r\n", 3, "refused the sign-in") &&
                   Command(Base64(c_.user) + "\r\n", 3, "refused the sign-in") &&
                   Command(Base64(c_.password) + "\r\n", 2, "refused the sign-in");
        }
        StopBox(g_, "Mail - Mail Server offers no sign-in method this program knows (PLAIN or LOGIN), so the mail was not sent.");
        return false;
    }

    std::string MimeHeaders(std::time_t now) const
    {
        const char* at = std::strrchr(m_.szAddress, '@');
        return "Message-ID: <" + std::to_string(static_cast<long long>(now)) + "." + std::to_string(::getpid()) +
               ".ovalspin@" + (at ? at + 1 : "localhost") +
               ">\r\nMIME-Version: 1.0\r\nContent-Type: text/plain; charset=UTF-8\r\nContent-Transfer-Encoding: 8bit\r\n";
    }

    // The additional text with "\r\n" line ends and its lines dot-stuffed.
    static std::string StuffedText(const std::string& text)
    {
        std::string out;
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t eol = text.find('\n', start);
            const bool last = eol == std::string::npos;
            std::string line = text.substr(start, last ? std::string::npos : eol - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (last) {
                out += Stuffed(line);
                break;
            }
            out += Stuffed(line) + "\r\n";
            start = eol + 1;
        }
        return out;
    }

    // The report, line by line with "\r\n" line ends.
    bool Body(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) return Line("Mail File not found.\r\n");
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (!Line(Stuffed(line) + "\r\n")) return false;
        }
        return true;
    }

    bool Line(const std::string& text)
    {
        if (link_.Send(text) == Io::Ok) return true;
        StopBox(g_, "Mail - Unable to send data to Mail Server.");
        return false;
    }

    bool Command(const std::string& cmd, int wantClass, const char* refused, Reply* out = nullptr)
    {
        if (!Line(cmd)) return false;
        return Answer(wantClass, refused, out);
    }

    // Reads a reply; anything but a reply of class `wantClass` ends the exchange.
    bool Answer(int wantClass, const char* refused, Reply* out = nullptr)
    {
        Reply r;
        switch (link_.ReadReply(r)) {
        case Io::Ok:
            break;
        case Io::TimedOut:
            StopBox(g_, "Mail - Unable to receive data from Mail Server.\n\nThe server did not answer within " +
                            std::to_string(c_.timeoutSeconds) + (c_.timeoutSeconds == 1 ? " second." : " seconds."));
            return false;
        case Io::Garbled:
            StopBox(g_, "Mail - Mail Server sent an answer that is not SMTP:\n\n" + r.Quoted());
            return false;
        default:
            StopBox(g_, "Mail - Unable to receive data from Mail Server.");
            return false;
        }
        if (r.code / 100 != wantClass) {
            StopBox(g_, std::string("Mail - Mail Server ") + refused + ":\n\n" + r.Quoted());
            return false;
        }
        if (out) *out = std::move(r);
        return true;
    }

    Game& g_;
    const MAILDATA& m_;
    const MailConnection& c_;
    MailRequest& req_;
    Link link_;
    bool offersStartTls_ = false;
    bool authOffered_ = false;
    bool authPlain_ = false;
    bool authLogin_ = false;
};

long TickCount()
{
    using namespace std::chrono;
    return static_cast<long>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count() & 0x7FFFFFFF);
}

}  // namespace

// --- settings ----------------------------------------------------------------

int MailPort(const MailConnection& c)
{
    if (c.port > 0) return c.port;
    if (c.security == MailSecurity::Tls) return 465;
    if (c.security == MailSecurity::StartTls) return 587;
    const servent* s = getservbyname("mail", nullptr);
    return s ? ntohs(static_cast<std::uint16_t>(s->s_port)) : 25;
}

const char* MailSecurityName(MailSecurity s)
{
    switch (s) {
    case MailSecurity::StartTls: return "starttls";
    case MailSecurity::Tls: return "tls";
    default: return "none";
    }
}

bool ParseMailSecurity(const std::string& text, MailSecurity& out)
{
    for (MailSecurity s : {MailSecurity::None, MailSecurity::StartTls, MailSecurity::Tls})
        if (Upper(text) == Upper(MailSecurityName(s))) {
            out = s;
            return true;
        }
    return false;
}

MailConnection LoadMailConnection(Game& g)
{
    MailConnection c;
    std::ifstream in(JoinPath(g.host->DataDir(), kMailServerName), std::ios::binary);
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
        const std::string key = Trim(line.substr(0, eq));
        std::string value = line.substr(eq + 1);
        if (!value.empty() && value.back() == '\r') value.pop_back();
        char* end = nullptr;
        const long n = std::strtol(value.c_str(), &end, 10);
        const bool number = !value.empty() && end && *end == '\0';
        if (key == "port" && number && n >= 0 && n <= 65535) c.port = static_cast<int>(n);
        else if (key == "timeout" && number && n >= 1 && n <= 600) c.timeoutSeconds = static_cast<int>(n);
        else if (key == "security") ParseMailSecurity(Trim(value), c.security);
        else if (key == "user") c.user = value;
        else if (key == "password") c.password = value;
        else if (key == "cafile") c.caFile = Trim(value);
    }
    return c;
}

bool SaveMailConnection(Game& g, const MailConnection& c)
{
    // No line break may get into a value: it would start a line of its own.
    auto clean = [](std::string s) {
        for (char& ch : s)
            if (ch == '\n' || ch == '\r') ch = ' ';
        return s;
    };
    const std::string text = "# Ovalspin mail connection (the server, address and name are in MAIL.DAT)\n"
                             "port=" + std::to_string(c.port) + "\nsecurity=" + MailSecurityName(c.security) +
                             "\nuser=" + clean(c.user) + "\npassword=" + clean(c.password) +
                             "\ncafile=" + clean(c.caFile) + "\ntimeout=" + std::to_string(c.timeoutSeconds) + "\n";
    AtomicFile out;
    if (!out.Create(JoinPath(g.host->DataDir(), kMailServerName), 0600) || !out.Write(text.data(), text.size()) ||
        !out.Commit()) {
        FileErrorBox(g, "Unable to create Mail Server file.", "Saving Error");
        return false;
    }
    return true;
}

// --- checks ------------------------------------------------------------------

bool CheckMailSettings(Game& g, const MAILDATA& m)
{
    const std::string server = m.szServer, address = m.szAddress;
    const char* fault = nullptr;
    if (server.empty()) fault = "No mail server entered.";
    else if (server.find('.') == std::string::npos) fault = "Mail server does not have correct form.";
    else if (address.empty()) fault = "No mail address entered.";
    else if (address.find('.') == std::string::npos || address.find('@') == std::string::npos)
        fault = "Mail address does not have correct form.";
    else if (!m.szName[0]) fault = "No mail name entered.";
    if (fault) ErrorBox(g, fault);
    return fault == nullptr;
}

bool CheckMailConnection(Game& g, const MailConnection& c)
{
    const char* fault = nullptr;
    if (c.port < 0 || c.port > 65535) fault = "The mail port must be a number from 1 to 65535 (or empty for the usual one).";
    else if (c.user.empty() && !c.password.empty()) fault = "A mail password needs a user name.";
    else if (!c.user.empty() && c.security == MailSecurity::None)
        fault = "A user name and password are only sent over a secure connection: choose STARTTLS or TLS.";
    if (fault) ErrorBox(g, fault);
    return fault == nullptr;
}

void ConfirmMailSettings(Game& g)
{
    g.host->MessageBox(
        "You have now configured your Mail Server for email within Ovalspin.  These details will be saved. If you wist "
        "to alter them in the future click on the Configure button in the Send Mail dialog box.\n\nTo send email from "
        "within Ovalspin you must already be connected and logged in to the Internet.  If you use a dial up account "
        "connect first before sending any email from Ovalspin.  You do NOT need to be connected for the whole time you "
        "are using Ovalspin just for when you want to send email.\n\nIt is advised that you do not run any other "
        "Internet applications like browsers, mail/news programs, etc. whilst using the mail facility of Ovalspin as it "
        "can cause the program to crash.",
        "Ovalspin - Message", BoxButtons::Ok, BoxIcon::Information);
    SaveMail(g);
}

bool CheckMailReady(Game& g, const MAILDATA& m)
{
    if (m.szServer[0] && m.szAddress[0] && m.szName[0]) return true;
    ErrorBox(g, "You need to configure your mail details");
    return false;
}

bool CheckMailRecipient(Game& g, const std::string& to)
{
    // The box reads at most 127 characters.
    const std::string t = to.substr(0, 127);
    if (t.size() >= 2 && t.find('.') != std::string::npos && t.find('@') != std::string::npos) return true;
    ErrorBox(g, "Invalid email address entered.");
    return false;
}

std::string MailSubject(const std::string& title) { return "OVS - " + title; }

std::string MailReportSubject(const ReportEntry& r)
{
    static const struct {
        const char* name;
        const char* subject;
    } kOwnSubjects[] = {
        {"most-points", "Points in Tests"},
        {"best-points-average", "Best points Average in Tests"},
        {"averages", "Averages "},
        {"squad-details", "Squad Details "},
    };
    for (const auto& o : kOwnSubjects)
        if (std::strcmp(r.name, o.name) == 0) return MailSubject(o.subject);
    return MailSubject(r.title);
}

std::string MailAdditionalText(const std::string& typed) { return typed.size() > 2 ? typed + "\r\n\r\n" : typed; }

// --- dates -------------------------------------------------------------------

std::string MailDateText(std::time_t t)
{
    tzset();
    std::tm tm{};
    localtime_r(&t, &tm);
    // The zone's daylight-saving name whenever it has one, as the date text always showed.
    const char* zone = tzname[daylight ? 1 : 0];
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %02d %s %02d %02d:%02d:%02d %s", kDays[tm.tm_wday % 7], tm.tm_mday,
                  kMonths[tm.tm_mon % 12], tm.tm_year % 100, tm.tm_hour, tm.tm_min, tm.tm_sec, zone ? zone : "");
    return buf;
}

std::string MailRfcDate(std::time_t t)
{
    tzset();
    std::tm tm{};
    localtime_r(&t, &tm);
    const long off = tm.tm_gmtoff / 60;
    const long a = off < 0 ? -off : off;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%s, %02d %s %04d %02d:%02d:%02d %c%02ld%02ld", kDays[tm.tm_wday % 7], tm.tm_mday,
                  kMonths[tm.tm_mon % 12], tm.tm_year + 1900, tm.tm_hour, tm.tm_min, tm.tm_sec, off < 0 ? '-' : '+',
                  a / 60, a % 60);
    return buf;
}

// --- sending -----------------------------------------------------------------

bool SendMail(Game& g, const MAILDATA& m, const MailConnection& c, MailRequest& req, const std::string& bodyPath)
{
    SigpipeHold hold;
    Exchange x(g, m, c, req);
    if (!x.Connect()) return false;
    const bool sent = x.Run(bodyPath);
    x.Close();
    req.state = MAIL_DONE;
    g.Log("Mail: TickCount was %ld\n", TickCount());
    return sent;
}

// --- the mail file -----------------------------------------------------------

MailTextFile::MailTextFile(Game& g, const std::function<void(TextOutput&)>& writer)
    : path_(JoinPath(g.host->DataDir(), kMailTextName))
{
    TextOutput out;
    TextFileOpen(out, path_);
    writer(out);
    TextFileClose(out);
}

MailTextFile::MailTextFile(Game& g, const ReportEntry& r, const ReportParams& p)
    : MailTextFile(g, [&](TextOutput& out) {
          if (out.file) WriteReportStream(g, r, p, false, out.file);
      })
{
}

MailTextFile::~MailTextFile() { std::remove(path_.c_str()); }

}  // namespace ovs
