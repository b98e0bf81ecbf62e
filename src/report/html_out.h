// HTML pages of the reports: the fixed page head and foot around the report's
// headings and preformatted blocks. The pages share the text output (its one
// file and its line buffer), so every line the 78-column engine writes lands
// in the page unchanged.
#pragma once

#include <string>

namespace ovs {

struct TextOutput;

// Where the foot of every page links to.
inline constexpr const char* kHomePage = "https://ovalspin.org/";

// Opens the file ("wt") and writes the page head; false when it could not be
// opened (every writer then writes nothing).
bool HtmlFileOpen(TextOutput& out, const std::string& name);
// Writes the page foot and closes the file, if one is open.
void HtmlFileClose(TextOutput& out);
// The head and foot alone, for a page written into a file already open.
void HtmlHead(TextOutput& out);
void HtmlFoot(TextOutput& out);

void HtmlText(TextOutput& out, const std::string& text);        // unchanged, no newline
void HtmlHeading3(TextOutput& out, const std::string& text);    // "<h3>%s</h3>\n"
void HtmlHeading4(TextOutput& out, const std::string& text);    // "<h4>%s</h4>\n"
void HtmlPreStart(TextOutput& out);                             // "<pre>", the first line follows it
void HtmlPreEnd(TextOutput& out);                               // "</pre>\n"

}  // namespace ovs
