// The File and HTML buttons of the report boxes on the offscreen platform:
// the file box they open (its directory, filters and default name), the file
// written where the user answered, and a file that cannot be written.
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "core/game.h"
#include "core/innings.h"
#include "core/series.h"
#include "data/statistics.h"
#include "dialogs.h"
#include "gui_session.h"
#include "core/menu.h"
#include "report/view_tables.h"
#include "report_files.h"

namespace {

using guitest::Click;
using guitest::OnDialog;

struct Answer {
    QStringList filters;
    QString defaultName;
    QString directory;
};

// Answers the next file box with `path` (empty: Cancel), noting what it offered.
void AnswerFileBox(const QString& path, Answer& seen)
{
    OnDialog(gui::kReportFileDialog, [path, &seen](QDialog* d) {
        auto* box = qobject_cast<QFileDialog*>(d);
        QVERIFY(box);
        seen.filters = box->nameFilters();
        seen.defaultName = box->selectedFiles().value(0).section('/', -1);
        seen.directory = box->directory().absolutePath();
        if (path.isEmpty()) return;   // left open: closed as Cancel
        box->selectFile(path);
        d->done(QDialog::Accepted);
    });
}

QString Read(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QString::fromLatin1(f.readAll());
}

}  // namespace

class ReportFilesTest : public QObject {
    Q_OBJECT

private slots:
    void seriesSummaryRowAndSeriesButtonsWriteTheirFiles();
    void averagesAndScoreboardBoxesWriteTheirReports();
    void aFileThatCannotBeWrittenIsReported();
    void viewBoxesWriteTheTablesTheyShow();
    void exportWebsiteFromTheFileMenuWritesThePages();
};

namespace {

// A series of two Tests with the first one drawn, ready for the summary box.
void DrawnFirstTest(ovs::Game& g)
{
    std::string refusal;
    QVERIFY(ovs::SetUpComputerSeries(g, 0, 1, 2, true, refusal));
    g.Current.nTest = 0;
    g.SelectTestAndInnings();
    std::snprintf(g.Series.Test[0].szResult, sizeof g.Series.Test[0].szResult, "%s", "Match Drawn.");
    g.Series.Average[0][0].Bat = {1, 2, 1, 95, 95.0f, 60, ovs::HOWOUT_NOTOUT, 0, 1, 0, 0, 0};
}

}  // namespace

