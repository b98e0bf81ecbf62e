// A print writer that makes a PDF file: A4 pages, the report's grid on the
// printable part of each, texts in Helvetica and Helvetica-Bold.
#include "report/pdf.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "core/format.h"
#include "report/catalogue.h"

namespace ovs {

namespace {

// Advance widths of the characters 32..126 in thousandths of the font size
// (the fonts' metrics; WinAnsi encoding, so 39 is the straight quote).
constexpr short kHelvetica[95] = {
    278, 278, 355, 556, 556, 889, 667, 191, 333, 333, 389, 584, 278, 333, 278, 278,   // space .. /
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 278, 278, 584, 584, 584, 556,   // 0 .. ?
    1015, 667, 667, 722, 722, 667, 611, 778, 722, 278, 500, 667, 556, 833, 722, 778,  // @ .. O
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 278, 278, 278, 469, 556,   // P .. _
    333, 556, 556, 500, 556, 556, 278, 556, 556, 222, 222, 500, 222, 833, 556, 556,   // ` .. o
    556, 556, 333, 500, 278, 556, 500, 722, 500, 500, 500, 334, 260, 334, 584};       // p .. ~
constexpr short kHelveticaBold[95] = {
    278, 333, 474, 556, 556, 889, 722, 238, 333, 333, 389, 584, 278, 333, 278, 278,
    556, 556, 556, 556, 556, 556, 556, 556, 556, 556, 333, 333, 584, 584, 584, 611,
    975, 722, 722, 722, 722, 667, 611, 778, 722, 278, 556, 722, 611, 833, 722, 778,
    667, 778, 722, 667, 611, 722, 667, 944, 667, 667, 611, 333, 278, 333, 584, 556,
    333, 556, 611, 556, 611, 556, 333, 611, 611, 278, 278, 556, 278, 889, 611, 611,
    611, 611, 389, 556, 333, 611, 556, 778, 556, 556, 500, 389, 280, 389, 584};

// A4 in points, and the part a printer can print on (half an inch in).
constexpr int kPageWidth = 595, kPageHeight = 842, kMargin = 36;
// Device units are tenths of a point, so that the grid's integer cells stay fine.
constexpr int kUnits = 10;

std::string Number(double v) { return Format("%.2f", v); }

// A PDF string literal of `text`.
std::string Literal(const std::string& text)
{
    std::string s = "(";
    for (const unsigned char ch : text) {
        if (ch == '(' || ch == ')' || ch == '\\') {
            s += '\\';
            s += static_cast<char>(ch);
        } else if (ch < 32 || ch > 126) {
            s += Format("\\%03o", static_cast<unsigned>(ch));
        } else {
            s += static_cast<char>(ch);
        }
    }
    return s + ")";
}

class PdfWriter : public PrintWriter {
public:
    bool StartDoc(const std::string& name, int columns, int rows) override
    {
        title_ = name;
        geo_ = PrintGeometryOf((kPageWidth - 2 * kMargin) * kUnits, (kPageHeight - 2 * kMargin) * kUnits, columns,
                               rows);
        // Five cells are the least a wide font needs to be told from the others.
        return geo_.cellWidth >= 5 && geo_.lineHeight >= 5;
    }

    void Text(double col, double row, PrintFont font, PrintAlign align, const std::string& text) override
    {
        if (text.empty()) return;
        const bool bold = font != PrintFont::Normal;
        const double size = PrintFontHeight(font, geo_.lineHeight) * 0.9 / kUnits;
        // The wide font: each character about four fifths of a cell.
        double scale = 100;
        if (font == PrintFont::Wide) scale = std::clamp(geo_.cellWidth * 0.8 / kUnits / (0.56 * size) * 100, 50.0, 150.0);
        const double width = PdfTextWidth(text, bold) / 1000.0 * size * scale / 100;
        double x = kMargin + (geo_.left + col * geo_.cellWidth) / kUnits;
        if (align == PrintAlign::Right) x -= width;
        if (align == PrintAlign::Centre) x -= width / 2;
        // Top-aligned: the baseline lies the ascent below the grid point.
        const double top = kMargin + (geo_.top + row * geo_.lineHeight) / kUnits;
        const double y = kPageHeight - top - size * 0.8;
        page_ += "BT /" + std::string(bold ? "F2 " : "F1 ") + Number(size) + " Tf " + Number(scale) + " Tz " +
                 Number(x) + " " + Number(y) + " Td " + Literal(text) + " Tj ET\n";
    }

