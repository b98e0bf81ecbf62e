// Reading and writing whole records: the bounded reader and the atomic writer.
#include "data/binary_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ovs {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t cap, FileProblem* problem)
{
    FileProblem local;
    FileProblem& p = problem ? *problem : local;
    p = {};
    // Non-blocking, so that a FIFO put in a data file's place cannot hold the
    // open; only a regular file gets further.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        p.error = errno;
        p.kind = errno == ENOENT ? FileProblem::Missing : FileProblem::Unreadable;
        return std::nullopt;
    }
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        p.error = S_ISDIR(st.st_mode) ? EISDIR : 0;
        p.kind = FileProblem::NotRegular;
        ::close(fd);
        return std::nullopt;
    }
    if (static_cast<std::uint64_t>(st.st_size) > cap) {
        p.error = EFBIG;
        p.kind = FileProblem::TooLarge;
        ::close(fd);
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(st.st_size));
    std::size_t got = 0;
    for (;;) {
        // A file that grew since fstat is read up to the cap and no further.
        if (got == bytes.size()) {
            if (bytes.size() >= cap) break;
            bytes.resize(std::min(cap, bytes.size() + 65536));
        }
        const ssize_t n = ::read(fd, bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            if (errno == EINTR) continue;
            p.error = errno;
            p.kind = FileProblem::Unreadable;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return bytes;
}

std::string ProblemText(const FileProblem& p)
{
    switch (p.kind) {
    case FileProblem::None: return "";
    case FileProblem::NotRegular: return p.error ? std::strerror(p.error) : "not a regular file";
    case FileProblem::TooLarge: return "larger than any Ovalspin file can be";
    default: return std::strerror(p.error);
    }
}

namespace {

constexpr const char* kTempMark = ".ovs-tmp-";

// "<name>.ovs-tmp-XXXXXX", or the "<name>.tmp" and "<name>.part" of earlier versions.
bool IsOurTemporary(const std::string& name)
{
    const std::size_t mark = name.rfind(kTempMark);
    if (mark != std::string::npos && mark > 0 && name.size() == mark + std::strlen(kTempMark) + 6) return true;
    for (const char* base : {"CURRENT.DAT", "OPTION.DAT", "MAIL.DAT", "MAILSERV.DAT"})
        if (name == std::string(base) + ".tmp") return true;
    for (const char* end : {".db.tmp", ".db.part"})
        if (name.size() > std::strlen(end) && name.compare(name.size() - std::strlen(end), std::string::npos, end) == 0)
            return true;
    return false;
}

}  // namespace

void RemoveStaleTemporaries(const std::string& dir)
{
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string name = e->d_name;
        if (!IsOurTemporary(name)) continue;
        const std::string path = JoinPath(dir, name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) ::unlink(path.c_str());
    }
    ::closedir(d);
}

std::string DirectoryOf(const std::string& path)
{
    std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string JoinPath(const std::string& dir, const std::string& name)
{
    if (dir.empty()) return name;
    if (!name.empty() && name[0] == '/') return name;
    if (dir.back() == '/') return dir + name;
    return dir + "/" + name;
}

bool ByteReader::Read(void* dst, std::size_t n)
{
    if (n > Remaining()) return false;
    if (n) std::memcpy(dst, bytes_.data() + pos_, n);
    pos_ += n;
    return true;
}

bool ByteReader::ReadRecord(void* slot, std::size_t slotSize, std::size_t fileSize)
{
    if (fileSize > slotSize) return false;
    return Read(slot, fileSize);
}

AtomicFile::~AtomicFile() { Discard(); }

void AtomicFile::Discard()
{
    if (fd_ >= 0) {
        ::close(fd_);
        fd_ = -1;
        ::unlink(tmp_.c_str());
    }
}

bool AtomicFile::Fail()
{
    if (error_ == 0) error_ = errno ? errno : EIO;
    Discard();
    return false;
}

bool AtomicFile::DiskFull() const { return error_ == ENOSPC || error_ == EDQUOT || error_ == EFBIG; }

bool AtomicFile::Create(const std::string& path, unsigned mode)
{
    Discard();
    error_ = 0;
    path_ = path;
    std::string pattern = path + kTempMark + "XXXXXX";
    fd_ = ::mkostemp(pattern.data(), O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        return false;
    }
    tmp_ = pattern;
    if (::fchmod(fd_, static_cast<mode_t>(mode)) != 0) return Fail();
    return true;
}

bool AtomicFile::Write(const void* data, std::size_t n)
{
    if (fd_ < 0) return false;
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        ssize_t w = ::write(fd_, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return Fail();
        }
        if (w == 0) {
            errno = ENOSPC;
            return Fail();
        }
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool AtomicFile::Commit()
{
    if (fd_ < 0) return false;
    if (::fsync(fd_) != 0) return Fail();
    const int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0 || ::rename(tmp_.c_str(), path_.c_str()) != 0) {
        if (error_ == 0) error_ = errno;
        ::unlink(tmp_.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here loses nothing already written.
    int dir = ::open(DirectoryOf(path_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

}  // namespace ovs
