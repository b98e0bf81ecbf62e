// Sending a report by e-mail through the user's SMTP server.
//
// A report is written into MAILTEXT.TXT in the data directory with its
// ordinary text writer, the Send Email box collects the recipient, subject
// and an additional text, and SendMail runs the SMTP exchange over a socket of
// its own. The server, address and name are MAIL.DAT (MAILDATA, saved by the
// Configure Email box); the port, security and sign-in live beside it in a
// file of our own (MAILSERVER.CFG, mode 0600: it may hold a password).
//
// With security off the client speaks HELO and sends exactly the classic
// exchange; with STARTTLS or TLS it speaks EHLO, encrypts with OpenSSL, signs
// in with AUTH PLAIN or LOGIN as offered and dates the message per RFC 5322.
// Every reply's status code is read; a 4xx or 5xx stops the exchange with a
// box quoting the server. Every box goes through the Host.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <memory>
#include <string>

#include "data/records.h"

namespace ovs {

struct Game;
struct TextOutput;
struct ReportEntry;
struct ReportParams;

inline constexpr const char* kMailTextName = "MAILTEXT.TXT";
inline constexpr const char* kMailServerName = "MAILSERVER.CFG";
inline constexpr const char* kMailErrorCaption = "Ovalspin Error";

enum class MailSecurity { None, StartTls, Tls };

// The connection settings beyond MAIL.DAT.
struct MailConnection {
    int port = 0;                  // 0: the usual port of the security choice
    MailSecurity security = MailSecurity::None;
    std::string user;              // empty: no sign-in
    std::string password;
    std::string caFile;            // certificates trusted besides the system's
    int timeoutSeconds = 60;       // a silent server is given up after this
};

// The port used: the setting, else 465 for TLS, 587 for STARTTLS, else the
// "mail" service of the services database, else 25.
int MailPort(const MailConnection& c);
const char* MailSecurityName(MailSecurity s);            // "none", "starttls", "tls"
bool ParseMailSecurity(const std::string& text, MailSecurity& out);

// MAILSERVER.CFG in the data directory; a missing or unreadable file gives
// the defaults (a bad line is skipped).
MailConnection LoadMailConnection(Game& g);
// Written to a temporary name with mode 0600 and renamed; false (with a box)
// when it could not be written.
bool SaveMailConnection(Game& g, const MailConnection& c);

// --- the checks of the boxes (each failure is a box through the Host) -------

// The Configure Email checks, in order: server, its form, address, its form, name.
bool CheckMailSettings(Game& g, const MAILDATA& m);
// The checks of the connection fields: the port, and a password with a user name.
bool CheckMailConnection(Game& g, const MailConnection& c);
// After a successful Configure: the confirmation box, then MAIL.DAT is saved.
void ConfirmMailSettings(Game& g);
// OK in Send Email: the settings are all there, and the To address has a form.
bool CheckMailReady(Game& g, const MAILDATA& m);
bool CheckMailRecipient(Game& g, const std::string& to);

// "OVS - " and the report's subject title.
std::string MailSubject(const std::string& title);
// The subject a report goes out with: mostly "OVS - " and its title, though a
// few have always been mailed under a title of their own ("OVS - Points in
// Tests", "OVS - Averages " with its blank).
std::string MailReportSubject(const ReportEntry& r);

// --- sending ----------------------------------------------------------------

enum MailStateValue : std::int16_t { MAIL_IDLE = 0, MAIL_SENDING = 1, MAIL_DONE = 2 };

// What the Send Email box hands over, and the box's side of the exchange.
struct MailRequest {
    std::string to;
    std::string subject;
    std::string additionalText;    // as typed; "\r\n\r\n" is added to 3 or more characters
    // The status line of the open box; empty once the box has gone.
    std::function<void(const std::string&)> status;
    std::int16_t state = MAIL_IDLE;
};

// The additional text as sent: unchanged up to 2 characters, else followed by
// "\r\n\r\n".
std::string MailAdditionalText(const std::string& typed);

// The classic date text, "Fri, 05 Mar 99 14:07:09 GMT", in local time.
std::string MailDateText(std::time_t t);
// The RFC 5322 date, "Fri, 05 Mar 1999 14:07:09 +0000", in local time.
std::string MailRfcDate(std::time_t t);

// Connects, runs the exchange with the file `bodyPath` as the report and
// closes; true when the server took the message. Failures are shown in boxes.
// The state goes 1 at the connection and 2 at the end.
bool SendMail(Game& g, const MAILDATA& m, const MailConnection& c, MailRequest& req,
              const std::string& bodyPath);

// --- the report's mail file -------------------------------------------------

// MAILTEXT.TXT, written by a report's text writer when made and deleted when
// it goes: the file lives only while its Send Email box is open.
class MailTextFile {
public:
    MailTextFile(Game& g, const std::function<void(TextOutput&)>& writer);
    // The report's text form, with the arguments its text file takes.
    MailTextFile(Game& g, const ReportEntry& r, const ReportParams& p);
    ~MailTextFile();
    MailTextFile(const MailTextFile&) = delete;
    MailTextFile& operator=(const MailTextFile&) = delete;
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

}  // namespace ovs
