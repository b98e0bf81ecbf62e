// The Send Email and Configure Email boxes. The checks, the exchange and
// every message box are the engine's (report/mail.h); the boxes gather the
// fields and show the status line.
#include "mail_boxes.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cstdio>

#include "core/game.h"
#include "dialogs/dialog_util.h"
#include "report/mail.h"

namespace gui {

namespace {

// The To address last used, shown again in the next box.
std::string& LastRecipient()
{
    static std::string to;
    return to;
}

QLineEdit* Edit(QDialog& d, const char* id, const std::string& text, int maxLength)
{
    auto* e = new QLineEdit(Q(text), &d);
    e->setObjectName(id);
    e->setMaxLength(maxLength);
    return e;
}

void Copy(char (&field)[128], const QString& v) { std::snprintf(field, sizeof field, "%s", v.toStdString().c_str()); }

// The Send Email box: while a send is under way Cancel and the close box are
// ignored.
class SendMailDialog : public QDialog {
public:
    using QDialog::QDialog;
    std::int16_t state = ovs::MAIL_IDLE;
    void reject() override
    {
        if (state != ovs::MAIL_SENDING) QDialog::reject();
    }
};

}  // namespace

int RunConfigMailBox(QWidget* parent, ovs::Game& g)
{
    QDialog d(parent);
    d.setObjectName("ConfigMailBox");
    StyleDialog(d, "Configure Email");
    auto* top = new QVBoxLayout(&d);
    auto* form = new QFormLayout;
    top->addLayout(form);
    ovs::MailConnection c = ovs::LoadMailConnection(g);
    auto* server = Edit(d, "ctl201", g.mail.szServer, 127);
    auto* address = Edit(d, "ctl202", g.mail.szAddress, 127);
    auto* name = Edit(d, "ctl200", g.mail.szName, 127);
    form->addRow("Email &Server", server);
    form->addRow("Email &Address", address);
    form->addRow("Email &Name", name);
    // What today's servers need besides: the port, the security and a sign-in.
    auto* port = Edit(d, "ctl205", c.port > 0 ? std::to_string(c.port) : "", 5);
    port->setPlaceholderText("usual");
    port->setToolTip("Empty for the usual port: 25, 587 with STARTTLS, 465 with TLS");
    auto* security = new QComboBox(&d);
    security->setObjectName("ctl206");
    security->addItems({"None", "STARTTLS", "TLS"});
    security->setCurrentIndex(static_cast<int>(c.security));
    security->setToolTip("How the connection to the server is secured; most providers want STARTTLS or TLS");
    auto* user = Edit(d, "ctl207", c.user, 127);
    auto* password = Edit(d, "ctl208", c.password, 127);
    password->setEchoMode(QLineEdit::Password);
    user->setToolTip("Sign in to the server as this user (only over STARTTLS or TLS); empty for no sign-in");
    form->addRow("&Port", port);
    form->addRow("Se&curity", security);
    form->addRow("&User Name", user);
    form->addRow("Pass&word", password);
    auto* buttons = AddOkCancelButtons(d, top, false);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        ovs::MAILDATA m = g.mail;
        Copy(m.szServer, server->text());
        Copy(m.szAddress, address->text());
        Copy(m.szName, name->text());
        ovs::MailConnection nc = c;
        bool numeric = true;
        const int p = port->text().trimmed().isEmpty() ? 0 : port->text().trimmed().toInt(&numeric);
        nc.port = numeric ? p : -1;
        nc.security = static_cast<ovs::MailSecurity>(security->currentIndex());
        nc.user = user->text().toStdString();
        nc.password = password->text().toStdString();
        if (!ovs::CheckMailSettings(g, m) || !ovs::CheckMailConnection(g, nc)) return;
        g.mail = m;
        ovs::ConfirmMailSettings(g);
        ovs::SaveMailConnection(g, nc);
        d.accept();
    });
    d.setMinimumWidth(380);
    return d.exec() == QDialog::Accepted ? 1 : 0;
}

int RunSendMailBox(QWidget* parent, ovs::Game& g, const std::string& subject, const std::string& bodyPath)
{
    SendMailDialog d(parent);
    d.setObjectName("NewMailBox");
    StyleDialog(d, "Send Email");
    auto* top = new QVBoxLayout(&d);
    auto* form = new QFormLayout;
    top->addLayout(form);
    auto* to = Edit(d, "ctl200", LastRecipient(), 127);
    auto* subj = Edit(d, "ctl202", subject, 127);
    form->addRow("&To:", to);
    form->addRow("&Subject:", subj);
    top->addWidget(new QLabel("Additional message text", &d));
    auto* text = new QPlainTextEdit(&d);
    text->setObjectName("ctl203");
    text->setTabChangesFocus(true);
    // The text holds at most 1024 characters.
    QObject::connect(text, &QPlainTextEdit::textChanged, text, [text] {
        const QString t = text->toPlainText();
        if (t.size() > 1024) {
            text->setPlainText(t.left(1024));
            text->moveCursor(QTextCursor::End);
        }
    });
    top->addWidget(text);
    auto* status = new QLabel(&d);
    status->setObjectName("ctl201");
    top->addWidget(status);
    auto* buttons = AddOkCancelButtons(d, top, false);
    auto* configure = buttons->addButton("&Configure", QDialogButtonBox::ActionRole);
    configure->setObjectName("ctl204");
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    QObject::connect(configure, &QPushButton::clicked, &d, [&] {
        RunConfigMailBox(&d, g);
        ok->setFocus();
    });
    QObject::connect(buttons, &QDialogButtonBox::accepted, &d, [&] {
        if (!ovs::CheckMailReady(g, g.mail)) return;
        const std::string recipient = to->text().left(127).toStdString();
        if (!ovs::CheckMailRecipient(g, recipient)) return;
        if (d.state == ovs::MAIL_SENDING) return;
        LastRecipient() = recipient;
        ovs::MailRequest req;
        req.to = recipient;
        req.subject = subj->text().toStdString();
        req.additionalText = text->toPlainText().toStdString();
        req.status = [&](const std::string& s) {
            status->setText(Q(s));
            // Paint the status line; the send itself holds the thread.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        };
        configure->setEnabled(false);
        ok->setEnabled(false);
        ok->hide();
        cancel->setEnabled(false);
        cancel->hide();
        d.state = ovs::MAIL_SENDING;
        const bool sent = ovs::SendMail(g, g.mail, ovs::LoadMailConnection(g), req, bodyPath);
        d.state = ovs::MAIL_IDLE;
        d.done(sent ? 1 : 0);
    });
    d.setMinimumWidth(420);
    ok->setDefault(true);
    ok->setFocus();
    return d.exec() == 1 ? 1 : 0;
}

int MailReport(QWidget* parent, ovs::Game& g, const char* name, const ovs::ReportParams& p)
{
    const ovs::ReportEntry* r = ovs::FindReport(name);
    if (!r) return 0;
    ovs::ReportParams params = p;
    std::string error;
    if (!ovs::ResolveReportParams(g, *r, params, error)) {
        DialogMessage(g, "Unable to write the report: " + error + ".", "Writing Error", true);
        return 0;
    }
    const ovs::MailTextFile file(g, *r, params);
    return RunSendMailBox(parent, g, ovs::MailReportSubject(*r), file.Path());
}

}  // namespace gui
