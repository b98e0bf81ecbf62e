// The league's boxes on the offscreen platform: the new-league box's rows
// and checks, and the table, results, fixtures and current-round boxes of a
// league played to its end.
#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QRegularExpression>
#include <cstring>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "core/game.h"
#include "core/league.h"
#include "core/menu.h"
#include "core/messages.h"
#include "dialogs.h"
#include "gui_session.h"

namespace {

using guitest::Click;
using guitest::OnDialog;

QString LastBoxText(guitest::GuiSession& s)
{
    return s.host().boxes.empty() ? QString() : QString::fromStdString(s.host().boxes.back().text);
}

QString BoxText(QDialog* d)
{
    auto* view = d->findChild<QPlainTextEdit*>("text");
    return view ? view->toPlainText() : QString();
}

}  // namespace

class LeagueBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void newLeagueBoxRowsAndChecks();
    void viewsOfAFinishedLeague();
};

void LeagueBoxesTest::newLeagueBoxRowsAndChecks()
{
    guitest::GuiSession s(true);
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    const int squads = std::min(g.db.NumSquads(), ovs::MAX_LEAGUE_TEAMS);
    QVERIFY(squads >= 3);
    bool checked = false;
    OnDialog("NewLeagueBox", [&](QDialog* d) {
        // The first opening lists the first squads, all played by the computer.
        for (int i = 0; i < squads; ++i) {
            auto* name = d->findChild<QLabel*>(QString("name%1").arg(i));
            QVERIFY(name && name->isVisibleTo(d));
            QCOMPARE(name->text(), QString(g.db.squads[i].szName));
            QVERIFY(d->findChild<QRadioButton*>(QString("cpu%1").arg(i))->isChecked());
        }
        // Clear moves the later rows up.
        Click(d, "clear0");
        QCOMPARE(d->findChild<QLabel*>("name0")->text(), QString(g.db.squads[1].szName));
        auto* tests = d->findChild<QLineEdit*>("tests");
        QCOMPARE(tests->text(), QString("6"));
        tests->setText("7");
        Click(d, "ctl150");
        QVERIFY(d->isVisible());
        QCOMPARE(LastBoxText(s), QString("Invalid number of Tests."));
        // Down to one row: not enough squads.
        for (int i = 1; i < squads - 1; ++i) Click(d, "clear1");
        tests->setText("1");
        Click(d, "ctl150");
        QVERIFY(d->isVisible());
        QCOMPARE(LastBoxText(s), QString("Not enough squads currently selected."));
        // The empty row takes a squad from the chooser: the same squad twice is refused.
        OnDialog("GetSquadBox", [&](QDialog* c) { Click(c, "ctl150"); });
        Click(d, "get1");
        d->findChild<QRadioButton*>("human1")->setChecked(true);
        OnDialog("GetSquadBox", [&](QDialog* c) {
            auto* combo = c->findChild<QComboBox*>("ctl200");
            combo->setCurrentIndex(combo->findText(QString(g.db.squads[3].szName)));
            Click(c, "ctl150");
        });
        Click(d, "get2");
        Click(d, "ctl150");
        if (d->isVisible()) {
            // The chooser's first squad may be the one already on row 0.
            QVERIFY(LastBoxText(s).endsWith("selected more than once."));
            OnDialog("GetSquadBox", [&](QDialog* c) {
                auto* combo = c->findChild<QComboBox*>("ctl200");
                combo->setCurrentIndex(combo->findText(QString(g.db.squads[2].szName)));
                Click(c, "ctl150");
            });
            Click(d, "get1");
            Click(d, "ctl150");
        }
        QVERIFY(!d->isVisible());
        checked = true;
    });
    ovs::ControlMenu(g, ovs::CMD_NEWLEAGUE);
    QVERIFY(checked);
    QCOMPARE(int{g.League.nSquads}, 3);
    QCOMPARE(int{g.League.nTests}, 1);
    QCOMPARE(int{g.League.nControl[1]}, int{ovs::CONTROL_HUMAN});
    QCOMPARE(int{g.League.nControl[2]}, int{ovs::CONTROL_COMPUTER});
    QVERIFY(!g.commands.Enabled(ovs::CMD_NEWLEAGUE));
    QVERIFY(g.commands.Enabled(ovs::CMD_LEAGUETABLE));
    QVERIFY(g.queue.Peek(ovs::WM_NEWTEST));
}

