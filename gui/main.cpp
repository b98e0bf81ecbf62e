// ovalspin: the desktop game. Starts the engine with a Qt main window and
// runs Qt's event loop, which pumps the game between its own events.
#include <QApplication>
#include <QStringList>

#include "core/game.h"
#include "core/paths.h"
#include "core/startup.h"
#include "gui_host.h"
#include "main_window.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ovalspin");

    // --data DIR names the data directory; otherwise the environment decides.
    QString dataDir;
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf("--data");
    if (at >= 0 && at + 1 < args.size()) dataDir = args[at + 1];
    gui::GuiHost host(ovs::ResolveDataDir(dataDir.toStdString()));
    ovs::Game g(host);
    gui::MainWindow window(g, host);
    QObject::connect(&window, &gui::MainWindow::quitRequested, &app, &QApplication::quit, Qt::QueuedConnection);

    ovs::StartupOptions so;
    so.createWindow = [&](ovs::Game&) {
        window.ResizeMainWindow(false);
        return true;
    };
    so.createPanes = [&](ovs::Game&) {
        window.CreatePanes();
        return true;
    };
    if (!ovs::Startup(g, so)) return 1;
    window.UpdateCommands();
    window.show();
    window.KickPump();
    int rc = app.exec();
    ovs::Shutdown(g);
    return rc;
}
