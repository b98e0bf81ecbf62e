// Where the program keeps its files: the data directory and the shipped database.
#include "core/paths.h"

#include <unistd.h>

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

bool PrepareDataDir(const std::string& dir, std::string* error)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !fs::is_directory(dir)) {
        if (error)
            *error = "Cannot create the data directory " + dir + (ec ? ": " + ec.message() : std::string());
        return false;
    }
    fs::path target = fs::path(dir) / kDefaultDatabaseName;
    if (fs::exists(target, ec)) return true;
    std::string shipped = FindShippedDatabase();
    if (shipped.empty()) return true;
    // Copy to a temporary name and rename, so a half-written copy is never
    // taken for the database.
    fs::path tmp = fs::path(dir) / (std::string(kDefaultDatabaseName) + ".part");
    fs::copy_file(shipped, tmp, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return true;
    }
    if (!fs::exists(target, ec)) fs::rename(tmp, target, ec);
    fs::remove(tmp, ec);
    return true;
}

}  // namespace ovs
