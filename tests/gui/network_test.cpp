// The desktop game plays a short network series against the headless
// program over loopback: it connects through its Network menu box, and the
// computer makes its side's choices through the same protocol.
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QTimer>
#include <QProcess>
#include <QTest>

#include "core/flow.h"
#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "gui_session.h"
#include "net/network.h"
#include "net/session.h"

using namespace ovs;
using guitest::GuiSession;

namespace {

// The computer makes the choices of play; the network boxes are shown.
void ShowNetworkBoxes(GuiSession& s)
{
    s.host().dialogAnswer = [](DialogRequest& r) {
        return r.id == Dialog::NetworkServer || r.id == Dialog::NetworkClient ? -1 : 0;
    };
}

// Starts the headless program serving in `dir` with `args`; the port it
// serves, or 0 (its output so far in `out`).
int StartHeadless(QProcess& server, const QString& dir, const QStringList& args, QByteArray& out)
{
    server.setProcessChannelMode(QProcess::MergedChannels);
    const QString cli = QFileInfo(OVALSPIN_DB_FILE).absolutePath() + "/ovalspin-cli";
    server.start(cli, QStringList{"--data", dir} + args);
    if (!server.waitForStarted(10000)) return 0;
    for (int k = 0; k < 600 && !out.contains("Serving on port "); ++k) {
        server.waitForReadyRead(100);
        out += server.readAll();
    }
    const int at = out.indexOf("Serving on port ");
    return at < 0 ? 0 : out.mid(at + 16).split('\n').first().trimmed().toInt();
}

}  // namespace

class NetworkTest : public QObject {
    Q_OBJECT

private slots:
    void PlaysASeriesAgainstTheHeadlessProgram();
    void RefusesBadEntries();
    void BoxesOfNetworkPlayCarryAChatLine();
    void AgreesTheSeriesInTheSeriesBox();
    void ServersBoxWaitsForTheClientsReady();
};

void NetworkTest::PlaysASeriesAgainstTheHeadlessProgram()
{
    QTemporaryDir serverDir;
    QProcess server;
    QByteArray out;
    const QByteArray port = QByteArray::number(StartHeadless(
        server, serverDir.path(),
        {"--seed", "21", "serve", "--port", "0", "--name", "Headless", "--tests", "1", "--no-weather", "--wait", "60",
         "--save", "1", "2"},
        out));
    QVERIFY2(port != "0", out.constData());

    GuiSession s;
    QVERIFY(s.Started());
    ShowNetworkBoxes(s);
    guitest::OnDialog("NetworkClientBox", [&](QDialog* d) {
        d->findChild<QLineEdit*>("ctl200")->setText("Desktop");
        d->findChild<QLineEdit*>("ctl202")->setText("127.0.0.1");
        d->findChild<QLineEdit*>("ctl201")->setText(QString::fromLatin1(port));
        guitest::Click(d, "ctl150");
    });
    s.window().Command(CMD_NETCLIENT);
    QVERIFY(NetworkClient(s.g()));
    QCOMPARE(QString::fromStdString(s.g().net->opponent), QString("Headless"));

    // Play on, over by over, until the series has ended on this copy.
    bool ended = false;
    for (int turn = 0; turn < 20'000'000 && !ended; ++turn) {
        QCoreApplication::processEvents();
        if (s.g().bPaused == 1 && s.g().queue.Empty()) s.window().Command(CMD_NEXTOVER);
        if (turn % 2000 == 0 && s.g().queue.Empty())
            ended = s.LogText().contains("Processing WM_ENDSERIES message");
        if (!s.g().net || s.g().net->Lost()) break;
    }
    if (!ended) {
        qInfo("net %d lost %d status %s", s.g().net ? 1 : 0, s.g().net && s.g().net->Lost(),
              s.g().net ? s.g().net->status.c_str() : "");
        const QStringList lines = s.LogText().split('\n');
        QVERIFY2(ended, lines.mid(std::max<qsizetype>(0, lines.size() - 40)).join('\n').toLocal8Bit().constData());
    }
    // The headless copy ends once this one has gone.
    NetworkClose(s.g());
    QVERIFY(server.waitForFinished(60000));
    out += server.readAll();
    QVERIFY2(server.exitCode() == 0, out.constData());
    const QByteArray result = QByteArray(s.g().Series.Test[0].szResult);
    QVERIFY2(out.contains(result), (out + "\n--- desktop: " + result).constData());
}

