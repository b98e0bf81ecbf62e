// The series website.
#include "report/site.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "core/format.h"
#include "core/game.h"
#include "core/innings.h"
#include "core/series.h"
#include "core/setup.h"
#include "report/charts.h"
#include "data/texts.h"
#include "report/report_table.h"
#include "report/scoreboard_text.h"
#include "report/view_tables.h"

namespace ovs {

namespace {

namespace fs = std::filesystem;

// The game's green: the match panes' dark green for the bars, a light page
// for reading in daylight, and tables that scroll sideways on a phone.
const char* const kStyle =
    "/* Ovalspin series website */\n"
    ":root { --green: #004000; --pale: #e8f1e8; --ink: #1b1b1b; }\n"
    "* { box-sizing: border-box; }\n"
    "body { margin: 0; font: 16px/1.45 system-ui, sans-serif; color: var(--ink); background: #fafcfa; }\n"
    "header, footer { background: var(--green); color: #fff; padding: .6rem 1rem; }\n"
    "header h1 { margin: 0; font-size: 1.3rem; }\n"
    "nav { display: flex; flex-wrap: wrap; gap: .3rem 1rem; margin-top: .3rem; }\n"
    "nav a, footer a { color: #ffff80; }\n"
    "main { max-width: 60rem; margin: 0 auto; padding: .5rem 1rem 2rem; }\n"
    "h2 { color: var(--green); border-bottom: 2px solid var(--green); font-size: 1.15rem; margin-top: 1.6rem; }\n"
    "h3 { color: var(--green); font-size: 1rem; margin-bottom: .3rem; }\n"
    ".scroll { overflow-x: auto; }\n"
    "table { border-collapse: collapse; margin: .3rem 0 .8rem; font-size: .92rem; }\n"
    "th, td { padding: .15rem .5rem; text-align: left; white-space: nowrap; }\n"
    "th { background: var(--green); color: #fff; font-weight: 600; }\n"
    "tbody tr:nth-child(even) { background: var(--pale); }\n"
    ".num { text-align: right; font-variant-numeric: tabular-nums; }\n"
    ".result { font-weight: 600; }\n"
    "ul.tests { padding-left: 1.2rem; }\n"
    "footer { font-size: .85rem; }\n"
    "figure.chart { margin: .8rem 0; }\n"
    "figure.chart svg { display: block; max-width: 100%; height: auto; border: 1px solid var(--pale); }\n";

std::string E(const std::string& s) { return HtmlEscape(s); }

std::string Field(const char* text, std::size_t size) { return std::string(text, strnlen(text, size)); }

std::string SquadNameOf(const Game& g, int squad)
{
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return "";
    return Field(g.db.squads[squad].szName, sizeof g.db.squads[squad].szName);
}

bool Begun(const TEST& t) { return std::strncmp(t.szResult, "Not ", 4) != 0; }

std::string TestPage(int t) { return "test-" + std::to_string(t + 1) + ".html"; }
std::string SquadPage(int squad) { return "squad-" + std::to_string(squad) + ".html"; }
std::string PlayerPage(int player) { return "player-" + std::to_string(player) + ".html"; }

// A view's table: its headings (with the word above, "5" over "wI") and
// rows, figures to the right; a player's name links to `links` of its row
// where there is one.
std::string TableHtml(const ViewTable& t, const std::vector<std::string>& links = {})
{
    std::string html = "<div class=\"scroll\"><table>\n";
    if (t.headings) {
        html += "<thead><tr>";
        for (const ViewColumn& c : t.columns)
            html += std::string("<th") + (c.left ? "" : " class=\"num\"") + ">" + E(c.over + c.head) + "</th>";
        html += "</tr></thead>\n";
    }
    html += "<tbody>\n";
    for (std::size_t r = 0; r < t.rows.size(); ++r) {
        html += "<tr>";
        for (std::size_t k = 0; k < t.columns.size(); ++k) {
            const std::string text = k < t.rows[r].size() ? t.rows[r][k] : "";
            std::string cell = E(text);
            if (r < links.size() && !links[r].empty() && t.columns[k].head == "Player" && !text.empty())
                cell = "<a href=\"" + links[r] + "\">" + cell + "</a>";
            html += std::string("<td") + (t.columns[k].left ? "" : " class=\"num\"") + ">" + cell + "</td>";
        }
        html += "</tr>\n";
    }
    if (t.rows.empty()) html += "<tr><td colspan=\"" + std::to_string(t.columns.size()) + "\">None yet</td></tr>\n";
    return html + "</tbody>\n</table></div>\n";
}

// One page being put together.
class Page {
public:
    Page(const Game& g, const std::string& title)
    {
        html_ = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                "<title>" + E(title) + "</title>\n<link rel=\"stylesheet\" href=\"style.css\">\n</head>\n<body>\n"
                "<header>\n<h1>" + E(title) + "</h1>\n<nav>";
        html_ += "<a href=\"index.html\">Series</a> <a href=\"averages.html\">Averages</a> "
                 "<a href=\"records.html\">Records</a>";
        for (int side = 0; side < 2; ++side)
            html_ += " <a href=\"" + SquadPage(g.Series.nSquad[side]) + "\">" +
                     E(SquadNameOf(g, g.Series.nSquad[side])) + "</a>";
        html_ += "</nav>\n</header>\n<main>\n";
    }

