// The run-time log DEBUG.TXT.
//
// Emptied at start-up; every line is written straight through to the file the
// moment it is logged, so a crash of the process loses no line already logged.
// The file is held open for appending (reopening it per line costs more than a
// whole delivery). A batch run may switch it off; the desktop game never does.
#pragma once

#include <cstdarg>
#include <cstdio>
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
    void Close();
    void SetEnabled(bool on) { enabled_ = on; }
    bool Enabled() const { return enabled_; }
    const std::string& Path() const { return path_; }

    void Write(const char* fmt, ...) __attribute__((format(printf, 2, 3)));
    void WriteV(const char* fmt, std::va_list ap);

    // Called with every line written (after formatting), e.g. for --verbose.
    void (*echo)(const char* line, void* ctx) = nullptr;
    void* echoCtx = nullptr;

private:
    std::FILE* file_ = nullptr;
    std::string path_;
    bool enabled_ = true;
};

}  // namespace ovs
