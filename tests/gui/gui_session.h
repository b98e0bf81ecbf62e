// A started desktop game for the GUI tests: a GuiHost on a temporary data
// directory, the Game, the main window, and helpers to play until a pause.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QStringList>
#include <functional>
#include <QTemporaryDir>
#include <memory>

#include "core/game.h"
#include "gui_host.h"
#include "main_window.h"

class QDialog;
class QWidget;

namespace gui {
class ColumnCanvas;
}

namespace guitest {

// Runs `act` on the modal dialog called `name` (any, when empty) as soon as it is open; a box
// that `act` leaves open is closed, so a failed check cannot hang the test.
void OnDialog(const QString& name, std::function<void(QDialog*)> act);
// Clicks a dialog's button by object name; a missing button fails the test.
void Click(QDialog* d, const char* name);
// The texts of one row of a column canvas, left to right.
QStringList CanvasRow(const gui::ColumnCanvas& canvas, double row);
// Saves a picture of a widget as OVALSPIN_SCREENSHOT_DIR/name.png.
QString Shot(QWidget* w, const QString& name);

// Plays the person at every modal box that opens, from a timer: `Answer` is
// called on each tick while the box stays open (`tries` counts them from 1);
// the boxes are noted by name, and one that stays open for 50 ticks is noted
// as stuck and closed.
class BoxPlayer : public QObject {
public:
    BoxPlayer();
    QStringList seen;
    int stuck = 0;

protected:
    virtual void Answer(QWidget* box, int tries) = 0;

private:
    void Tick();
    QTimer timer_;
    QPointer<QWidget> last_;   // a box on the stack may reuse its predecessor's address
    int tries_ = 0;
};

class GuiSession {
public:
    // Start-up as the program does, on the default database, with a fixed
    // seed; message boxes are answered (Yes / OK) without showing, and every
    // choice dialog is left to the computer unless `realDialogs`.
    explicit GuiSession(bool realDialogs = false, int resolution = 1);
    // The same on a data directory of the caller's, which outlives the
    // session (a restart finds its CURRENT.DAT): the database is copied there.
    GuiSession(bool realDialogs, int resolution, const QString& dataDir);
    ~GuiSession();

    bool Started() const { return started_; }
    ovs::Game& g() { return *game_; }
    gui::GuiHost& host() { return *host_; }
    gui::MainWindow& window() { return *window_; }
    QString DataDir() const { return dataDir_; }

    // Set up a series of two computer sides with `tests` Tests, watched;
    // without `weather` no rain or bad light stops play.
    bool StartWatchedSeries(int home, int away, int tests, bool weather = true);
    // Serve events until the game pauses (queue empty, bPaused) or the series
    // ends; false when `maxMessages` worth of event turns pass first.
    bool RunUntilPaused(int maxTurns = 200000);
    // Serve events until the queue is empty.
    bool RunUntilIdle(int maxTurns = 2000000);
    // Play on over by over, asking for the next over at every pause, until
    // `until` holds at a pause; false when the game stops pausing or `overs`
    // overs pass first.
    bool PlayOversUntil(const std::function<bool()>& until, int overs = 400);
    // Press a key in the main window, as the active window (a closed dialog
    // may leave no window active on the offscreen platform).
    void Key(Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier);
    // Save a picture of the main window as OVALSPIN_SCREENSHOT_DIR/name.png.
    QString Screenshot(const QString& name);
    // The text of DEBUG.TXT.
    QString LogText() const;
    // Shut the engine down (writes "Exiting Ovalspin").
    void Shutdown();

private:
    void Start(bool realDialogs, int resolution, const std::string& dbPath);

    QTemporaryDir dir_;
    QString dataDir_;
    std::unique_ptr<gui::GuiHost> host_;
    std::unique_ptr<ovs::Game> game_;
    std::unique_ptr<gui::MainWindow> window_;
    bool started_ = false;
    bool shutDown_ = false;
};

}  // namespace guitest
