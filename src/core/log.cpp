// The run-time log DEBUG.TXT.
#include "core/log.h"


namespace ovs {

bool RunLog::Create(const std::string& path)
{
    Close();
    path_ = path;
    file_ = std::fopen(path.c_str(), "w");
    if (!file_) return false;
    // Unbuffered: every write goes straight to the kernel, so a killed process
    // loses nothing already logged.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

void RunLog::Close()
{
    if (file_) std::fclose(file_);
    file_ = nullptr;
}

void RunLog::Write(const char* fmt, ...)
{
    std::va_list ap;
    va_start(ap, fmt);
    WriteV(fmt, ap);
    va_end(ap);
}

void RunLog::WriteV(const char* fmt, std::va_list ap)
{
    if (!enabled_ && !echo) return;
    char buf[1024];
    int n = std::vsnprintf(buf, sizeof buf, fmt, ap);
    if (n < 0) return;
    std::size_t len = static_cast<std::size_t>(n) < sizeof buf ? static_cast<std::size_t>(n) : sizeof buf - 1;
    if (enabled_ && file_) std::fwrite(buf, 1, len, file_);
    if (echo) echo(buf, echoCtx);
}

}  // namespace ovs
