// ovalspin-cli's command line, run as a process: the help and the README say
// the same, every wrong command line gets one line and exit status 2, every
// refusal exit status 1, and squads are numbered as `db` shows them.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "data/files.h"
#include "file_fixtures.h"
#include "test_util.h"

namespace {

using ovs::test::Lines;
using ovs::test::RunCli;
using ovs::test::TempDir;

// The lines between a marker line and the end of the code block after it.
std::string ReadmeBlock(const std::string& marker)
{
    const std::vector<std::string> lines = Lines(ovs::test::ReadFile(std::string(OVALSPIN_SOURCE_DIR) + "/README.md"));
    std::string out;
    bool inBlock = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!inBlock && lines[i] == marker && i + 1 < lines.size() && lines[i + 1].rfind("```", 0) == 0) {
            inBlock = true;
            ++i;
            continue;
        }
        if (inBlock && lines[i] == "```") break;
        if (inBlock) out += lines[i] + "\n";
    }
    return out;
}

// The command names in the help's "commands:" section.
std::vector<std::string> HelpCommands(const std::string& help)
{
    std::vector<std::string> names;
    bool inCommands = false;
    for (const std::string& l : Lines(help)) {
        if (l == "commands:") inCommands = true;
        else if (l.empty()) inCommands = false;
        else if (inCommands && l.size() > 2 && l[2] != ' ') names.push_back(l.substr(2, l.find(' ', 2) - 2));
    }
    return names;
}

TEST(CliHelp, ReadmeShowsTheHelpAndEveryCommandHasItsOwn)
{
    TempDir dir("ovs-cli");
    int rc = -1;
    const std::string help = RunCli(dir.Path(), "--help", &rc);
    ASSERT_EQ(rc, 0);
    EXPECT_EQ(ReadmeBlock("<!-- usage: begin -->"), help)
        << "README.md's usage block differs from `ovalspin-cli --help`; run tools/readme-usage.sh";

    const std::vector<std::string> commands = HelpCommands(help);
    EXPECT_GE(commands.size(), 5u);
    for (const std::string& c : commands) {
        const std::string own = RunCli(dir.Path(), c + " --help", &rc);
        EXPECT_EQ(rc, 0) << c;
        EXPECT_EQ(own.rfind("usage: ovalspin-cli [options] " + c, 0), 0u) << own;
        // Every option the command's help names is one it accepts.
        for (const std::string& l : Lines(own)) {
            if (l.rfind("  --", 0) != 0) continue;
            const std::string opt = l.substr(2, l.find(' ', 2) - 2);
            EXPECT_NE(help.find(opt), std::string::npos) << c << " " << opt << " is missing from --help";
        }
    }

    const std::string version = RunCli(dir.Path(), "--version", &rc);
    EXPECT_EQ(rc, 0);
    EXPECT_EQ(version.rfind("ovalspin-cli (Ovalspin) v", 0), 0u) << version;
}

TEST(CliErrors, EveryWrongCommandLineIsOneLineAndExitsTwo)
{
    TempDir dir("ovs-cli");
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"", "no command given; the commands are db, play"},
        {"--seed x db", "--seed wants a number from 0 to 4294967295, not 'x'"},
        {"--bogus db", "no option --bogus before the command"},
        {"nosuchcommand", "no command 'nosuchcommand'"},
        {"play 1", "play needs HOME and AWAY"},
        {"play 1 2 3", "'3' is one too many"},
        {"play --tests 0 1 2", "play --tests wants a number from 1 to 6, not '0'"},
        {"play --tests", "play --tests N needs its N, a number from 1 to 6"},
        {"play --save --save-after-overs 5 1 2", "--save-after-overs and --save exclude each other"},
        {"play --save --save 1 2", "play --save is given twice"},
        {"play --no-weather=1 1 2", "play --no-weather takes no value"},
        {"play --frobnicate 1 2", "play has no option --frobnicate; its options are --tests"},
        {"resume --save-after-overs 5 --save", "exclude each other"},
        {"bench --tests 0", "bench --tests wants a number from 1 to 100000000"},
        {"bench --log maybe", "bench --log wants on or off, not 'maybe'"},
        {"db --saved", "db --saved is allowed only with --careers"},
        {"db extra", "db takes no arguments, not 'extra'"},
        {"replay", "replay needs T"},
        {"replay 9", "replay T wants a number from 1 to 6, not '9'"},
    };
    for (const auto& [args, said] : cases) {
        int rc = -1;
        const std::string out = RunCli(dir.Path(), args, &rc);
        EXPECT_EQ(rc, 2) << args;
        EXPECT_EQ(Lines(out).size(), 1u) << args << ":\n" << out;
        EXPECT_EQ(out.rfind("ovalspin-cli: ", 0), 0u) << out;
        EXPECT_NE(out.find(said), std::string::npos) << args << ":\n" << out;
    }
}

