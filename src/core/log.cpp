// The run-time log DEBUG.TXT.
#include "core/log.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>

#include "core/format.h"

namespace ovs {

namespace {

// 256 KB: a Test's lines fill about one window, and the pages of a finished
// window leave the process when it is unmapped, so the log adds nothing to
// the resident size however long a batch runs.
constexpr std::size_t kWindow = 256 * 1024;

// The open logs, for the fatal-signal handler. A plain array: the handler may
// read it at any moment, and a game holds one log.
constexpr int kMaxOpen = 8;
struct OpenLog {
    int fd;
    const std::size_t* start;
    const std::size_t* used;
};
volatile sig_atomic_t gOpenCount = 0;
OpenLog gOpen[kMaxOpen];

constexpr int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGABRT, SIGFPE, SIGILL, SIGTERM, SIGINT, SIGHUP, SIGQUIT};
struct sigaction gPrevious[std::size(kFatalSignals)];
bool gHandlersInstalled = false;

void TrimOpenLogs()
{
    for (int i = 0; i < gOpenCount; ++i)
        if (gOpen[i].fd >= 0) (void)ftruncate(gOpen[i].fd, static_cast<off_t>(*gOpen[i].start + *gOpen[i].used));
}

// Cut every open log to its text, then let the signal do what it did before:
// the previous handler (a sanitizer's report, say) or the default action.
void OnFatalSignal(int sig, siginfo_t* info, void* ctx)
{
    TrimOpenLogs();
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
        if (kFatalSignals[i] != sig) continue;
        const struct sigaction& prev = gPrevious[i];
        if (prev.sa_flags & SA_SIGINFO) {
            if (prev.sa_sigaction) { prev.sa_sigaction(sig, info, ctx); return; }
        } else if (prev.sa_handler != SIG_DFL && prev.sa_handler != SIG_IGN) {
            prev.sa_handler(sig);
            return;
        } else if (prev.sa_handler == SIG_IGN) {
            return;
        }
    }
    signal(sig, SIG_DFL);
    raise(sig);
}

void InstallHandlers()
{
    if (gHandlersInstalled) return;
    gHandlersInstalled = true;
    for (std::size_t i = 0; i < std::size(kFatalSignals); ++i) {
        struct sigaction sa {};
        sa.sa_sigaction = OnFatalSignal;
        sa.sa_flags = SA_SIGINFO | SA_ONSTACK;
        sigemptyset(&sa.sa_mask);
        sigaction(kFatalSignals[i], &sa, &gPrevious[i]);
    }
}

void Register(int fd, const std::size_t* start, const std::size_t* used)
{
    for (int i = 0; i < gOpenCount; ++i)
        if (gOpen[i].fd < 0) {
            gOpen[i] = {fd, start, used};
            return;
        }
    if (gOpenCount < kMaxOpen) {
        gOpen[gOpenCount] = {fd, start, used};
        gOpenCount = gOpenCount + 1;
    }
}

void Unregister(int fd)
{
    for (int i = 0; i < gOpenCount; ++i)
        if (gOpen[i].fd == fd) gOpen[i].fd = -1;
}

}  // namespace

bool RunLog::Create(const std::string& path)
{
    Close();
    path_ = path;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) return false;
    if (!MapWindow(0)) direct_ = true;
    InstallHandlers();
    Register(fd_, &windowStart_, &used_);
    return true;
}

// Map the window starting at this offset of the file, with its blocks
// reserved first: a full disk must refuse the window here, not raise SIGBUS
// when a line is copied in. On failure the log writes its lines straight
// through instead, one system call each, with the file cut to its text.
bool RunLog::MapWindow(std::size_t offset)
{
    if (window_) munmap(window_, kWindow);
    window_ = nullptr;
    windowStart_ = offset;
    used_ = 0;
    int err = posix_fallocate(fd_, static_cast<off_t>(offset), static_cast<off_t>(kWindow));
    if (err == EOPNOTSUPP || err == EINVAL) err = ftruncate(fd_, static_cast<off_t>(offset + kWindow)) == 0 ? 0 : errno;
    void* p = err == 0 ? mmap(nullptr, kWindow, PROT_READ | PROT_WRITE, MAP_SHARED, fd_, static_cast<off_t>(offset))
                       : MAP_FAILED;
    if (p == MAP_FAILED) {
        (void)ftruncate(fd_, static_cast<off_t>(offset));
        return false;
    }
    window_ = static_cast<char*>(p);
    return true;
}

void RunLog::Close()
{
    if (fd_ < 0) return;
    Unregister(fd_);
    if (window_) munmap(window_, kWindow);
    window_ = nullptr;
    (void)ftruncate(fd_, static_cast<off_t>(windowStart_ + used_));
    ::close(fd_);
    fd_ = -1;
    windowStart_ = used_ = 0;
    direct_ = false;
}

void RunLog::Append(const char* text, std::size_t len)
{
    if (direct_) {
        const ssize_t n = pwrite(fd_, text, len, static_cast<off_t>(windowStart_ + used_));
        if (n > 0) used_ += static_cast<std::size_t>(n);
        return;
    }
    while (window_ && len > 0) {
        std::size_t room = kWindow - used_;
        std::size_t n = len < room ? len : room;
        std::memcpy(window_ + used_, text, n);
        used_ += n;
        text += n;
        len -= n;
        if (used_ == kWindow && !MapWindow(windowStart_ + kWindow)) {
            direct_ = true;
            Append(text, len);
            return;
        }
    }
}

void RunLog::Write(const char* fmt, ...)
{
    std::va_list ap;
    va_start(ap, fmt);
    WriteV(fmt, ap);
    va_end(ap);
}


void RunLog::WriteV(const char* fmt, std::va_list ap)
{
    if (!enabled_ && !echo) return;
    char buf[1024];
    const int n = FormatV(buf, sizeof buf, fmt, ap);
    if (n < 0) return;
    std::size_t len = static_cast<std::size_t>(n) < sizeof buf ? static_cast<std::size_t>(n) : sizeof buf - 1;
    if (enabled_) Append(buf, len);
    if (echo) echo(buf, echoCtx);
}

std::string RunLog::ReadText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t end = text.find_last_not_of('\0');
    text.resize(end == std::string::npos ? 0 : end + 1);
    return text;
}

}  // namespace ovs
