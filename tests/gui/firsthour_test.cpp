// What a newcomer meets: the help covers every menu command and key, the
// about box says what the game is and where its data lives, and the README's
// picture of a Test in play.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTest>

#include "core/game.h"
#include "core/menu.h"
#include "gui_session.h"

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

}  // namespace

class FirstHourTest : public QObject {
    Q_OBJECT
private slots:
    void helpCoversEveryMenuCommandAndKey();
    void aboutBoxSaysWhatAndWhere();
    void screenshotForTheReadme();
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

    // Every command of every menu is described, and every key is listed.
    int commands = 0;
    for (QAction* top : s.window().menuBar()->actions()) {
        if (!top->menu()) continue;
        for (QAction* a : top->menu()->actions()) {
            if (a->isSeparator() || a->text().isEmpty()) continue;
            const QString text = QString(a->text()).remove('&');
            QVERIFY2(menus.contains(text), qPrintable(text + " is not in menus.html"));
            for (const QKeySequence& k : a->shortcuts()) {
                const QString key = k.toString(QKeySequence::PortableText);
                QVERIFY2(keys.contains(key), qPrintable(key + " (" + text + ") is not in keys.html"));
            }
            ++commands;
        }
    }
    QVERIFY(commands >= 30);
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

QTEST_MAIN(FirstHourTest)
#include "firsthour_test.moc"
