// Start-up and shut-down of the engine: the log, options, generator, stores,
// the database and the mail settings.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace ovs {

struct Game;

inline constexpr const char* kVersion = "v2.0 Beta 4";

// What a front end may change about start-up.
struct StartupOptions {
    std::optional<std::uint32_t> seed;   // seed the generator with this instead of the clock
    std::string dbPath;                  // the database to load; empty: the default in the data directory
    bool prepareDataDir = true;          // create the data directory and seed it with the shipped database
    bool lockDataDir = true;             // refuse a data directory another copy is using
    bool showAbout = true;               // the about box (the host may decline it)
    bool showLogNotice = true;           // the box telling the user about DEBUG.TXT
    // A desktop front end creates its main window once the options are read
    // (its size comes from them) and its panes after the record sizes are
    // logged, so that its own log lines fall in their places. False from
    // either ends start-up (the front end has told the user).
    std::function<bool(Game&)> createWindow;
    std::function<bool(Game&)> createPanes;
};

// The text of the start-up box about the run-time log.
extern const char* const kLogNoticeText;

// The engine's start-up, in the program's order: DEBUG.TXT emptied, the start
// line, the options, the record sizes, the generator seeded, the log notice,
// the counts and the database path, the stores, the database, the counts
// loaded, the mail settings, no Test in progress. False when the program must
// end (the failure has been reported to the user).
bool Startup(Game& g, const StartupOptions& opts = {});

// Free the stores, write the last line and close the log.
void Shutdown(Game& g);

}  // namespace ovs
