// What a newcomer meets: the help covers every menu command and key, the
// about box says what the game is and where its data lives, and the README's
// picture of a Test in play.
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>

#include "core/ballbyball.h"
#include "core/game.h"
#include "core/series.h"
#include "data/autosave.h"
#include "data/files.h"
#include "core/menu.h"
#include "gui_session.h"
#include "help_topics.h"
#include "help_window.h"

using namespace ovs;
using guitest::GuiSession;

namespace {

QString HelpPage(const QString& name)
{
    QFile f(":/help/" + name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    // The text as a reader sees it: tags and entities out, blanks collapsed.
    QString text = QString::fromUtf8(f.readAll());
    text.remove(QRegularExpression("<[^>]*>"));
    text.replace("&amp;", "&");
    return text.simplified();
}

// The text of the section of `topic` ("menus.html#records"): from its
// anchor to the next heading; the whole page without an anchor. Empty when
// the page or the anchor is missing.
QString HelpSection(const QString& topic)
{
    const QString page = topic.section('#', 0, 0), anchor = topic.section('#', 1);
    QFile f(":/help/" + page);
    if (!f.open(QIODevice::ReadOnly)) return {};
    QString html = QString::fromUtf8(f.readAll());
    if (!anchor.isEmpty()) {
        const qsizetype at = html.indexOf("name=\"" + anchor + "\"");
        if (at < 0) return {};
        const qsizetype end = html.indexOf("<h2", at);
        html = html.mid(at, end < 0 ? -1 : end - at);
    }
    html.remove(QRegularExpression("<[^>]*>"));
    html.replace("&amp;", "&");
    return html.simplified();
}

}  // namespace

class FirstHourTest : public QObject {
    Q_OBJECT
private slots:
    void helpCoversEveryMenuCommandAndKey();
    void everyCommandAndBoxHasItsSection();
    void f1OpensTheHelpAtTheBoxOrTheCommand();
    void aboutBoxSaysWhatAndWhere();
    void screenshotForTheReadme();
    void automaticSaveAfterATestAndAtExitIsOfferedByReadData();
    void ballByBallFromDisplayOptions();
};

void FirstHourTest::helpCoversEveryMenuCommandAndKey()
{
    GuiSession s;
    QVERIFY(s.Started());
    const QString menus = HelpPage("menus.html");
    const QString keys = HelpPage("keys.html");
    QVERIFY(!menus.isEmpty() && !keys.isEmpty());
    // Every page the contents name is there.
    const QString index = QString::fromUtf8([] {
        QFile f(":/help/index.html");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }());
    QRegularExpressionMatchIterator links = QRegularExpression("href=\"([a-z_]+\\.html)").globalMatch(index);
    int pages = 0;
    while (links.hasNext()) {
        const QString page = links.next().captured(1);
        QVERIFY2(!HelpPage(page).isEmpty(), qPrintable(page));
        ++pages;
    }
    QVERIFY(pages >= 6);
    // Every link between the pages leads to a page and an anchor that are there.
    for (const QString& page : QDir(":/help").entryList({"*.html"})) {
        QFile f(":/help/" + page);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(f.readAll());
        QRegularExpressionMatchIterator hrefs = QRegularExpression("href=\"([^\"]*)\"").globalMatch(html);
        while (hrefs.hasNext()) {
            QString target = hrefs.next().captured(1);
            if (target.startsWith('#')) target = page + target;
            QVERIFY2(!HelpSection(target).isEmpty(), qPrintable(page + " links to " + target + ", which is not there"));
        }
    }

    // Every command of every menu is described, and every key is listed.
    // Submenus too (the Records menu's groups): their titles and every command in them.
    int commands = 0;
    QList<QMenu*> open;
    for (QAction* top : s.window().menuBar()->actions())
        if (top->menu()) open.append(top->menu());
    while (!open.isEmpty()) {
        for (QAction* a : open.takeFirst()->actions()) {
            if (a->isSeparator() || a->text().isEmpty()) continue;
            const QString text = QString(a->text()).replace("&&", "\x01").remove('&').replace("\x01", "&");
            QVERIFY2(menus.contains(text), qPrintable(text + " is not in menus.html"));
            if (a->menu()) open.append(a->menu());
            for (const QKeySequence& k : a->shortcuts()) {
                const QString key = k.toString(QKeySequence::PortableText);
                QVERIFY2(keys.contains(key), qPrintable(key + " (" + text + ") is not in keys.html"));
            }
            ++commands;
        }
    }
    QVERIFY(commands >= 60);
}

// Every menu command is described in its own menu's section, and every box
// the game names has a section the F1 key can open.
void FirstHourTest::everyCommandAndBoxHasItsSection()
{
    GuiSession s;
    QVERIFY(s.Started());
    int commands = 0;
    for (QAction* a : s.window().findChildren<QAction*>()) {
        if (!a->data().isValid() || a->isSeparator()) continue;
        const QString topic = a->property("helpTopic").toString();
        const QString text = QString(a->text()).replace("&&", "\x01").remove('&').replace("\x01", "&");
        QVERIFY2(topic.startsWith("menus.html#"), qPrintable(text + ": no help topic"));
        QVERIFY2(HelpSection(topic).contains(text), qPrintable(text + " is not in " + topic));
        ++commands;
    }
    QVERIFY(commands >= 60);
    for (const auto& [name, topic] : gui::BoxHelpTopics())
        QVERIFY2(!HelpSection(topic).isEmpty(), qPrintable(name + ": no section " + topic));
    QCOMPARE(gui::HelpTopicForBox("NoSuchBox", "Exit Ovalspin"), QString("boxes.html#exit"));
}

// F1 in a box opens the help at that box, usable beside it while the box is
// open; F1 on a highlighted menu command opens its menu's section.
void FirstHourTest::f1OpensTheHelpAtTheBoxOrTheCommand()
{
    GuiSession s;
    QVERIFY(s.Started());
    QString shown;
    bool ownedByBox = false;
    guitest::OnDialog("OptionsDisplayBox", [&](QDialog* d) {
        QTest::keyClick(d, Qt::Key_F1);
        auto* help = d->findChild<gui::HelpWindow*>();
        if (help) {
            ownedByBox = help->isVisible() && help->isWindow();
            shown = help->Browser()->source().toString();
        }
        d->reject();
    });
    s.window().Command(CMD_DISPLAYOPTIONS);
    QCOMPARE(shown, QString("qrc:/help/options.html#display"));
    QVERIFY(ownedByBox);
    auto* help = s.window().findChild<gui::HelpWindow*>();
    QVERIFY(help && help->parentWidget() == &s.window() && help->isVisible());

    QMenu* records = s.window().menuBar()->findChild<QMenu*>("RecordsMenu");
    QVERIFY(records);
    records->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(records));
    records->setActiveAction(records->actions().first());
    QTest::keyClick(records, Qt::Key_F1);
    QCOMPARE(help->Browser()->source().toString(), QString("qrc:/help/menus.html#records"));
    QVERIFY(!records->isVisible());
}