    Page& operator<<(const std::string& s)
    {
        html_ += s;
        return *this;
    }

    void Table(const ViewTable& t, const std::vector<std::string>& links = {}) { html_ += TableHtml(t, links); }

    std::string Finish()
    {
        return html_ + "</main>\n<footer>Written by Ovalspin, a simulation of Test cricket.</footer>\n</body>\n</html>\n";
    }

private:
    std::string html_;
};

std::string Num(int v) { return std::to_string(v); }

// A table of a view, or nothing when the view cannot be built.
bool View(const Game& g, const std::string& name, int arg, ViewTable& t) { return BuildView(g, name, arg, t, nullptr); }

std::string IndexPage(Game& g)
{
    const SERIES& s = g.Series;
    Page p(g, SquadNameOf(g, s.nSquad[0]) + " vs " + SquadNameOf(g, s.nSquad[1]));
    p << "<p class=\"result\">" + E(SeriesStandingText(g)) + "</p>\n<h2>The Tests</h2>\n<ul class=\"tests\">\n";
    for (int t = 0; t < s.nNumTests && t < MAX_TESTS; ++t) {
        const std::string ground = GroundText(g, s.nGround[t]);
        const std::string name = TestOrdinal(t + 1) + " Test" + (ground.empty() ? "" : " at " + ground);
        const std::string result = Field(s.Test[t].szResult, sizeof s.Test[t].szResult);
        p << "<li>" + (Begun(s.Test[t]) ? "<a href=\"" + TestPage(t) + "\">" + E(name) + "</a>" : E(name)) +
                 ": " + E(result) + "</li>\n";
    }
    p << "</ul>\n";
    return p.Finish();
}

std::string ScorecardPage(Game& g, int t)
{
    const SERIES& s = g.Series;
    const std::string ground = GroundText(g, s.nGround[t]);
    Page p(g, TestOrdinal(t + 1) + " Test: " + SquadNameOf(g, s.nSquad[0]) + " vs " + SquadNameOf(g, s.nSquad[1]));
    p << "<p>Played at " + E(ground) + ".</p>\n";
    for (const ScorecardInnings& c : Scorecard(g, t)) {
        p << "<h2>" + E(c.title) + "</h2>\n<div class=\"scroll\"><table>\n<thead><tr><th>Batsman</th><th>How out</th>"
             "<th>Bowler</th><th class=\"num\">R</th><th class=\"num\">B</th><th class=\"num\">4s</th>"
             "<th class=\"num\">6s</th></tr></thead>\n<tbody>\n";
        for (const ScorecardBat& b : c.batting) {
            std::string how = b.howOut;
            how.erase(0, how.find_first_not_of(' '));
            p << "<tr><td>" + E(b.name) + "</td><td>" + E(how) + "</td><td>" + E(b.hasBowler ? "b " + b.bowler : "") +
                     "</td><td class=\"num\">" + Num(b.runs) + "</td><td class=\"num\">" + Num(b.balls) +
                     "</td><td class=\"num\">" + Num(b.fours) + "</td><td class=\"num\">" + Num(b.sixes) + "</td></tr>\n";
        }
        p << "<tr><td>Extras</td><td colspan=\"2\">" + E(c.extras) + "</td><td class=\"num\">" + Num(c.extrasRuns) +
                 "</td><td></td><td></td><td></td></tr>\n";
        p << "<tr><td><b>Total</b></td><td colspan=\"2\">" + E(c.total) + "</td><td class=\"num\"><b>" +
                 Num(c.totalRuns) + "</b></td><td></td><td></td><td></td></tr>\n</tbody>\n</table></div>\n";
        if (!c.didNotBat.empty()) {
            std::string names;
            for (const std::string& n : c.didNotBat) names += (names.empty() ? "" : ", ") + n;
            p << "<p>Did not bat: " + E(names) + "</p>\n";
        }
        if (!c.fallOfWickets.empty()) {
            std::string fow;
            for (std::size_t w = 0; w < c.fallOfWickets.size(); ++w)
                fow += (w ? ", " : "") + Num(c.fallOfWickets[w]) + "-" + Num(static_cast<int>(w) + 1);
            p << "<p>Fall of wickets: " + E(fow) + "</p>\n";
        }
        p << "<div class=\"scroll\"><table>\n<thead><tr><th>Bowler</th><th class=\"num\">O</th>"
             "<th class=\"num\">M</th><th class=\"num\">R</th><th class=\"num\">W</th><th class=\"num\">NB</th>"
             "<th class=\"num\">WD</th></tr></thead>\n<tbody>\n";
        for (const ScorecardBowl& b : c.bowling)
            p << "<tr><td>" + E(b.name) + "</td><td class=\"num\">" + OversText(b.balls) + "</td><td class=\"num\">" +
                     Num(b.maidens) + "</td><td class=\"num\">" + Num(b.runs) + "</td><td class=\"num\">" +
                     Num(b.wickets) + "</td><td class=\"num\">" + Num(b.noBalls) + "</td><td class=\"num\">" +
                     Num(b.wides) + "</td></tr>\n";
        p << "</tbody>\n</table></div>\n";
    }
    p << "<p class=\"result\">" + E(Field(s.Test[t].szResult, sizeof s.Test[t].szResult)) + "</p>\n";
    // The charts view's own SVG, inline; HTML gives an svg element its namespace.
    TestFigures f;
    if (BuildTestFigures(g, t, f)) {
        p << "<h2 id=\"charts\">Charts</h2>\n";
        for (const Chart& c : TestCharts(f)) {
            std::string svg = c.svg;
            const std::string ns = " xmlns=\"http://www.w3.org/2000/svg\"";
            if (const std::size_t at = svg.find(ns); at != std::string::npos) svg.erase(at, ns.size());
            p << "<figure class=\"chart\">\n" + svg + "</figure>\n";
        }
    }
    return p.Finish();
}

// Links to the player pages of a squad view's rows (member order of the
// view is lost in the sort, so rows are matched by the player's name).
std::vector<std::string> MemberLinks(const Game& g, int squad, const ViewTable& t)
{
    std::vector<std::string> links;
    if (squad < 0 || squad >= static_cast<int>(g.db.squads.size())) return links;
    const SQUAD& s = g.db.squads[squad];
    for (const std::vector<std::string>& row : t.rows) {
        std::string link;
        for (int m = 0; m < s.nMembers && m < MAX_SQUAD && !row.empty(); ++m)
            if (PlayerText(g, s.nPlayer[m]) == row[0] || Field(s.szMember[m], sizeof s.szMember[m]) == row[0])
                link = PlayerPage(s.nPlayer[m]);
        links.push_back(link);
    }
    return links;
}

std::string AveragesPage(Game& g)
{
    Page p(g, "Series averages");
    for (int side = 0; side < 2; ++side) {
        const int squad = g.Series.nSquad[side];
        for (const char* kind : {"batting", "bowling"}) {
            ViewTable t;
            if (!View(g, std::string("series-") + kind + "-averages", side, t)) continue;
            p << "<h2 id=\"" + std::string(kind) + Num(side + 1) + "\">" + E(t.title) + "</h2>\n";
            p.Table(t, MemberLinks(g, squad, t));
        }
    }
    return p.Finish();
}

std::string RecordsPage(Game& g)
{
    Page p(g, "Records");
    std::string contents, body;
    for (const ViewInfo& v : ViewCatalogue()) {
        if (v.arg != ViewArg::None) continue;
        ViewTable t;
        if (!View(g, v.name, 0, t)) continue;
        contents += "<li><a href=\"#" + std::string(v.name) + "\">" + E(t.title) + "</a></li>\n";
        body += "<h2 id=\"" + std::string(v.name) + "\">" + E(t.title) + "</h2>\n" + TableHtml(t);
    }
    p << "<ul>\n" + contents + "</ul>\n" + body;
    return p.Finish();
}

std::string SquadPageText(Game& g, int squad)
{
    const SQUAD& s = g.db.squads[squad];
    Page p(g, SquadNameOf(g, squad));
    ViewTable details;
    if (View(g, "squad-details", squad, details)) {
        p << "<h2>Results</h2>\n";
        details.rows.erase(details.rows.begin(), details.rows.begin() + std::min<std::size_t>(2, details.rows.size()));
        p.Table(details);
    }
    p << "<h2>Players</h2>\n<ul>\n";
    for (int m = 0; m < s.nMembers && m < MAX_SQUAD; ++m) {
        const int player = s.nPlayer[m];
        if (player < 0 || player >= static_cast<int>(g.db.players.size())) continue;
        p << "<li><a href=\"" + PlayerPage(player) + "\">" + E(PlayerText(g, player)) + "</a></li>\n";
    }
    p << "</ul>\n";
    for (const char* kind : {"batting", "bowling"}) {
        ViewTable t;
        if (!View(g, std::string("career-") + kind + "-averages", squad, t)) continue;
        p << "<h2>" + E(t.title) + "</h2>\n";
        p.Table(t, MemberLinks(g, squad, t));
    }
    ViewTable ratings;
    if (View(g, "current-ratings", squad, ratings)) {
        p << "<h2>" + E(ratings.title) + "</h2>\n";
        p.Table(ratings, MemberLinks(g, squad, ratings));
    }
    return p.Finish();
}

std::string PlayerPageText(Game& g, int player, int squad)
{
    Page p(g, PlayerText(g, player));
    p << "<p>Of <a href=\"" + SquadPage(squad) + "\">" + E(SquadNameOf(g, squad)) + "</a>.</p>\n";
    ViewTable form;
    if (View(g, "player-details", player, form)) {
        // The form: the name, the figures of his Tests and ratings, the kinds
        // of player he is (rows 7 to 9), then the label and figure pairs.
        for (std::size_t r = 7; r < form.rows.size() && r < 10; ++r)
            if (!form.rows[r].empty() && !form.rows[r][0].empty()) p << "<p>" + E(form.rows[r][0]) + "</p>\n";
        auto rows = [&](std::size_t from, std::size_t to) {
            for (std::size_t r = from; r < to && r < form.rows.size(); ++r) {
                const std::vector<std::string>& row = form.rows[r];
                bool any = false;
                for (const std::string& c : row) any = any || !c.empty();
                if (!any) continue;
                p << "<tr>";
                for (std::size_t k = 0; k < row.size(); ++k)
                    p << std::string("<td") + (k % 2 ? " class=\"num\"" : "") + ">" + E(row[k]) + "</td>";
                p << "</tr>\n";
            }
        };
        p << "<div class=\"scroll\"><table>\n<tbody>\n";
        rows(2, 6);
        p << "</tbody>\n</table></div>\n<div class=\"scroll\"><table>\n<thead><tr><th colspan=\"2\">Batting</th>"
             "<th colspan=\"2\">Bowling</th><th colspan=\"2\">Fielding</th></tr></thead>\n<tbody>\n";
        rows(11, form.rows.size());
        p << "</tbody>\n</table></div>\n";
    }
    return p.Finish();
}

bool SeriesSet(const Game& g)
{
    const int squads = static_cast<int>(g.db.squads.size());
    return g.Series.nNumTests >= 1 && g.Series.nNumTests <= MAX_TESTS && g.Series.nSquad[0] >= 0 &&
           g.Series.nSquad[1] >= 0 && g.Series.nSquad[0] < squads && g.Series.nSquad[1] < squads;
}

// Every player of the two squads once, with the squad he is shown under.
std::vector<std::pair<int, int>> SitePlayers(const Game& g)
{
    std::vector<std::pair<int, int>> players;
    std::vector<bool> seen(g.db.players.size(), false);
    for (int side = 0; side < 2; ++side) {
        const int squad = g.Series.nSquad[side];
        const SQUAD& s = g.db.squads[squad];
        for (int m = 0; m < s.nMembers && m < MAX_SQUAD; ++m) {
            const int player = s.nPlayer[m];
            if (player < 0 || player >= static_cast<int>(g.db.players.size()) || seen[player]) continue;
            seen[player] = true;
            players.emplace_back(player, squad);
        }
    }
    return players;
}

bool WriteFile(const fs::path& path, const std::string& text, std::string& error)
{
    const std::string temp = path.string() + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        error = path.string() + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.string().c_str()) != 0) {
        error = path.string() + ": " + std::strerror(errno ? errno : EIO);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace

std::string HtmlEscape(const std::string& text)
{
    std::string out;
    for (const char ch : text) {
        const unsigned char c = static_cast<unsigned char>(ch);
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '"': out += "&quot;"; break;
        default:
            if (c < 0x80) {
                out += ch;
            } else {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
    }
    return out;
}

std::vector<std::string> SitePages(const Game& g)
{
    std::vector<std::string> pages;
    if (!SeriesSet(g)) return pages;
    pages = {"style.css", "index.html"};
    for (int t = 0; t < g.Series.nNumTests && t < MAX_TESTS; ++t)
        if (Begun(g.Series.Test[t])) pages.push_back(TestPage(t));
    pages.push_back("averages.html");
    pages.push_back("records.html");
    for (int side = 0; side < 2; ++side) pages.push_back(SquadPage(g.Series.nSquad[side]));
    for (const auto& [player, squad] : SitePlayers(g)) pages.push_back(PlayerPage(player));
    return pages;
}

bool WriteSite(Game& g, const std::string& dir, std::string& error,
               const std::function<void(int done, int total)>& progress)
{
    if (!SeriesSet(g)) {
        error = "there is no series to write a website of";
        return false;
    }
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        error = dir + ": " + ec.message();
        return false;
    }
    const std::vector<std::string> pages = SitePages(g);
    const int total = static_cast<int>(pages.size());
    int done = 0;
    auto write = [&](const std::string& name, const std::string& text) {
        if (!WriteFile(fs::path(dir) / name, text, error)) return false;
        if (progress) progress(++done, total);
        return true;
    };
    if (!write("style.css", kStyle) || !write("index.html", IndexPage(g))) return false;
    for (int t = 0; t < g.Series.nNumTests && t < MAX_TESTS; ++t)
        if (Begun(g.Series.Test[t]) && !write(TestPage(t), ScorecardPage(g, t))) return false;
    if (!write("averages.html", AveragesPage(g)) || !write("records.html", RecordsPage(g))) return false;
    for (int side = 0; side < 2; ++side) {
        const int squad = g.Series.nSquad[side];
        if (!write(SquadPage(squad), SquadPageText(g, squad))) return false;
    }
    for (const auto& [player, squad] : SitePlayers(g))
        if (!write(PlayerPage(player), PlayerPageText(g, player, squad))) return false;
    return true;
}

}  // namespace ovs
