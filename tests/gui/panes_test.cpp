// The panes that take input and the wide windows: picking the next bowler in
// the bowlers pane, moving the aggression pane's bars, the session and
// highlights panes holding still while rain stops play, and the layouts at
// 1152 x 864 and 1280 x 1024 (pictures saved for a look).
#include <QMouseEvent>
#include <QTest>

#include "client_area.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/weather.h"
#include "gui_session.h"
#include "layout.h"
#include "panes/pane_classes.h"
#include "panes/pane_layout.h"
#include "sim/aggression.h"
#include "sim/aggression_pane.h"
#include "sim/bowler_click.h"

using namespace ovs;
using guitest::GuiSession;

namespace {

// A series of a person (side `person`) against the computer, the person's
// choices left to the computer, watched at nResolution 3 (1024 x 768).
bool StartPersonSeries(GuiSession& s, int person)
{
    std::string refusal;
    if (!SetUpComputerSeries(s.g(), 0, 1, 1, true, refusal)) return false;
    s.g().Series.nControl[person] = CONTROL_HUMAN;
    s.window().Command(CMD_PREPAREDSERIES);
    return true;
}

// Play overs until the game pauses between overs with the person's side in
// the given role (batting or bowling) and an innings in progress.
bool PauseWithPerson(GuiSession& s, int person, bool bowling)
{
    Game& g = s.g();
    for (int i = 0; i < 400; ++i) {
        if (!s.RunUntilPaused()) return false;
        const int side = bowling ? g.Current.nBowlSide : g.Current.nBatSide;
        if (g.bPaused && g.pInnings && g.pInnings->nStatus == INNINGS_INPROGRESS && side == person &&
            g.Current.nBall == 0 && g.Current.nPartnerA >= 0 && g.Current.nPartnerB >= 0)
            return true;
        s.window().ResumePlay(false);
    }
    return false;
}

// The bowlers pane's row listing bowling slot `slot`, or -1.
int RowOf(const Game& g, int slot)
{
    for (int row = 0; row < kBowlersPaneRows; ++row)
        if (BowlersPaneSlot(g, row) == slot) return row;
    return -1;
}

// A bowler of the list who bowls at neither end, or -1.
int FreeBowler(const Game& g)
{
    for (int row = 0; row < kBowlersPaneRows; ++row) {
        const int slot = BowlersPaneSlot(g, row);
        if (slot >= 0 && slot != g.Current.nBowler && slot != g.Current.nOtherBowler) return slot;
    }
    return -1;
}

// After a click that was the main window's: `bowler` still bowls and play
// resumed. Play goes on to the next pause with the person bowling, and `pick`
// becomes a bowler of the list who bowls at neither end.
void ClickWasTheWindows(GuiSession& s, int bowler, int& pick)
{
    Game& g = s.g();
    QCOMPARE(int(g.Current.nBowler), bowler);
    QVERIFY(g.queue.Peek(WM_RESUMEPLAY));
    QVERIFY(PauseWithPerson(s, 1, true));
    pick = FreeBowler(g);
    QVERIFY(pick >= 0);
}

// Counts the paint events a widget gets.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

bool Overlap(const QRect& a, const QRect& b) { return a.intersects(b); }

}  // namespace

class PanesTest : public QObject {
    Q_OBJECT
private slots:
    void clickingABowlerPicksTheNextOver();
    void aggressionBarsMoveOnlyThePersonsValues();
    void rainHoldsSessionAndHighlights();
    void widerWindowsUseTheirRoom();
};

