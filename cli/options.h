// The command line of ovalspin-cli, described once.
//
// Every command and option is one entry in a table (cli/main.cpp); the parser,
// the error lines, `--help`, `COMMAND --help` and the README's usage block all
// come from it, so they cannot disagree. A command's function sees only a
// command line the table allows: known options, values of the right kind and
// range, no two exclusive options, the right number of operands.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "cli_host.h"

namespace ovs::cli {

using Args = std::vector<std::string>;

// Exit codes.
inline constexpr int kExitDone = 0;
inline constexpr int kExitRefused = 1;  // the command could not do what was asked (said why)
inline constexpr int kExitUsage = 2;    // the command line is wrong (said what is allowed)

// An option such as "--tests N" or the switch "--save".
struct OptionSpec {
    const char* name;               // "--tests"
    const char* value = nullptr;    // "N"; none for a switch
    const char* help = "";          // one line, shown by COMMAND --help
    long long min = 0;              // a number from min to max, when max > min
    long long max = 0;
    const char* choices = nullptr;  // else one of these words, "on|off"
    const char* needs = nullptr;    // allowed only together with this option
};

// An operand such as HOME; a numeric one is checked against min..max when max > min.
struct OperandSpec {
    const char* name;
    const char* help = "";
    long long min = 0;
    long long max = 0;
    bool optional = false;   // may be left out (only at the end)
    bool repeats = false;    // takes every remaining operand ("ARGS...")
};

class Parsed;
using CommandFn = int (*)(const CliOptions&, const Parsed&);

struct CommandSpec {
    const char* name;
    CommandFn run;
    const char* summary;                    // one line: what the command does
    std::vector<OptionSpec> options = {};
    std::vector<OperandSpec> operands = {};
    std::vector<std::vector<const char*>> exclusive = {};  // options that exclude each other
    const char* notes = nullptr;            // more lines for COMMAND --help
};

// A command line the table allowed.
class Parsed {
public:
    std::string command;
    std::vector<std::string> operands;

    bool Has(const char* option) const;
    // The option's value, or `fallback` when it was not given.
    std::string Value(const char* option, const std::string& fallback = "") const;
    long long Number(const char* option, long long fallback) const;

    void Set(const std::string& option, const std::string& value);

private:
    std::vector<std::pair<std::string, std::string>> given_;
};

// The options before the command.
const std::vector<OptionSpec>& GlobalOptions();

// The whole table, in the order --help shows it.
const std::vector<CommandSpec>& Commands();

// Parse argv and run the command; returns the exit code.
int RunCommandLine(int argc, char** argv);

// The texts the table makes.
std::string ProgramHelp();
std::string CommandHelp(const CommandSpec& c);
std::string VersionText();

// One line "ovalspin-cli: MESSAGE" on stderr; returns the exit code given.
int Complain(int code, const std::string& message);
inline int UsageError(const std::string& message) { return Complain(kExitUsage, message); }
inline int Refuse(const std::string& message) { return Complain(kExitRefused, message); }

}  // namespace ovs::cli
