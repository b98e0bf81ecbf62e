// ovalspin-cli view: any view of the database or the saved series as the
// fixed-pitch text the desktop view paints, or the list of view names.
#include <cstdio>
#include <string>

#include "commands.h"
#include "data/files.h"
#include "data/texts.h"
#include "play_common.h"
#include "report/league_text.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report/view_tables.h"

namespace ovs::cli {

namespace {

const char* ArgOption(ViewArg arg)
{
    switch (arg) {
    case ViewArg::Team: return "--team";
    case ViewArg::Squad: return "--squad";
    case ViewArg::Player: return "--player";
    case ViewArg::Ground: return "--ground";
    case ViewArg::None: break;
    }
    return "";
}

void List()
{
    for (const ViewInfo& v : ViewCatalogue()) std::printf("%-30s %-9s %s\n", v.name, ArgOption(v.arg), v.title);
    for (const LeagueView& v : LeagueViews()) std::printf("%-30s %-9s %s\n", v.name, "--saved", v.title);
}

// A league box's text, of the saved league.
int PrintLeagueView(const CliOptions& opts, const ovs::LeagueView& v, const Parsed& args)
{
    for (const char* option : {"--squad", "--team", "--player", "--ground"})
        if (args.Has(option)) return UsageError(std::string("the view ") + v.name + " does not take " + option);
    if (!args.Has("--saved")) return UsageError(std::string("the view ") + v.name + " shows the saved league: add --saved");
    CliSession session(opts);
    if (!session.Start()) return kExitRefused;
    Game& g = session.game();
    if (!LoadSavedPosition(g)) return kExitRefused;
    if (!LeagueSetUp(g)) return Refuse("the saved position holds no league");
    TextOutput text;
    text.file = stdout;
    ReportOut out(text, false);
    v.write(g, out);
    text.file = nullptr;
    return std::fflush(stdout) == 0 ? kExitDone : kExitRefused;
}

// Every argument the view can take, for a view asked for without one.
std::vector<int> AllArgs(const Game& g, ViewArg arg)
{
    std::vector<ViewChoice> choices;
    switch (arg) {
    case ViewArg::None: return {0};
    case ViewArg::Team: return {0, 1};
    case ViewArg::Squad: choices = SquadChoices(g); break;
    case ViewArg::Player: choices = PlayerChoices(g); break;
    case ViewArg::Ground: choices = GroundChoices(g); break;
    }
    std::vector<int> out;
    for (const ViewChoice& c : choices) out.push_back(c.index);
    return out;
}

// The argument given with the view's own option: -1 none given, -2 not found.
int GivenArg(const Game& g, const ViewInfo& v, const Parsed& args)
{
    const char* option = ArgOption(v.arg);
    if (v.arg == ViewArg::None || !args.Has(option)) return -1;
    const std::string text = args.Value(option);
    int found = -2;
    switch (v.arg) {
    case ViewArg::Team: found = static_cast<int>(args.Number("--team", 1)) - 1; break;
    case ViewArg::Squad: found = FindSquad(g, text); break;
    case ViewArg::Player: found = FindPlayer(g, text); break;
    case ViewArg::Ground: found = FindGround(g, text); break;
    case ViewArg::None: break;
    }
    return found < 0 ? -2 : found;
}

void Print(const ViewTable& t)
{
    std::printf("%s\n\n", t.title.c_str());
    for (const std::string& line : ViewLines(t)) std::printf("%s\n", line.c_str());
}

}  // namespace

int CmdView(const CliOptions& opts, const Parsed& args)
{
    if (args.Has("--list")) {
        if (!args.operands.empty()) return UsageError("view --list takes no NAME");
        List();
        return kExitDone;
    }
    if (args.operands.empty()) return UsageError("view needs NAME or --list (see ovalspin-cli view --help)");
    const ViewInfo* info = FindView(args.operands[0]);
    if (const ovs::LeagueView* league = FindLeagueView(args.operands[0]); !info && league)
        return PrintLeagueView(opts, *league, args);
    if (!info) return UsageError("there is no view called " + args.operands[0] + " (see ovalspin-cli view --list)");
    for (const char* option : {"--squad", "--team", "--player", "--ground"})
        if (args.Has(option) && option != std::string(ArgOption(info->arg)))
            return UsageError(std::string("the view ") + info->name + " does not take " + option);
    if (info->arg == ViewArg::Team && !args.Has("--saved"))
        return UsageError(std::string("the view ") + info->name + " shows the saved series: add --saved");

    CliSession session(opts);
    if (!session.Start()) return kExitRefused;
    Game& g = session.game();
    if (args.Has("--saved") && !LoadSavedPosition(g)) return kExitRefused;

    const int given = GivenArg(g, *info, args);
    if (given == -2) return Refuse(std::string("no such ") + (ArgOption(info->arg) + 2) + ": " + args.Value(ArgOption(info->arg)));
    const std::vector<int> shown = given >= 0 ? std::vector<int>{given} : AllArgs(g, info->arg);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        ViewTable t;
        std::string error;
        if (!BuildView(g, info->name, shown[i], t, &error)) return Refuse(error);
        if (i > 0) std::printf("\n");
        Print(t);
    }
    return kExitDone;
}

}  // namespace ovs::cli
