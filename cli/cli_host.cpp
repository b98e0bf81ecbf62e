// The headless Host of ovalspin-cli, and a started engine to go with it.
#include "cli_host.h"

#include <cstdio>
#include <poll.h>

#include "core/paths.h"
#include "core/startup.h"
#include "data/stores.h"

namespace ovs::cli {

namespace {

void EchoToStderr(const char* line, void*) { std::fputs(line, stderr); }

}  // namespace

int CliHost::MessageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                        BoxIcon icon)
{
    ++boxes_;
    int answer = (buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel) ? IDYES : IDOK;
    // With --verbose the log echo already shows the line on stderr.
    bool echoed = false;
    if (log_) {
        log_->Write("Message box \"%s\": %s\n", caption.c_str(), text.c_str());
        echoed = log_->echo != nullptr;
    }
    // The checks of the boxes carry an information icon but an error caption.
    bool error = icon == BoxIcon::Stop || icon == BoxIcon::Exclamation || caption.find("Error") != std::string::npos;
    std::string detail;
    detail.swap(detail_);
    if (!echoed && (verbose_ || error)) {
        if (detail.empty())
            std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        else
            std::fprintf(stderr, "%s: %s (%s)\n", caption.c_str(), text.c_str(), detail.c_str());
    }
    return answer;
}

void CliHost::WatchSocket(int fd, bool wantWrite, std::function<void(int)> onReady)
{
    socket_ = fd;
    wantWrite_ = wantWrite;
    onReady_ = std::move(onReady);
}

bool CliHost::ServeSocket(int timeoutMs)
{
    if (socket_ < 0 || !onReady_) return false;
    pollfd p{socket_, static_cast<short>(POLLIN | (wantWrite_ ? POLLOUT : 0)), 0};
    if (poll(&p, 1, timeoutMs) <= 0) return true;
    int event = 0;
    if (p.revents & (POLLIN | POLLHUP | POLLERR)) event |= 1;
    if (p.revents & POLLOUT) event |= 2;
    // The call may change the watch: keep the callback alive through it.
    std::function<void(int)> call = onReady_;
    if (event) call(event);
    return true;
}

bool CliHost::WaitNested(const std::function<bool()>& done)
{
    while (!done())
        if (!ServeSocket(200)) return done();
    return true;
}

CliSession::CliSession(const CliOptions& opts)
    : opts_(opts), host_(ResolveDataDir(opts.dataDir), opts.verbose), game_(host_)
{
    host_.SetLog(&game_.log);
    if (opts.verbose) game_.log.echo = EchoToStderr;
}

CliSession::~CliSession()
{
    if (started_) Shutdown(game_);
}

bool CliSession::Start()
{
    StartupOptions so;
    so.seed = opts_.seed;
    so.dbPath = opts_.dbPath;
    // The about box and the log notice are for people at a screen.
    so.showAbout = false;
    so.showLogNotice = false;
    started_ = Startup(game_, so);
    if (!started_) {
        // A failed start ends the program without its closing line; the
        // stores may be partly taken when the database failed to load.
        FreeStores(game_);
        game_.log.Close();
    }
    return started_;
}

}  // namespace ovs::cli
