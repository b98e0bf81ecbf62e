// Mail: the checks of the Configure Email and Send Email boxes, the connection
// settings file, and whole sends against servers on loopback: a real SMTP
// server (aiosmtpd, in a python process) plain and with STARTTLS + AUTH or TLS,
// and a scripted one in a thread that records every byte, drops the line or
// stays silent.
#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "core/game.h"
#include "core/startup.h"
#include "data/files.h"
#include "report/catalogue.h"
#include "report/mail.h"
#include "report/text_lines.h"
#include "file_fixtures.h"
#include "smtp_servers.h"
#include "test_host.h"

namespace ovs {
namespace {

using test::PythonSmtp;
using test::ReadFile;
using test::ScriptedSmtp;
using test::TempDir;
using test::TestHost;

// --- a game with mail settings ---------------------------------------------

class MailTest : public ::testing::Test {
protected:
    TestHost host;
    Game g{host};
    MailConnection conn;

    void SetUp() override
    {
        std::snprintf(g.mail.szServer, 128, "127.0.0.1");
        std::snprintf(g.mail.szAddress, 128, "scorer@example.org");
        std::snprintf(g.mail.szName, 128, "The Scorer");
        conn.timeoutSeconds = 5;
    }

    // Sends `report` (written through MAILTEXT.TXT) to `to`; the file is gone afterwards.
    bool Send(int port, const std::string& to, const std::vector<std::string>& report, const std::string& extra = "")
    {
        conn.port = port;
        MailRequest req;
        req.to = to;
        req.subject = MailSubject("Scoreboard");
        req.additionalText = extra;
        req.status = [this](const std::string& s) { statuses.push_back(s); };
        bool sent;
        {
            MailTextFile file(g, [&](TextOutput& out) {
                for (const std::string& l : report) TextWrite(out, l + "\n");
            });
            sent = SendMail(g, g.mail, conn, req, file.Path());
            EXPECT_EQ(req.state, MAIL_DONE);
        }
        EXPECT_NE(access((host.DataDir() + "/MAILTEXT.TXT").c_str(), F_OK), 0) << "MAILTEXT.TXT left behind";
        return sent;
    }

    std::string LastBox() const { return host.boxes.empty() ? "" : host.boxes.back().text; }

    std::vector<std::string> statuses;
};

// The body of a received message: what follows the blank line after the headers.
std::string Body(const std::string& message)
{
    const auto p = message.find("\r\n\r\n");
    return p == std::string::npos ? "" : message.substr(p + 4);
}

// --- the checks of the boxes ------------------------------------------------

TEST_F(MailTest, ConfigureChecksRunInOrderWithTheirTexts)
{
    struct Case {
        const char* server;
        const char* address;
        const char* name;
        const char* text;
    } cases[] = {
        {"", "", "", "No mail server entered."},
        {"localhost", "a@b.c", "N", "Mail server does not have correct form."},
        {"smtp.example.org", "", "", "No mail address entered."},
        {"smtp.example.org", "scorer@example", "N", "Mail address does not have correct form."},
        {"smtp.example.org", "scorer.example.org", "N", "Mail address does not have correct form."},
        {"smtp.example.org", "scorer@example.org", "", "No mail name entered."},
    };
    for (const Case& c : cases) {
        MAILDATA m{};
        std::snprintf(m.szServer, 128, "%s", c.server);
        std::snprintf(m.szAddress, 128, "%s", c.address);
        std::snprintf(m.szName, 128, "%s", c.name);
        host.ClearRecord();
        EXPECT_FALSE(CheckMailSettings(g, m)) << c.text;
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_EQ(host.boxes[0].text, c.text);
        EXPECT_EQ(host.boxes[0].caption, "Ovalspin - Error");
    }
    host.ClearRecord();
    EXPECT_TRUE(CheckMailSettings(g, g.mail));
    EXPECT_TRUE(host.boxes.empty());

    // Confirming shows the long message and saves MAIL.DAT.
    ConfirmMailSettings(g);
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].caption, "Ovalspin - Message");
    EXPECT_EQ(host.boxes[0].text.rfind("You have now configured your Mail Server for email within Ovalspin.  These", 0), 0u);
    EXPECT_EQ(ReadFile(host.DataDir() + "/MAIL.DAT").size(), sizeof(MAILDATA));

