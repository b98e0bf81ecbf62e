// The series summary box: one row per Test with its result and its views,
// the series standing, and the averages buttons (both sides' series
// averages in turn).
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>
#include <cstring>

#include "core/ballbyball.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/series.h"
#include "data/statistics.h"
#include "dialog_kit.h"
#include "dialog_util.h"
#include "dialogs.h"
#include "mail_boxes.h"
#include "report_print.h"
#include "report_files.h"

namespace gui {

namespace {

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

// Runs `view` with Test t in place of the Test in play, then puts it back.
template <class F>
void WithTest(ovs::Game& g, int t, F view)
{
    const ovs::CURRENT saved = g.Current;
    g.Current.nTest = static_cast<std::int16_t>(t);
    g.Current.nTarget = 0;
    g.SelectTestAndInnings();
    view();
    g.Current = saved;
    g.SelectTestAndInnings();
}

// "View": the scoreboard of each innings begun, then the points.
void ViewTest(QWidget* parent, ovs::Game& g, int t)
{
    WithTest(g, t, [&] {
        for (int i = 0; i < ovs::MAX_INNINGS; ++i) {
            if (g.Series.Test[t].Innings[i].nStatus == ovs::INNINGS_NOTSTARTED) break;
            g.Current.nInnings = static_cast<std::int16_t>(i);
            g.SelectTestAndInnings();
            ovs::DialogRequest req;
            req.id = ovs::Dialog::Scoreboard;
            RunScoreboardBox(parent, g, req);
        }
        ovs::DialogRequest req;
        req.id = ovs::Dialog::TestRating;
        RunTestRatingBox(parent, g, req);
    });
}

// "F" and "H": the Test's scoreboard as text or as a page.
void SaveTest(QWidget* parent, ovs::Game& g, int t, bool html)
{
    WithTest(g, t, [&] {
        ovs::ReportParams p;
        p.test = t;
        SaveReport(parent, g, "scoreboard", p, html);
    });
}

}  // namespace

bool RunSeriesSummaryBox(QWidget* parent, ovs::Game& g, ovs::DialogRequest& req)
{
    const ovs::SERIES& s = g.Series;
    if (s.nNumTests < 1) return false;
    QDialog d(parent);
    d.setObjectName("SeriesSummaryBox");
    StyleDialog(d, Q(ovs::SquadName(g, 0) + " vs " + ovs::SquadName(g, 1) + " - Series Summary"));
    auto* top = new QVBoxLayout(&d);
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    top->addLayout(grid);
    int result = 1;
    for (int t = 0; t < s.nNumTests && t < ovs::MAX_TESTS; ++t) {
        const int ground = s.nGround[t];
        const std::string venue =
            ground < static_cast<int>(g.db.grounds.size()) && ground != 255 ? g.db.grounds[ground].szName : "";
        grid->addWidget(new QLabel(Q(Ordinal(t + 1) + " Test - " + venue), &d), t, 0);
        auto* res = new QLabel(Q(s.Test[t].szResult), &d);
        res->setObjectName(QString("result%1").arg(t));
        res->setMinimumWidth(220);
        grid->addWidget(res, t, 1);
        const bool unplayed = StartsWith(s.Test[t].szResult, "Not yet");
        const bool inPlay = StartsWith(s.Test[t].szResult, "In prog");
        // "Replay": the finished Test is played again from its record; the
        // series is back as it was when the replay ends. Not offered while a
        // replay is in play, nor in network play.
        if (!unplayed && !inPlay && ovs::ReplayOffered(g)) {
            auto* replay = new QPushButton("R", &d);
            replay->setMaximumWidth(28);
            replay->setObjectName(QString("replay%1").arg(t));
            LabelIconButton(replay, QString("Replay the %1 ball by ball").arg(Q(Ordinal(t + 1) + " Test")));
            replay->setAutoDefault(false);
            grid->addWidget(replay, t, 7);
            QObject::connect(replay, &QPushButton::clicked, &d, [&d, &result, t] {
                result = 100 + t;
                d.done(QDialog::Accepted);
            });
        }
        const char* const labels[] = {"View", "P", "F", "M", "H"};
        for (int k = 0; k < 5; ++k) {
            auto* b = new QPushButton(labels[k], &d);
            b->setObjectName(QString("ctl%1").arg(300 + 100 * k + t));
            if (k > 0) b->setMaximumWidth(28);
            static const char* const kWhat[] = {"View the scoreboards and points of the %1",
                                                "Print the scoreboard of the %1",
                                                "Write the scoreboard of the %1 to a text file",
                                                "Mail the scoreboard of the %1",
                                                "Write the scoreboard of the %1 as an HTML page"};
            LabelIconButton(b, QString(kWhat[k]).arg(Q(Ordinal(t + 1) + " Test")));
            b->setVisible(!unplayed && (k == 0 || !inPlay));
            grid->addWidget(b, t, 2 + k);
            if (k == 0) QObject::connect(b, &QPushButton::clicked, &d, [&, t] { ViewTest(&d, g, t); });
            if (k == 1)
                QObject::connect(b, &QPushButton::clicked, &d, [&, t] {
                    WithTest(g, t, [&] {
                        ovs::ReportParams p;
                        p.test = t;
                        PrintReportBox(&d, g, "scoreboard", p);
                    });
                });
            if (k == 3)
                QObject::connect(b, &QPushButton::clicked, &d, [&, t] {
                    WithTest(g, t, [&] {
                        ovs::ReportParams p;
                        p.test = t;
                        MailReport(&d, g, "scoreboard", p);
                    });
                });
            if (k == 2 || k == 4)
                QObject::connect(b, &QPushButton::clicked, &d, [&, t, k] { SaveTest(&d, g, t, k == 4); });
        }
    }
    auto* standing = new QLabel(Q(ovs::SeriesStandingText(g)), &d);
    standing->setObjectName("ctl800");
    top->addWidget(standing);
    QStringList files;
    for (int t = 0; t < s.nNumTests && t < ovs::MAX_TESTS; ++t) {
        const std::string file = ovs::BbbFilePath(g, t);
        if (!file.empty()) files << QString("%1 Test: %2").arg(Q(Ordinal(t + 1)), Q(file));
    }
    if (!files.isEmpty()) {
        auto* bbb = new QLabel("Ball by ball files:\n" + files.join("\n"), &d);
        bbb->setObjectName("ballByBallFiles");
        bbb->setTextInteractionFlags(Qt::TextSelectableByMouse);
        top->addWidget(bbb);
    }

    const bool begun = !StartsWith(s.Test[0].szResult, "Not yet") && !StartsWith(s.Test[0].szResult, "In prog");
    auto* averages = new QHBoxLayout;
    const char* const avLabels[] = {"Batting Averages", "Bowling Averages", "Points Average"};
    const ovs::SquadAverages kinds[] = {ovs::SquadAverages::Batting, ovs::SquadAverages::Bowling,
                                        ovs::SquadAverages::Points};
    for (int k = 0; k < 3; ++k) {
        auto* b = new QPushButton(avLabels[k], &d);
        b->setObjectName(QString("ctl%1").arg(802 + k));
        b->setVisible(begun);
        const ovs::SquadAverages kind = kinds[k];
        QObject::connect(b, &QPushButton::clicked, &d, [&d, &g, kind] { RunSeriesAveragesBoxes(&d, g, kind); });
        averages->addWidget(b);
    }
    top->addLayout(averages);
    // The series summary as a whole: Print (806), File, Mail and HTML.
    ovs::ReportParams whole;
    whole.test = 0;
    AddReportButtons(d, top, g, "series-summary", whole);
    if (auto* print = d.findChild<QPushButton*>("ctl152")) print->setObjectName("ctl806");
    AddOkCancelButtons(d, top);
    const bool accepted = d.exec() == QDialog::Accepted;
    if (result < 100) result = accepted ? 1 : 0;
    req.result = result;
    return true;
}

}  // namespace gui
