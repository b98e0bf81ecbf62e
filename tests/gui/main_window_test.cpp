// The main window: start-up, menus and greying, a watched series of two
// computer sides played in the window with its pauses, the panes at the three
// widths (pictures saved for a look), and closing mid-Test.
#include <QAction>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

#include "client_area.h"
#include "core/game.h"
#include "core/menu.h"
#include "gui_session.h"
#include "panes/pane_classes.h"

using namespace ovs;
using guitest::GuiSession;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void startUpShowsTitleAndMenu();
    void watchedSeriesPausesBetweenOvers();
    void panesAtThreeWidths();
    void closingMidTestAsksAndExits();
};

void MainWindowTest::startUpShowsTitleAndMenu()
{
    GuiSession s;
    QVERIFY(s.Started());
    gui::MainWindow& w = s.window();
    QCOMPARE(w.windowTitle(), QString("Ovalspin"));
    QCOMPARE(s.g().nMainWidth, 640);
    QCOMPARE(s.g().nMainHeight, 480);
    QCOMPARE(w.size(), QSize(640, 480));

    // Every command of the menu is there with its accelerator.
    QCOMPARE(w.Action(CMD_NEWSERIES)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    QCOMPARE(w.Action(CMD_NEXTOVER)->shortcuts(),
             QList<QKeySequence>({QKeySequence(Qt::Key_7), QKeySequence(Qt::Key_Space)}));
    QCOMPARE(w.Action(CMD_SCOREBOARD)->shortcuts(),
             QList<QKeySequence>({QKeySequence(Qt::Key_6), QKeySequence(Qt::Key_Return)}));
    QCOMPARE(w.Action(CMD_CONDITIONS)->shortcut(), QKeySequence(Qt::Key_0));
    QCOMPARE(w.Action(CMD_EXIT)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));
    QCOMPARE(w.Action(CMD_HELPINDEX)->shortcut(), QKeySequence(Qt::Key_F1));
    QCOMPARE(w.Action(CMD_ABOUT)->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F1));
    QCOMPARE(w.Action(CMD_LEAGUETABLE)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_T));
    QCOMPARE(w.Action(CMD_GROUNDDETAILS)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_G));

    // On the title screen a series can be started, but nothing of a Test runs.
    QVERIFY(w.Action(CMD_NEWSERIES)->isEnabled());
    for (int id = CMD_BATAGGRESSION; id <= CMD_CONDITIONS; ++id) QVERIFY2(!w.Action(id) || !w.Action(id)->isEnabled(), qPrintable(QString::number(id)));

    // Greying follows the engine's commands when they change.
    s.g().commands.Disable(CMD_NEWSERIES);
    s.g().host->CommandsChanged();
    QVERIFY(!w.Action(CMD_NEWSERIES)->isEnabled());

    // The title screen: green, with no pane showing.
    QImage shot = w.Client()->grab().toImage();
    QCOMPARE(shot.pixelColor(5, shot.height() - 5), QColor(0, 128, 0));
    for (int i = 0; i < gui::PaneCount; ++i) QVERIFY(!w.Pane(i)->isVisible());
    s.Screenshot("title_640");
}

