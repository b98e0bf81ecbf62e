// The settings files in the data directory: OPTION.DAT and MAIL.DAT.
#include <algorithm>
#include <cstring>

#include "core/game.h"
#include "data/binary_io.h"
#include "data/files.h"

namespace ovs {

namespace {

std::string SettingsPath(Game& g, const char* name) { return JoinPath(g.host->DataDir(), name); }

// The settings files are a few hundred bytes; anything far larger is not one.
constexpr std::size_t kSettingsCap = 64 * 1024;

std::int8_t ClampAggression(int v) { return static_cast<std::int8_t>(v < 0 ? 0 : (v > 10 ? 10 : v)); }

}  // namespace

bool LoadOptions(Game& g)
{
    // A missing file leaves the defaults as they are, without a word.
    const std::string path = SettingsPath(g, kOptionsName);
    FileProblem problem;
    const auto bytes = ReadWholeFile(path, kSettingsCap, &problem);
    if (!bytes) {
        if (problem.kind == FileProblem::Missing) return true;
        FileErrorBox(g, "Error loading Option Data.", "Loading Error", path + ": " + ProblemText(problem));
        return false;
    }
    ByteReader in(*bytes);
    OPTIONS o{};
    if (!in.ReadWhole(o)) {
        FileErrorBox(g, "Error loading Option Data.", "Loading Error");
        return false;
    }
    o.nTeamBatAggression = ClampAggression(o.nTeamBatAggression);
    o.nTeamBowlAggression = ClampAggression(o.nTeamBowlAggression);
    o.nPlayerBatAggression = ClampAggression(o.nPlayerBatAggression);
    o.nPlayerBowlAggression = ClampAggression(o.nPlayerBowlAggression);
    g.options = o;
    return true;
}

bool SaveOptions(Game& g)
{
    AtomicFile out;
    if (!out.Create(SettingsPath(g, kOptionsName))) {
        FileErrorBox(g, "Unable to create Option Data file.", "Saving Error");
        return false;
    }
    if (!out.WriteWhole(g.options) || !out.Commit()) {
        FileErrorBox(g, "Unable to write Option Data.", "Writing Error");
        return false;
    }
    return true;
}

void LoadMail(Game& g)
{
    MAILDATA m{};
    const auto bytes = ReadWholeFile(SettingsPath(g, kMailName), kSettingsCap);
    if (bytes && !bytes->empty()) {
        // Whatever whole or partial blocks are there; each text ends inside its block.
        std::memcpy(&m, bytes->data(), std::min(bytes->size(), sizeof m));
        m.szServer[sizeof m.szServer - 1] = '\0';
        m.szAddress[sizeof m.szAddress - 1] = '\0';
        m.szName[sizeof m.szName - 1] = '\0';
    }
    g.mail = m;
}

bool SaveMail(Game& g)
{
    AtomicFile out;
    if (!out.Create(SettingsPath(g, kMailName)) || !out.WriteWhole(g.mail) || !out.Commit()) {
        FileErrorBox(g, "Unable to create Mail Data file.", "Saving Error");
        return false;
    }
    return true;
}

}  // namespace ovs
