// Every box of the game on the smallest screen it runs on (640 x 480): it
// lies within the screen, its buttons can be seen, and Tab reaches each of
// its controls; the arrow keys move a bowler choice and an aggression bar;
// Escape closes the help. Pictures of each box and of the play screen at
// each window size are saved under the build's screenshots directory.
#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <map>
#include <set>

#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "data/statistics.h"
#include "dialogs.h"
#include "gui_session.h"
#include "help_window.h"
#include "layout.h"
#include "options_boxes.h"
#include "sim/bowler_click.h"

using guitest::GuiSession;
using guitest::OnDialog;

namespace {

const QRect kScreen(0, 0, 640, 480);

// The controls a keyboard user must be able to reach in `d`: every visible,
// enabled button, bar, edit and list; of a group of radio buttons one is
// enough (the arrows move within the group), so a group is keyed by its
// first member.
std::map<QWidget*, QWidget*> ControlsToReach(QDialog* d)
{
    std::map<QWidget*, QWidget*> wanted;   // control -> its group's key
    for (QWidget* w : d->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(d) || !w->isEnabled()) continue;
        const bool control = qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractSlider*>(w) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractSpinBox*>(w);
        if (!control || qobject_cast<QLineEdit*>(w->parentWidget())) continue;
        if (qobject_cast<QComboBox*>(w->parentWidget()) || qobject_cast<QAbstractSpinBox*>(w->parentWidget())) continue;
        QWidget* key = w;
        if (auto* r = qobject_cast<QRadioButton*>(w)) {
            if (r->group()) key = r->group()->buttons().first();
            else if (r->autoExclusive()) key = r->parentWidget();
        }
        wanted[w] = key;
    }
    return wanted;
}

// Tab round the dialog; every group of `ControlsToReach` must get the focus.
void CheckTabReachesEverything(QDialog* d)
{
    const auto wanted = ControlsToReach(d);
    std::set<QWidget*> groups, reached;
    for (const auto& [w, key] : wanted) groups.insert(key);
    for (int i = 0; i < 3 * static_cast<int>(wanted.size()) + 4; ++i) {
        QWidget* f = d->focusWidget();
        if (f && wanted.count(f)) reached.insert(wanted.at(f));
        QTest::keyClick(f ? f : d, Qt::Key_Tab);
        if (!d->isVisible()) break;
    }
    for (QWidget* key : groups)
        QVERIFY2(reached.count(key), qPrintable(d->objectName() + ": Tab never reaches " + key->objectName() + " (" +
                                                key->metaObject()->className() + ")"));
}

// The box within the screen, every button of it within the box.
void CheckFits(QDialog* d)
{
    QVERIFY2(kScreen.contains(d->frameGeometry()),
             qPrintable(QString("%1 at %2,%3 %4x%5").arg(d->objectName()).arg(d->frameGeometry().x())
                            .arg(d->frameGeometry().y()).arg(d->frameGeometry().width()).arg(d->frameGeometry().height())));
    if (auto* ok = d->findChild<QPushButton*>("ctl150")) QVERIFY2(ok->isVisible(), qPrintable(d->objectName()));
    for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
        if (!b->isVisibleTo(d)) continue;
        const QRect r(b->mapTo(d, QPoint(0, 0)), b->size());
        QVERIFY2(d->rect().contains(r), qPrintable(d->objectName() + ": " + b->text() + " is cut off"));
        // A button of a letter or a picture says what it does.
        if (qobject_cast<QPushButton*>(b) && b->text().remove('&').size() < 2)
            QVERIFY2(!b->toolTip().isEmpty() && !b->accessibleName().isEmpty(), qPrintable(d->objectName() + ": " + b->objectName()));
    }
}

// Opens the box `name` with `open`, checks it and takes its picture.
void CheckBox(const QString& name, const std::function<void()>& open, const std::function<void(QDialog*)>& more = {})
{
    bool seen = false;
    // Whatever box opens is checked and closed, so a wrong one cannot hang the test.
    OnDialog(QString(), [&](QDialog* d) {
        seen = true;
        QCOMPARE(d->objectName(), name);
        QApplication::processEvents();
        guitest::Shot(d, "box_" + name + "_640x480");
        CheckFits(d);
        CheckTabReachesEverything(d);
        if (more) more(d);
    });
    open();
    QVERIFY2(seen, qPrintable(name + " did not open"));
}

}  // namespace

class ScreenFitTest : public QObject {
    Q_OBJECT
private slots:
    void everyBoxFitsAndIsReachedByTab();
};