void NetworkTest::RefusesBadEntries()
{
    GuiSession s;
    QVERIFY(s.Started());
    ShowNetworkBoxes(s);
    s.host().boxes.clear();
    guitest::OnDialog("NetworkServerBox", [&](QDialog* d) {
        d->findChild<QLineEdit*>("ctl201")->setText("1023");
        guitest::Click(d, "ctl150");
        d->findChild<QLineEdit*>("ctl200")->setText("");
        d->findChild<QLineEdit*>("ctl201")->setText("2257");
        guitest::Click(d, "ctl150");
        guitest::Click(d, "ctl151");
    });
    s.window().Command(CMD_NETSERVER);
    QVERIFY(!NetworkPlay(s.g()));
    QVERIFY(s.host().boxes.size() >= 2);
    QVERIFY(QString::fromStdString(s.host().boxes[0].text).startsWith("Port numbers below 1024 are reserved"));
    QCOMPARE(QString::fromStdString(s.host().boxes[1].text), QString("No Player name entered."));
    QCOMPARE(QString::fromStdString(s.host().boxes[1].caption), QString("Ovalspin - Warning"));

    s.host().boxes.clear();
    s.window().Command(CMD_NETINFO);
    QCOMPARE(s.host().boxes.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(s.host().boxes[0].text).startsWith("Host name is ") ||
            s.host().boxes[0].text == "Bad Host look-up.\n");
}

// While a connection is up the program's message boxes become the network's
// information and yes/no boxes, a wait for the other player shows the waiting
// box, and a line sent from any of them pops up on the other copy.
void NetworkTest::BoxesOfNetworkPlayCarryAChatLine()
{
    QTemporaryDir serverDir;
    QProcess server;
    QByteArray out;
    const int port =
        StartHeadless(server, serverDir.path(), {"serve", "--port", "0", "--name", "Headless", "--wait", "60", "1", "2"}, out);
    QVERIFY2(port > 0, out.constData());

    GuiSession s;
    QVERIFY(s.Started());
    Game& g = s.g();
    QVERIFY(NetworkConnect(g, "Desktop", "127.0.0.1", port));
    s.host().boxAnswer = nullptr;

    QString text, title, icon;
    guitest::OnDialog("NetworkYesNoBox", [&](QDialog* d) {
        title = d->windowTitle();
        text = d->findChild<QLabel*>("ctl251")->text();
        QCOMPARE(d->findChild<QLineEdit*>("ctl205")->maxLength(), 80);
        d->findChild<QLineEdit*>("ctl205")->setText("Shall we?");
        guitest::Click(d, "ctl206");
        QVERIFY(d->findChild<QLineEdit*>("ctl205")->text().isEmpty());
        guitest::Click(d, "ctl151");
    });
    QCOMPARE(s.host().MessageBox("Do you wish to take the New Ball?", "New Ball", BoxButtons::YesNo, BoxIcon::Question),
             int(IDNO));
    QCOMPARE(title, QString("New Ball"));
    QCOMPARE(text, QString("Do you wish to take the New Ball?"));

    guitest::OnDialog("NetworkInfoBox", [&](QDialog* d) {
        text = d->findChild<QLabel*>("ctl251")->text();
        guitest::Click(d, "ctl150");
    });
    QCOMPARE(s.host().MessageBox("Bowled him.", "Wicket", BoxButtons::Ok, BoxIcon::Information), int(IDOK));
    QCOMPARE(text, QString("Bowled him."));

    // The waiting box closes itself once the wait is over; Cancel gives up.
    g.net->waiting = "Waiting for Headless to finish picking their team.";
    bool over = false;
    QTimer::singleShot(300, &s.window(), [&] { over = true; });
    guitest::OnDialog("NetworkWaitingBox", [&](QDialog* d) {
        text = d->findChild<QLabel*>("ctl251")->text();
        for (int k = 0; k < 300 && d->isVisible(); ++k) QTest::qWait(10);
    });
    QVERIFY(s.host().WaitNested([&] { return over; }));
    QCOMPARE(text, QString("Waiting for Headless to finish picking their team."));
    guitest::OnDialog("NetworkWaitingBox", [&](QDialog* d) { guitest::Click(d, "ctl151"); });
    QVERIFY(!s.host().WaitNested([] { return false; }));

    // Outside network play the plain box is back.
    NetworkClose(g);
    QVERIFY(server.waitForFinished(60000));
    QFile log(serverDir.path() + "/DEBUG.TXT");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY2(log.readAll().contains("Received message NM_NETPROD"), "the line sent did not arrive");
}