    // Send Email wants all three settings first.
    MAILDATA empty{};
    host.ClearRecord();
    EXPECT_FALSE(CheckMailReady(g, empty));
    EXPECT_EQ(LastBox(), "You need to configure your mail details");
    EXPECT_TRUE(CheckMailReady(g, g.mail));
}

TEST_F(MailTest, RecipientNeedsADotAndAnAtSignAndTwoCharacters)
{
    for (const char* bad : {"", "a", "friend@example", "friend.example.com", "@"}) {
        host.ClearRecord();
        EXPECT_FALSE(CheckMailRecipient(g, bad)) << bad;
        EXPECT_EQ(LastBox(), "Invalid email address entered.");
        EXPECT_EQ(host.boxes.back().caption, "Ovalspin - Error");
    }
    EXPECT_TRUE(CheckMailRecipient(g, "friend@example.com"));
    EXPECT_TRUE(CheckMailRecipient(g, "@."));
    // Only the first 127 characters are read.
    EXPECT_FALSE(CheckMailRecipient(g, "a@" + std::string(130, 'b') + ".com"));
}

TEST_F(MailTest, AdditionalTextOfThreeOrMoreCharactersGetsTwoBlankLines)
{
    EXPECT_EQ(MailAdditionalText(""), "");
    EXPECT_EQ(MailAdditionalText("Hi"), "Hi");
    EXPECT_EQ(MailAdditionalText("Hi!"), "Hi!\r\n\r\n");
    EXPECT_EQ(MailReportSubject(*FindReport("most-points")), "OVS - Points in Tests");
    EXPECT_EQ(MailReportSubject(*FindReport("best-points-average")), "OVS - Best points Average in Tests");
    EXPECT_EQ(MailReportSubject(*FindReport("squad-details")), "OVS - Squad Details ");
    EXPECT_EQ(MailReportSubject(*FindReport("scoreboard")), "OVS - Scoreboard");
}

