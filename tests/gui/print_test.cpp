// Printing on the offscreen platform: reports as PDF files read back with
// pdftotext, the headless `ovalspin --print-pdf`, and the PrintStop box whose
// Cancel ends the job.
#include <QApplication>
#include <QDialog>
#include <QFileInfo>
#include <QProcess>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "core/game.h"
#include "gui_session.h"
#include "report_print.h"

namespace {

QString BuildDir() { return QFileInfo(OVALSPIN_DB_FILE).absolutePath(); }

// The text of a PDF, laid out as on the page.
QString PdfText(const QString& file)
{
    QProcess p;
    p.start("pdftotext", {"-layout", file, "-"});
    p.waitForFinished(20000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

int Run(const QString& program, const QStringList& args, QString* out = nullptr)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    p.waitForFinished(60000);
    if (out) *out = QString::fromUtf8(p.readAll());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

}  // namespace

class PrintTest : public QObject {
    Q_OBJECT

private slots:
    void headlessPdfOfScoreboardRecordsAndSquad();
    void cancelInPrintStopEndsTheJob();
};

void PrintTest::headlessPdfOfScoreboardRecordsAndSquad()
{
    QTemporaryDir data;
    QString out;
    QCOMPARE(Run(BuildDir() + "/ovalspin-cli", {"--data", data.path(), "--seed", "5", "play", "--tests", "1", "--save",
                                                "1", "2"}, &out),
             0);
    const QString ovalspin = BuildDir() + "/ovalspin";
    const QString board = data.filePath("board.pdf");
    QCOMPARE(Run(ovalspin, {"--data", data.path(), "--print-pdf", "scoreboard", board}, &out), 0);
    const QString text = PdfText(board);
    QVERIFY2(text.contains("Ovalspin Scoreboard"), qPrintable(text.left(400)));
    QVERIFY(text.contains("1st Innings"));
    QVERIFY(text.contains("Fall of Wkt"));
    QVERIFY(text.contains(" won by ") || text.contains("drawn") || text.contains("Drawn"));
    // The worm and the Manhattans follow on pages of their own: drawings, no text.
    const QStringList pages = text.split('\f');
    QVERIFY(pages.size() >= 3);
    QVERIFY(pages[pages.size() - 2].trimmed().isEmpty());

    const QString squad = data.filePath("squad.pdf");
    QCOMPARE(Run(ovalspin, {"--data", data.path(), "--print-pdf", "squad-details", squad}, &out), 0);
    QVERIFY(PdfText(squad).contains("Player"));

    const QString records = data.filePath("records.pdf");
    QCOMPARE(Run(ovalspin, {"--data", data.path(), "--print-pdf", "most-runs", records}, &out), 0);
    QVERIFY(PdfText(records).contains("Most Runs in Tests"));

    // A report that is not there is refused with a word, not a hang.
    QCOMPARE(Run(ovalspin, {"--data", data.path(), "--print-pdf", "no-such-report", records}, &out), 1);
    QVERIFY(out.contains("no-such-report"));
}

void PrintTest::cancelInPrintStopEndsTheJob()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    s.host().boxAnswer = [](const gui::BoxRecord&) { return ovs::IDOK; };
    bool sawStop = false;
    bool windowDisabled = false;
    QTimer::singleShot(0, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "PrintStopBox" && w->isVisible()) {
                sawStop = true;
                windowDisabled = !s.window().isEnabled();
                if (auto* b = w->findChild<QPushButton*>("ctl151")) b->click();
            }
    });
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(s.DataDir() + "/cancelled.pdf");
    QVERIFY(!gui::DrawReport(printer, &s.window(), s.g(), "most-runs", {}));
    QVERIFY(sawStop);
    QVERIFY(windowDisabled);
    QVERIFY(s.window().isEnabled());
    QCOMPARE(QString::fromStdString(s.host().boxes.back().text), QString("Print job cancelled."));
    QCOMPARE(QString::fromStdString(s.host().boxes.back().caption), QString("Ovalspin - Printer Error"));
}

QTEST_MAIN(PrintTest)
#include "print_test.moc"