TEST(CliErrors, RefusalsExitOneAndKeepTheGamesOwnText)
{
    TempDir dir("ovs-cli");
    int rc = -1;
    std::string out = RunCli(dir.Path(), "--seed 3 play --tests 1 1 1", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("ovalspin-cli: play: Selected same Squad twice! HOME and AWAY must be two different squads"),
              std::string::npos)
        << out;
    out = RunCli(dir.Path(), "play 1 99", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("no squad '99'; give a squad's name, short name or number from 1 to"), std::string::npos)
        << out;
    out = RunCli(dir.Path(), "play 1 nowhere-at-all", &rc);
    EXPECT_EQ(rc, 1);
}

// Every command that reads the saved position says plainly when there is none.
TEST(CliErrors, NoSavedPositionIsSaidPlainly)
{
    TempDir dir("ovs-cli");
    for (const char* args : {"resume", "replay 1", "db --careers --saved", "report most-runs --saved",
                             "view most-runs --saved"}) {
        int rc = -1;
        const std::string out = RunCli(dir.Path(), args, &rc);
        EXPECT_EQ(rc, 1) << args;
        EXPECT_EQ(Lines(out).size(), 1u) << args << ":\n" << out;
        EXPECT_NE(out.find("Loading Error: There is no saved game to load. (" + dir.File("CURRENT.DAT")),
                  std::string::npos)
            << args << ":\n" << out;
    }
}