void MainWindowTest::watchedSeriesPausesBetweenOvers()
{
    GuiSession s;
    QVERIFY(s.Started());
    QVERIFY(s.StartWatchedSeries(0, 1, 1, false));   // no rain to hold an over up
    // The first pause comes at the first over of the first innings.
    QVERIFY(s.RunUntilPaused());
    Game& g = s.g();
    QCOMPARE(int(g.bPaused), 1);
    QVERIFY(g.Current.nTime >= 800);
    gui::MainWindow& w = s.window();
    QVERIFY(w.Pane(gui::PaneOver)->isVisible());
    QVERIFY(w.Pane(gui::PaneScoreboard)->isVisible());
    QVERIFY(w.Pane(gui::PaneButtons)->isVisible());
    QVERIFY(!w.Pane(gui::PaneBowlers)->isVisible());   // not at 640

    // Space plays exactly one over and pauses again.
    const int over = g.Current.nOver;
    const int balls = g.pInnings->nTotalBalls;
    s.Key(Qt::Key_Space);
    QVERIFY(s.RunUntilPaused());
    QCOMPARE(int(g.Current.nOver), over + 1);
    QVERIFY(g.pInnings->nTotalBalls >= balls + 6 || g.Current.nInnings > 0);

    // A left click in the window resumes too, and queues one resume only.
    QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(w.Client(), Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(s.RunUntilPaused());
    QCOMPARE(int(g.Current.nOver), over + 2);

    // The continue button of the menu pane does the same.
    auto* menu = static_cast<gui::MenuPane*>(w.Pane(gui::PaneButtons));
    QCOMPARE(menu->ButtonState(6), 0);
    QTest::mouseClick(menu, Qt::LeftButton, {}, QPoint(6 * 32 + 16, 16));
    QVERIFY(s.RunUntilPaused());
    QCOMPARE(int(g.Current.nOver), over + 3);
}

void MainWindowTest::panesAtThreeWidths()
{
    struct Size {
        int resolution, width;
        std::vector<int> shown;
    };
    const Size sizes[] = {
        {1, 640, {gui::PaneButtons, gui::PaneOver, gui::PaneScoreboard}},
        {2, 800, {gui::PaneButtons, gui::PaneOver, gui::PaneScoreboard, gui::PaneBowlers, gui::PaneAggression}},
        {3, 1024, {0, 1, 2, 3, 4, 5, 6, 7, 8}},
    };
    for (const Size& z : sizes) {
        GuiSession s(false, z.resolution);
        QVERIFY(s.Started());
        QCOMPARE(int(s.g().nMainWidth), z.width);
        QVERIFY(s.StartWatchedSeries(0, 1, 1));
        // Well into the first day: a few overs, some wickets perhaps.
        for (int i = 0; i < 40 && s.g().Current.nInnings == 0; ++i) {
            QVERIFY(s.RunUntilPaused());
            s.window().ResumePlay(false);
        }
        QVERIFY(s.RunUntilPaused());
        for (int i = 0; i < gui::PaneCount; ++i) {
            bool want = std::find(z.shown.begin(), z.shown.end(), i) != z.shown.end();
            QVERIFY2(s.window().Pane(i)->isVisible() == want, qPrintable(QString("pane %1 at %2").arg(i).arg(z.width)));
        }
        // The panes stay inside the window.
        for (int i : z.shown) QVERIFY(s.window().Client()->rect().contains(s.window().Pane(i)->geometry()));
        s.Screenshot(QString("play_%1").arg(z.width));
    }
}

void MainWindowTest::closingMidTestAsksAndExits()
{
    GuiSession s;
    QVERIFY(s.Started());
    QVERIFY(s.StartWatchedSeries(0, 1, 1));
    QVERIFY(s.RunUntilPaused());

    // No: the game goes on.
    s.host().boxes.clear();
    s.host().boxAnswer = [](const gui::BoxRecord&) { return IDNO; };
    QVERIFY(!s.window().close());
    QCOMPARE(int(s.host().boxes.size()), 1);
    QCOMPARE(s.host().boxes[0].text, std::string("Are you sure you want to Exit?"));
    QCOMPARE(s.host().boxes[0].caption, std::string("Exit Ovalspin"));
    QCOMPARE(s.host().boxes[0].buttons, BoxButtons::YesNo);

    // Yes: the program ends and logs its last line.
    QSignalSpy quit(&s.window(), &gui::MainWindow::quitRequested);
    s.host().boxAnswer = [](const gui::BoxRecord&) { return IDYES; };
    QVERIFY(s.window().close());
    QCOMPARE(quit.count(), 1);
    s.Shutdown();
    QVERIFY(s.LogText().endsWith("Exiting Ovalspin\n"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