void PanesTest::clickingABowlerPicksTheNextOver()
{
    GuiSession s(false, 3);
    QVERIFY(s.Started());
    QVERIFY(StartPersonSeries(s, 1));
    QVERIFY(PauseWithPerson(s, 1, true));
    Game& g = s.g();
    gui::MainWindow& w = s.window();
    auto* pane = static_cast<gui::BowlersPane*>(w.Pane(gui::PaneBowlers));
    QVERIFY(pane->isVisible());
    QVERIFY(g.commands.Enabled(CMD_NEWBOWLER));

    // A bowler of the list who bowls at neither end.
    int pick = FreeBowler(g);
    QVERIFY(pick >= 0);
    const int other = g.Current.nOtherBowler;

    // The other-end bowler cannot bowl two overs running: the click is the
    // main window's, which resumes the pause.
    QVERIFY(RowOf(g, other) >= 0);
    const int before = g.Current.nBowler;
    QTest::mouseClick(pane, Qt::LeftButton, {}, pane->RowCentre(RowOf(g, other)));
    ClickWasTheWindows(s, before, pick);
    if (QTest::currentTestFailed()) return;

    // Pressed on one row and released on another: nothing is picked, and the
    // click is the main window's.
    const int bowler = g.Current.nBowler;
    QTest::mousePress(pane, Qt::LeftButton, {}, pane->RowCentre(RowOf(g, pick)));
    QTest::mouseRelease(pane, Qt::LeftButton, {}, pane->RowCentre(RowOf(g, bowler)));
    ClickWasTheWindows(s, bowler, pick);
    if (QTest::currentTestFailed()) return;

    // A click on his row makes him the bowler of the next over, and says so in the log.
    QTest::mouseClick(pane, Qt::LeftButton, {}, pane->RowCentre(RowOf(g, pick)));
    QCOMPARE(int(g.Current.nBowler), pick);
    QVERIFY(!g.queue.Peek(WM_RESUMEPLAY));   // the pick does not resume play
    QCoreApplication::processEvents();
    s.Screenshot("panes_bowler_picked_1024");
    QVERIFY(s.LogText().contains("Posting WM_COMMAND message to hWndBowlers from BowlersWndProc ()\n"));
    const int ballsBefore = g.pInnings->Bowl[pick].nBalls;
    const int innings = g.Current.nInnings;
    s.Key(Qt::Key_Space);
    QVERIFY(s.RunUntilPaused());
    if (g.Current.nInnings == innings) {
        QVERIFY(g.pInnings->Bowl[pick].nBalls > ballsBefore);
        // After his over the ends change: he is now the other-end bowler.
        QCOMPARE(int(g.Current.nOtherBowler), pick);
    }

    // With the new-bowler command greyed the rows take no pick.
    QVERIFY(PauseWithPerson(s, 1, true));
    g.commands.Disable(CMD_NEWBOWLER);
    const int now = g.Current.nBowler;
    for (int row = 0; row < kBowlersPaneRows; ++row) QVERIFY(!BowlerClickAllowed(g, row));
    QVERIFY(!BowlersPaneClick(g, 0, 0));
    QCOMPARE(int(g.Current.nBowler), now);
}