// The client's series box: the server's choices arrive as the server's own
// clicks, the chat line goes both ways, and Ready lets the server's OK start
// the same series on this copy.
void NetworkTest::AgreesTheSeriesInTheSeriesBox()
{
    QTemporaryDir serverDir;
    QProcess server;
    QByteArray out;
    const int port = StartHeadless(server, serverDir.path(),
                                   {"serve", "--port", "0", "--name", "Headless", "--tests", "2", "--no-weather",
                                    "--wait", "60", "1", "2"},
                                   out);
    QVERIFY2(port > 0, out.constData());

    GuiSession s;
    QVERIFY(s.Started());
    Game& g = s.g();
    s.host().dialogAnswer = [](DialogRequest& r) { return r.id == Dialog::NetworkSeries ? -1 : 0; };
    QVERIFY(NetworkConnect(g, "Desktop", "127.0.0.1", port));

    bool seen = false, started = false;
    QString failure;
    auto check = [&](bool ok, const char* what) {
        if (!ok && failure.isEmpty()) failure = what;
    };
    guitest::OnDialog("NetworkSeriesBox", [&](QDialog* d) {
        seen = true;
        check(d->windowTitle() == "Network Series", "title");
        check(d->findChild<QLabel*>("ctl102")->text() == "Headless", "server's name by the first squad");
        check(d->findChild<QLabel*>("ctl106")->text() == "Desktop", "client's name by the second squad");
        check(d->findChild<QRadioButton*>("ctl140")->text() == "Headless", "Server radio");
        check(d->findChild<QRadioButton*>("ctl141")->text() == "Desktop", "Client radio");
        check(d->findChild<QPushButton*>("ctl103")->isHidden() && d->findChild<QPushButton*>("ctl150")->isHidden(),
              "the server's controls hidden on the client");
        check(!d->findChild<QPushButton*>("ctl107")->isHidden(), "the client's Get Squad");
        check(d->findChild<QLineEdit*>("ctl205")->maxLength() == 50, "chat limit");
        auto* chat = d->findChild<QListWidget*>("ctl204");
        for (int k = 0; k < 500 && !(chat->count() > 0 && d->findChild<QRadioButton*>("ctl131")->isChecked()); ++k)
            QTest::qWait(10);
        check(d->findChild<QRadioButton*>("ctl131")->isChecked(), "the server's two Tests");
        check(d->findChild<QCheckBox*>("ctl110")->isChecked(), "the server's no-weather tick");
        check(chat->count() == 1 && chat->item(0)->text().startsWith("Headless: Please choose "), "server's chat");
        d->findChild<QLineEdit*>("ctl205")->setText("Ready soon");
        guitest::Click(d, "ctl206");
        check(chat->count() == 2 && chat->item(1)->text() == "Desktop: Ready soon", "own chat line");
        d->findChild<QCheckBox*>("ctl203")->click();
        for (int k = 0; k < 500 && d->isVisible(); ++k) QTest::qWait(10);
        started = d->result() == QDialog::Accepted;
        QTimer::singleShot(0, &s.window(), [&g] { NetworkClose(g); });
    });
    NetworkBegin(g);
    s.window().KickPump();
    for (int k = 0; k < 20000 && !started && !(g.net && g.net->Lost()); ++k) QCoreApplication::processEvents();
    QVERIFY(seen);
    QVERIFY2(failure.isEmpty(), failure.toLocal8Bit().constData());
    QVERIFY(started);
    QCOMPARE(int(g.Series.nNumTests), 2);
    QCOMPARE(int(g.Series.nControl[0]), int(CONTROL_NETHOME));
    QCOMPARE(int(g.Series.nControl[1]), int(CONTROL_NETAWAY));
    QCOMPARE(QByteArray(g.Series.szPlayer[0]), QByteArray("Headless"));
    QCOMPARE(QByteArray(g.Series.szPlayer[1]), QByteArray("Desktop"));
    QCOMPARE(int(g.Series.bAllowWeather), 0);
    NetworkClose(g);
    server.waitForFinished(60000);
    QFile log(serverDir.path() + "/DEBUG.TXT");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY2(log.readAll().contains("Received text Desktop: Ready soon"), "the chat line did not arrive");
}

