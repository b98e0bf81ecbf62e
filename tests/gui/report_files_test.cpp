// The File and HTML buttons of the report boxes on the offscreen platform:
// the file box they open (its directory, filters and default name), the file
// written where the user answered, and a file that cannot be written.
#include <QAction>
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
