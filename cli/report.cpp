// ovalspin-cli report: any report of the catalogue as text or as an HTML page,
// of the database or (with --saved) of the saved position.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "commands.h"
#include "data/files.h"
#include "data/texts.h"
#include "play_common.h"
#include "report/catalogue.h"
#include "report/pdf.h"

namespace ovs::cli {

namespace {

void List()
{
    for (const ReportEntry& r : ReportCatalogue())
        std::printf("%-28s %-13s %-13s %s\n", r.name, r.textFile, r.htmlFile, r.title);
}

}  // namespace

int CmdReport(const CliOptions& opts, const Parsed& args)
{
    if (args.Has("--list")) {
        if (!args.operands.empty()) return UsageError("report --list takes no NAME");
        List();
        return 0;
    }
    if (args.operands.empty()) return UsageError("report needs NAME or --list (see ovalspin-cli report --help)");
    const std::string& name = args.operands[0];
    const std::string squad = args.Value("--squad");
    const std::string player = args.Value("--player");
    const std::string ground = args.Value("--ground");
    const std::string out = args.Value("--out");
    const bool saved = args.Has("--saved");
    const bool html = args.Value("--format", "text") == "html";
    const int test = static_cast<int>(args.Number("--test", 0)) - 1;
    const bool averagesGiven = args.Has("--averages");
    const std::string averagesText = args.Value("--averages");
    const AveragesOf averages = averagesText == "career"   ? AveragesOf::Career
                                : averagesText == "league" ? AveragesOf::League
                                                           : AveragesOf::Series;
    const ReportEntry* r = FindReport(name);
    if (!r) return UsageError("report: no report '" + name + "'; see ovalspin-cli report --list");

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    if (saved && !LoadSavedPosition(g)) return 1;

    ReportParams p;
    p.test = test;
    // Series averages need a series; without one a squad's averages are its careers.
    p.averages = averagesGiven ? averages : (saved ? AveragesOf::Series : AveragesOf::Career);
    if (!squad.empty() && (p.squad = FindSquad(g, squad)) < 0)
        return Refuse("report: no squad '" + squad + "'; give a name, short name or number from 1 to " +
                      std::to_string(g.db.NumSquads()) + " (see ovalspin-cli db)");
    if (!player.empty() && (p.player = FindPlayer(g, player)) < 0)
        return Refuse("report: no player '" + player + "'; give a surname, a display name or a number from 1 to " +
                      std::to_string(g.db.NumPlayers()));
    if (!ground.empty() && (p.ground = FindGround(g, ground)) < 0)
        return Refuse("report: no ground '" + ground + "'; give a name or a number from 1 to " +
                      std::to_string(g.db.NumGrounds()) + " (see ovalspin-cli db)");
    std::string error;
    if (!ResolveReportParams(g, *r, p, error)) return Refuse("report " + std::string(r->name) + ": " + error);
    if (args.Has("--mail")) return MailReportTo(g, *r, p, args.Value("--mail"), args.Value("--subject"));
    if (args.Has("--pdf")) {
        const std::string pdf = args.Value("--pdf");
        if (!WritePdfReport(g, *r, p, pdf, error)) return Refuse("report: cannot print " + error);
        std::printf("Report printed to %s\n", pdf.c_str());
        return 0;
    }
    if (out.empty()) {
        WriteReportStream(g, *r, p, html, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (!WriteReportFile(g, *r, p, html, out, error)) return Refuse("report: cannot write " + error);
    std::printf("Report written to %s\n", out.c_str());
    return 0;
}

}  // namespace ovs::cli