TEST_F(MailTest, ConnectionSettingsAreCheckedAndKeptPrivately)
{
    MailConnection c;
    c.port = 70000;
    EXPECT_FALSE(CheckMailConnection(g, c));
    c.port = 0;
    c.password = "secret";
    EXPECT_FALSE(CheckMailConnection(g, c));
    c.user = "scorer";
    EXPECT_FALSE(CheckMailConnection(g, c)) << "a password must not go out in the clear";
    c.security = MailSecurity::StartTls;
    host.ClearRecord();
    EXPECT_TRUE(CheckMailConnection(g, c));
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(MailPort(c), 587);

    c.port = 2525;
    c.caFile = "/tmp/ca.pem";
    c.timeoutSeconds = 7;
    c.password = "se=cr\net";
    ASSERT_TRUE(SaveMailConnection(g, c));
    struct stat st{};
    ASSERT_EQ(stat((host.DataDir() + "/" + kMailServerName).c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    const MailConnection back = LoadMailConnection(g);
    EXPECT_EQ(back.port, 2525);
    EXPECT_EQ(back.security, MailSecurity::StartTls);
    EXPECT_EQ(back.user, "scorer");
    EXPECT_EQ(back.password, "se=cr et");
    EXPECT_EQ(back.caFile, "/tmp/ca.pem");
    EXPECT_EQ(back.timeoutSeconds, 7);
    // MAIL.DAT keeps its three blocks; nothing of the connection goes there.
    ASSERT_TRUE(SaveMail(g));
    EXPECT_EQ(ReadFile(host.DataDir() + "/MAIL.DAT").find("scorer\0", 256), std::string::npos);

    // A damaged file gives the defaults for what it spoils.
    test::WriteFile(host.DataDir() + "/" + kMailServerName, "port=abc\nsecurity=carrier pigeon\ntimeout=0\nnoise\n");
    const MailConnection bad = LoadMailConnection(g);
    EXPECT_EQ(bad.port, 0);
    EXPECT_EQ(bad.security, MailSecurity::None);
    EXPECT_EQ(bad.timeoutSeconds, 60);
}

TEST(MailDate, ClassicTextHasTwoDigitYearAndTheZonesName)
{
    const char* old = std::getenv("TZ");
    const std::string saved = old ? old : "";
    setenv("TZ", "UTC0", 1);
    // 2001-09-09 01:46:40 UTC, a Sunday.
    EXPECT_EQ(MailDateText(1000000000), "Sun, 09 Sep 01 01:46:40 UTC");
    EXPECT_EQ(MailRfcDate(1000000000), "Sun, 09 Sep 2001 01:46:40 +0000");
    // A zone with daylight saving shows its summer name all year round.
    setenv("TZ", "GMT0BST,M3.5.0/1,M10.5.0", 1);
    EXPECT_EQ(MailDateText(920642829), "Fri, 05 Mar 99 14:07:09 BST");
    setenv("TZ", "EST5", 1);
    EXPECT_EQ(MailRfcDate(1000000000), "Sat, 08 Sep 2001 20:46:40 -0500");
    if (old) setenv("TZ", saved.c_str(), 1);
    else unsetenv("TZ");
    tzset();
}

// --- sends ----------------------------------------------------------------

TEST_F(MailTest, PlainExchangeSendsExactlyTheClassicBytes)
{
    ScriptedSmtp server(ScriptedSmtp::Mode::Answer);
    ASSERT_TRUE(Send(server.port(), "friend@example.com", {"   Ovalspin Scoreboard", ".5 of an over", ""}, "Well played"));
    const std::string expected =
        "HELO 127.0.0.1\r\n"
        "MAIL FROM:<scorer@example.org>\r\n"
        "RCPT TO:<friend@example.com>\r\n"
        "DATA\r\n"
        "Date: " + MailDateText(static_cast<std::time_t>(host.now)) + "\r\n"
        "From: The Scorer <scorer@example.org>\r\n"
        "To: friend@example.com\r\n"
        "Subject: OVS - Scoreboard\r\n"
        "X-Mail-Agent: Ovalspin v2.0 Beta 4\r\n"
        "\r\n"
        "Well played\r\n\r\n"
        "   Ovalspin Scoreboard\r\n"
        "..5 of an over\r\n"
        "\r\n"
        ".\r\n\r\n"
        "QUIT\r\n";
    EXPECT_EQ(server.Received(), expected);
    EXPECT_EQ(statuses, (std::vector<std::string>{"Connecting to Mail Server.", "Sending Mail Message.",
                                                   "Mail sent successfully."}));
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MailTest, RealServerTakesThePlainMessageAndRefusesARecipient)
{
    PythonSmtp server({});
    ASSERT_GT(server.port(), 0);

    // A report line that begins with a dot arrives whole; short additional text adds no blank lines.
    const std::vector<std::string> report = {"Ovalspin Scoreboard", ".", "..two dots", "Total 212"};
    ASSERT_TRUE(Send(server.port(), "friend@example.com", report, "Hi")) << LastBox();
    const std::string first = server.Message(1);
    EXPECT_NE(first.find("Subject: OVS - Scoreboard\r\n"), std::string::npos);
    EXPECT_EQ(Body(first), "HiOvalspin Scoreboard\r\n.\r\n..two dots\r\nTotal 212\r\n");
    EXPECT_EQ(server.Envelope(1), "scorer@example.org\nfriend@example.com\n");

    // Without MAILTEXT.TXT the body says so.
    conn.port = server.port();
    MailRequest req;
    req.to = "friend@example.com";
    req.subject = "OVS - Series Summary";
    req.additionalText = "See below";
    host.ClearRecord();
    ASSERT_TRUE(SendMail(g, g.mail, conn, req, host.DataDir() + "/MAILTEXT.TXT"));
    EXPECT_EQ(Body(server.Message(2)), "See below\r\n\r\nMail File not found.\r\n");
    // With the box gone, success is a box of its own.
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].text, "Mail sent successfully.");
    EXPECT_EQ(host.boxes[0].caption, "Ovalspin");

    // 550 on RCPT stops the exchange with the server's words.
    host.ClearRecord();
    EXPECT_FALSE(Send(server.port(), "refuse@example.com", report));
    ASSERT_EQ(host.boxes.size(), 1u);
    EXPECT_EQ(host.boxes[0].caption, "Ovalspin Error");
    EXPECT_EQ(host.boxes[0].icon, BoxIcon::Stop);
    EXPECT_NE(host.boxes[0].text.find("550 5.1.1 <refuse@example.com>: Recipient address rejected"), std::string::npos);
    EXPECT_EQ(server.Message(3), "");
}