void ScreenFitTest::everyBoxFitsAndIsReachedByTab()
{
    GuiSession s(/*realDialogs=*/false, /*resolution=*/1);
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    gui::MainWindow& w = s.window();
    // A six-Test series; the first Test is played unwatched, the second
    // watched until two wickets are down and 20 overs bowled.
    QVERIFY(s.StartWatchedSeries(0, 1, 6));
    g.options.wPlayOptions = static_cast<std::uint16_t>(g.options.wPlayOptions & ~0x80);
    for (long n = 0; n < 2'000'000 && g.Current.nTest < 1; ++n)
        if (!ovs::PumpOne(g)) break;
    QCOMPARE(int(g.Current.nTest), 1);
    g.options.wPlayOptions = static_cast<std::uint16_t>(g.options.wPlayOptions | 0x80);
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.pInnings->nWickets >= 2 && g.pInnings->nTotalBalls >= 120; }));

    // The play screen at each window size.
    for (int r : {1, 2, 3, 5}) {
        g.options.nResolution = static_cast<std::uint8_t>(r);
        w.ResizeMainWindow(true);
        QApplication::processEvents();
        s.Screenshot(QString("play_%1x%2").arg(g.nMainWidth).arg(g.nMainHeight));
    }

    // At 800 x 600 the bowlers pane has a row for every bowler; rain stops
    // play with its banner above the overs.
    g.options.nResolution = 2;
    w.ResizeMainWindow(true);
    QVERIFY(w.Pane(gui::PaneBowlers)->height() >= ovs::kBowlersPaneRows * 15);
    const auto weather = g.Current.nWeather;
    const auto allowed = g.Series.bAllowWeather;
    g.Series.bAllowWeather = 1;
    g.Current.nWeather = static_cast<std::int16_t>(8 * 5);
    w.RefreshPanes(ovs::PANE_ALL);
    QApplication::processEvents();
    s.Screenshot("play_rain_800x600");
    g.Current.nWeather = weather;
    g.Series.bAllowWeather = allowed;

    // From here on the screen is 640 x 480 and the window fills it.
    gui::SetScreenSizeForTests(kScreen.size());
    g.options.nResolution = 1;
    w.ResizeMainWindow(true);
    QApplication::processEvents();

    auto request = [](ovs::Dialog id, int side = -1) {
        ovs::DialogRequest req;
        req.id = id;
        req.side = side;
        return req;
    };
    auto run = [&](ovs::Dialog id, int side = -1) {
        return [&, id, side] {
            ovs::DialogRequest req = request(id, side);
            gui::RunPlayDialog(&w, g, req);
        };
    };
    const int bat = g.Current.nBatSide, bowl = g.Current.nBowlSide;

    CheckBox("NewSeriesBox", run(ovs::Dialog::NewSeries));
    CheckBox("GetSquadBox", [&] { gui::RunGetSquadBox(&w, g, 0); });
    CheckBox("SelectTeamBox", run(ovs::Dialog::PickTeam, 0));
    CheckBox("TossCallBox", run(ovs::Dialog::TossCall));
    CheckBox("TossChoiceBox", run(ovs::Dialog::TossChoice, 0));
    CheckBox("NewBatsmanBox", run(ovs::Dialog::NewBatsman, bat));
    // The bowler box opens on its chosen row, and the arrows move the choice.
    CheckBox("NewBowlerBox", run(ovs::Dialog::NewBowler, bowl), [](QDialog* d) {
        auto* first = qobject_cast<QRadioButton*>(d->focusWidget());
        QVERIFY2(first && first->isChecked(), "the focus is not on the chosen bowler");
        QTest::keyClick(first, Qt::Key_Down);
        auto* next = qobject_cast<QRadioButton*>(d->focusWidget());
        QVERIFY(next && next != first);
        QVERIFY(next->isChecked());
    });
    // An aggression bar moves by the arrows once Tab has reached it.
    CheckBox("BattingFactorBox", run(ovs::Dialog::BatAggression), [](QDialog* d) {
        auto* bar = d->findChild<QAbstractSlider*>("bar0");
        QVERIFY(bar);
        for (int i = 0; i < 20 && d->focusWidget() != bar; ++i) QTest::keyClick(d->focusWidget(), Qt::Key_Tab);
        QCOMPARE(d->focusWidget(), bar);
        const int before = bar->value();
        QTest::keyClick(bar, before < 10 ? Qt::Key_Right : Qt::Key_Left);
        QCOMPARE(bar->value(), before < 10 ? before + 1 : before - 1);
    });
    CheckBox("BowlingFactorBox", run(ovs::Dialog::BowlAggression));
    CheckBox("TeamFactorBox", run(ovs::Dialog::TeamAggression));
    CheckBox("ConditionsBox", run(ovs::Dialog::Conditions));
    CheckBox("TestRatingBox", run(ovs::Dialog::TestRating));
    CheckBox("ScoreboardBox", run(ovs::Dialog::Scoreboard));
    CheckBox("SeriesSummaryBox", run(ovs::Dialog::SeriesSummary));
    CheckBox("BattingAveragesBox",
             [&] { gui::RunSquadAveragesBox(&w, g, ovs::SquadAverages::Batting, ovs::AVERAGES_SERIES, 0); });
    CheckBox("BowlingAveragesBox",
             [&] { gui::RunSquadAveragesBox(&w, g, ovs::SquadAverages::Bowling, ovs::AVERAGES_SERIES, 0); });
    CheckBox("RatingAveragesBox",
             [&] { gui::RunSquadAveragesBox(&w, g, ovs::SquadAverages::Points, ovs::AVERAGES_SERIES, 0); });
    ovs::OPTIONS options = g.options;
    CheckBox("OptionsDisplayBox", [&] { gui::RunDisplayOptionsBox(&w, options); });
    CheckBox("OptionsAggressionBox", [&] { gui::RunAggressionOptionsBox(&w, options); });

    // Escape closes the help window.
    w.Command(ovs::CMD_HELPINDEX);
    auto* help = w.findChild<gui::HelpWindow*>();
    QVERIFY(help && help->isVisible());
    QTest::keyClick(help->focusWidget() ? help->focusWidget() : help, Qt::Key_Escape);
    QVERIFY(!help->isVisible());
}

QTEST_MAIN(ScreenFitTest)
#include "screen_fit_test.moc"
