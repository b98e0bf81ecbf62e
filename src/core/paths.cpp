// Where the program keeps its files: the data directory and the shipped database.
#include "core/paths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <map>

#include <cstdlib>
#include <string>
#include <string_view>
#include <filesystem>
#include <system_error>

#include "data/files.h"

namespace fs = std::filesystem;

namespace ovs {

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

}  // namespace

std::string ResolveDataDir(const std::string& given)
{
    if (!given.empty()) return given;
    if (std::string d = Env("OVALSPIN_DATA"); !d.empty()) return d;
    if (std::string x = Env("XDG_DATA_HOME"); !x.empty()) return x + "/ovalspin";
    const std::string home = Env("HOME");
    std::string dir(home.empty() ? std::string_view(".") : std::string_view(home));
    dir += "/.local/share/ovalspin";
    return dir;
}

std::string ExecutableDir()
{
    char buf[4096];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf - 1);
    if (n <= 0) return "";
    buf[n] = '\0';
    return fs::path(buf).parent_path().string();
}

std::string FindShippedDatabase()
{
    std::string exeDir = ExecutableDir();
    if (exeDir.empty()) return "";
    std::error_code ec;
    for (const fs::path& p : {fs::path(exeDir) / kDefaultDatabaseName,
                              fs::path(exeDir) / ".." / "share" / "ovalspin" / kDefaultDatabaseName}) {
        if (fs::is_regular_file(p, ec)) return p.lexically_normal().string();
    }
    return "";
}

bool CreateDataDir(const std::string& dir, std::string* error)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) {
        if (error)
            *error = "Cannot create the data directory " + dir + (ec ? ": " + ec.message() : std::string());
        return false;
    }
    return true;
}

void SeedDataDir(const std::string& dir, std::string* seedError)
{
    std::error_code ec;
    fs::path target = fs::path(dir) / kDefaultDatabaseName;
    // Anything in the database's place, even a link to nothing, is the
    // user's: it is never replaced (the loader says what is wrong with it).
    if (fs::symlink_status(target, ec).type() != fs::file_type::not_found) return;
    std::string shipped = FindShippedDatabase();
    auto fail = [&](const std::string& why) {
        if (seedError)
            *seedError = "Ovalspin could not put its database into the data directory " + dir + ": " + why;
    };
    if (shipped.empty()) {
        fail("no database came with this copy of Ovalspin to start it with.");
        return;
    }
    // Copy to a temporary name and rename, so a half-written copy is never
    // taken for the database.
    fs::path tmp = fs::path(dir) / (std::string(kDefaultDatabaseName) + ".part");
    fs::copy_file(shipped, tmp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        fail(ec.message() + ".");
        fs::remove(tmp, ec);
        return;
    }
    if (fs::symlink_status(target, ec).type() == fs::file_type::not_found) fs::rename(tmp, target, ec);
    if (ec) fail(ec.message() + ".");
    fs::remove(tmp, ec);
}

bool PrepareDataDir(const std::string& dir, std::string* error, std::string* seedError)
{
    if (!CreateDataDir(dir, error)) return false;
    SeedDataDir(dir, seedError);
    return true;
}

namespace {

// The locks this process holds, by lock file, with how many games share each.
struct HeldLock {
    int fd;
    int users;
};
std::map<std::string, HeldLock>& HeldLocks()
{
    static std::map<std::string, HeldLock> held;
    return held;
}

}  // namespace

bool DataDirLock::Take(const std::string& dir, std::string* error)
{
    Release();
    const std::string path = (fs::path(dir) / "ovalspin.lock").string();
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    // A directory that is not there yet has no other copy in it (nor can
    // anything be written there: start-up says so when it makes the log).
    if (fd < 0 && errno == ENOENT) return true;
    struct stat st {};
    if (fd < 0 || ::fstat(fd, &st) != 0) {
        if (error) *error = "Ovalspin cannot lock its data directory (" + path + ": " + std::strerror(errno) + ").";
        if (fd >= 0) ::close(fd);
        return false;
    }
    const std::string key = std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino);
    auto& held = HeldLocks();
    if (auto it = held.find(key); it != held.end()) {
        ::close(fd);
        ++it->second.users;
        key_ = key;
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (error) {
            if (err == EWOULDBLOCK)
                *error = "Another copy of Ovalspin is already using the data directory " + dir +
                         ". Close it first, or give this one another data directory.";
            else
                *error = "Ovalspin cannot lock its data directory (" + path + ": " + std::strerror(err) + ").";
        }
        return false;
    }
    held[key] = {fd, 1};
    key_ = key;
    return true;
}

void DataDirLock::Release()
{
    if (key_.empty()) return;
    auto& held = HeldLocks();
    if (auto it = held.find(key_); it != held.end() && --it->second.users == 0) {
        ::close(it->second.fd);
        held.erase(it);
    }
    key_.clear();
}

}  // namespace ovs
