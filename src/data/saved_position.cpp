// The saved position CURRENT.DAT: the database image, then the series, the
// match state, the toolbar, the league and the played part of the league's
// series, each match-state block behind its BLOCKHEADER.
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

#include "core/ballbyball.h"
#include "core/format.h"
#include "core/clock.h"
#include "core/game.h"
#include "core/menu.h"
#include "core/messages.h"
#include "core/series.h"
#include "core/toolbar.h"
#include "data/binary_io.h"
#include "data/files.h"
#include "data/validate.h"

namespace ovs {

namespace {

const DatabaseTexts kSavedDataTexts = {
    "Saved Data",
    "Unable to read Database Header from Saved Data.",
    "Unable to read Number Structure from Saved Data.",
    "Unable to read Player Structure from Saved Data.",
    "Unable to read Squad Structure from Saved Data.",
    "Unable to read Ground Structure from Saved Data.",
    "Unable to read Records Structure from Saved Data.",
};

const char* const kLoading = "Loading Error";
const char* const kSaving = "Saving Error";

// One match-state block: its name in our refusals and its two read failures.
struct BlockTexts {
    const char* name;
    const char* header;
    const char* record;
};

const BlockTexts kSeriesBlock = {"Series", "Unable to read File Header (Series Structure) from Saved Data.",
                                 "Unable to read Series Structure from Saved Data."};
const BlockTexts kCurrentBlock = {"Current", "Unable to read File Header (Current Structure) from Saved Data.",
                                  "Unable to read Current Structure from Saved Data."};
const BlockTexts kLeagueBlock = {"League", "Unable to read File Header (League Structure) from Saved Data.",
                                 "Unable to read League Structure from Saved Data."};
const BlockTexts kLeagueSeriesBlock = {
    "League Series", "Unable to read File Header (League Series Structure) from Saved Data.",
    "Unable to read League Series Structure from Saved Data."};

// Read a BLOCKHEADER and check its record size fits a record of `ours` bytes.
bool ReadBlockHeader(Game& g, ByteReader& in, const BlockTexts& t, std::size_t ours, BLOCKHEADER& bh)
{
    if (!in.ReadWhole(bh)) {
        FileErrorBox(g, t.header, kLoading);
        return false;
    }
    char text[200];
    if (bh.nSize > static_cast<std::int32_t>(ours)) {
        FormatTo(text, sizeof text,
                 "The %s records in this Saved Data are larger than this version of Ovalspin can read.", t.name);
        FileErrorBox(g, text, kLoading);
        return false;
    }
    if (bh.nSize <= 0) {
        FormatTo(text, sizeof text, "The %s record size in this Saved Data is not valid (%d).", t.name,
                 static_cast<int>(bh.nSize));
        FileErrorBox(g, text, kLoading);
        return false;
    }
    return true;
}

template <typename T>
bool ReadBlockRecord(Game& g, ByteReader& in, const BlockTexts& t, const BLOCKHEADER& bh, T& rec)
{
    if (!in.ReadRecord(rec, static_cast<std::size_t>(static_cast<std::int32_t>(bh.nSize)))) {
        FileErrorBox(g, t.record, kLoading);
        return false;
    }
    return true;
}

int ClampAggression(int v) { return v < 0 ? 0 : (v > 10 ? 10 : v); }

// The upgrade step of the match state: every aggression value into 0..10
// (an unset pairing, 0xFFFF, stays unset).
void ClampCurrentAggression(CURRENT& c)
{
    for (auto& a : c.nBatAggression) a = static_cast<std::int16_t>(ClampAggression(a));
    for (auto& a : c.nBowlAggression) a = static_cast<std::int16_t>(ClampAggression(a));
    for (auto& a : c.nTeamAggression) a = static_cast<std::int16_t>(ClampAggression(a));
    for (auto& row : c.nBatVsBowl)
        for (auto& a : row)
            if (a != 0xFFFF) a = static_cast<std::uint16_t>(ClampAggression(a));
    for (auto& row : c.nBowlVsBat)
        for (auto& a : row)
            if (a != 0xFFFF) a = static_cast<std::uint16_t>(ClampAggression(a));
}

// The number of league teams whose series the saved position carries.
int LeagueTeams(const LEAGUE& l)
{
    const int n = l.nSquads;
    return n < 0 ? 0 : (n > MAX_LEAGUE_TEAMS ? MAX_LEAGUE_TEAMS : n);
}

// Everything of the saved position past the database image, read into scratch.
struct LoadedPosition {
    SERIES series{};
    CURRENT current{};
    ToolbarState toolbar{};
    LEAGUE league{};
    int teams = 0;
    std::vector<SERIES> leagueSeries;   // teams x teams, row order
};

bool ReadPositionBlocks(Game& g, ByteReader& in, LoadedPosition& p)
{
    BLOCKHEADER bh{};
    InitSeries(p.series);
    if (!ReadBlockHeader(g, in, kSeriesBlock, sizeof(SERIES), bh) ||
        !ReadBlockRecord(g, in, kSeriesBlock, bh, p.series))
        return false;

    // A shorter stored match state keeps the rest as at the start of a Test.
    p.current = g.Current;
    InitCurrentForTest(p.current);
    InitOverHistory(p.current);
    if (!ReadBlockHeader(g, in, kCurrentBlock, sizeof(CURRENT), bh) ||
        !ReadBlockRecord(g, in, kCurrentBlock, bh, p.current))
        return false;
    ClampCurrentAggression(p.current);

    if (!in.Read(p.toolbar.data(), sizeof(TOOLBAR) * TOOLBAR_RECORDS)) {
        FileErrorBox(g, "Unable to read Toolbar Structure from Saved Data.", kLoading);
        return false;
    }

    p.league = {};
    InitLeague(p.league);
    if (!ReadBlockHeader(g, in, kLeagueBlock, sizeof(LEAGUE), bh) ||
        !ReadBlockRecord(g, in, kLeagueBlock, bh, p.league))
        return false;

    if (!ReadBlockHeader(g, in, kLeagueSeriesBlock, sizeof(SERIES), bh)) return false;
    const int n = p.league.nSquads;
    if (n < 0 || n > MAX_LEAGUE_TEAMS) {
        char text[160];
        if (n < 0)
            FormatTo(text, sizeof text, "The League in this Saved Data has an invalid number of squads (%d).", n);
        else
            FormatTo(text, sizeof text,
                     "The League in this Saved Data has %d squads; this version of Ovalspin can read at most %d.",
                     n, MAX_LEAGUE_TEAMS);
        FileErrorBox(g, text, kLoading);
        return false;
    }
    p.teams = n;
    const std::size_t count = static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    if (count * static_cast<std::size_t>(static_cast<std::int32_t>(bh.nSize)) > in.Remaining()) {
        FileErrorBox(g, kLeagueSeriesBlock.record, kLoading);
        return false;
    }
    p.leagueSeries.resize(count);
    for (SERIES& s : p.leagueSeries) {
        InitSeries(s);
        if (!ReadBlockRecord(g, in, kLeagueSeriesBlock, bh, s)) return false;
    }
    return true;
}

// The match state read must fit the database that came with it; the first fault found, or "".
std::string CheckPosition(const Stores& db, const LoadedPosition& p)
{
    std::string fault = CheckSeries(db, p.series, "the series");
    if (fault.empty()) fault = CheckPositionState(db, p.series, p.current);
    if (fault.empty()) fault = CheckLeague(db, p.league);
    for (int i = 0; i < p.teams && fault.empty(); ++i)
        for (int j = 0; j < p.teams && fault.empty(); ++j) {
            char what[40];
            FormatTo(what, sizeof what, "the league series %d-%d", i, j);
            fault = CheckSeries(db, p.leagueSeries[static_cast<std::size_t>(i * p.teams + j)], what);
        }
    return fault;
}

std::string SavedPositionPathOf(const Game& g)
{
    const std::string dir = g.dbPath.empty() ? g.host->DataDir() : DirectoryOf(g.dbPath);
    return JoinPath(dir, kSavedPositionName);
}

template <typename T>
bool WriteBlock(AtomicFile& out, const T& rec)
{
    BLOCKHEADER bh{};
    bh.nVersion = static_cast<std::int32_t>(DB_VERSION);
    bh.nSize = static_cast<std::int32_t>(sizeof(T));
    return out.WriteWhole(bh) && out.WriteWhole(rec);
}


}  // namespace

ToolbarState& Toolbar(Game& g) { return g.toolbar; }

std::string SavedPositionPath(const Game& g) { return SavedPositionPathOf(g); }

bool LoadSavedPosition(Game& g) { return LoadSavedPositionFrom(g, SavedPositionPath(g)); }

bool LoadSavedPositionFrom(Game& g, const std::string& path)
{
    FileProblem problem;
    const auto bytes = ReadWholeFile(path, kMaxDataFile, &problem);
    if (!bytes) {
        ReadProblemBox(g, path, problem, "Saved Data", kNoSavedGameText);
        return false;
    }
    ByteReader in(*bytes);
    auto img = std::make_unique<LoadedDatabase>();
    if (!ReadDatabaseImage(g, in, kSavedDataTexts, *img)) return false;
    auto pos = std::make_unique<LoadedPosition>();
    if (!ReadPositionBlocks(g, in, *pos)) return false;
    if (const std::string fault = CheckPosition(img->db, *pos); !fault.empty()) {
        FileErrorBox(g, fault, kLoading);
        return false;
    }

    // Everything read: take it.
    TakeDatabaseImage(g, *img);
    g.Series = pos->series;
    g.Current = pos->current;
    Toolbar(g) = pos->toolbar;
    g.League = pos->league;
    for (int i = 0; i < pos->teams; ++i)
        for (int j = 0; j < pos->teams; ++j)
            g.db.LeagueSeries(i, j) = pos->leagueSeries[static_cast<std::size_t>(i * pos->teams + j)];
    g.SelectTestAndInnings();
    // The timetable is not stored: work it out again from the Test's ground.
    if (g.pTest) ComputeDayTimes(g);

    // Name and path stay those of the database loaded at start-up.
    DBHEADER& h = g.dbHeader;
    DBHEADER fileHeader = img->header;
    std::memcpy(fileHeader.szName, h.szName, sizeof h.szName);
    std::memcpy(fileHeader.szPath, h.szPath, sizeof h.szPath);
    h = fileHeader;
    h.nVersion = DB_VERSION;
    h.nPlayerSize = static_cast<std::int16_t>(sizeof(PLAYER));
    h.nSquadSize = static_cast<std::int16_t>(sizeof(SQUAD));
    h.nGroundSize = static_cast<std::int16_t>(sizeof(GROUND));
    h.nRecordsSize = static_cast<std::int16_t>(sizeof(RECORDS));
    h.nCountrySize = static_cast<std::int16_t>(sizeof(COUNTRY));
    return true;
}

bool SavePosition(Game& g) { return SavePositionTo(g, SavedPositionPath(g)); }

bool SavePositionTo(Game& g, const std::string& path)
{
    AtomicFile out;
    if (!out.Create(path)) {
        SaveErrorBox(g, out, "Saved Data file could not be created.", "Saved Data");
        return false;
    }
    if (!WriteDatabaseImage(g, out, g.dbHeader, g.db, "Saved Data")) return false;
    if (!WriteBlock(out, g.Series)) {
        SaveErrorBox(g, out, "Unable to write Series Structure to Saved Data.", "Saved Data");
        return false;
    }
    if (!WriteBlock(out, g.Current)) {
        SaveErrorBox(g, out, "Unable to write Current Structure to Saved Data.", "Saved Data");
        return false;
    }
    StoreToolbar(g);
    if (!out.Write(Toolbar(g).data(), sizeof(TOOLBAR) * TOOLBAR_RECORDS)) {
        SaveErrorBox(g, out, "Unable to write Toolbar Structure to Saved Data.", "Saved Data");
        return false;
    }
    if (!WriteBlock(out, g.League)) {
        SaveErrorBox(g, out, "Unable to write League Structure to Saved Data.", "Saved Data");
        return false;
    }
    BLOCKHEADER bh{};
    bh.nVersion = static_cast<std::int32_t>(DB_VERSION);
    bh.nSize = static_cast<std::int32_t>(sizeof(SERIES));
    bool ok = out.WriteWhole(bh);
    const int n = LeagueTeams(g.League);
    for (int i = 0; ok && i < n; ++i)
        for (int j = 0; ok && j < n; ++j) ok = out.WriteWhole(g.db.LeagueSeries(i, j));
    if (!ok) {
        SaveErrorBox(g, out, "Unable to write League Series Structure to Saved Data.", "Saved Data");
        return false;
    }
    if (!out.Commit()) {
        SaveErrorBox(g, out, "Saved Data file could not be created.", "Saved Data");
        return false;
    }
    return true;
}

bool LoadSavedData(Game& g) { return LoadSavedDataFrom(g, SavedPositionPath(g)); }

bool LoadSavedDataFrom(Game& g, const std::string& path)
{
    if (!LoadSavedPositionFrom(g, path)) return false;

    // Menu commands for the loaded state.
    g.commands.Disable(CMD_READDATA);
    g.commands.Disable(CMD_WRITEDATA);
    const bool league = g.League.nTests >= 1 && g.League.nTests <= 6;
    for (int id : {CMD_LEAGUETABLE, CMD_LEAGUERESULTS, CMD_NEXTFIXTURES, CMD_CURRENTFIXTURES})
        g.commands.Enable(id, league);
    if (g.db.NumRecords() > 0 && !g.db.records.empty()) {
        const RECORDS& best = g.db.records[0];
        // The record views of Tests and innings, as a finished Test enables them,
        // and those of series, as a finished series does.
        static const int kTestRecords[] = {1620, 1621, 1622, 1624, 1625, 1626, 1627, 1628, 1629, 1630, 1631,
                                           1633, 1634, 1635, 1636, 1640, 1641, 1643, 1644, 1645, 1647, 1651,
                                           1653, 1654};
        static const int kSeriesRecords[] = {1601, 1602, 1603, 1604, 1605, 1623, 1632, 1642, 1646, 1652};
        if (best.HighInnings.Where.nTeam != -1)
            for (int id : kTestRecords) g.commands.Enable(id);
        if (best.SeriesRuns.Where.nTeam != -1)
            for (int id : kSeriesRecords) g.commands.Enable(id);
    }
    RestoreToolbar(g);
    g.host->CommandsChanged();

    g.SelectTestAndInnings();
    if (g.pInnings && g.pInnings->nKeeperPos == -1) g.pInnings->nKeeperPos = 0;

    // A league in progress keeps its start command grey, so that the end of
    // each rubber leads to the next fixture; saved between two rubbers, the
    // next one starts now.
    const bool leagueRunning = league && !LeagueComplete(g.League);
    const ResumeStep step = PositionResumeStep(g.Series, g.Current, leagueRunning);

    // The ball-by-ball file of a Test under way goes on; one not begun starts its own.
    BbbContinue(g, step.msg == WM_CONTINNINGS || step.msg == WM_NEWINNINGS || step.msg == WM_ENDTEST);

    g.Log("Loaded saved position\nCalling MoveChildWindowsTest ()\n");
    if (leagueRunning) {
        for (int id : {CMD_NEWLEAGUE, CMD_NEWSERIES, CMD_NETINFO, CMD_NETSERVER, CMD_NETCLIENT})
            g.commands.Disable(id);
        g.host->CommandsChanged();
    }
    if (step.msg == 0) {
        // Saved after its series (or league) ended: nothing to play on. The
        // series can be looked at, and another begun or loaded.
        g.Log("The saved position has no Test in play\n");
        CommandsIdle(g);
        g.commands.Enable(CMD_RESULTS, g.Series.nNumTests > 0);
        g.host->CommandsChanged();
    } else {
        g.Log("Posting %s message from LoadSavedData ()\n", MessageName(step.msg));
        g.queue.Post(step.msg, step.wParam);
    }
    g.host->Refresh(PANE_ALL);
    return true;
}

}  // namespace ovs
