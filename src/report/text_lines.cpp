// The 78-column text line engine and the text output file of the reports.
#include "report/text_lines.h"

#include <cstring>

namespace ovs {

namespace {

constexpr int kLineBytes = LINE_WIDTH + 12;

// Copies text into the line from `col`, never past the buffer's last zero.
void CopyAt(TextOutput& out, const char* text, int col)
{
    if (col < 0) col = 0;
    if (col >= kLineBytes - 1) return;
    const std::size_t room = static_cast<std::size_t>(kLineBytes - 1 - col);
    std::size_t n = std::strlen(text);
    if (n > room) n = room;
    std::memcpy(out.line + col, text, n);
    out.line[col + static_cast<int>(n)] = '\0';
    // The terminator inside the line would cut it short: blank it.
    if (col + static_cast<int>(n) < LINE_WIDTH) out.line[col + static_cast<int>(n)] = ' ';
}

}  // namespace

TextOutput::TextOutput()
{
    std::memset(line, 0, sizeof line);
    std::memset(line, ' ', LINE_WIDTH);
}

TextOutput::~TextOutput() { TextFileClose(*this); }

bool TextFileOpen(TextOutput& out, const std::string& name, const char* mode)
{
    TextFileClose(out);
    out.fileName = name;
    // Text mode is the same as binary here: the files use "\n" line ends.
    std::string m;
    for (const char* p = mode; *p; ++p)
        if (*p != 't') m += *p;
    out.file = std::fopen(name.c_str(), m.c_str());
    return out.file != nullptr;
}

std::string CaptureText(const std::function<void(TextOutput&)>& write)
{
    TextOutput out;
    out.file = std::tmpfile();
    if (!out.file) return {};
    write(out);
    std::string text;
    if (out.file) {
        std::rewind(out.file);
        char buf[4096];
        for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, out.file)) > 0;) text.append(buf, n);
    }
    TextFileClose(out);
    return text;
}

void TextFileClose(TextOutput& out)
{
    if (out.file) std::fclose(out.file);
    out.file = nullptr;
}

bool TextFileIsOpen(const TextOutput& out) { return out.file != nullptr; }

void TextWrite(TextOutput& out, const char* text)
{
    if (!out.file) return;
    std::fputs(text, out.file);
    std::fflush(out.file);
}

void TextNewLines(TextOutput& out, int n)
{
    for (int i = 0; i < n; ++i) TextWrite(out, "\n");
}

void LineClear(TextOutput& out)
{
    std::memset(out.line, 0, sizeof out.line);
    std::memset(out.line, ' ', LINE_WIDTH);
}

void LinePut(TextOutput& out, const char* text, int col) { CopyAt(out, text, col); }

void LinePutRight(TextOutput& out, const char* text, int col)
{
    int start = col - static_cast<int>(std::strlen(text));
    CopyAt(out, text, start < 0 ? 0 : start);
}

int LinePutCentred(TextOutput& out, const char* text, int col)
{
    const int len = static_cast<int>(std::strlen(text));
    int start = col - len / 2;
    if (start < 0) start = 0;
    CopyAt(out, text, start);
    return start + len;
}

void LineWrite(TextOutput& out, bool clear)
{
    int n = static_cast<int>(strnlen(out.line, sizeof out.line - 1));
    while (n > 0 && out.line[n - 1] == ' ') --n;
    if (out.file) {
        std::fwrite(out.line, 1, static_cast<std::size_t>(n), out.file);
        std::fputc('\n', out.file);
        std::fflush(out.file);
    }
    if (clear) LineClear(out);
}

void TextCentredLine(TextOutput& out, const char* text)
{
    LineClear(out);
    CopyAt(out, text, (LINE_WIDTH - static_cast<int>(std::strlen(text))) / 2);
    LineWrite(out, true);
}

bool TextInsertFile(TextOutput& out, const std::string& name)
{
    std::FILE* in = std::fopen(name.c_str(), "r");
    if (!in) {
        TextCentredLine(out, "** Intended Inserted File Not Found **");
        return false;
    }
    char buf[90];
    while (std::fgets(buf, sizeof buf, in)) {
        std::size_t n = std::strlen(buf);
        if (n > 0 && buf[n - 1] == '\n') buf[--n] = '\0';
        LineClear(out);
        CopyAt(out, buf, 0);
        LineWrite(out, true);
    }
    std::fclose(in);
    return true;
}

}  // namespace ovs
