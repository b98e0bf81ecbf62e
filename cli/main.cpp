// ovalspin-cli: the headless front end of Ovalspin.
//
//   ovalspin-cli [--data DIR] [--seed N] [--db FILE] [--verbose] COMMAND [ARGS...]
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "commands.h"

namespace {

using namespace ovs::cli;

struct CliCommand {
    const char* name;
    int (*run)(const CliOptions&, const Args&);
    const char* summary;
};

// One line per subcommand.
const CliCommand kCommands[] = {
    {"db", CmdDb, "[--careers [--saved]]: the database (counts, squads, grounds), or its career and record tables"},
    {"play", CmdPlay, "[--tests N] [--no-weather] HOME AWAY: the computer plays a series"},
    {"bench", CmdBench, "[--tests N] [--log off] [--seed S]: seeded Tests, speed and a checksum"},
    {"resume", CmdResume, "[--save-after-overs K] [--save]: play the series saved in CURRENT.DAT to its end"},
    {"replay", CmdReplay, "T: replay Test T (1 = the first) of the saved series and print its result"},
    {"report", CmdReport, "NAME [--squad S] [--test T] [--format text|html] [--out FILE] [--saved], or --list: a report"},
};

void Usage(std::FILE* out)
{
    std::fprintf(out,
                 "usage: ovalspin-cli [--data DIR] [--seed N] [--db FILE] [--verbose] COMMAND [ARGS...]\n"
                 "\n"
                 "options:\n"
                 "  --data DIR   the data directory (default: $OVALSPIN_DATA, $XDG_DATA_HOME/ovalspin,\n"
                 "               ~/.local/share/ovalspin); created on first use\n"
                 "  --seed N     seed the random generator with N instead of the clock\n"
                 "  --db FILE    the database to load instead of the default one\n"
                 "  --verbose    copy the log and every message box to stderr\n"
                 "\n"
                 "commands:\n");
    for (const CliCommand& c : kCommands) std::fprintf(out, "  %-10s %s\n", c.name, c.summary);
}

bool ParseSeed(const char* s, std::uint32_t& out)
{
    if (!*s || *s == '-') return false;
    errno = 0;
    char* end = nullptr;
    unsigned long long v = std::strtoull(s, &end, 10);
    if (errno || *end || v > 0xFFFFFFFFull) return false;
    out = static_cast<std::uint32_t>(v);
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    CliOptions opts;
    int i = 1;
    for (; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            Usage(stdout);
            return 0;
        }
        if (a == "--verbose") {
            opts.verbose = true;
        } else if (a == "--data" || a == "--seed" || a == "--db") {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "ovalspin-cli: %s needs a value\n", a.c_str());
                Usage(stderr);
                return 2;
            }
            const char* v = argv[++i];
            if (a == "--data") {
                opts.dataDir = v;
            } else if (a == "--db") {
                opts.dbPath = v;
            } else {
                std::uint32_t seed = 0;
                if (!ParseSeed(v, seed)) {
                    std::fprintf(stderr, "ovalspin-cli: --seed wants a number from 0 to 4294967295, not '%s'\n", v);
                    Usage(stderr);
                    return 2;
                }
                opts.seed = seed;
            }
        } else if (a.size() > 1 && a[0] == '-') {
            std::fprintf(stderr, "ovalspin-cli: unknown option %s\n", a.c_str());
            Usage(stderr);
            return 2;
        } else {
            break;
        }
    }
    if (i >= argc) {
        std::fprintf(stderr, "ovalspin-cli: no command given\n");
        Usage(stderr);
        return 2;
    }
    std::string name = argv[i++];
    Args args(argv + i, argv + argc);
    for (const CliCommand& c : kCommands)
        if (name == c.name) return c.run(opts, args);
    std::fprintf(stderr, "ovalspin-cli: unknown command %s\n", name.c_str());
    Usage(stderr);
    return 2;
}