void LeagueBoxesTest::viewsOfAFinishedLeague()
{
    guitest::GuiSession s;   // the computer answers every choice while the league plays
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    std::string refusal;
    QVERIFY(ovs::SetUpComputerLeague(g, {0, 1, 2}, 1, false, refusal));
    ovs::BeginLeague(g);
    s.window().KickPump();
    QVERIFY(s.RunUntilIdle());
    QVERIFY(ovs::LeagueComplete(g.League));
    s.host().dialogAnswer = nullptr;   // from here the boxes show

    ovs::DialogRequest req;
    bool seen = false;
    OnDialog("LeagueTableBox", [&](QDialog* d) {
        const QString text = BoxText(d);
        QVERIFY(text.contains("League Table"));
        for (int k = 0; k < 3; ++k) QVERIFY(text.contains(QString(g.db.squads[k].szName)));
        QVERIFY(d->findChild<QPushButton*>("ctl153"));
        seen = true;
    });
    gui::RunLeagueTableBox(&s.window(), g, req);
    QVERIFY(seen);

    seen = false;
    OnDialog("LeagueResultsBox", [&](QDialog* d) {
        const QList<QPushButton*> cells = d->findChildren<QPushButton*>(QRegularExpression("^cell"));
        QCOMPARE(cells.size(), 6);
        const ovs::LEAGUE_RESULT& r = g.League.Result[0][1];
        auto* cell = d->findChild<QPushButton*>("cell01");
        QCOMPARE(cell->text(), QString("%1 - %2").arg(int{r.nHomeWins}).arg(int{r.nAwayWins}));
        QVERIFY(cell->isEnabled());
        // A played rubber opens its series summary; the league stays as it was.
        const ovs::LEAGUE before = g.League;
        bool summary = false;
        OnDialog("SeriesSummaryBox", [&](QDialog* b) {
            summary = b->windowTitle().contains(QString(g.db.squads[g.League.nSquad[0]].szName));
            Click(b, "ctl150");
        });
        cell->click();
        QVERIFY(summary);
        QVERIFY(std::memcmp(&before, &g.League, sizeof before) == 0);
        seen = true;
    });
    gui::RunLeagueResultsBox(&s.window(), g, req);
    QVERIFY(seen);

    // Replaying a Test of a rubber closes the results box; when the replay
    // ends the league is as it was.
    const ovs::LEAGUE before = g.League;
    const ovs::SERIES rubber = g.db.LeagueSeries(0, 1);
    bool replayAsked = false;
    OnDialog("LeagueResultsBox", [&](QDialog* d) {
        OnDialog("SeriesSummaryBox", [&](QDialog* b) { Click(b, "replay0"); });
        d->findChild<QPushButton*>("cell01")->click();
        replayAsked = !d->isVisible();
    });
    gui::RunLeagueResultsBox(&s.window(), g, req);
    QVERIFY(replayAsked);
    QCOMPARE(int{g.wReplayFlag}, 16385);
    QVERIFY(g.queue.Peek(ovs::WM_REPLAYTEST));
    // The replay is watched: on at every pause until it has ended.
    s.host().dialogAnswer = [](ovs::DialogRequest&) { return 0; };
    s.window().KickPump();
    for (int turn = 0; turn < 400000 && g.wReplayFlag != 0; ++turn) {
        QCoreApplication::processEvents();
        if (g.queue.Empty() && g.bPaused) s.window().Command(ovs::CMD_NEXTOVER);
    }
    QCOMPARE(int{g.wReplayFlag}, 0);
    QVERIFY(std::memcmp(&before, &g.League, sizeof before) == 0);
    QVERIFY(std::memcmp(&rubber, &g.db.LeagueSeries(0, 1), sizeof rubber) == 0);
    s.host().dialogAnswer = nullptr;

    seen = false;
    OnDialog("LeagueFixturesBox", [&](QDialog* d) {
        QVERIFY(BoxText(d).contains("League has been completed."));
        seen = true;
    });
    gui::RunLeagueFixturesBox(&s.window(), g, req);
    QVERIFY(seen);

    seen = false;
    OnDialog("LeagueSummaryBox", [&](QDialog* d) {
        QVERIFY(d->windowTitle().startsWith("Current Fixtures Round"));
        seen = true;
    });
    gui::RunLeagueSummaryBox(&s.window(), g, req);
    QVERIFY(seen);
}

QTEST_MAIN(LeagueBoxesTest)
#include "league_boxes_test.moc"
