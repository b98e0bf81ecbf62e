// Two runs of the program with one seed write the same files, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "file_fixtures.h"
#include "test_util.h"

namespace ovs {
namespace {

namespace fs = std::filesystem;

// Every file a run left in its data directory, by name.
std::map<std::string, std::string> FilesIn(const std::string& dir)
{
    std::map<std::string, std::string> files;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.is_regular_file()) files[e.path().filename().string()] = test::ReadFile(e.path().string());
    return files;
}

// Each run starts from a fresh data directory at the same path, so a path
// written into a file is the same for both. The saved position holds the
// match state whole (the highlight lines with whatever follows their text),
// so a stray uninitialised byte anywhere shows up as a difference.
TEST(Reproducible, OneSeedWritesTheSameFilesInTwoRuns)
{
    test::TempDir root("ovs-repro");
    const std::string data = root.File("data");
    const std::string play = "--seed 9 play --tests 2 --ball-by-ball --save-after-overs 260 1 2";
    std::map<std::string, std::string> runs[2];
    for (auto& run : runs) {
        fs::remove_all(data);
        int rc = -1;
        const std::string out = test::RunCli(data, play, &rc);
        ASSERT_EQ(rc, 0) << out;
        run = FilesIn(data);
    }
    ASSERT_TRUE(runs[0].count("CURRENT.DAT"));
    ASSERT_TRUE(runs[0].count("DEBUG.TXT"));
    EXPECT_GE(runs[0].size(), 4u);  // the database, the log, the position and a ball-by-ball file
    ASSERT_EQ(runs[0].size(), runs[1].size());
    for (const auto& [name, bytes] : runs[0]) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(runs[1].count(name));
        EXPECT_TRUE(bytes == runs[1][name]) << "differs between two runs with one seed";
    }
}

}  // namespace
}  // namespace ovs
