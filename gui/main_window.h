// The main window "Vezurev": menu, accelerators, the green client area with
// the title screen, the match panes, and the pump that runs the engine's
// message queue one message at a time between Qt events.
#pragma once

#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QTimer>
#include <array>

#include "core/host.h"

class QAction;
class QLabel;
class QMenu;

namespace ovs {
struct Game;
}

namespace gui {

class GuiHost;
class ClientArea;
class HelpWindow;

// Pane indices; the order of the engine's pane bits.
enum PaneIndex {
    PaneScoreboard,
    PaneOver,
    PaneButtons,
    PaneScorecard,
    PaneBowlers,
    PaneAggression,
    PaneHighlights,
    PaneSession,
    PaneMatch,
    PaneCount
};

// The main window holds no game state: it shows the Game and hands every
// command to the engine's RunCommand, except the few that are the front
// end's own (display and aggression options, help).
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(ovs::Game& g, GuiHost& host);
    ~MainWindow() override;

    // Create the panes (start-up calls it once the record sizes are logged).
    void CreatePanes();

    // A command from the menu, an accelerator or a captain's button.
    void Command(int id);
    // Redraw the panes of the engine's mask (and the title when asked).
    void RefreshPanes(unsigned mask);
    // Read the enabled commands from the Game into menu and buttons.
    void UpdateCommands();
    // Apply nResolution to the window size; lay the panes out again.
    void ResizeMainWindow(bool redraw);

    // Run the engine's queue from the event loop until it is empty.
    void KickPump();
    // The user resumes a pause (`click`: the left-click path).
    void ResumePlay(bool click);
    // A right click: the scoreboard box while paused.
    void RightClick();

    // Is a Test on screen (panes shown) rather than the title?
    bool TestOnScreen() const;

    QAction* Action(int id) const { return actions_.value(id, nullptr); }
    QWidget* Pane(int index) const { return panes_[index]; }
    ClientArea* Client() const { return client_; }
    ovs::Game& game() const { return g_; }
    int CharWidth() const { return charWidth_; }
    int LineHeight() const { return lineHeight_; }

signals:
    // The engine posted the quit message: the program ends.
    void quitRequested();

protected:
    void closeEvent(QCloseEvent* e) override;

private:
    void BuildMenus();
    void BuildRecordsMenu(QMenu* records);
    QAction* AddCommand(QMenu* menu, int id, const QString& text, const QList<QKeySequence>& keys = {});
    void PumpStep();
    void LayoutPanes();
    // The help at `page`; over a box (F1 there) the help window belongs to the
    // box while it is open, so it can be used beside it.
    void ShowHelp(const QString& page, QWidget* over = nullptr);
    // After each step of play: the automatic save when a Test has ended, the
    // ball-by-ball file in the menu bar's corner.
    void AfterStep();
    void SaveOnExit();
    // Read Data, offering the automatic save when it is the newer.
    void ReadData();
    void UpdateBallByBallStatus();
    void DisplayOptions();
    void AggressionOptions();

    ovs::Game& g_;
    GuiHost& host_;
    ClientArea* client_ = nullptr;
    std::array<QWidget*, PaneCount> panes_{};
    QMap<int, QAction*> actions_;
    QTimer pump_;
    bool pumping_ = false;
    bool quitting_ = false;
    bool panesShown_ = false;
    int charWidth_ = 8;
    int lineHeight_ = 16;
    QPointer<HelpWindow> help_;
    QLabel* bbbStatus_ = nullptr;
    int finishedTests_ = 0;    // Tests of the series with a result, at the last step
    bool played_ = false;      // a step of play ran: exit writes the automatic save
    bool exitSaved_ = false;
};

}  // namespace gui
