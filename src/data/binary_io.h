// Reading and writing whole records: a bounded reader over a file's bytes and
// the atomic writer every save goes through.
//
// A file is read whole into memory and taken apart with a ByteReader, which
// never reads past the end: a short file is a failed read, never a crash. A
// save writes "<name>.tmp", flushes it to the disk and renames it over the old
// file, so a failed save leaves the old file as it was.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ovs {

// The bytes of a whole file; nullopt when it cannot be opened or read.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path);

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

// Writes a file under a temporary name and renames it over the real one on
// Commit. Destroyed without a Commit, it removes the temporary file.
class AtomicFile {
public:
    AtomicFile() = default;
    ~AtomicFile();
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    // Create "<path>.tmp" for writing, with the permission bits `mode`
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

private:
    void Discard();

    int fd_ = -1;
    std::string path_;
    std::string tmp_;
};

}  // namespace ovs
