// Small helpers shared by the tests: unique temporary directories and files.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace ovs::test {

// A fresh empty directory under $TMPDIR (or /tmp), named after `tag`.
inline std::string MakeTempDir(const std::string& tag = "ovs")
{
    const char* base = std::getenv("TMPDIR");
    std::string pattern = std::string(base && *base ? base : "/tmp") + "/" + tag + "-XXXXXX";
    std::string buf = pattern;
    if (!mkdtemp(buf.data())) throw std::runtime_error("mkdtemp failed for " + pattern);
    return buf;
}

// A temporary directory removed with everything in it when it goes out of scope.
class TempDir {
public:
    explicit TempDir(const std::string& tag = "ovs") : path_(MakeTempDir(tag)) {}
    ~TempDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// The whole of a file as a string ("" when it cannot be read).
inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Write a string to a file whole.
inline void WriteFile(const std::string& path, const std::string& text)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

}  // namespace ovs::test
