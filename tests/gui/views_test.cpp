// The views of the database on the offscreen platform: every Records-menu
// command opens its boxes in turn with the four report buttons, Escape closes
// each; the series averages commands; the three details views with their
// choosers and the squad's averages and ratings buttons; pictures of a record
// table and a details view at the three window sizes.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/innings.h"
#include "core/menu.h"
#include "core/series.h"
#include "data/texts.h"
#include "dialogs.h"
#include "dialogs/dialog_util.h"
#include "gui_session.h"
#include "report/view_tables.h"

namespace {

using guitest::Click;
using guitest::OnDialog;
using guitest::Shot;

// Runs `act` on every modal dialog as it opens, each once, and closes it with
// Escape, until `count` were seen; returns the count seen so far.
std::shared_ptr<int> OnEveryDialog(int count, std::function<void(QDialog*)> act)
{
    auto seen = std::make_shared<int>(0);
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [=] {
        auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (d && !d->property("seen").toBool()) {
            d->setProperty("seen", true);
            ++*seen;
            act(d);
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY2(!d->isVisible(), "Escape closes the view");
        }
        if (*seen < count) QTimer::singleShot(2, *poll);
    };
    QTimer::singleShot(0, *poll);
    return seen;
}

// A session whose database holds one finished Test, and that shows the views.
std::unique_ptr<guitest::GuiSession> FilledSession(int resolution)
{
    auto s = std::make_unique<guitest::GuiSession>(false, resolution);
    if (!s->Started()) return nullptr;
    std::string refusal;
    if (!ovs::SetUpComputerSeries(s->g(), 0, 1, 1, false, refusal)) return nullptr;
    s->window().Command(ovs::CMD_PREPAREDSERIES);
    if (!s->RunUntilIdle()) return nullptr;
    s->host().dialogAnswer = [](ovs::DialogRequest& r) { return r.id == ovs::Dialog::View ? -1 : 0; };
    return s;
}

void CheckReportButtons(QDialog* d)
{
    for (const char* name : {"ctl152", "ctl153", "ctl154", "ctl155"}) {
        auto* b = d->findChild<QPushButton*>(name);
        QVERIFY2(b, name);
        QVERIFY2(b->isEnabled(), qPrintable(d->objectName() + " " + name));
    }
    QVERIFY(d->findChild<QPushButton*>("ctl150"));
}

class ViewsTest : public QObject {
    Q_OBJECT
private slots:
    void everyRecordsCommandOpensItsViews();
    void seriesAveragesCommandsShowBothSides();
    void detailViewsChooseAndOpenTheSquadsViews();
    void choosersReturnTheChoice();
    void picturesAtEveryWindowSize();
    void scorecardButtonsShowEachInnings();
    void pickTeamHidesInjuredMembers();
    void seriesSummaryAsksToReplayATest();
};

void ViewsTest::everyRecordsCommandOpensItsViews()
{
    auto s = FilledSession(1);
    QVERIFY(s);
    int rowsSeen = 0;
    for (int id = ovs::CMD_RECORDS_FIRST; id <= ovs::CMD_RECORDS_LAST; ++id) {
        if (!ovs::IsRecordsCommand(id)) continue;
        const std::vector<std::string> views = ovs::RecordsCommandViews(id);
        std::vector<QString> titles;
        auto seen = OnEveryDialog(static_cast<int>(views.size()), [&](QDialog* d) {
            titles.push_back(d->windowTitle());
            CheckReportButtons(d);
            auto* canvas = d->findChild<gui::ColumnCanvas*>("canvas");
            QVERIFY(canvas);
            QVERIFY(!canvas->Cells().empty());   // the headings at least
            for (const gui::CellText& c : canvas->Cells()) rowsSeen += c.row >= ovs::VIEW_FIRST_ROW_LINE;
        });
        QAction* a = nullptr;
        for (QAction* x : s->window().findChildren<QAction*>())
            if (x->data().toInt() == id) a = x;
        QVERIFY2(a, qPrintable(QString::number(id)));
        QVERIFY(a->isEnabled());
        a->trigger();
        QCOMPARE(*seen, static_cast<int>(views.size()));
        for (std::size_t k = 0; k < views.size(); ++k)
            QCOMPARE(titles[k], QString::fromLatin1(ovs::FindView(views[k])->title));
    }
    // One Test fills most tables.
    QVERIFY(rowsSeen > 200);
}

void ViewsTest::seriesAveragesCommandsShowBothSides()
{
    auto s = FilledSession(1);
    QVERIFY(s);
    std::vector<QString> titles;
    for (int id : {ovs::CMD_BATAVERAGES, ovs::CMD_BOWLAVERAGES, ovs::CMD_POINTSAVERAGES}) {
        auto seen = OnEveryDialog(2, [&](QDialog* d) {
            titles.push_back(d->windowTitle());
            CheckReportButtons(d);
        });
        // Greyed once the series is over, so asked for directly.
        ovs::ControlMenu(s->g(), id);
        QCOMPARE(*seen, 2);
    }
    QCOMPARE(static_cast<int>(titles.size()), 6);
    QCOMPARE(titles[0], QString::fromStdString("Series Batting Averages - " + ovs::SquadName(s->g(), 0)));
    QCOMPARE(titles[1], QString::fromStdString("Series Batting Averages - " + ovs::SquadName(s->g(), 1)));
    QCOMPARE(titles[5], QString::fromStdString("Series Performance Points Averages - " + ovs::SquadName(s->g(), 1)));
}

void ViewsTest::detailViewsChooseAndOpenTheSquadsViews()
{
    auto s = FilledSession(1);
    QVERIFY(s);
    ovs::Game& g = s->g();

    // Ctrl+P: the players by surname; choosing another shows him.
    bool opened = false;
    OnDialog("PlayerBox", [&](QDialog* d) {
        opened = true;
        QCOMPARE(d->windowTitle(), QString("Player Details"));
        CheckReportButtons(d);
        auto* combo = d->findChild<QComboBox*>("ctl200");
        QVERIFY(combo);
        const std::vector<ovs::ViewChoice> players = ovs::PlayerChoices(g);
        QCOMPARE(combo->count(), static_cast<int>(players.size()));
        QCOMPARE(combo->itemText(0), QString::fromStdString(players[0].text));
        auto* canvas = d->findChild<gui::ColumnCanvas*>("canvas");
        auto first = [&] { return canvas->Cells().front().text; };
        QCOMPARE(first(), QString::fromStdString(ovs::DisplayName(g.db.players[players[0].index])));
        combo->setCurrentIndex(3);
        QCOMPARE(first(), QString::fromStdString(ovs::DisplayName(g.db.players[players[3].index])));
    });
    s->Key(Qt::Key_P, Qt::ControlModifier);
    QVERIFY(opened);

    // Ctrl+S: a squad, its career batting averages and current ratings.
    std::vector<QString> inner;
    OnDialog("SquadBox", [&](QDialog* d) {
        auto* combo = d->findChild<QComboBox*>("ctl200");
        QVERIFY(combo);
        QCOMPARE(combo->count(), g.db.NumSquads());
        combo->setCurrentIndex(1);
        auto seen = OnEveryDialog(1, [&](QDialog* a) { inner.push_back(a->windowTitle()); });
        Click(d, "ctl210");
        auto seen2 = OnEveryDialog(1, [&](QDialog* a) {
            inner.push_back(a->windowTitle());
            auto* canvas = a->findChild<gui::ColumnCanvas*>("canvas");
            QVERIFY(canvas && !canvas->Cells().empty());
        });
        Click(d, "ctl213");
    });
    s->Key(Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(static_cast<int>(inner.size()), 2);
    QCOMPARE(inner[0], QString("Career Batting Averages - ") + g.db.squads[1].szName);
    QCOMPARE(inner[1], QString("Current Ratings"));

    opened = false;
    OnDialog("GroundBox", [&](QDialog* d) {
        opened = true;
        auto* combo = d->findChild<QComboBox*>("ctl200");
        QCOMPARE(combo->count(), g.db.NumGrounds());
    });
    s->Key(Qt::Key_G, Qt::ControlModifier);
    QVERIFY(opened);
}

void ViewsTest::choosersReturnTheChoice()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    const std::vector<ovs::ViewChoice> players = ovs::PlayerChoices(s.g());
    OnDialog("GetPlayerBox", [&](QDialog* d) {
        d->findChild<QComboBox*>("ctl200")->setCurrentIndex(2);
        Click(d, "ctl150");
    });
    QCOMPARE(gui::RunGetPlayerBox(&s.window(), s.g(), -1), players[2].index);
    OnDialog("GetGroundBox", [&](QDialog* d) { Click(d, "ctl151"); });
    QCOMPARE(gui::RunGetGroundBox(&s.window(), s.g(), 0), -1);
}

void ViewsTest::picturesAtEveryWindowSize()
{
    const char* const sizes[] = {"", "640x480", "800x600", "1024x768"};
    for (int r = 1; r <= 3; ++r) {
        auto s = FilledSession(r);
        QVERIFY(s);
        OnDialog("RunsTestsBox", [&](QDialog* d) {
            QVERIFY(d->width() <= s->window().width());
            Shot(d, QString("view_most_runs_%1").arg(sizes[r]));
        });
        gui::RunViewBox(&s->window(), s->g(), "most-runs", -1);
        OnDialog("PlayerBox", [&](QDialog* d) {
            QVERIFY(d->height() <= s->window().height());
            Shot(d, QString("view_player_details_%1").arg(sizes[r]));
        });
        gui::RunViewBox(&s->window(), s->g(), "player-details", -1);
    }
}

void ViewsTest::scorecardButtonsShowEachInnings()
{
    guitest::GuiSession s(false, 3);   // the scorecard pane is there from 1024 wide
    QVERIFY(s.Started());
    QVERIFY(s.StartWatchedSeries(0, 1, 1, false));
    ovs::Game& g = s.g();
    QVERIFY(s.PlayOversUntil([&] { return g.Current.nInnings >= 1 && g.pInnings->nTotalBalls >= 6; }));
    auto* first = s.window().findChild<QPushButton*>("ctl3000");
    auto* second = s.window().findChild<QPushButton*>("ctl3001");
    QVERIFY(first && second);
    QVERIFY(first->isVisible() && second->isVisible());
    QVERIFY(!s.window().findChild<QPushButton*>("ctl3002")->isVisible());
    const int before = g.Current.nInnings;
    QString title;
    OnDialog("ScoreboardBox", [&](QDialog* d) { title = d->windowTitle(); });
    first->click();
    QVERIFY2(title.contains("1st Innings"), qPrintable(title));
    QCOMPARE(static_cast<int>(g.Current.nInnings), before);
    QVERIFY(g.pInnings == &g.pTest->Innings[before]);
}

void ViewsTest::pickTeamHidesInjuredMembers()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    std::string refusal;
    QVERIFY(ovs::SetUpComputerSeries(g, 0, 1, 1, false, refusal));
    const int injured = g.db.squads[g.Series.nSquad[0]].nPlayer[2];
    g.db.players[injured].nInjury = 2;
    g.Current.nTest = 0;
    g.SelectTestAndInnings();
    bool seen = false;
    OnDialog("SelectTeamBox", [&](QDialog* d) {
        seen = true;
        QVERIFY(d->findChild<QWidget*>("ctl102")->isHidden());
        QVERIFY(!d->findChild<QWidget*>("ctl101")->isHidden());
        QVERIFY(d->findChild<QWidget*>("injured102"));
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::PickTeam;
    req.side = 0;
    gui::RunPickTeamBox(&s.window(), g, req);
    QVERIFY(seen);
}

void ViewsTest::seriesSummaryAsksToReplayATest()
{
    auto s = FilledSession(1);
    QVERIFY(s);
    ovs::Game& g = s->g();
    OnDialog("SeriesSummaryBox", [&](QDialog* d) { Click(d, "replay0"); });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::SeriesSummary;
    QVERIFY(gui::RunSeriesSummaryBox(&s->window(), g, req));
    QCOMPARE(req.result, 100);
    // Closed without it: OK.
    OnDialog("SeriesSummaryBox", [&](QDialog* d) { Click(d, "ctl150"); });
    QVERIFY(gui::RunSeriesSummaryBox(&s->window(), g, req));
    QCOMPARE(req.result, 1);
}

}  // namespace

QTEST_MAIN(ViewsTest)
#include "views_test.moc"
