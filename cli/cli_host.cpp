// The headless Host of ovalspin-cli, and a started engine to go with it.
#include "cli_host.h"

#include <cstdio>

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
    if (!echoed && (verbose_ || error)) std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    return answer;
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
