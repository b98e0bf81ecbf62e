// The catalogue of reports: every table and summary the game can write as a
// 78-column text file or an HTML page, with its name, title, default file
// names, the parameters it takes and its writer.
//
// Names are short lowercase words joined by hyphens, from the report's title
// ("scoreboard", "series-summary", "highest-innings"); front ends, the views
// and the command line find a report by its name. One writer serves both
// forms (see report_out.h).
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace ovs {

struct Game;
class ReportOut;

// What a report is written of.
enum ReportParam : unsigned {
    PARAM_NONE = 0,
    PARAM_TEST = 1,     // a Test of the series in play
    PARAM_SQUAD = 2,    // a squad (averages: a side of the series, a league squad or a career squad)
    PARAM_PLAYER = 4,
    PARAM_GROUND = 8,
};

// Averages of a series side, of a squad in the league, or of a squad's careers
// (the squad-averages modes of the statistics).
enum class AveragesOf { Series, Career, League };

struct ReportParams {
    int test = -1;      // 0-based Test of the series
    int squad = -1;     // squad store index (for series averages: of one side of the series)
    int player = -1;    // player store index
    int ground = -1;    // ground store index
    AveragesOf averages = AveragesOf::Series;
};

using ReportWriter = void (*)(Game& g, ReportOut& out, const ReportParams& p);

struct ReportEntry {
    const char* name;       // "highest-innings"
    const char* title;      // "Highest Innings"
    const char* textFile;   // "HighInns.txt"
    const char* htmlFile;   // "HighInns.htm"
    unsigned params;        // ReportParam bits it needs
    ReportWriter write;     // null: a table of a view (report_records.cpp)
};

const std::vector<ReportEntry>& ReportCatalogue();
// The entry of that name, or null.
const ReportEntry* FindReport(const std::string& name);

// Whether the report can be written: it has a writer of its own, or it is
// the table of a view laid out by the table writer.
bool ReportWritable(const ReportEntry& r);

// The report's default file name of the form.
inline const char* DefaultFileName(const ReportEntry& r, bool html) { return html ? r.htmlFile : r.textFile; }

// Fills in what the caller left open from the state of the game: the Test in
// play (or the last one played), the home side's squad, the first player and
// ground. False with `error` set when the report cannot be written (no series
// for a series report, an index out of range).
bool ResolveReportParams(const Game& g, const ReportEntry& r, ReportParams& p, std::string& error);

// Writes the report to `path` as text or as a page. False with `error` set
// ("<path>: <reason>") when the file could not be written; the file is
// written under a temporary name and renamed, so a failed write leaves any
// older file as it was.
bool WriteReportFile(Game& g, const ReportEntry& r, const ReportParams& p, bool html, const std::string& path,
                     std::string& error);
// The same, to an open stream (standard output).
void WriteReportStream(Game& g, const ReportEntry& r, const ReportParams& p, bool html, std::FILE* stream);

}  // namespace ovs
