// The desktop game's Host: message boxes, the choice dialogs, pane refreshes,
// menu greying and nested waits, all on Qt.
//
// The engine reaches the window only through here. Tests may answer message
// boxes and dialogs themselves (`boxAnswer`, `dialogAnswer`) so that nothing
// modal opens; every box is recorded either way.
#pragma once

#include <QSocketNotifier>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/host.h"

namespace ovs {
struct Game;
}

namespace gui {

class MainWindow;

// One message box as the engine asked for it, and the answer it got.
struct BoxRecord {
    std::string text;
    std::string caption;
    ovs::BoxButtons buttons = ovs::BoxButtons::Ok;
    ovs::BoxIcon icon = ovs::BoxIcon::None;
    int answer = 0;
};

class GuiHost : public ovs::Host {
public:
    explicit GuiHost(std::string dataDir) : dataDir_(std::move(dataDir)) {}

    void Attach(ovs::Game* g, MainWindow* w)
    {
        game_ = g;
        window_ = w;
    }

    int MessageBox(const std::string& text, const std::string& caption, ovs::BoxButtons buttons,
                   ovs::BoxIcon icon) override;
    bool RunDialog(ovs::DialogRequest& req) override;
    void Refresh(unsigned paneMask) override;
    void CommandsChanged() override;
    void CloseLeagueBoxes() override;
    bool WaitNested(const std::function<bool()>& done) override;
    void WatchSocket(int fd, bool wantWrite, std::function<void(int)> onReady) override;
    std::string DataDir() override { return dataDir_; }

    // Answers a box without showing it when set (tests); 0 means "show it".
    std::function<int(const BoxRecord&)> boxAnswer;
    // Handles a dialog without showing it when set (tests); returns -1 to show
    // the real dialog, 0 to leave the choice to the computer, 1 when answered.
    std::function<int(ovs::DialogRequest&)> dialogAnswer;
    std::vector<BoxRecord> boxes;

private:
    // A connection is up: message boxes and waits for the other player get a chat line.
    bool InNetworkPlay() const;
    std::string dataDir_;
    ovs::Game* game_ = nullptr;
    MainWindow* window_ = nullptr;
    // The network's socket, read and (while data waits to go) written.
    std::unique_ptr<QSocketNotifier> readNotifier_;
    std::unique_ptr<QSocketNotifier> writeNotifier_;
    std::function<void(int)> onReady_;
};

}  // namespace gui