void ReportFilesTest::seriesSummaryRowAndSeriesButtonsWriteTheirFiles()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    DrawnFirstTest(g);
    const QString dir = s.DataDir();
    Answer textBox, pageBox, seriesBox, cancelled;

    OnDialog("SeriesSummaryBox", [&](QDialog* d) {
        // Test 1's "F" and "H", the series' File and HTML; Test 2 is not played.
        QVERIFY(d->findChild<QPushButton*>("ctl500")->isEnabled());
        QVERIFY(d->findChild<QPushButton*>("ctl700")->isEnabled());
        QVERIFY(d->findChild<QPushButton*>("ctl501")->isHidden());
        QVERIFY(d->findChild<QPushButton*>("ctl806")->isEnabled());
        QVERIFY(d->findChild<QPushButton*>("ctl154")->isEnabled());
        QVERIFY(d->findChild<QPushButton*>("ctl600")->isEnabled());
        AnswerFileBox(dir + "/board.txt", textBox);
        Click(d, "ctl500");
        AnswerFileBox(dir + "/board.htm", pageBox);
        Click(d, "ctl700");
        AnswerFileBox(dir + "/series.htm", seriesBox);
        Click(d, "ctl155");
        AnswerFileBox("", cancelled);
        Click(d, "ctl153");
        Click(d, "ctl150");
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::SeriesSummary;
    QVERIFY(gui::RunSeriesSummaryBox(&s.window(), g, req));

    // The text names are written in mixed case; they are text files all the same.
    QCOMPARE(textBox.defaultName, QString("ScoreBrd.Txt"));
    QCOMPARE(textBox.filters, QStringList({"Text Files (*.txt)", "All Files (*.*)"}));
    QCOMPARE(pageBox.defaultName, QString("ScoreBrd.htm"));
    QCOMPARE(pageBox.filters, QStringList({"HTML Files (*.htm)", "All Files (*.*)"}));
    QCOMPARE(seriesBox.defaultName, QString("SERIES.HTM"));
    QCOMPARE(cancelled.defaultName, QString("SERIES.TXT"));
    QCOMPARE(QDir(textBox.directory).canonicalPath(), QDir(dir).canonicalPath());

    const QString board = Read(dir + "/board.txt");
    QVERIFY(board.startsWith(QString(29, ' ') + "Ovalspin Scoreboard\n"));
    QVERIFY(board.endsWith(QString(33, ' ') + "Match Drawn.\n"));
    const QString page = Read(dir + "/board.htm");
    QVERIFY(page.startsWith("<html>\n<head>\n"));
    QVERIFY(page.contains("<h3><a name=\"test1\"></a>1st Test - Played at "));
    QVERIFY(page.endsWith("</body>\n</html>\n"));
    const QString series = Read(dir + "/series.htm");
    QVERIFY(series.contains("<h3>" + QString::fromStdString(ovs::SquadName(g, 0)) + " vs "));
    QVERIFY(series.contains("<a name=\"averages2\"></a>Series Batting Averages - "));
    QVERIFY(!QFile::exists(dir + "/SERIES.TXT"));
    // The Test in play is the one it was before the buttons.
    QCOMPARE(static_cast<int>(g.Current.nTest), 0);
}

void ReportFilesTest::averagesAndScoreboardBoxesWriteTheirReports()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    DrawnFirstTest(g);
    const QString dir = s.DataDir();
    Answer averagesBox, scoreboardBox;

    OnDialog("BattingAveragesBox", [&](QDialog* d) {
        AnswerFileBox(dir + "/avg.txt", averagesBox);
        Click(d, "ctl153");
        Click(d, "ctl150");
    });
    gui::RunSquadAveragesBox(&s.window(), g, ovs::SquadAverages::Batting, ovs::AVERAGES_SERIES, 0);
    QCOMPARE(averagesBox.defaultName, QString("AVERAGES.TXT"));
    const QString averages = Read(dir + "/avg.txt");
    QVERIFY(averages.contains("Series Batting Averages - " + QString::fromStdString(ovs::SquadName(g, 0))));
    QVERIFY(averages.contains("Series Bowling Averages - "));

    OnDialog("ScoreboardBox", [&](QDialog* d) {
        AnswerFileBox(dir + "/sb.htm", scoreboardBox);
        Click(d, "ctl155");
        Click(d, "ctl150");
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::Scoreboard;
    QVERIFY(gui::RunScoreboardBox(&s.window(), g, req));
    QCOMPARE(scoreboardBox.defaultName, QString("ScoreBrd.htm"));
    QVERIFY(Read(dir + "/sb.htm").contains("<a name=\"test1\"></a>"));
}

void ReportFilesTest::aFileThatCannotBeWrittenIsReported()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    DrawnFirstTest(g);
    const QString missing = s.DataDir() + "/no-such-folder/board.txt";
    Answer seen;
    OnDialog("SeriesSummaryBox", [&](QDialog* d) {
        AnswerFileBox(missing, seen);
        Click(d, "ctl500");
        Click(d, "ctl150");
    });
    ovs::DialogRequest req;
    req.id = ovs::Dialog::SeriesSummary;
    const std::size_t before = s.host().boxes.size();
    QVERIFY(gui::RunSeriesSummaryBox(&s.window(), g, req));
    QCOMPARE(s.host().boxes.size(), before + 1);
    const gui::BoxRecord& box = s.host().boxes.back();
    QCOMPARE(QString::fromStdString(box.caption), QString("Writing Error"));
    QVERIFY2(QString::fromStdString(box.text).contains(missing), box.text.c_str());
    QVERIFY(!QFile::exists(missing));
}

// The boxes of the table views (a record table, a squad's ratings) and a
// details view with another entry chosen: all four buttons offered, and File
// and HTML write the table the box shows.
void ReportFilesTest::viewBoxesWriteTheTablesTheyShow()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    std::string refusal;
    QVERIFY(ovs::SetUpComputerSeries(g, 0, 1, 1, false, refusal));
    s.window().Command(ovs::CMD_PREPAREDSERIES);
    QVERIFY(s.RunUntilIdle());
    const QString dir = s.DataDir();
    auto allOffered = [](QDialog* d) {
        for (const char* name : {"ctl152", "ctl153", "ctl154", "ctl155"})
            QVERIFY2(d->findChild<QPushButton*>(name)->isEnabled(), name);
    };

    ovs::ViewTable highest;
    QVERIFY(ovs::BuildView(g, "highest-innings", 0, highest));
    QVERIFY(highest.rows.size() >= 2);   // one Test: two innings at least
    Answer text, page;
    OnDialog("HighestInningsBox", [&](QDialog* d) {
        allOffered(d);
        AnswerFileBox(dir + "/high.txt", text);
        Click(d, "ctl153");
        AnswerFileBox(dir + "/high.htm", page);
        Click(d, "ctl155");
        Click(d, "ctl150");
    });
    gui::RunViewBox(&s.window(), g, "highest-innings", 0);
    QCOMPARE(text.defaultName, QString("HighInns.txt"));
    QCOMPARE(page.defaultName, QString("HighInns.htm"));
    const QString table = Read(dir + "/high.txt");
    QVERIFY2(table.contains(QString(31, ' ') + "Highest Innings\n"), qPrintable(table));
    // Each row's figures and venue, best first.
    const QStringList lines = table.split('\n');
    int at = 0;
    for (const std::vector<std::string>& row : highest.rows) {
        const QString venue = QString::fromStdString(row[2]);
        while (at < lines.size() && !lines[at].endsWith(venue)) ++at;
        QVERIFY2(at < lines.size(), qPrintable(venue));
        QVERIFY(lines[at].contains(QString::fromStdString(row[0].substr(0, row[0].find('-')))));
        ++at;
    }
    const QString html = Read(dir + "/high.htm");
    QVERIFY(html.startsWith("<html>\n<head>\n"));
    QVERIFY(html.contains("Highest Innings"));
    QVERIFY(html.contains(QString::fromStdString(highest.rows[0][2])));
    QVERIFY(html.endsWith("</body>\n</html>\n"));

    // A squad's ratings are written with its details.
    Answer ratings;
    OnDialog("CurrentRatingsBox", [&](QDialog* d) {
        allOffered(d);
        AnswerFileBox(dir + "/ratings.txt", ratings);
        Click(d, "ctl153");
        Click(d, "ctl150");
    });
    gui::RunViewBox(&s.window(), g, "current-ratings", 1);
    QCOMPARE(ratings.defaultName, QString("Squad.txt"));
    QVERIFY(Read(dir + "/ratings.txt").contains("Squad Details - " + QString::fromLatin1(g.db.squads[1].szName)));

    // The details box writes the player chosen in it, not the one it opened on.
    const std::vector<ovs::ViewChoice> players = ovs::PlayerChoices(g);
    QVERIFY(players.size() > 3);
    const ovs::ViewChoice chosen = players[3];
    Answer details, detailsPage;
    OnDialog("PlayerBox", [&](QDialog* d) {
        auto* combo = d->findChild<QComboBox*>("ctl200");
        QVERIFY(combo);
        combo->setCurrentIndex(3);
        allOffered(d);
        AnswerFileBox(dir + "/player.txt", details);
        Click(d, "ctl153");
        AnswerFileBox(dir + "/player.htm", detailsPage);
        Click(d, "ctl155");
        Click(d, "ctl150");
    });
    gui::RunViewBox(&s.window(), g, "player-details", players[0].index);
    QCOMPARE(details.defaultName, QString("Player.txt"));
    QCOMPARE(detailsPage.defaultName, QString("Player.htm"));
    ovs::ReportParams p;
    p.player = chosen.index;
    std::string error;
    const std::string expected = dir.toStdString() + "/expected.txt";
    QVERIFY(ovs::WriteReportFile(g, *ovs::FindReport("player-details"), p, false, expected, error));
    const QString player = Read(dir + "/player.txt");
    QCOMPARE(player, Read(QString::fromStdString(expected)));
    QVERIFY(player.contains("Player Details - "));
    QVERIFY(Read(dir + "/player.htm").contains("Player Details - "));
}