void PanesTest::aggressionBarsMoveOnlyThePersonsValues()
{
    GuiSession s(false, 2);
    QVERIFY(s.Started());
    QVERIFY(StartPersonSeries(s, 0));
    QVERIFY(PauseWithPerson(s, 0, false));
    Game& g = s.g();
    auto* pane = static_cast<gui::AggressionPane*>(s.window().Pane(gui::PaneAggression));
    QVERIFY(pane->isVisible());
    s.Screenshot("panes_aggression_800");

    // The person's unset pairings took his default before the pane was drawn.
    AggressionPaneView v = AggressionPaneState(g);
    QVERIFY(v.shown);
    for (int bar = 0; bar < 4; ++bar) {
        QVERIFY(v.bar[bar].editable);
        QVERIFY(BatPairing(g, v.bar[bar].first, v.bar[bar].second) >= 0);
    }
    // The computer's bars show the values its bowlers play with, and do not move.
    for (int bar = 5; bar < 10; ++bar) QVERIFY(!v.bar[bar].editable);
    QCOMPARE(v.bar[5].value, ClampAggression(g.Current.nBowlAggression[g.Current.nBowler]));

    // Dragging the thumb of the first pairing to 2.
    const int bat = v.bar[0].first, bowler = v.bar[0].second;
    SetBatPairing(g, bat, bowler, 7);
    pane->update();
    QTest::mousePress(pane, Qt::LeftButton, {}, pane->ThumbCentre(0, 7));
    QTest::mouseMove(pane, pane->ThumbCentre(0, 4));
    QTest::mouseMove(pane, pane->ThumbCentre(0, 2));
    QTest::mouseRelease(pane, Qt::LeftButton, {}, pane->ThumbCentre(0, 2));
    QCOMPARE(BatPairing(g, bat, bowler), 2);
    QVERIFY(!g.queue.Peek(WM_RESUMEPLAY));

    // The right arrow adds 1, the trough beyond the thumb 5, and 10 is the end.
    const QRect r = pane->BarRect(0);
    QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(r.right() - 3, r.center().y()));
    QCOMPARE(BatPairing(g, bat, bowler), 3);
    QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(r.right() - 20, r.center().y()));
    QCOMPARE(BatPairing(g, bat, bowler), 8);
    QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(r.right() - 20, r.center().y()));
    QCOMPARE(BatPairing(g, bat, bowler), 10);
    // The left arrow takes 1 off; a drag past the left end stops at 0.
    QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(r.left() + 3, r.center().y()));
    QCOMPARE(BatPairing(g, bat, bowler), 9);
    QTest::mousePress(pane, Qt::LeftButton, {}, pane->ThumbCentre(0, 9));
    QTest::mouseMove(pane, QPoint(r.left() - 40, r.center().y()));
    QTest::mouseRelease(pane, Qt::LeftButton, {}, QPoint(r.left() - 40, r.center().y()));
    QCOMPARE(BatPairing(g, bat, bowler), 0);
    // Only that pairing moved.
    QCOMPARE(BatPairing(g, v.bar[3].first, v.bar[3].second), v.bar[3].value);

    // The batting team's bar sets the person's team value.
    QTest::mousePress(pane, Qt::LeftButton, {}, pane->ThumbCentre(kBattingTeamBar, v.bar[kBattingTeamBar].value));
    QTest::mouseMove(pane, pane->ThumbCentre(kBattingTeamBar, 9));
    QTest::mouseRelease(pane, Qt::LeftButton, {}, pane->ThumbCentre(kBattingTeamBar, 9));
    QCOMPARE(int(g.Current.nTeamAggression[g.Current.nBatSide]), 9);

    // The computer's bars refuse: nothing changes and the click is the main
    // window's (it resumes the pause).
    const int bowlTeam = g.Current.nTeamAggression[g.Current.nBowlSide];
    const int bowlerValue = g.Current.nBowlAggression[v.bar[5].first];
    const unsigned entry = g.Current.nBowlVsBat[v.bar[5].first][v.bar[5].second];
    QVERIFY(!SetAggressionPaneBar(g, 5, 0));
    QVERIFY(!SetAggressionPaneBar(g, kBowlingTeamBar, 0));
    const QRect team = pane->BarRect(kBowlingTeamBar);
    QTest::mouseClick(pane, Qt::LeftButton, {}, QPoint(team.left() + 3, team.center().y()));
    QTest::mousePress(pane, Qt::LeftButton, {}, pane->ThumbCentre(5, v.bar[5].value));
    QTest::mouseMove(pane, pane->ThumbCentre(5, 0));
    QTest::mouseRelease(pane, Qt::LeftButton, {}, pane->ThumbCentre(5, 0));
    QCOMPARE(int(g.Current.nTeamAggression[g.Current.nBowlSide]), bowlTeam);
    QCOMPARE(int(g.Current.nBowlAggression[v.bar[5].first]), bowlerValue);
    QCOMPARE(unsigned(g.Current.nBowlVsBat[v.bar[5].first][v.bar[5].second]), entry);
    QVERIFY(g.queue.Peek(WM_RESUMEPLAY));
    s.Screenshot("panes_aggression_800_moved");

    // At 640 there is no aggression pane, and no bar moves.
    QVERIFY(PauseWithPerson(s, 0, false));
    g.options.nResolution = 1;
    s.window().ResizeMainWindow(true);
    QVERIFY(!pane->isVisible());
    QVERIFY(!s.window().Pane(gui::PaneBowlers)->isVisible());
    QVERIFY(!SetAggressionPaneBar(g, 0, 5));
    QCOMPARE(BatPairing(g, bat, bowler), 0);
}

