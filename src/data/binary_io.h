// Reading and writing whole records: a bounded reader over a file's bytes and
// the atomic writer every save goes through.
//
// A file is read whole into memory and taken apart with a ByteReader, which
// never reads past the end: a short file is a failed read, never a crash. A
// save writes a temporary file beside the real one, flushes it to the disk and
// renames it over the old file, so a failed save leaves the old file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovs {

// Why a file could not be read: missing, not a regular file (a directory,
// FIFO or device), larger than its format allows, or unreadable; `error` is
// the system's errno where there is one.
struct FileProblem {
    enum Kind { None, Missing, NotRegular, TooLarge, Unreadable } kind = None;
    int error = 0;
};

// The largest file any of ours can be: a database of the most records the
// 16-bit counts allow, with a saved position's blocks and full league.
inline constexpr std::size_t kMaxDataFile = std::size_t{128} << 20;

// The bytes of a whole regular file no larger than `cap`; nullopt when it
// cannot be opened or read, or is not a regular file or is too large (then
// `problem` says which). A FIFO in its place cannot make the open wait.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path, std::size_t cap = kMaxDataFile,
                                                       FileProblem* problem = nullptr);

// The system's words for a problem ("No such file or directory", "not a regular file", ...).
std::string ProblemText(const FileProblem& p);

// Remove the temporary files a killed save of ours left in `dir`.
void RemoveStaleTemporaries(const std::string& dir);

// The directory part of a path ("." for a bare file name) and a file name joined to a directory.
std::string DirectoryOf(const std::string& path);
std::string JoinPath(const std::string& dir, const std::string& name);

// Takes a file's bytes apart from the front.
class ByteReader {
public:
    explicit ByteReader(const std::vector<std::uint8_t>& bytes) : bytes_(bytes) {}

    std::size_t Remaining() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }

    // Copy the next n bytes to dst; false (nothing taken) when fewer remain.
    bool Read(void* dst, std::size_t n);

    // A record stored in `fileSize` bytes read into a slot of `slotSize`
    // bytes: a shorter stored record fills only the start of the slot and the
    // rest keeps what it held. fileSize must not exceed slotSize.
    bool ReadRecord(void* slot, std::size_t slotSize, std::size_t fileSize);

    template <typename T>
    bool ReadRecord(T& rec, std::size_t fileSize) { return ReadRecord(&rec, sizeof(T), fileSize); }
    template <typename T>
    bool ReadWhole(T& rec) { return Read(&rec, sizeof(T)); }

private:
    const std::vector<std::uint8_t>& bytes_;
    std::size_t pos_ = 0;
};

// Writes a file under a temporary name of its own in the same directory
// ("<name>.ovs-tmp-XXXXXX", so that two saves at once never share one),
// flushes it to the disk and renames it over the real one on Commit, then
// flushes the directory. Destroyed without a Commit, it removes the
// temporary file. Error() is the errno of the first failure.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Create the temporary file for writing, with the permission bits `mode`
    // (0600 for a file holding a password); false when it cannot be created.
    bool Create(const std::string& path, unsigned mode = 0644);
    // Write all n bytes; false on any failure.
    bool Write(const void* data, std::size_t n);
    template <typename T>
    bool WriteWhole(const T& rec) { return Write(&rec, sizeof(T)); }
    // Write the first n bytes of a record (a record kept in a smaller stored size).
    template <typename T>
    bool WriteRecord(const T& rec, std::size_t n) { return Write(&rec, n < sizeof(T) ? n : sizeof(T)); }
    // Flush to the disk, close and rename over the real file; false on failure
    // (the real file is then untouched).
    bool Commit();
    // The errno of the first failure (0 none), and whether it was a full disk or quota.
    int Error() const { return error_; }
    const std::string& Path() const { return path_; }
    bool DiskFull() const;

private:
    void Discard();
    bool Fail();

    int fd_ = -1;
    int error_ = 0;
    std::string path_;
    std::string tmp_;
};

}  // namespace ovs
