// The Charts box on the offscreen platform: the key opens it on the Test in
// play or a finished one, every chart of the Test is offered and drawn, Page
// Down steps through them, Escape closes it; pictures at the three window
// sizes.
#include <QComboBox>
#include <QDialog>
#include <QtTest>

#include "chart_view.h"
#include "core/menu.h"
#include "core/series.h"
#include "dialogs.h"
#include "gui_session.h"
#include "report/charts.h"

namespace {

using guitest::OnDialog;
using guitest::Shot;

class ChartsTest : public QObject {
    Q_OBJECT
private slots:
    void aFinishedTestAtEveryWindowSize();
    void theTestInPlayAndNoTestYet();
};

void ChartsTest::aFinishedTestAtEveryWindowSize()
{
    const char* const sizes[] = {"", "640x480", "800x600", "1024x768"};
    for (int r = 1; r <= 3; ++r) {
        guitest::GuiSession s(false, r);
        QVERIFY(s.Started());
        std::string refusal;
        QVERIFY(ovs::SetUpComputerSeries(s.g(), 0, 1, 1, false, refusal));
        s.window().Command(ovs::CMD_PREPAREDSERIES);
        QVERIFY(s.RunUntilIdle());
        ovs::TestFigures f;
        QVERIFY(ovs::BuildTestFigures(s.g(), 0, f));
        bool opened = false;
        OnDialog("ChartsBox", [&](QDialog* d) {
            opened = true;
            QVERIFY(d->width() <= s.window().width());
            QVERIFY(d->height() <= s.window().height());
            auto* chart = d->findChild<QComboBox*>("ctlChart");
            auto* view = d->findChild<gui::ChartView*>("chart");
            QVERIFY(chart && view);
            QCOMPARE(chart->count(), 1 + 2 * static_cast<int>(f.innings.size()));
            QCOMPARE(chart->currentText(), QString("Worm"));
            QVERIFY(view->Valid());
            QVERIFY(view->width() >= 300 && view->height() >= 180);
            Shot(d, QString("charts_worm_%1").arg(sizes[r]));
            QTest::keyClick(d, Qt::Key_PageDown);
            QVERIFY(chart->currentText().startsWith("Manhattan: "));
            QVERIFY(view->Valid());
            Shot(d, QString("charts_manhattan_%1").arg(sizes[r]));
            QTest::keyClick(d, Qt::Key_PageUp);
            QTest::keyClick(d, Qt::Key_PageUp);
            QVERIFY(chart->currentText().startsWith("Partnerships: "));
            QVERIFY(view->Valid());
            if (r == 1) Shot(d, "charts_partnerships_640x480");
            QTest::keyClick(d, Qt::Key_Escape);
            QVERIFY2(!d->isVisible(), "Escape closes the charts");
        });
        s.Key(Qt::Key_8);
        QVERIFY(opened);
    }
}

void ChartsTest::theTestInPlayAndNoTestYet()
{
    guitest::GuiSession s(false, 2);
    QVERIFY(s.Started());
    const std::size_t boxes = s.host().boxes.size();
    gui::RunChartsBox(&s.window(), s.g(), -1);
    QCOMPARE(s.host().boxes.size(), boxes + 1);
    QVERIFY(QString::fromStdString(s.host().boxes.back().text).contains("nothing to chart"));

    QVERIFY(s.StartWatchedSeries(0, 1, 2, false));
    ovs::Game& g = s.g();
    QVERIFY(s.PlayOversUntil([&] { return g.Current.nInnings >= 1 && g.pInnings->nTotalBalls >= 30; }));
    const int balls = g.pInnings->nTotalBalls;
    bool opened = false;
    OnDialog("ChartsBox", [&](QDialog* d) {
        opened = true;
        auto* test = d->findChild<QComboBox*>("ctlTest");
        QVERIFY(test->currentText().endsWith("(in play)"));
        auto* chart = d->findChild<QComboBox*>("ctlChart");
        QCOMPARE(chart->count(), 5);   // two innings begun
        chart->setCurrentIndex(2);
        QVERIFY(d->findChild<gui::ChartView*>("chart")->Valid());
        Shot(d, "charts_in_play_800x600");
        QTest::keyClick(d, Qt::Key_Escape);
    });
    QAction* charts = s.window().findChild<QAction*>("Charts");
    QVERIFY(charts);
    charts->trigger();
    QVERIFY(opened);
    QCOMPARE(static_cast<int>(g.pInnings->nTotalBalls), balls);   // the charts did not play on
}

}  // namespace

QTEST_MAIN(ChartsTest)
#include "charts_test.moc"
