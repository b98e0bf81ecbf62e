// A whole Test of a person against the computer, played through the real
// dialogs of the desktop game: the new-series box, pick team, the toss,
// openers, bowlers, aggression, several overs, a declaration, the result and
// the series summary. A timer plays the person: it answers whichever dialog
// is open the way a player clicking OK on the offered choice would.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/game.h"
#include "core/menu.h"
#include "gui_session.h"

using namespace ovs;
using guitest::GuiSession;

namespace {

// Clicks its way through every modal dialog that opens, and notes their names.
class DialogPlayer : public guitest::BoxPlayer {
    static void Click(QWidget* d, const char* name)
    {
        if (auto* b = d->findChild<QAbstractButton*>(name)) b->click();
    }

protected:
    void Answer(QWidget* m, int) override
    {
        const QString name = m->objectName();
        if (name == "NewSeriesBox") {
            Click(m, "ctl101");   // the computer plays the home side
            Click(m, "ctl106");   // a person the away side, who calls the toss
            if (auto* tests = m->findChild<QLineEdit*>("ctl108")) tests->setText("1");
            Click(m, "ctl150");
        } else if (name == "SelectTeamBox") {
            Click(m, "ctl120");   // the computer's suggestion, then OK
            Click(m, "ctl150");
        } else if (name == "TossCallBox" || name == "TossChoiceBox") {
            Click(m, "ctl100");   // heads; bat
        } else if (auto* box = qobject_cast<QMessageBox*>(m)) {
            box->defaultButton() ? box->defaultButton()->click() : box->buttons().first()->click();
        } else if (m->findChild<QAbstractButton*>("ctl150")) {
            Click(m, "ctl150");
        } else if (auto* d = qobject_cast<QDialog*>(m)) {
            d->accept();
        }
    }

};

}  // namespace

class AcceptanceTest : public QObject {
    Q_OBJECT
private slots:
    void personAgainstComputerWholeTest();
};

void AcceptanceTest::personAgainstComputerWholeTest()
{
    GuiSession s(/*realDialogs=*/true, /*resolution=*/2);
    QVERIFY(s.Started());
    Game& g = s.g();
    gui::MainWindow& w = s.window();
    DialogPlayer player;
    // The engine's own questions (declare, follow-on) are answered Yes.

    s.Key(Qt::Key_N, Qt::ControlModifier);
    QVERIFY(s.RunUntilPaused());
    QCOMPARE(int(g.Series.nControl[0]), CONTROL_COMPUTER);
    QCOMPARE(int(g.Series.nControl[1]), CONTROL_HUMAN);
    QCOMPARE(int(g.Series.nNumTests), 1);
    QVERIFY(player.seen.contains("NewSeriesBox"));
    QVERIFY(player.seen.contains("SelectTeamBox"));

    bool declared = false, shot = false;
    int overs = 0;
    for (; overs < 1200 && g.Current.nTime >= 800; ++overs) {
        const int bat = g.Current.nBatSide;
        // Once the person's first innings has run 25 overs, he declares (key 5).
        if (!declared && bat == 1 && g.Current.nInnings <= 1 && g.pInnings->nTotalBalls >= 150 &&
            w.Action(CMD_DECLARE)->isEnabled()) {
            s.Key(Qt::Key_5);
            declared = g.pInnings->nStatus & INNINGS_DECLARED;
            QVERIFY(declared);
        }
        if (!shot && overs == 30) {
            s.Screenshot("person_800");
            shot = true;
        }
        s.Key(Qt::Key_Space);
        QVERIFY(s.RunUntilPaused());
    }
    if (g.Current.nTime >= 800) qDebug().noquote() << s.LogText().right(3000);
    QVERIFY2(g.Current.nTime < 800, "the Test did not end");
    QVERIFY(s.RunUntilIdle());
    QVERIFY(declared);
    QCOMPARE(player.stuck, 0);

    // The person met the dialogs of a captain.
    for (const char* box : {"SelectTeamBox", "ConditionsBox", "TossCallBox", "NewBatsmanBox", "NewBowlerBox",
                            "BattingFactorBox", "BowlingFactorBox", "SeriesSummaryBox"})
        QVERIFY2(player.seen.contains(box), box);
    // The Test has a result and the series is over.
    QCOMPARE(int(g.Series.nPlayed), 1);
    QVERIFY(g.Series.Test[0].szResult[0] != '\0');
    QVERIFY(w.Action(CMD_NEWSERIES)->isEnabled());
}

QTEST_MAIN(AcceptanceTest)
#include "acceptance_test.moc"