void FirstHourTest::aboutBoxSaysWhatAndWhere()
{
    GuiSession s(true, 1);   // the real about box
    QVERIFY(s.Started());
    QString text;
    guitest::OnDialog("AboutBox", [&](QDialog* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        if (box) text = box->text() + " " + box->informativeText();
        d->accept();
    });
    s.window().Command(CMD_ABOUT);
    QVERIFY(text.contains("Test cricket, ball by ball"));
    QVERIFY2(text.contains(s.DataDir().toHtmlEscaped()), qPrintable(text));
    QVERIFY(text.contains("DEBUG.TXT"));
}

// The picture at the top of the README (docs/screenshot.png is a copy of it):
// the first Test of a watched series at 1024 x 768, some way into the first day.
void FirstHourTest::screenshotForTheReadme()
{
    GuiSession s(false, 3);
    QVERIFY(s.Started());
    Game& g = s.g();
    QVERIFY(s.StartWatchedSeries(0, 1, 1, false));
    QVERIFY(s.PlayOversUntil([&] { return g.pInnings && g.pInnings->nTotalBalls >= 6 * 32; }));
    QVERIFY(!s.Screenshot("readme").isEmpty());
}

// Nothing played is lost: a Test that ends leaves the automatic save (CURRENT.DAT
// untouched), exiting writes it again, and Read Data in the next run offers it.
void FirstHourTest::automaticSaveAfterATestAndAtExitIsOfferedByReadData()
{
    QTemporaryDir dir;
    const QString data = dir.path();
    const QString current = data + "/CURRENT.DAT";
    const QString autoSave = data + "/AUTOSAVE.DAT";
    {
        GuiSession s(false, 1, data);
        QVERIFY(s.Started());
        Game& g = s.g();
        // Written by the user before the series: it must stay as it is.
        QVERIFY(SavePosition(g));
        QVERIFY(QFile::exists(current));
        const QByteArray written = [&] {
            QFile f(current);
            return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
        }();
        std::string refusal;
        QVERIFY(SetUpComputerSeries(g, 0, 1, 2, false, refusal));
        s.window().Command(CMD_PREPAREDSERIES);
        // Unwatched, the first Test runs to its end; the save follows at once.
        for (int i = 0; i < 2000000 && FinishedTests(g) < 1; ++i) QCoreApplication::processEvents();
        QCOMPARE(FinishedTests(g), 1);
        QCoreApplication::processEvents();
        QVERIFY(QFile::exists(autoSave));
        QVERIFY(!QFile::exists(autoSave + ".tmp"));
        QFile f(current);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), written);
        // Exit (the box answered Yes) writes it again, after the second Test.
        QVERIFY(s.RunUntilIdle());
        QFile::remove(autoSave);
        QVERIFY(s.window().close());
        QVERIFY(QFile::exists(autoSave));
        QCOMPARE(s.host().boxes.back().text, std::string("Are you sure you want to Exit?"));
        QCOMPARE(s.host().boxes.back().caption, std::string("Exit Ovalspin"));
    }
    // The automatic save is newer than CURRENT.DAT: Read Data offers it, and Yes loads it.
    GuiSession s(false, 1, data);
    QVERIFY(s.Started());
    QVERIFY(AutoSaveIsNewer(s.g()));
    s.host().boxes.clear();
    s.window().Command(CMD_READDATA);
    QVERIFY(!s.host().boxes.empty());
    QVERIFY(QString::fromStdString(s.host().boxes.front().text).contains("Load the automatic save?"));
    QCOMPARE(int(s.g().Series.nNumTests), 2);
    QCOMPARE(FinishedTests(s.g()), 2);
}

