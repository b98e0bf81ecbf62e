// The series website: a folder of HTML5 pages about the series in play and
// the database, linked to each other, for any browser or phone. It is a
// separate output from the catalogue's fixed report pages.
//
// Pages: index.html (every Test's result), test-N.html (each Test begun: its
// scorecard), averages.html (both sides' series averages), records.html (the
// record, career, rating and rate tables), squad-N.html and player-N.html
// (the two squads of the series and their players, N the store index), and
// one stylesheet, style.css. No scripts, nothing fetched from elsewhere.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace ovs {

struct Game;

// Writes the site into `dir` (created when missing); every page is written
// under a temporary name and renamed. `progress` (may be empty) hears each
// page written and the number of pages. False with `error` set ("<path>:
// <reason>") when a page could not be written, or when there is no series.
bool WriteSite(Game& g, const std::string& dir, std::string& error,
               const std::function<void(int done, int total)>& progress = {});

// The pages WriteSite writes for the game as it stands, in order.
std::vector<std::string> SitePages(const Game& g);

// The text of a page for HTML: &, <, > and " escaped, and the database's
// one-byte (Latin-1) characters as UTF-8.
std::string HtmlEscape(const std::string& text);

}  // namespace ovs