TEST_F(MailTest, DroppedLineAndSilentServerFailWithABox)
{
    {
        ScriptedSmtp server(ScriptedSmtp::Mode::DropInData);
        std::vector<std::string> report(2000, std::string(70, 'x'));
        EXPECT_FALSE(Send(server.port(), "friend@example.com", report));
        ASSERT_EQ(host.boxes.size(), 1u);
        EXPECT_TRUE(LastBox() == "Mail - Unable to send data to Mail Server." ||
                    LastBox() == "Mail - Unable to receive data from Mail Server.")
            << LastBox();
    }
    {
        ScriptedSmtp server(ScriptedSmtp::Mode::Silent);
        conn.timeoutSeconds = 1;
        host.ClearRecord();
        EXPECT_FALSE(Send(server.port(), "friend@example.com", {"x"}));
        EXPECT_EQ(LastBox(), "Mail - Unable to receive data from Mail Server.\n\nThe server did not answer within 1 second.");
    }
    // Nobody listening: the connection fails with the classic text.
    {
        int s = socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a);
        socklen_t len = sizeof a;
        getsockname(s, reinterpret_cast<sockaddr*>(&a), &len);
        close(s);
        host.ClearRecord();
        EXPECT_FALSE(Send(ntohs(a.sin_port), "friend@example.com", {"x"}));
        EXPECT_EQ(LastBox(), "Mail - Error connecting socket!!");
        EXPECT_EQ(host.boxes.back().caption, "Ovalspin Error");
    }
    std::snprintf(g.mail.szServer, 128, "no-such-host.invalid");
    host.ClearRecord();
    EXPECT_FALSE(Send(25, "friend@example.com", {"x"}));
    EXPECT_EQ(LastBox(), "Mail - Could not get IP address!");
}

