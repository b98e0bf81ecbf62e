// The desktop game from the keyboard alone: a person plays a whole Test
// against the computer with key presses only (no mouse event anywhere), writes
// the position on the way, and after a restart reads it back and plays the
// Test out again by keys. Every box is answered the way a keyboard user
// would: Tab to a control, the arrows or Space to set it, Return for OK.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "core/game.h"
#include "core/menu.h"
#include "data/files.h"
#include "gui_session.h"

using namespace ovs;
using guitest::GuiSession;

namespace {

// Sends a key to whatever has the focus in `w`'s window.
void Press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* target = w->focusWidget() ? w->focusWidget() : w;
    QTest::keyClick(target, key, mods);
}

// Tabs through `d` until the control called `name` has the focus; false when
// a whole round of the tab order never reaches it.
bool TabTo(QWidget* d, const char* name)
{
    for (int i = 0; i < 60; ++i) {
        if (d->focusWidget() && d->focusWidget()->objectName() == name) return true;
        Press(d, Qt::Key_Tab);
    }
    return false;
}

// Answers every modal box from the keyboard as it opens, and notes the boxes.
class KeyPlayer : public guitest::BoxPlayer {
public:
    explicit KeyPlayer(bool newSeries) : newSeries_(newSeries) {}
    QStringList unreachable;

protected:
    void Answer(QWidget* m, int tries) override
    {
        if (tries > 1) return;   // one answer per box; a refusal would leave it open
        m->activateWindow();
        QApplication::setActiveWindow(m);
        const QString name = m->objectName();
        if (name == "NewSeriesBox" && newSeries_) {
            // The computer keeps the home side; the person takes the away
            // side (the arrow moves the choice from CPU to Human) in one Test.
            if (!TabTo(m, "ctl105")) unreachable << "ctl105";
            Press(m, Qt::Key_Right);
            if (!TabTo(m, "ctl108")) unreachable << "ctl108";
            Press(m, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClicks(m->focusWidget(), "1");
        } else if (name == "SelectTeamBox") {
            if (!TabTo(m, "ctl120")) unreachable << "ctl120";
            Press(m, Qt::Key_Space);   // the computer's suggestion; Return is then OK, not this
        }
        Press(m, Qt::Key_Return);
    }

    bool newSeries_;
};

// Space until the Test is over; with `saved`, Write Data from the File menu by
// its mnemonics at the first pause of the third innings (so that the resumed
// game has less to play).
void PlayOutByKeys(GuiSession& s, bool* saved)
{
    Game& g = s.g();
    for (int overs = 0; overs < 1500 && g.Current.nTime >= 800; ++overs) {
        if (saved && !*saved && g.Current.nInnings == 2) {
            s.Key(Qt::Key_F, Qt::AltModifier);
            QWidget* menu = QApplication::activePopupWidget();
            QVERIFY2(menu, "Alt+F opens no menu");
            QTest::keyClick(menu, Qt::Key_W);
            *saved = QFile::exists(s.DataDir() + "/" + kSavedPositionName);
        }
        s.Key(Qt::Key_Space);
        QVERIFY(s.RunUntilPaused());
    }
    if (g.Current.nTime >= 800) qDebug().noquote() << s.LogText().right(3000);
    QVERIFY2(g.Current.nTime < 800, "the Test did not end");
    QVERIFY(s.RunUntilIdle());
}

// The Test commands a resumed game needs at a pause between overs.
void CheckTestCommands(gui::MainWindow& w)
{
    for (int id : {CMD_NEXTOVER, CMD_SCOREBOARD, CMD_CONDITIONS, CMD_TEAMAGGRESSION})
        QVERIFY2(w.Action(id)->isEnabled(), qPrintable(QString::number(id)));
}

}  // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void wholeTestByKeysThenResumedByKeys();
};

void KeyboardTest::wholeTestByKeysThenResumedByKeys()
{
    QTemporaryDir dir;
    {
        GuiSession s(/*realDialogs=*/true, /*resolution=*/1, dir.path());
        QVERIFY(s.Started());
        KeyPlayer player(true);
        s.Key(Qt::Key_N, Qt::ControlModifier);
        QVERIFY(s.RunUntilPaused());
        QCOMPARE(int(s.g().Series.nControl[1]), CONTROL_HUMAN);
        QCOMPARE(int(s.g().Series.nNumTests), 1);
        bool saved = false;
        PlayOutByKeys(s, &saved);
        QVERIFY(saved);
        QVERIFY2(player.unreachable.isEmpty(), qPrintable(player.unreachable.join(' ')));
        QCOMPARE(player.stuck, 0);
        for (const char* box : {"NewSeriesBox", "SelectTeamBox", "NewBatsmanBox", "NewBowlerBox",
                                "SeriesSummaryBox"})
            QVERIFY2(player.seen.contains(box), box);
        QCOMPARE(int(s.g().Series.nPlayed), 1);
    }

    // A restart: a new Game and main window on the same data directory.
    GuiSession s(/*realDialogs=*/true, /*resolution=*/1, dir.path());
    QVERIFY(s.Started());
    KeyPlayer player(false);
    Game& g = s.g();
    // The Test went on after Write Data, so Read Data offers the newer automatic
    // save; this run carries on from CURRENT.DAT.
    s.host().boxAnswer = [answer = s.host().boxAnswer](const gui::BoxRecord& b) {
        return b.text.find("automatic save") != std::string::npos ? ovs::IDNO : answer(b);
    };
    s.Key(Qt::Key_F, Qt::AltModifier);
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    QTest::keyClick(menu, Qt::Key_R);   // Read Data
    QVERIFY(s.RunUntilPaused());
    QVERIFY(g.Current.nTime >= 800);
    QCOMPARE(int(g.Series.nControl[1]), CONTROL_HUMAN);
    CheckTestCommands(s.window());
    const int balls = g.pInnings->nTotalBalls;
    s.Key(Qt::Key_7);   // Next Over
    QVERIFY(s.RunUntilPaused());
    QVERIFY(g.pInnings->nTotalBalls > balls || g.Current.nInnings > 0);
    PlayOutByKeys(s, nullptr);
    QCOMPARE(player.stuck, 0);
    QVERIFY(player.seen.contains("SeriesSummaryBox"));
    QCOMPARE(int(g.Series.nPlayed), 1);
    QVERIFY(g.Series.Test[0].szResult[0] != '\0');
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
