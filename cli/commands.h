// The commands of ovalspin-cli, one function each.
//
// Each takes the global options and its command line, already checked against
// the command table (cli/main.cpp), and returns the exit code: kExitDone,
// kExitRefused (the reason printed) or kExitUsage.
#pragma once

#include <string>
#include <vector>

#include "cli_host.h"
#include "options.h"
#include "report/catalogue.h"

namespace ovs::cli {

// db: the counts, the squads with their members and home grounds, the grounds.
int CmdDb(const CliOptions& opts, const Parsed& args);
int CmdPlay(const CliOptions& opts, const Parsed& args);    // play: a series of two computer sides
int CmdBench(const CliOptions& opts, const Parsed& args);   // bench: seeded Tests, speed and checksum
int CmdResume(const CliOptions& opts, const Parsed& args);  // resume: play the saved series to its end
int CmdReplay(const CliOptions& opts, const Parsed& args);  // replay T: replay a Test of the saved series
int CmdReport(const CliOptions& opts, const Parsed& args);  // report NAME: a report of the catalogue
int CmdSite(const CliOptions& opts, const Parsed& args);    // site DIR: the series website
int CmdView(const CliOptions& opts, const Parsed& args);    // view NAME | --list: a view as fixed-pitch text
int CmdServe(const CliOptions& opts, const Parsed& args);    // serve: the server copy of a network series
int CmdConnect(const CliOptions& opts, const Parsed& args);  // connect: the client copy of a network series
int CmdLeague(const CliOptions& opts, const Parsed& args);  // league: a whole league, or --resume one
int CmdCareers(const CliOptions& opts, bool saved);          // db --careers: career tables and records

// mail: show or set the mail settings; report NAME --mail: send a report.
int CmdMail(const CliOptions& opts, const Parsed& args);
int MailReportTo(Game& g, const ReportEntry& r, const ReportParams& p, const std::string& to,
                 const std::string& subject);

}  // namespace ovs::cli
