// Where the program keeps its files: the data directory and the shipped database.
//
// The data directory holds DEBUG.TXT, OPTION.DAT, MAIL.DAT and the default
// database. It is chosen in this order: an explicit directory (--data), then
// $OVALSPIN_DATA, then $XDG_DATA_HOME/ovalspin, then ~/.local/share/ovalspin.
// On first use it is created and seeded with the shipped default database.
#pragma once

#include <string>

namespace ovs {

// The data directory to use; `given` (from --data) wins when not empty.
std::string ResolveDataDir(const std::string& given = "");

// The directory of the running executable ("" when it cannot be found).
std::string ExecutableDir();

// The shipped default database: beside the executable, or in
// <exe dir>/../share/ovalspin/. "" when neither has it.
std::string FindShippedDatabase();

// Create `dir` (and its parents) when missing, then copy the shipped default
// database into it unless it already has one; an existing database is never
// overwritten. False with `error` set when the directory cannot be created.
// When the directory has no database and none could be put there, `seedError`
// says why (start-up reports it when that database is the one to load).
bool PrepareDataDir(const std::string& dir, std::string* error = nullptr, std::string* seedError = nullptr);
bool CreateDataDir(const std::string& dir, std::string* error);
void SeedDataDir(const std::string& dir, std::string* seedError);

// One copy of the program per data directory: an exclusive lock on
// "<dir>/ovalspin.lock", held until Release or destruction. Games of one
// process share their directory's lock (tests run several); another process
// is refused.
class DataDirLock {
public:
    DataDirLock() = default;
    ~DataDirLock() { Release(); }
    DataDirLock(const DataDirLock&) = delete;
    DataDirLock& operator=(const DataDirLock&) = delete;

    // False with `error` set when another copy holds the directory or the
    // lock file cannot be made.
    bool Take(const std::string& dir, std::string* error);
    void Release();

private:
    std::string key_;   // the lock file's device and inode, while held
};

}  // namespace ovs
