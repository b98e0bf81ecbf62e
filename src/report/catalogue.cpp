// The catalogue of reports and writing a report to a file or a stream.
#include "report/catalogue.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "core/game.h"
#include "report/html_out.h"
#include "report/league_text.h"
#include "report/report_out.h"
#include "report/text_lines.h"
#include "report/writers.h"

namespace ovs {

namespace {

constexpr unsigned T = PARAM_TEST, S = PARAM_SQUAD, P = PARAM_PLAYER, G = PARAM_GROUND, N = PARAM_NONE;

const std::vector<ReportEntry> kCatalogue = {
    // Match and series reports.
    {"scoreboard", "Scoreboard", "ScoreBrd.Txt", "ScoreBrd.htm", T, WriteScoreboardReport},
    {"series-summary", "Series Summary", "SERIES.TXT", "SERIES.HTM", T, WriteSeriesSummaryReport},
    // Record tables of innings, Tests and series.
    {"highest-innings", "Highest Innings", "HighInns.txt", "HighInns.htm", N, nullptr},
    {"lowest-innings", "Lowest Innings", "LowInns.txt", "LowInns.htm", N, nullptr},
    {"highest-scores", "Highest Scores", "HiScores.txt", "HiScores.htm", N, nullptr},
    {"highest-wicket-partnerships", "Highest Wicket Partnerships", "HighPart.txt", "HighPart.htm", N, WritePartnershipsReport},
    {"best-bowling-innings", "Best Bowling in an Innings", "WktsInns.txt", "WktsInns.htm", N, nullptr},
    {"best-bowling-test", "Best Bowling in a Test", "WktsTest.txt", "WktsTest.htm", N, nullptr},
    {"most-catches-innings", "Most Catches in an Innings", "CtInns.txt", "CtInns.htm", N, nullptr},
    {"most-catches-test", "Most Catches in a Test", "CtTest.txt", "CtTest.htm", N, nullptr},
    {"most-dismissals-innings", "Most Dismissals in an Innings", "DisInns.txt", "DisInns.htm", N, nullptr},
    {"most-dismissals-test", "Most Dismissals in a Test", "DisTest.txt", "DisTest.htm", N, nullptr},
    {"most-points-test", "Most Performance Points in a Test", "PtsTest.txt", "PtsTest.htm", N, nullptr},
    {"most-runs-series", "Most Runs in a Series", "RunsSrs.txt", "RunsSrs.htm", N, nullptr},
    {"most-wickets-series", "Most Wickets in a Series", "WktsSrs.txt", "WktsSrs.htm", N, nullptr},
    {"most-catches-series", "Most Catches in a Series", "CtSrs.txt", "CtSrs.htm", N, nullptr},
    {"most-dismissals-series", "Most Dismissals in a Series", "DisSrs.txt", "DisSrs.htm", N, nullptr},
    {"most-points-series", "Most Points in a Series", "PtsSrs.txt", "PtsSrs.htm", N, nullptr},
    // Career tables over all players.
    {"most-runs", "Most Runs in Tests", "RunsTest.txt", "RunsTest.htm", N, nullptr},
    {"highest-average", "Highest Average in Tests", "BatAve.txt", "BatAve.htm", N, nullptr},
    {"most-hundreds", "Most Hundreds", "Hundreds.txt", "Hundreds.htm", N, nullptr},
    {"most-wickets", "Most Wickets in Tests", "Wickets.txt", "Wickets.htm", N, nullptr},
    {"best-bowling-average", "Best Bowling Average in Tests", "Bowling.txt", "Bowling.htm", N, nullptr},
    {"most-catches", "Most Catches in Tests", "Fielder.txt", "Fielder.htm", N, nullptr},
    {"most-dismissals", "Most Dismissals in Tests", "Keeper.txt", "Keeper.htm", N, nullptr},
    {"most-points", "Most Points in Tests", "PerPts.txt", "PerPts.htm", N, nullptr},
    {"best-points-average", "Best Points Average in Tests", "Rating.txt", "Rating.htm", N, nullptr},
    {"highest-rated-batsman", "Highest Rated Batsman", "BatRate.txt", "BatRate.htm", N, nullptr},
    {"highest-ever-rated-batsman", "Highest Ever Rated Batsman", "HiBatRte.txt", "HiBatRte.htm", N, nullptr},
    {"highest-rated-bowlers", "Highest Rated Bowlers", "BowlRate.txt", "BowlRate.htm", N, nullptr},
    {"highest-ever-rated-bowlers", "Highest Ever Rated Bowlers", "HiBwlRte.txt", "HiBwlRte.htm", N, nullptr},
    {"highest-rated-fielders", "Highest Rated Fielders", "FieldRte.txt", "FieldRte.htm", N, nullptr},
    {"highest-ever-rated-fielders", "Highest Ever Rated Fielders", "HiFldRte.txt", "HiFldRte.htm", N, nullptr},
    {"scoring-rate", "Scoring Rate per 100 Balls", "BatSR.txt", "BatSR.htm", N, nullptr},
    {"innings-of-50", "% Innings of 50 or more", "Per50.txt", "Per50.htm", N, nullptr},
    {"bowling-strike-rate", "Bowling Strike Rate", "BowlSR.txt", "BowlSR.htm", N, nullptr},
    {"bowling-economy-rate", "Bowling Economy Rate", "Economy.txt", "Economy.htm", N, nullptr},
    // Averages, squads, league and details.
    {"averages", "Averages", "AVERAGES.TXT", "AVERAGES.HTM", S, WriteAveragesReport},
    {"squad-details", "Squad Details", "Squad.txt", "Squad.htm", S, WriteSquadDetailsReport},
    {"league-table", "League Table", "LTable.txt", "LTable.htm", N, WriteLeagueTableReport},
    {"league-results", "League Results", "LResults.txt", "LResults.htm", N, WriteLeagueResultsReport},
    {"player-details", "Player Details", "Player.txt", "Player.htm", P, WritePlayerDetailsReport},
    {"ground-details", "Ground Details", "Ground.txt", "Ground.htm", G, WriteGroundDetailsReport},
};

bool StartsWith(const char* text, const char* prefix) { return std::strncmp(text, prefix, std::strlen(prefix)) == 0; }

bool SeriesSet(const Game& g)
{
    return g.Series.nNumTests >= 1 && g.Series.nNumTests <= MAX_TESTS && g.Series.nSquad[0] >= 0 &&
           g.Series.nSquad[1] >= 0 && g.Series.nSquad[0] < static_cast<int>(g.db.squads.size()) &&
           g.Series.nSquad[1] < static_cast<int>(g.db.squads.size());
}

// Writes the report into an open output.
void Write(Game& g, const ReportEntry& r, const ReportParams& p, bool html, TextOutput& out)
{
    if (html) HtmlHead(out);
    ReportOut ro(out, html);
    if (r.write)
        r.write(g, ro, p);
    else
        WriteTableReport(g, ro, r.name);
    if (html) HtmlFoot(out);
}

}  // namespace

const std::vector<ReportEntry>& ReportCatalogue() { return kCatalogue; }

const ReportEntry* FindReport(const std::string& name)
{
    for (const ReportEntry& r : kCatalogue)
        if (name == r.name) return &r;
    return nullptr;
}

bool ReportWritable(const ReportEntry& r) { return r.write || IsTableReport(r.name); }

bool ResolveReportParams(const Game& g, const ReportEntry& r, ReportParams& p, std::string& error)
{
    if (!ReportWritable(r)) {
        error = std::string("the report ") + r.name + " cannot be written yet";
        return false;
    }
    if (FindLeagueView(r.name) && !LeagueSetUp(g)) {
        error = "there is no league to report on (load one with --saved)";
        return false;
    }
    if (r.params & PARAM_TEST) {
        if (!SeriesSet(g)) {
            error = "there is no series to report on (load one with --saved)";
            return false;
        }
        if (p.test < 0) {
            // The Test in play, else the last one begun.
            p.test = 0;
            for (int t = 0; t < g.Series.nNumTests; ++t)
                if (!StartsWith(g.Series.Test[t].szResult, "Not ")) p.test = t;
        }
        if (p.test >= g.Series.nNumTests) {
            error = "the series has " + std::to_string(g.Series.nNumTests) + " Test(s), not " +
                    std::to_string(p.test + 1);
            return false;
        }
    }
    if (r.params & PARAM_SQUAD) {
        if (p.squad < 0) p.squad = SeriesSet(g) ? static_cast<int>(g.Series.nSquad[0]) : 0;
        if (p.squad >= static_cast<int>(g.db.squads.size())) {
            error = "no such squad";
            return false;
        }
    }
    if (r.params & PARAM_PLAYER) {
        if (p.player < 0) p.player = 0;
        if (p.player >= static_cast<int>(g.db.players.size())) {
            error = "no such player";
            return false;
        }
    }
    if (r.params & PARAM_GROUND) {
        if (p.ground < 0) p.ground = 0;
        if (p.ground >= static_cast<int>(g.db.grounds.size())) {
            error = "no such ground";
            return false;
        }
    }
    return true;
}

bool WriteReportFile(Game& g, const ReportEntry& r, const ReportParams& p, bool html, const std::string& path,
                     std::string& error)
{
    const std::string temp = path + ".tmp";
    TextOutput out;
    if (!TextFileOpen(out, temp)) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    Write(g, r, p, html, out);
    const bool ok = std::ferror(out.file) == 0;
    TextFileClose(out);
    if (!ok || std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno ? errno : EIO);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

void WriteReportStream(Game& g, const ReportEntry& r, const ReportParams& p, bool html, std::FILE* stream)
{
    TextOutput out;
    out.file = stream;
    Write(g, r, p, html, out);
    out.file = nullptr;
}

}  // namespace ovs
