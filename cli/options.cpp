// The parser and the help texts made from the command table.
#include "options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "core/startup.h"

namespace ovs::cli {

namespace {

constexpr std::size_t kWidth = 78;

std::string Form(const OptionSpec& o)
{
    return o.value ? std::string(o.name) + " " + o.value : std::string(o.name);
}

// "a, b and c" / "a or b"
std::string ListOf(const std::vector<std::string>& items, const char* last)
{
    std::string out;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) out += i + 1 == items.size() ? std::string(" ") + last + " " : ", ";
        out += items[i];
    }
    return out;
}

std::vector<std::string> Words(const std::string& text, char sep = ' ')
{
    std::vector<std::string> out;
    std::string cur;
    for (char ch : text) {
        if (ch == sep) {
            if (!cur.empty()) out.push_back(cur);
            cur.clear();
        } else {
            cur += ch;
        }
    }
    if (!cur.empty()) out.push_back(cur);
    return out;
}

// Pieces joined by blanks into lines of at most kWidth; lines after the
// first start with `indent` blanks.
std::string Fill(const std::vector<std::string>& pieces, std::size_t first, std::size_t indent)
{
    std::string out;
    std::size_t col = first;
    bool lineEmpty = true;
    for (const std::string& p : pieces) {
        if (!lineEmpty && col + 1 + p.size() > kWidth) {
            out += "\n" + std::string(indent, ' ');
            col = indent;
            lineEmpty = true;
        }
        if (!lineEmpty) {
            out += ' ';
            ++col;
        }
        out += p;
        col += p.size();
        lineEmpty = false;
    }
    return out;
}

// "  NAME        help, filled to the width"
std::string Described(const std::string& name, const std::string& help)
{
    constexpr std::size_t kColumn = 26;
    std::string head = "  " + name;
    if (head.size() + 1 > kColumn) head += "\n" + std::string(kColumn, ' ');
    else head += std::string(kColumn - head.size(), ' ');
    return head + Fill(Words(help), kColumn, kColumn) + "\n";
}

const std::vector<const char*>* ExclusiveGroup(const CommandSpec& c, const char* name)
{
    for (const auto& group : c.exclusive)
        for (const char* member : group)
            if (std::strcmp(member, name) == 0) return &group;
    return nullptr;
}

const OptionSpec* FindOption(const std::vector<OptionSpec>& options, const std::string& name)
{
    for (const OptionSpec& o : options)
        if (name == o.name) return &o;
    return nullptr;
}

// An option with the options that need it nested inside: "--careers [--saved]".
std::string NestedForm(const CommandSpec& c, const OptionSpec& o)
{
    std::string form = Form(o);
    for (const OptionSpec& child : c.options)
        if (child.needs && std::strcmp(child.needs, o.name) == 0) form += " [" + NestedForm(c, child) + "]";
    return form;
}

// The bracketed groups of a command's synopsis, in table order.
std::vector<std::string> SynopsisPieces(const CommandSpec& c)
{
    std::vector<std::string> pieces{c.name};
    std::vector<const void*> done;
    for (const OptionSpec& o : c.options) {
        if (o.needs) continue;  // shown inside the option it needs
        const auto* group = ExclusiveGroup(c, o.name);
        if (group) {
            bool shown = false;
            for (const void* d : done) shown = shown || d == group;
            if (shown) continue;
            done.push_back(group);
            std::string alt;
            for (const char* member : *group) {
                const OptionSpec* m = FindOption(c.options, member);
                if (!alt.empty()) alt += " | ";
                alt += m ? NestedForm(c, *m) : member;
            }
            pieces.push_back("[" + alt + "]");
        } else {
            pieces.push_back("[" + NestedForm(c, o) + "]");
        }
    }
    for (const OperandSpec& op : c.operands) {
        std::string name = std::string(op.name) + (op.repeats ? "..." : "");
        pieces.push_back(op.optional ? "[" + name + "]" : name);
    }
    return pieces;
}

std::string Synopsis(const CommandSpec& c, std::size_t first)
{
    return Fill(SynopsisPieces(c), first, first + std::strlen(c.name) + 1);
}

// What a value must be, for messages and help: "a number from 1 to 6".
std::string Allowed(const OptionSpec& o)
{
    if (o.choices) return ListOf(Words(o.choices, '|'), "or");
    if (o.max > o.min) return "a number from " + std::to_string(o.min) + " to " + std::to_string(o.max);
    return "";
}

bool ParseWhole(const std::string& s, long long& out)
{
    if (s.empty() || s.size() > 20) return false;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (!(s[i] >= '0' && s[i] <= '9') && !(i == 0 && s[i] == '-' && s.size() > 1)) return false;
    errno = 0;
    char* end = nullptr;
    out = std::strtoll(s.c_str(), &end, 10);
    return errno == 0 && end && *end == '\0';
}

