// The play dialogs on the offscreen platform: bad input keeps each box open
// with its message, good input is applied, and pictures of the larger boxes
// are saved for a look.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/menu.h"
#include "core/series.h"
#include "dialogs.h"
#include "dialogs/dialog_util.h"
#include "gui_session.h"

namespace {

using guitest::Click;
using guitest::OnDialog;
using guitest::Shot;

const gui::BoxRecord* LastBox(guitest::GuiSession& s)
{
    return s.host().boxes.empty() ? nullptr : &s.host().boxes.back();
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void newSeriesBoxRefusesBadInput();
    void pickTeamNeedsElevenWithKeeper();
    void boxesOfATestInPlay();
};

void DialogsTest::newSeriesBoxRefusesBadInput()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    QVERIFY(g.db.NumSquads() >= 2);
    bool sawSame = false, sawTests = false;
    OnDialog("NewSeriesBox", [&](QDialog* d) {
        auto* tests = d->findChild<QLineEdit*>("ctl108");
        auto* home = d->findChild<QLabel*>("ctl100");
        auto* away = d->findChild<QLabel*>("ctl104");
        QVERIFY(tests && home && away);
        const QString awayName = away->text();
        for (const char* bad : {"9", "0", "x", "-1"}) {
            tests->setText(bad);
            Click(d, "ctl150");
            QVERIFY(d->isVisible());
            QVERIFY(LastBox(s));
            QCOMPARE(QString::fromStdString(LastBox(s)->text), QString("Invalid number of Tests."));
            QCOMPARE(QString::fromStdString(LastBox(s)->caption), QString("Ovalspin - Error"));
            QCOMPARE(LastBox(s)->icon, ovs::BoxIcon::None);
        }
        sawTests = true;
        // The away side made the same squad as the home side.
        auto choose = [&](const QString& squad) {
            OnDialog("GetSquadBox", [squad](QDialog* c) {
                auto* combo = c->findChild<QComboBox*>("ctl200");
                combo->setCurrentIndex(combo->findText(squad));
                Click(c, "ctl150");
            });
            Click(d, "ctl107");
        };
        choose(home->text());
        QCOMPARE(away->text(), home->text());
        tests->setText("1");
        Click(d, "ctl150");
        QVERIFY(d->isVisible());
        QCOMPARE(QString::fromStdString(LastBox(s)->text), QString("Selected same Squad twice!"));
        QCOMPARE(LastBox(s)->icon, ovs::BoxIcon::Exclamation);
        sawSame = true;
        choose(awayName);
        QCOMPARE(away->text(), awayName);
        d->findChild<QRadioButton*>("ctl106")->setChecked(true);
        tests->setText("1");
        Shot(d, "new_series_box");
        const auto before = s.host().boxes.size();
        Click(d, "ctl150");
        QCOMPARE(s.host().boxes.size(), before);
        QVERIFY(!d->isVisible());
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::NewSeries;
    QVERIFY(gui::RunNewSeriesBox(&s.window(), g, req));
    QVERIFY(sawTests);
    QVERIFY(sawSame);
    QCOMPARE(static_cast<int>(g.Series.nNumTests), 1);
    QCOMPARE(static_cast<int>(g.Series.nControl[0]), ovs::CONTROL_COMPUTER);
    QCOMPARE(static_cast<int>(g.Series.nControl[1]), ovs::CONTROL_HUMAN);
    QCOMPARE(std::string(g.Series.szPlayer[1]), std::string("Player No. 1"));
}

void DialogsTest::pickTeamNeedsElevenWithKeeper()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    std::string refusal;
    QVERIFY(ovs::SetUpComputerSeries(g, 0, 1, 1, true, refusal));
    g.Current.nTest = 0;
    g.SelectTestAndInnings();
    const ovs::SQUAD& squad = g.db.squads[g.Series.nSquad[0]];
    const int members = std::min<int>(squad.nMembers, 20);
    auto isKeeper = [&](int m) { return g.db.players[squad.nPlayer[m]].nBowlType == -1; };
    std::vector<int> fielders;
    for (int m = 0; m < members; ++m)
        if (!isKeeper(m)) fielders.push_back(m);
    // The last fielder is out for two Tests.
    const int hurt = fielders.back();
    fielders.pop_back();
    g.db.players[squad.nPlayer[hurt]].nInjury = 2;
    const bool elevenFielders = fielders.size() >= 11;

    bool checked = false;
    OnDialog("SelectTeamBox", [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Select team for ") + squad.szName);
        auto* ok = d->findChild<QPushButton*>("ctl150");
        auto box = [&](int m) { return d->findChild<QCheckBox*>(QString("ctl%1").arg(100 + m)); };
        auto status = [&](int m) { return d->findChild<QLabel*>(QString("status%1").arg(m))->text(); };
        QVERIFY(box(hurt)->isHidden());   // an injured member has no box to tick
        QCOMPARE(status(hurt), QString("2 Tests"));
        QCOMPARE(status(0), QString("Not Selected"));
        QVERIFY(!ok->isEnabled());
        if (elevenFielders) {
            for (int k = 0; k < 11; ++k) box(fielders[k])->click();
            QVERIFY(ok->isEnabled());
            ok->click();
            QVERIFY(d->isVisible());
            QCOMPARE(QString::fromStdString(LastBox(s)->text), QString("No Wicket Keeper selected."));
            QCOMPARE(QString::fromStdString(LastBox(s)->caption), QString("Ovalspin - Error"));
            // Unticking number 3 moves 4 and 5 up.
            box(fielders[2])->click();
            QCOMPARE(status(fielders[2]), QString("Not Selected"));
            QCOMPARE(status(fielders[3]), QString("  Player No.3  "));
            QCOMPARE(status(fielders[4]), QString("  Player No.4  "));
            QVERIFY(!ok->isEnabled());
        }
        Click(d, "ctl120");
        QVERIFY(ok->isEnabled());
        QVERIFY(status(hurt) == QString("2 Tests"));
        Shot(d, "pick_team_box");
        ok->click();
        QVERIFY(!d->isVisible());
        checked = true;
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::PickTeam;
    req.side = 0;
    QVERIFY(gui::RunPickTeamBox(&s.window(), g, req));
    QVERIFY(checked);
    bool hasKeeper = false;
    std::set<int> seen;
    for (int k = 0; k < ovs::MAX_ELEVEN; ++k) {
        const int m = g.pTest->nPlayer[k][0];
        QVERIFY(m >= 0 && m < members && m != hurt);
        seen.insert(m);
        hasKeeper = hasKeeper || isKeeper(m);
    }
    QCOMPARE(static_cast<int>(seen.size()), 11);
    QVERIFY(hasKeeper);
}

void DialogsTest::boxesOfATestInPlay()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    QVERIFY(s.StartWatchedSeries(0, 1, 1));
    // Dry weather: the pictures should show play, not a stoppage.
    g.Series.bAllowWeather = 0;
    // Play on, over by over, until a wicket has fallen well into the innings.
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.pInnings->nWickets >= 2 && g.pInnings->nTotalBalls >= 120; }));

    // The scoreboard: texts in their columns, and a picture.
    gui::ColumnCanvas canvas(88, 26);
    QString title;
    gui::FillScoreboard(g, canvas, &title);
    QVERIFY(title.contains(" 1st Innings"));
    QVERIFY(canvas.AllText().contains("Extras"));
    QVERIFY(canvas.AllText().contains("Fall of Wkts"));
    OnDialog("ScoreboardBox", [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), title);
        Shot(d, "scoreboard_box");
        Click(d, "ctl150");
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::Scoreboard;
    QVERIFY(gui::RunScoreboardBox(&s.window(), g, req));

    OnDialog("ConditionsBox", [&](QDialog* d) {
        QCOMPARE(d->windowTitle(), QString("Playing Conditions"));
        QCOMPARE(d->findChildren<QLabel*>(QRegularExpression("^text")).size(), 5);
        Shot(d, "conditions_box");
        Click(d, "ctl150");
    });
    req.id = ovs::Dialog::Conditions;
    QVERIFY(gui::RunConditionsBox(&s.window(), g, req));

    OnDialog("TestRatingBox", [&](QDialog* d) {
        Shot(d, "test_rating_box");
        Click(d, "ctl150");
    });
    req.id = ovs::Dialog::TestRating;
    QVERIFY(gui::RunTestRatingBox(&s.window(), g, req));

    // The next batsman: men who batted cannot be chosen; the close box does
    // not end the choice.
    const int side = g.Current.nBatSide;
    int firstFree = -1;
    for (int k = 0; k < ovs::MAX_ELEVEN && firstFree < 0; ++k)
        if (g.pInnings->Bat[k].nHowOut == ovs::HOWOUT_DIDNOTBAT) firstFree = k;
    OnDialog("NewBatsmanBox", [&](QDialog* d) {
        for (int k = 0; k < ovs::MAX_ELEVEN; ++k) {
            auto* r = d->findChild<QRadioButton*>(QString("ctl%1").arg(100 + k));
            QCOMPARE(r->isEnabled(), g.pInnings->Bat[k].nHowOut == ovs::HOWOUT_DIDNOTBAT);
        }
        d->reject();
        QVERIFY(d->isVisible());
        auto* declare = d->findChild<QCheckBox*>("ctl140");
        QVERIFY(declare->text().startsWith("Declare: Ahead by "));
        Shot(d, "new_batsman_box");
        Click(d, "ctl150");
    });
    req = {};
    req.id = ovs::Dialog::NewBatsman;
    req.side = side;
    QVERIFY(gui::RunNewBatsmanBox(&s.window(), g, req));
    QCOMPARE(req.result, firstFree);
    QCOMPARE(req.result2, 0);

    // The bowler: the keeper and the other-end bowler are not offered.
    OnDialog("NewBowlerBox", [&](QDialog* d) {
        const int other = g.Current.nOtherBowler;
        QVERIFY(!d->findChild<QRadioButton*>(QString("ctl%1").arg(100 + other))->isEnabled());
        Shot(d, "new_bowler_box");
        Click(d, "ctl150");
    });
    req = {};
    req.id = ovs::Dialog::NewBowler;
    req.side = g.Current.nBowlSide;
    QVERIFY(gui::RunNewBowlerBox(&s.window(), g, req));
    QVERIFY(req.result >= 0 && req.result < ovs::MAX_ELEVEN && req.result != g.Current.nOtherBowler);

    // Team aggression: OK writes the bars back.
    OnDialog("TeamFactorBox", [&](QDialog* d) {
        Shot(d, "team_aggression_box");
        Click(d, "ctl150");
    });
    const int before = g.Current.nTeamAggression[0];
    req.id = ovs::Dialog::TeamAggression;
    QVERIFY(gui::RunTeamAggressionBox(&s.window(), g, req));
    QCOMPARE(static_cast<int>(g.Current.nTeamAggression[0]), before);
}

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