// Display Options turns the ball-by-ball file on for the series; its name is
// shown while it is written and listed in the series summary.
void FirstHourTest::ballByBallFromDisplayOptions()
{
    GuiSession s(true, 1);
    QVERIFY(s.Started());
    Game& g = s.g();
    guitest::OnDialog("OptionsDisplayBox", [](QDialog* d) {
        auto* box = d->findChild<QCheckBox*>("ballByBall");
        QVERIFY(box);
        box->setChecked(true);
        d->accept();
    });
    s.window().Command(CMD_DISPLAYOPTIONS);
    QVERIFY(g.ballByBallNextSeries);
    s.host().dialogAnswer = [](DialogRequest&) { return 0; };
    QVERIFY(s.StartWatchedSeries(0, 1, 1, false));
    QVERIFY(s.RunUntilPaused());
    QCOMPARE(int(g.Series.bBallByBall), 1);
    const QString path = QString::fromStdString(BbbFilePath(g, 0));
    QVERIFY(QFile::exists(path));
    auto* status = s.window().findChild<QLabel*>("BallByBallStatus");
    QVERIFY(status && status->isVisible());
    QCOMPARE(status->text(), "Ball by ball: " + QFileInfo(path).fileName());

    QString listed;
    guitest::OnDialog("SeriesSummaryBox", [&](QDialog* d) {
        if (auto* l = d->findChild<QLabel*>("ballByBallFiles")) listed = l->text();
        d->accept();
    });
    s.host().dialogAnswer = nullptr;
    s.window().Command(CMD_RESULTS);
    QVERIFY2(listed.contains(path), qPrintable(listed));
}

QTEST_MAIN(FirstHourTest)
#include "firsthour_test.moc"
