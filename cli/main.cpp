// ovalspin-cli: the headless front end of Ovalspin.
//
// The table below is the whole command line: a command is one entry (its
// options, operands and help lines); the parser, --help, COMMAND --help and
// the README's usage block are made from it (cli/options.h).
#include "commands.h"
#include "core/match.h"
#include "options.h"

namespace ovs::cli {

namespace {

constexpr long long kMaxOvers = 1'000'000;

const char* const kSaveHelp = "save the position to CURRENT.DAT when the series has ended";
const char* const kSaveAfterHelp = "stop after K overs and save the position to CURRENT.DAT";
const char* const kFromSavedHelp =
    "start from the players, squads, grounds and records of CURRENT.DAT, so careers carry on (with --save "
    "they build up run after run)";

}  // namespace

const std::vector<OptionSpec>& GlobalOptions()
{
    static const std::vector<OptionSpec> options = {
        {"--data", "DIR",
         "the data directory (else $OVALSPIN_DATA, else $XDG_DATA_HOME/ovalspin, else "
         "~/.local/share/ovalspin); created and seeded on first use"},
        {"--db", "FILE", "the database to load instead of the default one"},
        {"--seed", "N", "seed the random generator with N (0 to 4294967295) instead of the clock", 0, 0xFFFFFFFFll},
        {"--verbose", nullptr, "copy the log and every message box to stderr"},
    };
    return options;
}

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> commands = {
        {"db", CmdDb, "print the database: counts, squads (numbered as every command takes them), grounds",
         {{"--careers", nullptr, "the career tables and the first ranks of the record tables instead"},
          {"--saved", nullptr, "the figures in the saved position CURRENT.DAT instead of the database's", 0, 0,
           nullptr, "--careers"},
          {"--import", nullptr,
           "first make the database anew from the old files NUMBERSW.DAT, PLAYERSW.DAT, SQUADSW.DAT, GROUNDSW.DAT "
           "and RECORDSW.DAT in the data directory"}},
         {},
         {{"--import", "--careers"}}},
        {"play", CmdPlay, "the computer plays a series between two squads",
         {{"--tests", "N", "the number of Tests (default: one at each of HOME's grounds)", 1, MAX_TESTS},
          {"--no-weather", nullptr, "no rain, bad light or weather changes"},
          {"--ball-by-ball", nullptr, "write each Test's ball-by-ball scorecard file into the data directory"},
          {"--save-after-overs", "K", kSaveAfterHelp, 0, kMaxOvers},
          {"--save", nullptr, kSaveHelp},
          {"--from-saved", nullptr, kFromSavedHelp}},
         {{"HOME", "the home squad: a name, a short name or the number `db` shows"},
          {"AWAY", "the touring squad, the same way"}},
         {{"--save-after-overs", "--save"}}},
        {"resume", CmdResume, "load CURRENT.DAT and play its series to the end",
         {{"--save-after-overs", "K", "stop after K more overs and save the position again", 0, kMaxOvers},
          {"--save", nullptr, "save the position again when the series has ended"},
          {"--from-saved", nullptr, "start from CURRENT.DAT (as resume always does)"}},
         {},
         {{"--save-after-overs", "--save"}}},
        {"replay", CmdReplay, "replay Test T of the saved series from its record and check it comes out the same",
         {},
         {{"T", "the Test, 1 for the first", 1, MAX_TESTS}}},
        {"serve", CmdServe, "serve a network series on a port; the computer makes this copy's choices",
         {{"--port", "P", "the port (default 2257; 0: a free port, printed)", 0, 65535},
          {"--name", "N", "this player's name (up to 19 characters; required)"},
          {"--tests", "T", "the number of Tests (default 1)", 1, MAX_TESTS},
          {"--no-weather", nullptr, "no rain, bad light or weather changes"},
          {"--ball-by-ball", nullptr, "write each Test's ball-by-ball scorecard file into the data directory"},
          {"--wait", "S", "wait at most S seconds for the other copy (default 300)", 1, 86400},
          {"--save", nullptr, kSaveHelp}},
         {{"HOME", "this copy's squad: a name, a short name or the number `db` shows"},
          {"AWAY", "the squad proposed to the other copy, the same way"}}},
        {"connect", CmdConnect, "play a network series served by another copy; the computer makes this copy's choices",
         {{"--host", "H", "the serving machine's name or address (required)"},
          {"--port", "P", "its port (default 2257)", 1, 65535},
          {"--name", "N", "this player's name (up to 19 characters; required)"},
          {"--squad", "S", "this copy's squad (default: the one the server proposes)"},
          {"--ball-by-ball", nullptr, "write each Test's ball-by-ball scorecard file into the data directory"},
          {"--save", nullptr, kSaveHelp}}},
        {"bench", CmdBench, "play seeded one-Test series; print speed, a checksum and the figures of the cricket",
         {{"--tests", "N", "the number of Tests (default 100)", 1, 100'000'000},
          {"--log", "on|off", "write DEBUG.TXT (default on)", 0, 0, "on|off"},
          {"--seed", "S", "the first seed (default: the global --seed, else 1)", 0, 0xFFFFFFFFll},
          {"--realism", nullptr, "also the cricket's figures: runs per wicket, scoring rate, results"},
          {"--league", nullptr, "a league of the first ten squads in six-Test rubbers (540 Tests) instead"}},
         {},
         {{"--league", "--tests"}}},
        {"league", CmdLeague, "the computer plays a whole league; print the final table and the results matrix",
         {{"--tests", "N", "Tests per rubber (default 6)", 1, MAX_TESTS},
          {"--pbm", nullptr, "write the play-by-mail turn files beside the database"},
          {"--save-after-rubbers", "R", "stop when R rubbers have ended and save the position to CURRENT.DAT", 1,
           1000},
          {"--save-after-overs", "K", kSaveAfterHelp, 0, kMaxOvers},
          {"--save", nullptr, "save the position to CURRENT.DAT when the league has ended"},
          {"--resume", nullptr, "play on the league saved in CURRENT.DAT (no SQUADs)"},
          {"--from-saved", nullptr, kFromSavedHelp}},
         {{"SQUAD", "2 to 10 squads: names, short names or the numbers `db` shows", 0, 0, true, true}},
         {{"--save-after-rubbers", "--save"}, {"--save-after-overs", "--save"}, {"--from-saved", "--resume"}}},
        {"report", CmdReport, "write a report of the catalogue as text or HTML, of the database or the saved position",
         {{"--list", nullptr, "list the reports: name, default text and HTML files, title"},
          {"--squad", "S", "the squad: a name, a short name or the number `db` shows"},
          {"--test", "T", "the Test of the series, 1 for the first (default: the last one begun)", 1, MAX_TESTS},
          {"--player", "P", "the player: a surname, a display name or a number from 1"},
          {"--ground", "G", "the ground: a name or the number `db` shows"},
          {"--averages", "series|career|league", "whose averages: the series, the careers or the league", 0, 0,
           "series|career|league"},
          {"--format", "text|html", "text (default) or an HTML page", 0, 0, "text|html"},
          {"--out", "FILE", "write the report to FILE (default: standard output)"},
          {"--pdf", "FILE", "print the report to the PDF file FILE: A4 pages, as the printer has it"},
          {"--saved", nullptr, "report on the saved position CURRENT.DAT"},
          {"--mail", "ADDRESS", "send the report by mail to ADDRESS with the saved settings (see mail)"},
          {"--subject", "S", "the mail's subject (default: \"OVS - \" and the report's title)", 0, 0, nullptr,
           "--mail"}},
         {{"NAME", "a report of the catalogue (see --list)", 0, 0, true}},
         {{"--mail", "--out"}, {"--pdf", "--out"}, {"--pdf", "--mail"}, {"--pdf", "--format"}}},
        {"site", CmdSite, "write the series website of the saved series: linked HTML5 pages, one stylesheet",
         {{"--saved", nullptr, "the series of the saved position CURRENT.DAT (the only one there is headless)"}},
         {{"DIR", "the folder to write the pages into (created when missing)"}}},
        {"mail", CmdMail, "show the mail settings, or check and save the ones given",
         {{"--server", "S", "the SMTP server's host name"},
          {"--address", "A", "your e-mail address"},
          {"--name", "N", "your name, as the mail's From shows it"},
          {"--port", "P", "the server's port (0: 25, 587 with starttls, 465 with tls)", 0, 65535},
          {"--security", "none|starttls|tls", "how the connection is secured", 0, 0, "none|starttls|tls"},
          {"--user", "U", "sign in as U (only over starttls or tls)"},
          {"--password-file", "F", "read the password from the first line of F (- for standard input)"},
          {"--cafile", "F", "trust the certificates in F besides the system's"},
          {"--timeout", "SECONDS", "give up on a silent server after this long (default 60)", 1, 600}},
         {},
         {},
         "The server, address and name go to MAIL.DAT; the rest to MAILSERVER.CFG (mode 0600).\n"
         "The password is never shown or logged."},
        {"view", CmdView, "print a record, career, averages or details view as the fixed-pitch text the game shows",
         {{"--list", nullptr, "list the views: name, what each takes, title"},
          {"--squad", "S", "the squad: a name, a short name or the number `db` shows"},
          {"--team", "T", "the side of the saved series: 1 home, 2 away (with --saved)", 1, 2},
          {"--player", "P", "the player: a surname, a display name or a number from 1"},
          {"--ground", "G", "the ground: a name or the number `db` shows"},
          {"--saved", nullptr, "the figures of the saved position CURRENT.DAT instead of the database's"}},
         {{"NAME", "a view (see --list); one that takes a squad, side, player or ground shows each when none is given",
           0, 0, true}}},
    };
    return commands;
}

}  // namespace ovs::cli

int main(int argc, char** argv) { return ovs::cli::RunCommandLine(argc, argv); }