// Empty when the value is allowed, else what is wrong.
std::string CheckValue(const std::string& who, const OptionSpec& o, const std::string& v)
{
    if (o.choices) {
        for (const std::string& w : Words(o.choices, '|'))
            if (v == w) return "";
        return who + " wants " + Allowed(o) + ", not '" + v + "'";
    }
    if (o.max > o.min) {
        long long n = 0;
        if (!ParseWhole(v, n) || n < o.min || n > o.max) return who + " wants " + Allowed(o) + ", not '" + v + "'";
    }
    if (v.empty()) return who + " wants a value";
    return "";
}

std::string OptionNames(const std::vector<OptionSpec>& options)
{
    std::vector<std::string> names;
    for (const OptionSpec& o : options) names.push_back(o.name);
    return ListOf(names, "and");
}

std::string CommandNames()
{
    std::vector<std::string> names;
    for (const CommandSpec& c : Commands()) names.push_back(c.name);
    return ListOf(names, "and");
}

std::string OperandNames(const CommandSpec& c)
{
    std::vector<std::string> names;
    for (const OperandSpec& op : c.operands) names.push_back(op.name);
    return ListOf(names, "and");
}

bool IsOption(const std::string& a)
{
    return a.size() > 1 && a[0] == '-' && !(a[1] >= '0' && a[1] <= '9');
}

// Options and operands of one command. Returns -1 when the command may run,
// else the exit code (help shown, or a usage error reported).
int ParseCommand(const CommandSpec& c, const Args& args, Parsed& p)
{
    const std::string cmd = c.name;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        if (operandsOnly || !IsOption(a)) {
            p.operands.push_back(a);
            continue;
        }
        if (a == "--") {
            operandsOnly = true;
            continue;
        }
        if (a == "--help" || a == "-h") {
            std::fputs(CommandHelp(c).c_str(), stdout);
            return kExitDone;
        }
        std::string value;
        bool inlineValue = false;
        if (std::size_t eq = a.find('='); eq != std::string::npos && a.compare(0, 2, "--") == 0) {
            value = a.substr(eq + 1);
            a.resize(eq);
            inlineValue = true;
        }
        const OptionSpec* o = FindOption(c.options, a);
        if (!o) {
            if (c.options.empty()) return UsageError(cmd + " takes no options, not " + a);
            return UsageError(cmd + " has no option " + a + "; its options are " + OptionNames(c.options));
        }
        if (p.Has(o->name)) return UsageError(cmd + " " + o->name + " is given twice");
        if (!o->value) {
            if (inlineValue) return UsageError(cmd + " " + o->name + " takes no value");
        } else {
            if (!inlineValue) {
                if (i + 1 >= args.size()) {
                    std::string allowed = Allowed(*o);
                    return UsageError(cmd + " " + Form(*o) + " needs its " + o->value +
                                      (allowed.empty() ? "" : ", " + allowed));
                }
                value = args[++i];
            }
            std::string wrong = CheckValue(cmd + " " + o->name, *o, value);
            if (!wrong.empty()) return UsageError(wrong);
        }
        p.Set(o->name, value);
    }

    for (const auto& group : c.exclusive) {
        std::vector<std::string> given;
        for (const char* member : group)
            if (p.Has(member)) given.push_back(member);
        if (given.size() > 1)
            return UsageError(cmd + " " + ListOf(given, "and") + " exclude each other; give one of them");
    }
    for (const OptionSpec& o : c.options)
        if (o.needs && p.Has(o.name) && !p.Has(o.needs))
            return UsageError(cmd + " " + o.name + " is allowed only with " + o.needs);

    std::size_t required = 0;
    bool repeats = false;
    for (const OperandSpec& op : c.operands) {
        if (!op.optional) ++required;
        repeats = repeats || op.repeats;
    }
    if (p.operands.size() < required)
        return UsageError(cmd + " needs " + OperandNames(c) + " (see ovalspin-cli " + cmd + " --help)");
    if (!repeats && p.operands.size() > c.operands.size()) {
        const std::string& extra = p.operands[c.operands.size()];
        if (c.operands.empty()) return UsageError(cmd + " takes no arguments, not '" + extra + "'");
        return UsageError(cmd + " takes only " + OperandNames(c) + "; '" + extra + "' is one too many");
    }
    for (std::size_t k = 0; k < p.operands.size() && k < c.operands.size(); ++k) {
        const OperandSpec& op = c.operands[k];
        long long n = 0;
        if (op.max > op.min && (!ParseWhole(p.operands[k], n) || n < op.min || n > op.max))
            return UsageError(cmd + " " + op.name + " wants a number from " + std::to_string(op.min) + " to " +
                              std::to_string(op.max) + ", not '" + p.operands[k] + "'");
    }
    return -1;
}

}  // namespace

