// ovalspin-cli mail: shows or sets the mail settings (MAIL.DAT and
// MAILSERVER.CFG) with the checks of the Configure Email box; and the mail
// half of `report NAME --mail ADDRESS`.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "commands.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "report/catalogue.h"
#include "report/mail.h"

namespace ovs::cli {

namespace {

bool ReadPassword(const std::string& file, std::string& out)
{
    std::string line;
    if (file == "-") {
        if (!std::getline(std::cin, line)) return false;
    } else {
        std::ifstream in(file);
        if (!in || !std::getline(in, line)) return false;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    out = line;
    return true;
}

void Copy(char (&field)[128], const std::string& v) { std::snprintf(field, sizeof field, "%s", v.c_str()); }

}  // namespace

int CmdMail(const CliOptions& opts, const Parsed& args)
{
    CliSession session(opts);
    if (!session.Start()) return kExitRefused;
    Game& g = session.game();
    MAILDATA m = g.mail;
    MailConnection c = LoadMailConnection(g);
    bool changed = false;
    auto text = [&](const char* option, auto set) {
        if (!args.Has(option)) return;
        set(args.Value(option));
        changed = true;
    };
    text("--server", [&](const std::string& v) { Copy(m.szServer, v); });
    text("--address", [&](const std::string& v) { Copy(m.szAddress, v); });
    text("--name", [&](const std::string& v) { Copy(m.szName, v); });
    text("--user", [&](const std::string& v) { c.user = v; });
    text("--cafile", [&](const std::string& v) { c.caFile = v; });
    text("--port", [&](const std::string&) { c.port = static_cast<int>(args.Number("--port", 0)); });
    text("--timeout", [&](const std::string&) { c.timeoutSeconds = static_cast<int>(args.Number("--timeout", 60)); });
    text("--security", [&](const std::string& v) { ParseMailSecurity(v, c.security); });
    if (args.Has("--password-file") && !ReadPassword(args.Value("--password-file"), c.password))
        return Refuse("mail: no password could be read from " + args.Value("--password-file"));
    changed = changed || args.Has("--password-file");
    if (changed) {
        if (!CheckMailSettings(g, m) || !CheckMailConnection(g, c)) return kExitRefused;
        g.mail = m;
        ConfirmMailSettings(g);
        if (!SaveMailConnection(g, c)) return kExitRefused;
        std::printf("Settings saved to %s and %s\n", JoinPath(g.host->DataDir(), kMailName).c_str(),
                    JoinPath(g.host->DataDir(), kMailServerName).c_str());
    }
    std::printf("server   %s\naddress  %s\nname     %s\nport     %d\nsecurity %s\nuser     %s\npassword %s\n"
                "cafile   %s\ntimeout  %d\n",
                g.mail.szServer, g.mail.szAddress, g.mail.szName, MailPort(c), MailSecurityName(c.security),
                c.user.c_str(), c.password.empty() ? "(none)" : "(set)", c.caFile.c_str(), c.timeoutSeconds);
    return kExitDone;
}

int MailReportTo(Game& g, const ReportEntry& r, const ReportParams& p, const std::string& to,
                 const std::string& subject)
{
    if (!CheckMailReady(g, g.mail) || !CheckMailRecipient(g, to)) return kExitRefused;
    MailTextFile file(g, r, p);
    MailRequest req;
    req.to = to.substr(0, 127);
    req.subject = subject.empty() ? MailReportSubject(r) : subject;
    req.status = [](const std::string& s) { std::fprintf(stderr, "%s\n", s.c_str()); };
    return SendMail(g, g.mail, LoadMailConnection(g), req, file.Path()) ? kExitDone : kExitRefused;
}

}  // namespace ovs::cli