// `db` numbers the squads from 1; `play 1 2` is the first squad at home to the second.
TEST(CliSquads, PlayTakesTheNumbersDbShows)
{
    TempDir dir("ovs-cli");
    int rc = -1;
    const std::vector<std::string> db = Lines(RunCli(dir.Path(), "db", &rc));
    ASSERT_EQ(rc, 0);
    std::string firstGround;
    for (std::size_t i = 0; i + 1 < db.size(); ++i)
        if (db[i].rfind("     Home grounds (", 0) == 0) {
            firstGround = db[i + 1].substr(11);
            break;
        }
    ASSERT_FALSE(firstGround.empty());
    const std::string out = RunCli(dir.Path(), "--seed 11 play --tests 1 --no-weather 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_EQ(out.rfind("1st Test - " + firstGround + ": ", 0), 0u) << out;
}

// Every player's career Tests added up, in the data directory's database or
// in its saved position.
long CareerTests(const std::string& dir, bool saved)
{
    ovs::test::StartedGame s(1, dir, dir + "/" + ovs::kDefaultDatabaseName);
    if (!s.started || (saved && !ovs::LoadSavedPosition(s.g))) return -1;
    long tests = 0;
    for (int p = 0; p < s.g.db.NumPlayers(); ++p) tests += s.g.db.players[p].Career.Bat.nTests;
    return tests;
}

// play (and league) --from-saved --save, run after run: each series adds its Tests to the careers.
TEST(CliCareers, PlayFromSavedBuildsCareersRunAfterRun)
{
    TempDir dir("ovs-cli");
    int rc = -1;
    RunCli(dir.Path(), "db", &rc);
    ASSERT_EQ(rc, 0);
    const long shipped = CareerTests(dir.Path(), false);
    ASSERT_GE(shipped, 0);

    std::string out = RunCli(dir.Path(), "--seed 21 play --tests 1 --no-weather --from-saved --save 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_NE(out.find("No saved position at "), std::string::npos) << out;
    EXPECT_NE(out.find("Position saved to " + dir.File("CURRENT.DAT")), std::string::npos) << out;
    const long first = CareerTests(dir.Path(), true);
    EXPECT_EQ(first - shipped, 22);   // two elevens, one Test each

    out = RunCli(dir.Path(), "--seed 22 play --tests 2 --no-weather --from-saved --save 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_EQ(out.find("No saved position"), std::string::npos) << out;
    EXPECT_EQ(CareerTests(dir.Path(), true) - first, 44);
    EXPECT_EQ(CareerTests(dir.Path(), false), shipped);   // the database itself is left as shipped

    // A league carries on from them too: two squads, two one-Test rubbers.
    const long second = CareerTests(dir.Path(), true);
    out = RunCli(dir.Path(), "--seed 24 league --tests 1 --from-saved --save 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    EXPECT_EQ(CareerTests(dir.Path(), true) - second, 44);
    out = RunCli(dir.Path(), "--seed 25 league --tests 1 --save-after-rubbers 1 1 2 3", &rc);
    ASSERT_EQ(rc, 0) << out;
    out = RunCli(dir.Path(), "league --from-saved 1 2", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("the saved league is not over; play it on with league --resume"), std::string::npos) << out;

    // A series stopped in mid-Test is finished by resume, not dropped by a new one.
    out = RunCli(dir.Path(), "--seed 23 play --tests 1 --save-after-overs 5 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    out = RunCli(dir.Path(), "play --from-saved 1 2", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("has a Test in progress; finish it with resume"), std::string::npos) << out;
    out = RunCli(dir.Path(), "replay 1", &rc);
    EXPECT_EQ(rc, 1);
    EXPECT_NE(out.find("has not been finished; resume --save plays the series out and saves it"), std::string::npos)
        << out;
}

// Each file a command writes is named in its output.
TEST(CliFiles, BallByBallFilesAreNamed)
{
    TempDir dir("ovs-cli");
    int rc = -1;
    const std::string out = RunCli(dir.Path(), "--seed 5 play --tests 1 --ball-by-ball 1 2", &rc);
    ASSERT_EQ(rc, 0) << out;
    std::string path;
    for (const std::string& l : Lines(out))
        if (l.rfind("1st Test ball by ball: ", 0) == 0) path = l.substr(l.find(": ") + 2);
    EXPECT_EQ(path.rfind(dir.Path() + "/", 0), 0u) << out;
    EXPECT_EQ(ovs::test::ReadFile(path).rfind("Ovalspin Ball by Ball Scorecard", 0), 0u) << path;

    // A play-by-mail league names every turn file, each squad on its line.
    const std::string league = RunCli(dir.Path(), "--seed 6 league --tests 1 --pbm 1 2", &rc);
    ASSERT_EQ(rc, 0) << league;
    int named = 0;
    for (const std::string& l : Lines(league)) {
        if (l.rfind("Turn files: ", 0) != 0) continue;
        for (std::size_t at = l.find(dir.Path() + "/"); at != std::string::npos; at = l.find(dir.Path() + "/", at + 1)) {
            const std::string file = l.substr(at, l.find(',', at) - at);
            EXPECT_TRUE(std::filesystem::exists(file)) << file;
            ++named;
        }
    }
    EXPECT_EQ(named, 6) << league;   // the starting details and two rounds, for each of two squads
}

// The README's examples, run in order on an empty data directory, all
// succeed, and together they show every command of the help.
TEST(CliReadme, ExamplesRunAndShowEveryCommand)
{
    TempDir dir("ovs-cli");
    int rc = -1;
    const std::vector<std::string> commands = HelpCommands(RunCli(dir.Path(), "--help", &rc));
    const std::vector<std::string> examples = Lines(ReadmeBlock("<!-- examples -->"));
    ASSERT_GE(examples.size(), 5u);
    for (const std::string& c : commands) {
        bool shown = false;
        for (const std::string& e : examples)
            shown = shown || e.find(" " + c + " ") != std::string::npos || e.ends_with(" " + c);
        EXPECT_TRUE(shown) << "no README example of " << c;
    }
    // Run from the temporary directory, so files named in the examples go there.
    const std::string data = dir.Path() + "/data";
    for (const std::string& e : examples) {
        ASSERT_EQ(e.rfind("ovalspin-cli ", 0), 0u) << e;
        const std::string out = RunCli(data, e.substr(13), &rc, dir.Path());
        EXPECT_EQ(rc, 0) << e << ":\n" << out;
    }
}

// The README starts with the two commands, and CI runs its third line (.ci/run):
// the full test command, with every package the tests need.
TEST(CliReadme, StartsWithTheTwoCommandsAndCiRunsTheTests)
{
    const std::vector<std::string> lines =
        Lines(ovs::test::ReadFile(std::string(OVALSPIN_SOURCE_DIR) + "/README.md"));
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], "```sh");
    EXPECT_EQ(lines[3], "```");
    const std::string& build = lines[1];
    const std::string& command = lines[2];
    EXPECT_EQ(build.rfind("apt-get update && apt-get install -y ", 0), 0u) << build;
    EXPECT_TRUE(build.ends_with("&& ./build/ovalspin")) << build;
    EXPECT_EQ(command.rfind("apt-get update && apt-get install -y ", 0), 0u) << command;
    EXPECT_NE(command.find("desktop-file-utils"), std::string::npos) << command;
    EXPECT_NE(command.find("ctest --test-dir"), std::string::npos) << command;
}

}  // namespace
