// The Send Email and Configure Email boxes on the offscreen platform: their
// checks, the settings they save, and a report mailed from its box's Mail
// button to a real SMTP server on loopback.
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <sys/stat.h>

#include "../smtp_servers.h"
#include "core/game.h"
#include "gui_session.h"
#include "mail_boxes.h"
#include "report/mail.h"

namespace {

using guitest::Click;
using guitest::OnDialog;

void Type(QDialog* d, const char* name, const QString& text)
{
    auto* e = d->findChild<QLineEdit*>(name);
    QVERIFY2(e, name);
    e->setText(text);
}

}  // namespace

class MailBoxesTest : public QObject {
    Q_OBJECT

private slots:
    void configureChecksThenSavesBothFiles();
    void reportGoesOutFromItsMailButton();
};

void MailBoxesTest::configureChecksThenSavesBothFiles()
{
    guitest::GuiSession s;
    QVERIFY(s.Started());
    auto& boxes = s.host().boxes;
    s.host().boxAnswer = [](const gui::BoxRecord&) { return ovs::IDOK; };
    bool stayedOpen = false;
    OnDialog("ConfigMailBox", [&](QDialog* d) {
        Type(d, "ctl201", "localhost");
        Type(d, "ctl202", "scorer@example.org");
        Type(d, "ctl200", "The Scorer");
        Click(d, "ctl150");
        stayedOpen = d->isVisible();
        Type(d, "ctl201", "smtp.example.org");
        Type(d, "ctl205", "2525");
        d->findChild<QComboBox*>("ctl206")->setCurrentIndex(1);
        Type(d, "ctl207", "scorer");
        Type(d, "ctl208", "secret");
        Click(d, "ctl150");
    });
    QCOMPARE(gui::RunConfigMailBox(&s.window(), s.g()), 1);
    QVERIFY(stayedOpen);
    QVERIFY(boxes.size() >= 2);
    QCOMPARE(QString::fromStdString(boxes[boxes.size() - 2].text), QString("Mail server does not have correct form."));
    QCOMPARE(QString::fromStdString(boxes.back().caption), QString("Ovalspin - Message"));
    QCOMPARE(QString(s.g().mail.szServer), QString("smtp.example.org"));
    const ovs::MailConnection c = ovs::LoadMailConnection(s.g());
    QCOMPARE(c.port, 2525);
    QVERIFY(c.security == ovs::MailSecurity::StartTls);
    QCOMPARE(QString::fromStdString(c.password), QString("secret"));
    struct stat st {};
    QCOMPARE(stat((s.DataDir() + "/MAILSERVER.CFG").toUtf8().constData(), &st), 0);
    QCOMPARE(int(st.st_mode & 0777), 0600);
    QVERIFY(QFile::exists(s.DataDir() + "/MAIL.DAT"));
    QVERIFY(!s.LogText().contains("secret"));
}

void MailBoxesTest::reportGoesOutFromItsMailButton()
{
    ovs::test::PythonSmtp server({});
    QVERIFY(server.port() > 0);
    guitest::GuiSession s;
    QVERIFY(s.Started());
    auto& boxes = s.host().boxes;
    s.host().boxAnswer = [](const gui::BoxRecord&) { return ovs::IDOK; };

    // Unconfigured: the box says so and stays open.
    OnDialog("NewMailBox", [&](QDialog* d) {
        Type(d, "ctl200", "friend@example.com");
        Click(d, "ctl150");
        QVERIFY(d->isVisible());
    });
    QCOMPARE(gui::MailReport(&s.window(), s.g(), "most-runs", {}), 0);
    QCOMPARE(QString::fromStdString(boxes.back().text), QString("You need to configure your mail details"));
    QVERIFY(!QFile::exists(s.DataDir() + "/MAILTEXT.TXT"));

    std::snprintf(s.g().mail.szServer, 128, "127.0.0.1");
    std::snprintf(s.g().mail.szAddress, 128, "scorer@example.org");
    std::snprintf(s.g().mail.szName, 128, "The Scorer");
    ovs::MailConnection c;
    c.port = server.port();
    c.timeoutSeconds = 5;
    QVERIFY(ovs::SaveMailConnection(s.g(), c));

    bool fileWhileOpen = false;
    QString subject;
    OnDialog("NewMailBox", [&](QDialog* d) {
        fileWhileOpen = QFile::exists(s.DataDir() + "/MAILTEXT.TXT");
        subject = d->findChild<QLineEdit*>("ctl202")->text();
        Type(d, "ctl200", "friend@example");
        Click(d, "ctl150");
        QCOMPARE(QString::fromStdString(boxes.back().text), QString("Invalid email address entered."));
        Type(d, "ctl200", "friend@example.com");
        d->findChild<QPlainTextEdit*>("ctl203")->setPlainText("The latest tables.");
        Click(d, "ctl150");
    });
    QCOMPARE(gui::MailReport(&s.window(), s.g(), "most-runs", {}), 1);
    QVERIFY(fileWhileOpen);
    QCOMPARE(subject, QString("OVS - Most Runs in Tests"));
    QVERIFY(!QFile::exists(s.DataDir() + "/MAILTEXT.TXT"));
    const QString message = QString::fromStdString(server.Message(1));
    QVERIFY(message.contains("Subject: OVS - Most Runs in Tests\r\n"));
    QVERIFY(message.contains("\r\n\r\nThe latest tables.\r\n\r\n"));
    QVERIFY(message.contains("Most Runs in Tests\r\n"));

    // The recipient is offered again next time.
    QString offered;
    OnDialog("NewMailBox", [&](QDialog* d) { offered = d->findChild<QLineEdit*>("ctl200")->text(); });
    gui::MailReport(&s.window(), s.g(), "most-runs", {});
    QCOMPARE(offered, QString("friend@example.com"));
}

QTEST_MAIN(MailBoxesTest)
#include "mail_boxes_test.moc"