    // Charts are left to the desktop's printer: a page with nothing but a
    // chart on it is not kept.
    bool EndPage() override
    {
        if (!page_.empty()) pages_.push_back(page_);
        page_.clear();
        return true;
    }

    bool EndDoc() override
    {
        if (!page_.empty()) EndPage();
        return true;
    }

    // The whole file.
    std::string Document() const
    {
        std::string pdf = "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
        std::vector<std::size_t> offsets;
        auto object = [&](const std::string& body) {
            offsets.push_back(pdf.size());
            pdf += Format("%zu 0 obj\n", offsets.size()) + body + "\nendobj\n";
        };
        const std::size_t n = std::max<std::size_t>(pages_.size(), 1);
        std::string kids;
        for (std::size_t i = 0; i < n; ++i) kids += Format("%zu 0 R ", 6 + 2 * i);
        object("<< /Type /Catalog /Pages 2 0 R >>");
        object(Format("<< /Type /Pages /Kids [ %s] /Count %zu >>", kids.c_str(), n));
        object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>");
        object("<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica-Bold /Encoding /WinAnsiEncoding >>");
        object("<< /Title " + Literal(title_) + " /Producer (Ovalspin) >>");
        for (std::size_t i = 0; i < n; ++i) {
            const std::string content = i < pages_.size() ? pages_[i] : std::string();
            object(Format("<< /Type /Page /Parent 2 0 R /MediaBox [0 0 %d %d] /Resources << /Font << /F1 3 0 R "
                          "/F2 4 0 R >> >> /Contents %zu 0 R >>",
                          kPageWidth, kPageHeight, 7 + 2 * i));
            object(Format("<< /Length %zu >>\nstream\n", content.size()) + content + "endstream");
        }
        const std::size_t xref = pdf.size();
        pdf += Format("xref\n0 %zu\n0000000000 65535 f \n", offsets.size() + 1);
        for (std::size_t at : offsets) pdf += Format("%010zu 00000 n \n", at);
        pdf += Format("trailer\n<< /Size %zu /Root 1 0 R /Info 5 0 R >>\nstartxref\n%zu\n%%%%EOF\n", offsets.size() + 1,
                      xref);
        return pdf;
    }

private:
    std::string title_;
    PrintGeometry geo_{};
    std::string page_;
    std::vector<std::string> pages_;
};

}  // namespace

int PdfTextWidth(const std::string& text, bool bold)
{
    const short* widths = bold ? kHelveticaBold : kHelvetica;
    int total = 0;
    for (const unsigned char ch : text) total += ch >= 32 && ch <= 126 ? widths[ch - 32] : 556;
    return total;
}

bool WritePdfReport(Game& g, const ReportEntry& r, const ReportParams& p, const std::string& path, std::string& error)
{
    PdfWriter w;
    if (!PrintReport(g, w, r, p)) {
        error = path + ": the report could not be laid out on its pages";
        return false;
    }
    const std::string pdf = w.Document();
    const std::string temp = path + ".tmp";
    std::FILE* f = std::fopen(temp.c_str(), "wb");
    if (!f) {
        error = path + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(pdf.data(), 1, pdf.size(), f) == pdf.size();
    const bool closed = std::fclose(f) == 0;
    if (!written || !closed || std::rename(temp.c_str(), path.c_str()) != 0) {
        error = path + ": " + std::strerror(errno ? errno : EIO);
        std::remove(temp.c_str());
        return false;
    }
    return true;
}

}  // namespace ovs
