// One report writer for the text and the HTML form.
#include "report/report_out.h"

#include "report/html_out.h"
#include "report/text_lines.h"

namespace ovs {

void ReportOut::Title(const std::string& text)
{
    if (html_)
        HtmlHeading3(out_, text);
    else
        TextCentredLine(out_, text);
}

void ReportOut::SubTitle(const std::string& text)
{
    if (html_)
        HtmlHeading4(out_, text);
    else
        TextCentredLine(out_, text);
}

void ReportOut::PageHeading(const std::string& text)
{
    if (html_) HtmlHeading3(out_, text);
}

void ReportOut::Blank(int n) { TextNewLines(out_, n); }

void ReportOut::BlockStart(int margin)
{
    LineClear(out_);
    inBlock_ = true;
    if (!html_) return;
    margin_ = margin;
    HtmlPreStart(out_);
}

void ReportOut::BlockEnd()
{
    if (!inBlock_) return;
    inBlock_ = false;
    margin_ = 0;
    if (html_) HtmlPreEnd(out_);
}

void ReportOut::Put(const std::string& text, int col) { LinePut(out_, text, Col(col)); }
void ReportOut::PutRight(const std::string& text, int col) { LinePutRight(out_, text, Col(col)); }
void ReportOut::PutCentred(const std::string& text, int col) { LinePutCentred(out_, text.c_str(), Col(col)); }

void ReportOut::PutClipped(const std::string& text, int col)
{
    const int c = Col(col) < 0 ? 0 : Col(col);
    const std::size_t room = c < LINE_WIDTH ? static_cast<std::size_t>(LINE_WIDTH - c) : 0;
    LinePut(out_, text.substr(0, room), c);
}

void ReportOut::WriteLine() { LineWrite(out_, true); }

}  // namespace ovs
