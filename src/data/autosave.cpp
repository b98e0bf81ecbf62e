// The automatic save beside CURRENT.DAT.
#include "data/autosave.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/game.h"
#include "core/replay.h"
#include "data/files.h"

namespace ovs {

namespace {

// The modification time of a file, or nothing when it is not there.
bool ModifiedAt(const std::string& path, std::filesystem::file_time_type& when)
{
    std::error_code ec;
    when = std::filesystem::last_write_time(path, ec);
    return !ec;
}

}  // namespace

std::string AutoSavePath(const Game& g)
{
    return (std::filesystem::path(SavedPositionPath(g)).parent_path() / kAutoSaveName).string();
}

bool WriteAutoSave(Game& g)
{
    if (Replaying(g)) return true;
    return SavePositionTo(g, AutoSavePath(g));
}

bool AutoSaveIsNewer(const Game& g)
{
    std::filesystem::file_time_type autoSaved, saved;
    if (!ModifiedAt(AutoSavePath(g), autoSaved)) return false;
    return !ModifiedAt(SavedPositionPath(g), saved) || autoSaved > saved;
}

int FinishedTests(const Game& g)
{
    int n = 0;
    for (int t = 0; t < g.Series.nNumTests && t < MAX_TESTS; ++t) {
        const char* r = g.Series.Test[t].szResult;
        if (r[0] && std::strcmp(r, "Not yet played.") != 0 && std::strncmp(r, "In progress", 11) != 0 &&
            std::strcmp(r, "Being replayed.") != 0)
            ++n;
    }
    return n;
}

}  // namespace ovs
