// Reading and writing whole records: the bounded reader and the atomic writer.
#include "data/binary_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace ovs {

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path)
{
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buf[65536];
    bool ok = true;
    for (;;) {
        std::size_t n = std::fread(buf, 1, sizeof buf, f);
        bytes.insert(bytes.end(), buf, buf + n);
        if (n < sizeof buf) {
            ok = !std::ferror(f);
            break;
        }
    }
    std::fclose(f);
    if (!ok) return std::nullopt;
    return bytes;
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

bool AtomicFile::Create(const std::string& path, unsigned mode)
{
    Discard();
    path_ = path;
    tmp_ = path + ".tmp";
    fd_ = ::open(tmp_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, static_cast<mode_t>(mode));
    // A left-over temporary file keeps its old bits: set them.
    if (fd_ >= 0 && ::fchmod(fd_, static_cast<mode_t>(mode)) != 0) Discard();
    return fd_ >= 0;
}

bool AtomicFile::Write(const void* data, std::size_t n)
{
    if (fd_ < 0) return false;
    const char* p = static_cast<const char*>(data);
    while (n > 0) {
        ssize_t w = ::write(fd_, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) return false;
        p += w;
        n -= static_cast<std::size_t>(w);
    }
    return true;
}

bool AtomicFile::Commit()
{
    if (fd_ < 0) return false;
    if (::fsync(fd_) != 0) {
        Discard();
        return false;
    }
    int rc = ::close(fd_);
    fd_ = -1;
    if (rc != 0 || ::rename(tmp_.c_str(), path_.c_str()) != 0) {
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
