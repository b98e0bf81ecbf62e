// One report writer serves both forms of a report: the 78-column text file and
// its HTML page. The writer lays out titles, blocks and lines through
// ReportOut; in the text form a title is a centred line and blocks are plain
// lines, in the HTML form titles become headings and each block a
// preformatted one, moved left by the block's margin (the text form centres
// its tables, a page needs no such margin).
#pragma once

#include <string>

namespace ovs {

struct TextOutput;

class ReportOut {
public:
    ReportOut(TextOutput& out, bool html) : out_(out), html_(html) {}

    bool html() const { return html_; }
    TextOutput& text() { return out_; }

    // A centred title line; an <h3> heading on a page.
    void Title(const std::string& text);
    // A centred sub-title line; an <h4> heading on a page.
    void SubTitle(const std::string& text);
    // A line the page gives as an <h3> heading, though the text form places
    // it on the line as the writer laid it out (already written).
    void PageHeading(const std::string& text);
    void Blank(int n = 1);

    // A tabular block; on a page every column moves left by `margin`.
    void BlockStart(int margin = 0);
    void BlockEnd();

    void Put(const std::string& text, int col);
    void PutRight(const std::string& text, int col);
    void PutCentred(const std::string& text, int col);
    // A text cut so that it ends within the 78 columns.
    void PutClipped(const std::string& text, int col);
    void WriteLine();

private:
    int Col(int col) const { return col - margin_; }

    TextOutput& out_;
    bool html_;
    int margin_ = 0;
    bool inBlock_ = false;
};

}  // namespace ovs
