// The 78-column text line engine and the text output file of the reports.
#pragma once

#include <cstdio>
#include <functional>
#include <string>

namespace ovs {

constexpr int LINE_WIDTH = 78;

// One text output: the file being written and the line being laid out.
//
// The line holds 78 columns followed by a zeroed tail, so that it always ends
// in a zero even when a text runs past the last column. Texts are placed at
// fixed columns (LinePut and friends) and the line is written with LineWrite.
// Nothing is written while no file is open, so a report can run into a file
// that failed to open.
struct TextOutput {
    TextOutput();
    ~TextOutput();
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    std::string fileName;           // the current file name
    std::FILE* file = nullptr;      // none when closed
    char line[LINE_WIDTH + 12];
};

// The text that `write` puts into an output, as a string: for a box or a
// printer that shows a report rather than filing it. Empty when no
// temporary stream could be had.
std::string CaptureText(const std::function<void(TextOutput&)>& write);

// Stores the name and opens the file ("wt" creates it, "at" appends); false
// when it could not be opened.
bool TextFileOpen(TextOutput& out, const std::string& name, const char* mode = "wt");
// Closes the file, if one is open, and forgets it.
void TextFileClose(TextOutput& out);
bool TextFileIsOpen(const TextOutput& out);

// Writes the text unchanged and flushes.
void TextWrite(TextOutput& out, const char* text);
inline void TextWrite(TextOutput& out, const std::string& text) { TextWrite(out, text.c_str()); }
// Writes n newlines, flushing each.
void TextNewLines(TextOutput& out, int n);

// Fills the 78 columns with blanks.
void LineClear(TextOutput& out);
// The text from column `col`; a blank replaces its terminator when that lies
// within the 78 columns.
void LinePut(TextOutput& out, const char* text, int col);
inline void LinePut(TextOutput& out, const std::string& text, int col) { LinePut(out, text.c_str(), col); }
// The text ending just before column `col` (starting at 0 when it would not fit).
void LinePutRight(TextOutput& out, const char* text, int col);
inline void LinePutRight(TextOutput& out, const std::string& t, int col) { LinePutRight(out, t.c_str(), col); }
// The text centred on column `col`; returns the column after the text.
int LinePutCentred(TextOutput& out, const char* text, int col);
// Writes the line without its trailing blanks, and clears it when asked.
void LineWrite(TextOutput& out, bool clear = true);
// The text centred in 78 columns as a line of its own.
void TextCentredLine(TextOutput& out, const char* text);
inline void TextCentredLine(TextOutput& out, const std::string& text) { TextCentredLine(out, text.c_str()); }
// Copies a text file in line by line; a missing file gives the line
// "** Intended Inserted File Not Found **". False when it was missing.
bool TextInsertFile(TextOutput& out, const std::string& name);

}  // namespace ovs