void ReportFilesTest::exportWebsiteFromTheFileMenuWritesThePages()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    ovs::Game& g = s.g();
    DrawnFirstTest(g);
    const QString folder = s.DataDir() + "/web";
    QString offered;
    OnDialog(gui::kWebsiteDialog, [&](QDialog* d) {
        auto* box = qobject_cast<QFileDialog*>(d);
        QVERIFY(box);
        offered = box->selectedFiles().value(0);
        box->selectFile(folder);
        d->done(QDialog::Accepted);
    });
    QAction* action = s.window().findChild<QAction*>("ExportWebsite");
    QVERIFY(action);
    QVERIFY(action->text().startsWith("&Export Website"));
    const std::size_t before = s.host().boxes.size();
    action->trigger();
    QCOMPARE(offered.section('/', -1), QString("website"));
    QVERIFY(QFile::exists(folder + "/index.html"));
    QVERIFY(QFile::exists(folder + "/test-1.html"));
    QVERIFY(!QFile::exists(folder + "/test-2.html"));
    QVERIFY(Read(folder + "/index.html").contains("<a href=\"test-1.html\">1st Test"));
    QCOMPARE(s.host().boxes.size(), before + 1);
    QCOMPARE(QString::fromStdString(s.host().boxes.back().text), "Website written to " + folder + "/index.html.");
}

QTEST_MAIN(ReportFilesTest)
#include "report_files_test.moc"