bool Parsed::Has(const char* option) const
{
    for (const auto& [name, value] : given_)
        if (name == option) return true;
    return false;
}

std::string Parsed::Value(const char* option, const std::string& fallback) const
{
    for (const auto& [name, value] : given_)
        if (name == option) return value;
    return fallback;
}

long long Parsed::Number(const char* option, long long fallback) const
{
    long long n = 0;
    return Has(option) && ParseWhole(Value(option), n) ? n : fallback;
}

void Parsed::Set(const std::string& option, const std::string& value) { given_.emplace_back(option, value); }

int Complain(int code, const std::string& message)
{
    std::fprintf(stderr, "ovalspin-cli: %s\n", message.c_str());
    return code;
}

std::string VersionText() { return std::string("ovalspin-cli (Ovalspin) ") + kVersion + "\n"; }

std::string ProgramHelp()
{
    std::string out = "usage: ovalspin-cli";
    for (const OptionSpec& o : GlobalOptions()) out += " [" + Form(o) + "]";
    out += " COMMAND ...\n"
           "       ovalspin-cli COMMAND --help | --help | --version\n"
           "\n"
           "Ovalspin's headless program: the computer answers every choice.\n"
           "\n"
           "options:\n";
    for (const OptionSpec& o : GlobalOptions()) out += Described(Form(o), o.help);
    out += "\ncommands:\n";
    for (const CommandSpec& c : Commands()) {
        out += "  " + Synopsis(c, 2) + "\n";
        out += "      " + Fill(Words(c.summary), 6, 6) + "\n";
    }
    out += "\n"
           "A squad is given by its name, its short name or the number `db` shows\n"
           "(1 = the first). Exit status: 0 done, 1 refused (the reason is printed),\n"
           "2 a wrong command line.\n";
    return out;
}

std::string CommandHelp(const CommandSpec& c)
{
    std::string out = "usage: ovalspin-cli [options] " + Synopsis(c, 30) + "\n";
    out += Fill(Words(c.summary), 0, 0) + "\n";
    if (!c.operands.empty() || !c.options.empty()) out += "\n";
    for (const OperandSpec& op : c.operands) out += Described(op.name, op.help);
    for (const OptionSpec& o : c.options) {
        std::string help = o.help;
        if (o.needs) help += " (with " + std::string(o.needs) + ")";
        out += Described(Form(o), help);
    }
    for (const auto& group : c.exclusive) {
        std::vector<std::string> names(group.begin(), group.end());
        out += "  " + ListOf(names, "and") + " exclude each other.\n";
    }
    if (c.notes) out += "\n" + std::string(c.notes) + "\n";
    return out;
}

int RunCommandLine(int argc, char** argv)
{
    CliOptions opts;
    Parsed globals;
    int i = 1;
    for (; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--help" || a == "-h") {
            std::fputs(ProgramHelp().c_str(), stdout);
            return kExitDone;
        }
        if (a == "--version") {
            std::fputs(VersionText().c_str(), stdout);
            return kExitDone;
        }
        if (!IsOption(a)) break;
        const OptionSpec* o = FindOption(GlobalOptions(), a);
        if (!o)
        {
            std::vector<OptionSpec> all = GlobalOptions();
            all.push_back({"--help"});
            all.push_back({"--version"});
            return UsageError("no option " + a + " before the command; the options are " + OptionNames(all));
        }
        if (globals.Has(o->name)) return UsageError(std::string(o->name) + " is given twice");
        std::string value;
        if (o->value) {
            if (i + 1 >= argc) {
                std::string allowed = Allowed(*o);
                return UsageError(Form(*o) + " needs its " + o->value + (allowed.empty() ? "" : ", " + allowed));
            }
            value = argv[++i];
            std::string wrong = CheckValue(o->name, *o, value);
            if (!wrong.empty()) return UsageError(wrong);
        }
        globals.Set(o->name, value);
    }
    opts.dataDir = globals.Value("--data");
    opts.dbPath = globals.Value("--db");
    if (globals.Has("--seed")) opts.seed = static_cast<std::uint32_t>(globals.Number("--seed", 0));
    opts.verbose = globals.Has("--verbose");

    if (i >= argc) return UsageError("no command given; the commands are " + CommandNames() + " (see --help)");
    const std::string name = argv[i++];
    for (const CommandSpec& c : Commands()) {
        if (name != c.name) continue;
        Parsed p;
        p.command = name;
        int code = ParseCommand(c, Args(argv + i, argv + argc), p);
        if (code >= 0) return code;
        return c.run(opts, p);
    }
    return UsageError("no command '" + name + "'; the commands are " + CommandNames());
}

}  // namespace ovs::cli
