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

namespace ovs::cli {

namespace {

void ReportUsage()
{
    std::fprintf(stderr,
                 "usage: ovalspin-cli [options] report --list\n"
                 "       ovalspin-cli [options] report NAME [--squad S] [--test T] [--player P] [--ground G]\n"
                 "                    [--averages series|career|league] [--format text|html] [--out FILE] [--saved]\n"
                 "  NAME        a report of the catalogue (see --list)\n"
                 "  --squad S   squad by number (from 0), name or short name\n"
                 "  --test T    Test of the series, from 1 (default: the last one begun)\n"
                 "  --player P  player by number (from 0) or surname\n"
                 "  --ground G  ground by number (from 0) or name\n"
                 "  --averages  the averages of the series side, the league or the careers\n"
                 "  --format    text (default) or html\n"
                 "  --out FILE  write the file (default: standard output)\n"
                 "  --saved     report on the saved position CURRENT.DAT\n");
}

bool Number(const std::string& s, int& out)
{
    if (s.empty() || s.size() > 6 || s.find_first_not_of("0123456789") != std::string::npos) return false;
    out = std::atoi(s.c_str());
    return true;
}

std::string Lower(std::string s)
{
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

int FindPlayer(const Game& g, const std::string& text)
{
    int n = 0;
    if (Number(text, n)) return n < g.db.NumPlayers() ? n : -1;
    const std::string want = Lower(text);
    for (int p = 0; p < g.db.NumPlayers(); ++p)
        if (Lower(FieldText(g.db.players[p].szSurname)) == want || Lower(DisplayName(g.db.players[p])) == want)
            return p;
    return -1;
}

int FindGround(const Game& g, const std::string& text)
{
    int n = 0;
    if (Number(text, n)) return n < g.db.NumGrounds() ? n : -1;
    const std::string want = Lower(text);
    for (int k = 0; k < g.db.NumGrounds(); ++k)
        if (Lower(FieldText(g.db.grounds[k].szName)) == want) return k;
    return -1;
}

void List()
{
    for (const ReportEntry& r : ReportCatalogue())
        std::printf("%-28s %-13s %-13s %s\n", r.name, r.textFile, r.htmlFile, r.title);
}

}  // namespace

int CmdReport(const CliOptions& opts, const Args& args)
{
    std::string name, squad, player, ground, format = "text", out;
    int test = -1;
    bool saved = false;
    AveragesOf averages = AveragesOf::Series;
    bool averagesGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& v) {
            if (i + 1 >= args.size()) return false;
            v = args[++i];
            return true;
        };
        std::string v;
        if (a == "--list") {
            List();
            return 0;
        } else if (a == "--saved") {
            saved = true;
        } else if (a == "--squad") {
            if (!value(squad)) return ReportUsage(), 2;
        } else if (a == "--player") {
            if (!value(player)) return ReportUsage(), 2;
        } else if (a == "--ground") {
            if (!value(ground)) return ReportUsage(), 2;
        } else if (a == "--out") {
            if (!value(out)) return ReportUsage(), 2;
        } else if (a == "--format") {
            if (!value(format) || (format != "text" && format != "html")) return ReportUsage(), 2;
        } else if (a == "--test") {
            if (!value(v) || !Number(v, test) || test < 1) return ReportUsage(), 2;
            --test;
        } else if (a == "--averages") {
            if (!value(v)) return ReportUsage(), 2;
            averagesGiven = true;
            if (v == "series")
                averages = AveragesOf::Series;
            else if (v == "career")
                averages = AveragesOf::Career;
            else if (v == "league")
                averages = AveragesOf::League;
            else
                return ReportUsage(), 2;
        } else if (!a.empty() && a[0] != '-' && name.empty()) {
            name = a;
        } else {
            ReportUsage();
            return 2;
        }
    }
    if (name.empty()) {
        ReportUsage();
        return 2;
    }
    const ReportEntry* r = FindReport(name);
    if (!r) {
        std::fprintf(stderr, "ovalspin-cli report: no report '%s' (see report --list)\n", name.c_str());
        return 2;
    }

    CliSession session(opts);
    if (!session.Start()) return 1;
    Game& g = session.game();
    if (saved && !LoadSavedPosition(g)) return 1;

    ReportParams p;
    p.test = test;
    // Series averages need a series; without one a squad's averages are its careers.
    p.averages = averagesGiven ? averages : (saved ? AveragesOf::Series : AveragesOf::Career);
    if (!squad.empty() && (p.squad = FindSquad(g, squad)) < 0) {
        std::fprintf(stderr, "ovalspin-cli report: no squad '%s' in the database\n", squad.c_str());
        return 1;
    }
    if (!player.empty() && (p.player = FindPlayer(g, player)) < 0) {
        std::fprintf(stderr, "ovalspin-cli report: no player '%s' in the database\n", player.c_str());
        return 1;
    }
    if (!ground.empty() && (p.ground = FindGround(g, ground)) < 0) {
        std::fprintf(stderr, "ovalspin-cli report: no ground '%s' in the database\n", ground.c_str());
        return 1;
    }
    std::string error;
    if (!ResolveReportParams(g, *r, p, error)) {
        std::fprintf(stderr, "ovalspin-cli report %s: %s\n", r->name, error.c_str());
        return 1;
    }
    const bool html = format == "html";
    if (out.empty()) {
        WriteReportStream(g, *r, p, html, stdout);
        return std::fflush(stdout) == 0 ? 0 : 1;
    }
    if (!WriteReportFile(g, *r, p, html, out, error)) {
        std::fprintf(stderr, "ovalspin-cli report: cannot write %s\n", error.c_str());
        return 1;
    }
    return 0;
}

}  // namespace ovs::cli