void PanesTest::rainHoldsSessionAndHighlights()
{
    GuiSession s(false, 3);
    QVERIFY(s.Started());
    QVERIFY(s.StartWatchedSeries(0, 1, 1));
    QVERIFY(s.RunUntilPaused());
    Game& g = s.g();
    QCOMPARE(int(g.pInnings->nStatus), INNINGS_INPROGRESS);
    gui::MainWindow& w = s.window();
    PaintCounter highlights, session, scoreboard;
    w.Pane(gui::PaneHighlights)->installEventFilter(&highlights);
    w.Pane(gui::PaneSession)->installEventFilter(&session);
    w.Pane(gui::PaneScoreboard)->installEventFilter(&scoreboard);
    const int weather = g.Current.nWeather;
    QTest::qWait(20);   // what was already due is drawn

    for (int stopped : {WEATHER_BAD_LIGHT * 5, WEATHER_RAIN * 5 + 2}) {
        highlights.paints = session.paints = scoreboard.paints = 0;
        g.Current.nWeather = static_cast<std::int16_t>(stopped);
        g.host->Refresh(PANE_ALL);
        QTest::qWait(20);
        QCOMPARE(highlights.paints, 0);
        QCOMPARE(session.paints, 0);
        QVERIFY(scoreboard.paints > 0);   // the rest of the window still shows the stoppage
    }
    QCOMPARE(gui::PanesToRedraw(g, PANE_SESSION | PANE_HIGHLIGHTS), 0u);

    // Play possible again: they are redrawn.
    highlights.paints = session.paints = 0;
    g.Current.nWeather = static_cast<std::int16_t>(weather < 35 ? weather : 10);
    g.host->Refresh(PANE_HIGHLIGHTS | PANE_SESSION);
    QTest::qWait(20);
    QVERIFY(highlights.paints > 0);
    QVERIFY(session.paints > 0);
}

void PanesTest::widerWindowsUseTheirRoom()
{
    struct Size {
        int resolution, width, height, overRows, innings;
    };
    // Into the second innings at 1152 and the third at 1280, so that the
    // pictures show the earlier innings and the state of the match.
    for (const Size& z : {Size{4, 1152, 864, 5, 1}, Size{5, 1280, 1024, 6, 2}}) {
        GuiSession s(false, z.resolution);
        QVERIFY(s.Started());
        QCOMPARE(int(s.g().nMainWidth), z.width);
        QCOMPARE(int(s.g().nMainHeight), z.height);
        QCOMPARE(s.window().size(), QSize(z.width, z.height));
        QVERIFY(s.StartWatchedSeries(0, 1, 1));
        Game& g = s.g();
        for (int i = 0; i < 1000 && (g.Current.nInnings < z.innings || g.pInnings->nTotalBalls < 90); ++i) {
            QVERIFY(s.RunUntilPaused());
            QVERIFY2(g.Current.nTime >= 800, "the Test ended before the innings wanted");
            s.window().ResumePlay(false);
        }
        QVERIFY(s.RunUntilPaused());
        QCOMPARE(int(g.Current.nInnings), z.innings);
        gui::MainWindow& w = s.window();
        const QRect client = w.Client()->rect();
        for (int i = 0; i < gui::PaneCount; ++i) {
            QVERIFY2(w.Pane(i)->isVisible(), qPrintable(QString("pane %1 at %2").arg(i).arg(z.width)));
            QVERIFY(client.contains(w.Pane(i)->geometry()));
            for (int j = i + 1; j < gui::PaneCount; ++j)
                QVERIFY2(!Overlap(w.Pane(i)->geometry(), w.Pane(j)->geometry()),
                         qPrintable(QString("panes %1 and %2 at %3").arg(i).arg(j).arg(z.width)));
        }
        // The middle column stays 640 wide from x 160; the right column takes the rest.
        QCOMPARE(w.Pane(gui::PaneOver)->geometry().left(), 160);
        QCOMPARE(w.Pane(gui::PaneOver)->width(), 640);
        QCOMPARE(w.Pane(gui::PaneScorecard)->geometry().left(), 800);
        QCOMPARE(w.Pane(gui::PaneScorecard)->width(), z.width - 800);
        QCOMPARE(int(g.Current.nOverRows), z.overRows);
        // The panes together cover the whole client area.
        int area = 0;
        for (int i = 0; i < gui::PaneCount; ++i) area += w.Pane(i)->width() * w.Pane(i)->height();
        QCOMPARE(area, client.width() * client.height());
        s.Screenshot(QString("panes_play_%1").arg(z.width));
    }

    // A window size wider than the screen takes the screen's size.
    GuiSession s(false, 5);
    QVERIFY(s.Started());
    gui::SetScreenSizeForTests(QSize(1024, 768));
    QVERIFY(!gui::ResolutionFits(5));
    QVERIFY(!gui::ResolutionFits(4));
    QVERIFY(gui::ResolutionFits(3));
    s.window().ResizeMainWindow(true);
    QCOMPARE(int(s.g().nMainWidth), 1024);
    QCOMPARE(int(s.g().nMainHeight), 768);
    gui::SetScreenSizeForTests(QSize(1280, 1024));
}

QTEST_MAIN(PanesTest)
#include "panes_test.moc"
