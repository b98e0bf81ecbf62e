// The headless Host of ovalspin-cli, and a started engine to go with it.
//
// Nobody sits at the headless program, so every question gets the computer's
// answer: choice dialogs are declined (the engine chooses) and message boxes
// answer Yes or OK. Boxes go to the log; with --verbose they and every log
// line also go to stderr. Error boxes (stop or exclamation icon) always do.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "core/game.h"
#include "core/host.h"

namespace ovs::cli {

// The options before the subcommand.
struct CliOptions {
    std::string dataDir;                 // --data DIR (empty: the usual search)
    std::optional<std::uint32_t> seed;   // --seed N
    std::string dbPath;                  // --db FILE
    bool verbose = false;                // --verbose
};

class CliHost : public Host {
public:
    CliHost(std::string dataDir, bool verbose) : dataDir_(std::move(dataDir)), verbose_(verbose) {}

    int MessageBox(const std::string& text, const std::string& caption, BoxButtons buttons,
                   BoxIcon icon) override;
    void BoxDetail(const std::string& detail) override { detail_ = detail; }
    bool RunDialog(DialogRequest&) override { return false; }
    std::string DataDir() override { return dataDir_; }
    // The network's socket is served by poll, here and in the network loop.
    void WatchSocket(int fd, bool wantWrite, std::function<void(int)> onReady) override;
    bool WaitNested(const std::function<bool()>& done) override;
    // Waits up to timeoutMs for the watched socket and serves it; false when
    // no socket is watched.
    bool ServeSocket(int timeoutMs);

    // Where boxes are logged (set once the Game exists).
    void SetLog(RunLog* log) { log_ = log; }
    int BoxesShown() const { return boxes_; }

private:
    std::string dataDir_;
    bool verbose_;
    RunLog* log_ = nullptr;
    int boxes_ = 0;
    int socket_ = -1;
    bool wantWrite_ = false;
    std::function<void(int)> onReady_;
    std::string detail_;   // for the next box
};

// A Game started as the program starts, with a CliHost; shut down when it goes.
class CliSession {
public:
    explicit CliSession(const CliOptions& opts);
    ~CliSession();
    CliSession(const CliSession&) = delete;
    CliSession& operator=(const CliSession&) = delete;

    // Start-up; false when the program must end (already reported).
    bool Start();

    Game& game() { return game_; }
    CliHost& host() { return host_; }

private:
    CliOptions opts_;
    CliHost host_;
    Game game_;
    bool started_ = false;
};

}  // namespace ovs::cli
