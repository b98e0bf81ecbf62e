// ovalspin: the desktop game. Starts the engine with a Qt main window and
// runs Qt's event loop, which pumps the game between its own events.
#include <QApplication>
#include <QStringList>
#include <cstdio>
#include <cstring>

#include "core/game.h"
#include "core/paths.h"
#include "core/startup.h"
#include "gui_host.h"
#include "main_window.h"
#include "report_print.h"

int main(int argc, char** argv)
{
    // Answered before Qt starts, so they work without a display.
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        if (a == "--version") {
            std::printf("ovalspin (Ovalspin) %s\n", ovs::kVersion);
            return 0;
        }
        if (a == "--help" || a == "-h") {
            std::printf("usage: ovalspin [--data DIR] [--print-pdf NAME FILE] [--version] [--help]\n"
                        "Ovalspin, the desktop game: Test cricket ball by ball. Press F1 in the game for help.\n"
                        "  --data DIR  the data directory (else $OVALSPIN_DATA, else $XDG_DATA_HOME/ovalspin,\n"
                        "              else ~/.local/share/ovalspin)\n"
                        "  --print-pdf NAME FILE  print the report NAME (see ovalspin-cli report --list) to a PDF\n"
                        "The headless program is ovalspin-cli.\n");
            return 0;
        }
    }
    // --print-pdf NAME FILE prints a report to a PDF file and ends, with no
    // display needed.
    bool printPdf = false;
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--print-pdf") == 0) printPdf = true;
    if (printPdf && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ovalspin");

    // --data DIR names the data directory; otherwise the environment decides.
    QString dataDir;
    const QStringList args = QApplication::arguments();
    const qsizetype at = args.indexOf("--data");
    if (at >= 0 && at + 1 < args.size()) dataDir = args[at + 1];
    gui::GuiHost host(ovs::ResolveDataDir(dataDir.toStdString()));
    ovs::Game g(host);
    // Nobody is there to answer: no dialog opens, and a box goes to stderr.
    if (printPdf) host.dialogAnswer = [](ovs::DialogRequest&) { return 0; };
    if (printPdf)
        host.boxAnswer = [](const gui::BoxRecord& b) {
            std::fprintf(stderr, "%s: %s\n", b.caption.c_str(), b.text.c_str());
            return b.buttons == ovs::BoxButtons::YesNo || b.buttons == ovs::BoxButtons::YesNoCancel ? ovs::IDYES
                                                                                                    : ovs::IDOK;
        };
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
    if (printPdf) {
        const qsizetype p = args.indexOf("--print-pdf");
        if (p + 2 >= args.size()) {
            std::fprintf(stderr, "usage: ovalspin [--data DIR] --print-pdf NAME FILE\n");
            return 2;
        }
        const int rc = gui::PrintPdfCommand(g, args[p + 1], args[p + 2]);
        ovs::Shutdown(g);
        return rc;
    }
    window.UpdateCommands();
    window.show();
    window.KickPump();
    int rc = app.exec();
    ovs::Shutdown(g);
    return rc;
}
