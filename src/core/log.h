// The run-time log DEBUG.TXT.
//
// Emptied at start-up; every line is in the kernel the moment it is logged, so
// a crash of the process loses no line already logged. The file is a shared
// mapping rather than a stream: a line costs a copy into the page cache, not a
// system call, which matters when a batch run logs some 7,000 lines a Test.
// The mapping runs ahead of the text in whole windows; closing, or any fatal
// signal, cuts the file back to the text. Only a process killed outright
// (SIGKILL, power loss) leaves the rest of the last window as zero bytes.
// Where no window can be had (a full disk), lines are written one by one.
// A batch run may switch the log off; the desktop game never does.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>

namespace ovs {

class RunLog {
public:
    RunLog() = default;
    ~RunLog() { Close(); }
    RunLog(const RunLog&) = delete;
    RunLog& operator=(const RunLog&) = delete;

    // Create the file empty; false when it cannot be created.
    bool Create(const std::string& path);
    // Cut the file to its text and close it.
    void Close();
    void SetEnabled(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    // Would a line go anywhere? Callers skip the formatting when not.
    bool Wanted() const { return (enabled_ && fd_ >= 0) || echo; }
    const std::string& Path() const { return path_; }

    void Write(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void WriteV(const char* fmt, std::va_list ap);

    // Called with every line written (after formatting), e.g. for --verbose.
    void (*echo)(const char* line, void* ctx) = nullptr;
    void* echoCtx = nullptr;

    // The text of a log file as a reader wants it: without the zero bytes a
    // killed writer may leave after the last line.
    static std::string ReadText(const std::string& path);

private:
    void Append(const char* text, std::size_t len);
    bool MapWindow(std::size_t offset);

    int fd_ = -1;
    char* window_ = nullptr;     // the mapped window of the file
    std::size_t windowStart_ = 0;  // its offset in the file
    std::size_t used_ = 0;         // bytes of text in the window
    bool direct_ = false;          // no mapping: each line written straight through
    std::string path_;
    bool enabled_ = true;
};

}  // namespace ovs
