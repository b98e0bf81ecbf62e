// Start-up and shut-down of the engine.
#include "core/startup.h"

#include <cerrno>
#include <cstring>
#include <string>

#include "core/flow.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/paths.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "data/league.h"
#include "data/records.h"
#include "data/stores.h"

namespace ovs {

const char* const kLogNoticeText =
    "Ovalspin writes a log of what it does to the file DEBUG.TXT in its data directory.\n"
    "The log is emptied each time Ovalspin starts. If Ovalspin ever stops unexpectedly, "
    "please send the DEBUG.TXT from that run, before starting Ovalspin again, "
    "with a short note of what you were doing.";

namespace {

void LogRecordSizes(Game& g)
{
    g.Log("Sizeof AVERAGE      %6d\n", static_cast<int>(sizeof(AVERAGE)));
    g.Log("Sizeof PLAYER       %6d\n", static_cast<int>(sizeof(PLAYER)));
    g.Log("Sizeof COUNTRY      %6d\n", static_cast<int>(sizeof(COUNTRY)));
    g.Log("Sizeof SQUAD        %6d\n", static_cast<int>(sizeof(SQUAD)));
    g.Log("Sizeof GROUND       %6d\n", static_cast<int>(sizeof(GROUND)));
    g.Log("Sizeof RECORDS      %6d\n", static_cast<int>(sizeof(RECORDS)));
    g.Log("Sizeof REPLAY       %6d\n", static_cast<int>(sizeof(REPLAY)));
    g.Log("Sizeof TEST         %6d\n", static_cast<int>(sizeof(TEST)));
    // "Sireof" is how these three lines have always read; log readers match it.
    g.Log("Sireof SQUADSERIES  %6d\n", static_cast<int>(sizeof(SQUADSERIES)));
    g.Log("Sireof PLAYERSERIES %6d\n", static_cast<int>(sizeof(PLAYERSERIES)));
    g.Log("Sireof GROUNDSERIES %6d\n", static_cast<int>(sizeof(GROUNDSERIES)));
    g.Log("Sizeof SERIES       %6d\n", static_cast<int>(sizeof(SERIES)));
    g.Log("Sizeof INNINGS      %6d\n", static_cast<int>(sizeof(INNINGS)));
    g.Log("Sizeof CURRENT      %6d\n", static_cast<int>(sizeof(CURRENT)));
    g.Log("Sizeof FIXTURE      %6d\n", static_cast<int>(sizeof(FIXTURE)));
    g.Log("Sizeof LEAGUE_TURN  %6d\n", static_cast<int>(sizeof(LEAGUE_TURN)));
    g.Log("Sizeof LEAGUEPTS    %6d\n", static_cast<int>(sizeof(LEAGUEPTS)));
    g.Log("Sizeof LEAGUE       %6d\n", static_cast<int>(sizeof(LEAGUE)));
    g.Log("Sizeof FIXTUREV2    %6d\n", static_cast<int>(sizeof(FIXTUREV2)));
    g.Log("Sizeof LEAGUEPTSV2  %6d\n", static_cast<int>(sizeof(LEAGUEPTSV2)));
    g.Log("Sizeof LEAGUEV2     %6d\n", static_cast<int>(sizeof(LEAGUEV2)));
    g.Log("MAX_PLAYERS    %4d\n", MAX_PLAYERS);
    g.Log("MAX_COUNTRIES  %4d\n", MAX_COUNTRIES);
    g.Log("MAX_SQUADS     %4d\n", MAX_SQUADS);
    g.Log("MAX_GROUNDS    %4d\n", MAX_GROUNDS);
    g.Log("MAX_RECORDS    %4d\n", MAX_RECORDS);
    g.Log("MAX_SQUAD      %4d\n", MAX_SQUAD);
}

}  // namespace

bool Startup(Game& g, const StartupOptions& opts)
{
    const std::string dataDir = g.host->DataDir();
    std::string error;
    if (opts.prepareDataDir && !CreateDataDir(dataDir, &error)) {
        g.host->MessageBox(error, "Ovalspin", BoxButtons::Ok, BoxIcon::Stop);
        return false;
    }
    // One copy per data directory, before anything in it is touched: a
    // second copy emptying DEBUG.TXT would pull the pages from under the
    // first one's mapping of it.
    if (opts.lockDataDir && !g.dataLock.Take(dataDir, &error)) {
        g.host->MessageBox(error, "Ovalspin", BoxButtons::Ok, BoxIcon::Stop);
        return false;
    }
    RemoveStaleTemporaries(dataDir);
    std::string seedError;
    if (opts.prepareDataDir) SeedDataDir(dataDir, &seedError);

    const std::string logPath = dataDir + "/DEBUG.TXT";
    if (!g.log.Create(logPath)) {
        g.host->BoxDetail(logPath + ": " + std::strerror(errno));
        g.host->MessageBox("Can not open or create DEBUG.TXT", "Ovalspin", BoxButtons::Ok, BoxIcon::Stop);
        g.dataLock.Release();
        return false;
    }
    g.Log("Started Ovalspin %s\n", kVersion);

    InitOptions(g.options);
    LoadOptions(g);

    g.nMainWidth = 640;
    g.nMainHeight = 480;
    if (opts.createWindow && !opts.createWindow(g)) return false;

    LogRecordSizes(g);
    if (opts.createPanes && !opts.createPanes(g)) return false;

    // The about box seeds the generator as it opens.
    if (opts.showAbout) {
        DialogRequest about;
        about.id = Dialog::About;
        g.host->RunDialog(about);
    }
    g.rng.Seed(opts.seed ? *opts.seed : static_cast<std::uint32_t>(g.host->Now()));

    if (opts.showLogNotice) g.host->MessageBox(kLogNoticeText, "Ovalspin", BoxButtons::Ok, BoxIcon::Information);

    SetDefaultCounts(g.db.numbers);
    g.dbPath = opts.dbPath.empty() ? dataDir + "/" + kDefaultDatabaseName : opts.dbPath;
    if (opts.dbPath.empty() && !seedError.empty()) {
        g.Log("%s\n", seedError.c_str());
        g.host->MessageBox(seedError, "Loading Error", BoxButtons::Ok, BoxIcon::Stop);
        return false;
    }
    if (DirectoryOf(g.dbPath) != dataDir) RemoveStaleTemporaries(DirectoryOf(g.dbPath));

    if (!AllocateAndInitialiseStores(g)) return false;
    if (!LoadDatabase(g, g.dbPath)) {
        FreeStores(g);
        return false;
    }

    g.Log("NUM_PLAYERS    %4d\n", g.db.NumPlayers());
    g.Log("NUM_COUNTRIES  %4d\n", g.db.NumCountries());
    g.Log("NUM_SQUADS     %4d\n", g.db.NumSquads());
    g.Log("NUM_GROUNDS    %4d\n", g.db.NumGrounds());
    g.Log("NUM_RECORDS    %4d\n", g.db.NumRecords());

    LoadMail(g);
    g.Current.nTest = -1;
    g.SelectTestAndInnings();
    CommandsIdle(g);
    return true;
}

void Shutdown(Game& g)
{
    if (NetworkPlay(g)) NetworkClose(g);
    FreeStores(g);
    g.Log("Exiting Ovalspin\n");
    g.log.Close();
    g.dataLock.Release();
}

}  // namespace ovs
