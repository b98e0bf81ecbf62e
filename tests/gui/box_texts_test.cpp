// What the boxes and panes tell the reader beyond their figures: headings over
// the scoreboard's columns, the performance points and how they are rounded,
// and a tooltip and an accessible name for every button that shows only a
// letter or a picture.
#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QtTest>
#include <cstring>

#include "core/game.h"
#include "data/statistics.h"
#include "dialogs.h"
#include "dialogs/dialog_util.h"
#include "gui_session.h"
#include "panes/pane_classes.h"

using guitest::GuiSession;
using guitest::OnDialog;

class BoxTextsTest : public QObject {
    Q_OBJECT
private slots:
    void scoreboardHeadingsPointsAndTooltips();
};

void BoxTextsTest::scoreboardHeadingsPointsAndTooltips()
{
    GuiSession s(/*realDialogs=*/false, /*resolution=*/1);
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    QVERIFY(s.StartWatchedSeries(0, 1, 2));
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.pInnings->nTotalBalls >= 60; }));

    // The scoreboard: the batting figures' headings above the first batsman,
    // the bowling figures' above the first bowler.
    gui::ColumnCanvas card(88, 29);
    gui::FillScoreboard(g, card, nullptr);
    QCOMPARE(guitest::CanvasRow(card, 0), QStringList({"R", "B", "4s", "6s"}));
    double bowlHead = -1;
    for (const gui::CellText& c : card.Cells())
        if (c.text == "O") bowlHead = c.row;
    QVERIFY(bowlHead > 0);
    QCOMPARE(guitest::CanvasRow(card, bowlHead), QStringList({"O", "M", "R", "W", "NB", "Wd"}));
    QCOMPARE(guitest::CanvasRow(card, bowlHead + 1).size(), 7);   // the first bowler: name and six figures

    // Performance points: each column rounded down on its own, the total once
    // from the unrounded points; the series figures round the batting first.
    ovs::TEST& t = *g.pTest;
    t.nBatPoints[0][0] = 599;     // 658.9
    t.nBowlPoints[0][0] = 0;
    t.nFieldPoints[0][0] = 745;   // 521.5
    gui::ColumnCanvas points(86, 15);
    gui::FillTestRating(g, points);
    const QStringList row = guitest::CanvasRow(points, 1.5);
    QCOMPARE(row.mid(1, 4), QStringList({"658", "0", "521", "1180"}));
    QCOMPARE(ovs::TestPoints(t, 0, 0), 1179);
    QVERIFY(points.AllText().contains("Total is rounded once"));

    // The captain's buttons and the condition pictures say what they are.
    auto* menu = dynamic_cast<gui::MenuPane*>(s.window().Pane(gui::PaneButtons));
    QVERIFY(menu);
    QCOMPARE(menu->ToolTipAt(QPoint(16, 16)), QString("Batting Aggression (1)"));
    QCOMPARE(menu->ToolTipAt(QPoint(6 * 32 + 16, 16)), QString("Next Over (7)"));
    QVERIFY(menu->ToolTipAt(QPoint(menu->width() - 16, 16)).startsWith("Weather"));

    // The series summary's letter buttons have tooltips and accessible names.
    bool seen = false;
    OnDialog("SeriesSummaryBox", [&](QDialog* d) {
        seen = true;
        int letters = 0;
        for (QAbstractButton* b : d->findChildren<QAbstractButton*>()) {
            if (b->text().size() > 1) continue;
            ++letters;
            QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
            QCOMPARE(b->accessibleName(), b->toolTip());
        }
        QVERIFY(letters >= 4);
        QCOMPARE(d->findChild<QAbstractButton*>("ctl500")->toolTip(),
                 QString("Write the scoreboard of the 1st Test to a text file"));
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::SeriesSummary;
    // The first Test finished, so its letter buttons show.
    std::strcpy(g.Series.Test[0].szResult, "Test Match Drawn.");
    QVERIFY(gui::RunSeriesSummaryBox(&s.window(), g, req));
    QVERIFY(seen);
}

QTEST_MAIN(BoxTextsTest)
#include "box_texts_test.moc"
