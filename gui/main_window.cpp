// The main window "Vezurev": commands, the pump of the engine's queue, pause
// and resume, and closing.
#include "main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>

#include "client_area.h"
#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "dialog_kit.h"
#include "gui_host.h"
#include "help_topics.h"
#include "help_window.h"
#include "icons.h"
#include "panes/panes.h"

namespace gui {

MainWindow::MainWindow(ovs::Game& g, GuiHost& host) : g_(g), host_(host)
{
    setWindowTitle("Ovalspin");
    setObjectName("Vezurev");
    setWindowIcon(ProgramIcon());
    DialogKit::Install();
    client_ = new ClientArea(*this);
    setCentralWidget(client_);
    BuildMenus();
    SetMenuHelpTopics(menuBar());
    qApp->installEventFilter(new HelpKey(this, [this](const QString& topic, QWidget* box) { ShowHelp(topic, box); }));
    pump_.setSingleShot(true);
    pump_.setInterval(0);
    connect(&pump_, &QTimer::timeout, this, &MainWindow::PumpStep);
    host_.Attach(&g_, this);
}

MainWindow::~MainWindow()
{
    host_.Attach(&g_, nullptr);
}

void MainWindow::CreatePanes()
{
    for (int i = 0; i < PaneCount; ++i) {
        panes_[i] = CreatePane(i, *this, client_);
        panes_[i]->hide();
    }
    LayoutPanes();
}

void MainWindow::Command(int id)
{
    switch (id) {
    // The front end's own commands: its window, its options boxes, its help.
    case ovs::CMD_DISPLAYOPTIONS:
        DisplayOptions();
        break;
    case ovs::CMD_AGGRESSIONOPTIONS:
        AggressionOptions();
        break;
    case ovs::CMD_HELPINDEX:
        ShowHelp("index.html");
        break;
    case ovs::CMD_HELPONHELP:
        ShowHelp("help.html");
        break;
    case ovs::CMD_EXIT:
        close();
        return;
    case ovs::CMD_READDATA:
        ReadData();
        break;
    default:
        ovs::RunCommand(g_, id);
        break;
    }
    KickPump();
}

void MainWindow::KickPump()
{
    if (ovs::QuitPosted(g_)) {
        if (!quitting_) {
            quitting_ = true;
            close();
            emit quitRequested();
        }
        return;
    }
    if (!pumping_ && !g_.queue.Empty() && !pump_.isActive()) pump_.start();
}

void MainWindow::PumpStep()
{
    // One message per turn of the event loop. A step may open a modal dialog
    // (a nested loop): the timer is idle meanwhile, so no step runs inside another.
    pumping_ = true;
    ovs::PumpOne(g_);
    pumping_ = false;
    AfterStep();
    KickPump();
}

void MainWindow::ResumePlay(bool click)
{
    if (click) ovs::Resume(g_, true);
    else ovs::RunCommand(g_, ovs::CMD_NEXTOVER);
    KickPump();
}

void MainWindow::RightClick()
{
    if (g_.bPaused != 1) return;
    ovs::ControlMenu(g_, ovs::CMD_SCOREBOARD);
    KickPump();
}

void MainWindow::closeEvent(QCloseEvent* e)
{
    if (!quitting_) {
        // Asks "Are you sure you want to Exit?"; Yes posts the quit message.
        if (!pumping_) ovs::ControlMenu(g_, ovs::CMD_EXIT);
        if (!ovs::QuitPosted(g_)) {
            e->ignore();
            return;
        }
        quitting_ = true;
        emit quitRequested();
    }
    SaveOnExit();
    pump_.stop();
    if (help_) help_->close();
    e->accept();
}

}  // namespace gui
