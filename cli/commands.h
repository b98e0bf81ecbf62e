// The subcommands of ovalspin-cli, one function each.
//
// Each takes the global options and the arguments after its name, and returns
// the exit code: 0 done, 1 failed (reported), 2 usage error (usage printed).
#pragma once

#include <string>
#include <vector>

#include "cli_host.h"

namespace ovs::cli {

using Args = std::vector<std::string>;

// db: the counts, the squads with their members and home grounds, the grounds.
int CmdDb(const CliOptions& opts, const Args& args);
int CmdPlay(const CliOptions& opts, const Args& args);   // play: a series of two computer sides
int CmdBench(const CliOptions& opts, const Args& args);  // bench: seeded Tests, speed and checksum
int CmdResume(const CliOptions& opts, const Args& args);  // resume: play the saved series to its end
int CmdReplay(const CliOptions& opts, const Args& args);  // replay T: replay a Test of the saved series
int CmdReport(const CliOptions& opts, const Args& args);  // report NAME: a report of the catalogue
int CmdCareers(const CliOptions& opts, const Args& args); // db --careers: career tables and records

}  // namespace ovs::cli
