// The mail boxes: "Send Email" (NewMailBox) and "Configure Email"
// (ConfigMailBox), and the Mail button (154) of every report box.
#pragma once

#include <string>

#include "report/catalogue.h"

class QWidget;

namespace ovs {
struct Game;
}

namespace gui {

// Mail (154): writes report `name` into MAILTEXT.TXT, opens Send Email with
// its subject, and deletes the file when the box has closed. 1 when sent.
int MailReport(QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p);

// Send Email for the mail file at `bodyPath`: 1 when the mail was sent, 0
// when the box was cancelled or the send failed. The recipient is kept for
// the next box.
int RunSendMailBox(QWidget* parent, ovs::Game& g, const std::string& subject, const std::string& bodyPath);

// Configure Email: 1 when the settings were checked and saved.
int RunConfigMailBox(QWidget* parent, ovs::Game& g);

}  // namespace gui