TEST(MailCli, ReportGoesOutWithTheSavedSettingsAndItsBodyIsTheReport)
{
    PythonSmtp server({});
    ASSERT_GT(server.port(), 0);
    TempDir data("ovs-mailcli");
    int rc = -1;
    test::RunCli(data.Path(), "--seed 5 play --tests 1 --save 1 2", &rc);
    ASSERT_EQ(rc, 0);
    // The Configure checks hold on the command line too.
    std::string out = test::RunCli(data.Path(), "mail --server localhost --address me@example.org --name Me", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("Mail server does not have correct form."), std::string::npos) << out;
    out = test::RunCli(data.Path(), "report scoreboard --saved --mail you@example.com", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("You need to configure your mail details"), std::string::npos) << out;

    test::RunCli(data.Path(), "mail --server 127.0.0.1 --address me@example.org --name Me --port " +
                                  std::to_string(server.port()), &rc);
    ASSERT_EQ(rc, 0);
    out = test::RunCli(data.Path(), "report scoreboard --saved --mail you@example.com", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("Mail sent successfully."), std::string::npos);
    const std::string report = test::RunCli(data.Path(), "report scoreboard --saved", &rc);
    std::string crlf;
    for (char ch : report) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    const std::string message = server.Message(1);
    EXPECT_NE(message.find("Subject: OVS - Scoreboard\r\n"), std::string::npos);
    EXPECT_EQ(Body(message), crlf);
    EXPECT_NE(access((data.Path() + "/MAILTEXT.TXT").c_str(), F_OK), 0);

    out = test::RunCli(data.Path(), "report most-points --mail you@example.com --subject 'Our records'", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_NE(server.Message(2).find("Subject: Our records\r\n"), std::string::npos);
}

// A throw-away certificate for 127.0.0.1, made with openssl at test time.
class SecureMailTest : public MailTest {
protected:
    static void SetUpTestSuite()
    {
        certDir = new TempDir("ovs-cert");
        const std::string cmd = "openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes -days 1"
                                " -subj /CN=127.0.0.1 -addext subjectAltName=IP:127.0.0.1 -keyout " +
                                certDir->File("key.pem") + " -out " + certDir->File("cert.pem") + " 2>/dev/null";
        ASSERT_EQ(std::system(cmd.c_str()), 0);
    }
    static void TearDownTestSuite()
    {
        delete certDir;
        certDir = nullptr;
    }
    static TempDir* certDir;
};
TempDir* SecureMailTest::certDir = nullptr;

TEST_F(SecureMailTest, StartTlsWithAuthDeliversTheReportAsItsBody)
{
    PythonSmtp server({"--cert", certDir->File("cert.pem"), "--key", certDir->File("key.pem"), "--user", "scorer",
                       "--password", "p4ss word"});
    ASSERT_GT(server.port(), 0);
    conn.security = MailSecurity::StartTls;
    conn.user = "scorer";
    conn.password = "p4ss word";
    conn.caFile = certDir->File("cert.pem");

    const std::vector<std::string> report = {"      Ovalspin Scoreboard", "      ===================", "", ". dot"};
    ASSERT_TRUE(Send(server.port(), "friend@example.com", report)) << LastBox();
    const std::string message = server.Message(1);
    EXPECT_EQ(Body(message), "      Ovalspin Scoreboard\r\n      ===================\r\n\r\n. dot\r\n");
    EXPECT_NE(message.find("Date: " + MailRfcDate(static_cast<std::time_t>(host.now)) + "\r\n"), std::string::npos);
    EXPECT_NE(message.find("From: The Scorer <scorer@example.org>\r\n"), std::string::npos);

    // A wrong password is refused with the server's reply; no password shows in it.
    conn.password = "wrong";
    host.ClearRecord();
    EXPECT_FALSE(Send(server.port(), "friend@example.com", report));
    EXPECT_NE(LastBox().find("refused the sign-in"), std::string::npos) << LastBox();
    EXPECT_EQ(LastBox().find("wrong"), std::string::npos);

    // A certificate nobody vouches for is refused before anything is said.
    conn.caFile.clear();
    conn.password = "p4ss word";
    host.ClearRecord();
    EXPECT_FALSE(Send(server.port(), "friend@example.com", report));
    EXPECT_NE(LastBox().find("Mail - Could not make a secure connection to Mail Server."), std::string::npos);
    EXPECT_EQ(server.Message(2), "");
}

TEST_F(SecureMailTest, TlsFromTheStartAndAPlainServerWithoutStartTls)
{
    PythonSmtp server({"--cert", certDir->File("cert.pem"), "--key", certDir->File("key.pem"), "--tls"});
    ASSERT_GT(server.port(), 0);
    conn.security = MailSecurity::Tls;
    conn.caFile = certDir->File("cert.pem");
    ASSERT_TRUE(Send(server.port(), "friend@example.com", {"line"})) << LastBox();
    EXPECT_EQ(Body(server.Message(1)), "line\r\n");

    // STARTTLS asked of a server that does not offer it: nothing goes in the clear.
    ScriptedSmtp plain(ScriptedSmtp::Mode::Answer);
    conn.security = MailSecurity::StartTls;
    host.ClearRecord();
    EXPECT_FALSE(Send(plain.port(), "friend@example.com", {"line"}));
    EXPECT_EQ(LastBox(), "Mail - Mail Server does not offer STARTTLS, so the mail was not sent.");
}

}  // namespace
}  // namespace ovs