// The server's series box: OK waits for the client's Ready, and starts the
// series with the client's squad as the other side.
void NetworkTest::ServersBoxWaitsForTheClientsReady()
{
    GuiSession s;
    QVERIFY(s.Started());
    Game& g = s.g();
    s.host().dialogAnswer = [](DialogRequest& r) { return r.id == Dialog::NetworkSeries ? -1 : 0; };
    QVERIFY(NetworkServe(g, "Desktop", 0));
    QTemporaryDir clientDir;
    QProcess client;
    client.setProcessChannelMode(QProcess::MergedChannels);
    const QString cli = QFileInfo(OVALSPIN_DB_FILE).absolutePath() + "/ovalspin-cli";
    client.start(cli, {"--data", clientDir.path(), "connect", "--host", "127.0.0.1", "--port",
                       QString::number(g.net->ServedPort()), "--name", "Headless"});
    QVERIFY(client.waitForStarted(10000));
    bool connected = false;
    for (int k = 0; k < 1000 && !(connected = NetworkAccept(g)); ++k) QTest::qWait(10);
    QVERIFY(connected);

    bool disabledFirst = false, started = false;
    QString away;
    guitest::OnDialog("NetworkSeriesBox", [&](QDialog* d) {
        auto* ok = d->findChild<QPushButton*>("ctl150");
        disabledFirst = !ok->isEnabled() && d->findChild<QPushButton*>("ctl107")->isHidden() &&
                        d->findChild<QCheckBox*>("ctl203")->isHidden();
        for (int k = 0; k < 500 && !ok->isEnabled(); ++k) QTest::qWait(10);
        away = d->findChild<QLabel*>("ctl104")->text();
        guitest::Click(d, "ctl150");
        started = d->result() == QDialog::Accepted;
        QTimer::singleShot(0, &s.window(), [&g] { NetworkClose(g); });
    });
    NetworkBegin(g);
    s.window().KickPump();
    for (int k = 0; k < 20000 && !started && !(g.net && g.net->Lost()); ++k) QCoreApplication::processEvents();
    QVERIFY(disabledFirst);
    QVERIFY(started);
    QCOMPARE(QByteArray(g.Series.szPlayer[0]), QByteArray("Desktop"));
    QCOMPARE(QByteArray(g.Series.szPlayer[1]), QByteArray("Headless"));
    QVERIFY(!away.isEmpty());
    QCOMPARE(QByteArray(g.Series.Squad[1].szName).left(away.size()), away.toLatin1());
    NetworkClose(g);
    client.waitForFinished(60000);
}

QTEST_MAIN(NetworkTest)
#include "network_test.moc"
