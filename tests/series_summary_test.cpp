// The series summary: restoring the series into the spare store slots (a
// league match rebuilt from its snapshot with the duplicate-surname names,
// another series taken from the database whole, the real squads left as they
// were), and the replay of a finished Test, after which the series in play is
// back as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "core/format.h"
#include "core/messages.h"
#include "data/files.h"
#include "core/menu.h"
#include "core/series.h"
#include "file_fixtures.h"

namespace ovs {
namespace {

std::string Text(const char* field, std::size_t size) { return std::string(field, strnlen(field, size)); }
std::string MemberName(const SQUAD& s, int m) { return Text(s.szMember[m], sizeof s.szMember[m]); }

std::vector<SQUAD> RealSquads(const Game& g)
{
    return std::vector<SQUAD>(g.db.squads.begin(), g.db.squads.begin() + g.db.NumSquads());
}

bool SameSquads(const std::vector<SQUAD>& a, const std::vector<SQUAD>& b)
{
    return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(SQUAD)) == 0;
}

// A one-Test series of squads 0 and 1, snapshot taken, where members 0 and 2
// of the home squad share a surname (with other initials).
struct Restorable : test::StartedGame {
    Restorable() : StartedGame(7)
    {
        std::string refusal;
        EXPECT_TRUE(SetUpComputerSeries(g, 0, 1, 1, true, refusal)) << refusal;
        const SQUAD& home = g.db.squads[0];
        PLAYER& a = g.db.players[home.nPlayer[0]];
        PLAYER& b = g.db.players[home.nPlayer[2]];
        SetText(b.szSurname, Text(a.szSurname, sizeof a.szSurname));
        SetText(a.szInitials, "A.B.");
        SetText(b.szInitials, "C.");
        SnapshotSeries(g);
    }
};

TEST(RestoreSeries, ALeagueMatchIsRebuiltFromItsSnapshotWithTheSurnameRule)
{
    Restorable r;
    Game& g = r.g;
    g.Current.bLeagueMatch = 1;
    const SQUAD home = g.db.squads[0];
    const std::string shared = Text(g.db.players[home.nPlayer[0]].szSurname, 21);
    const std::string third = Text(g.db.players[home.nPlayer[1]].szSurname, 21);
    // The database moves on after the match began; the snapshot does not.
    SetText(g.db.squads[0].szName, "Renamed Since");
    SetText(g.db.players[home.nPlayer[1]].szSurname, "Changed");
    const std::vector<SQUAD> before = RealSquads(g);

    RestoredSeries restored;
    ASSERT_TRUE(RestoreSeries(g, restored));
    const int squads = g.db.NumSquads(), players = g.db.NumPlayers();
    ASSERT_EQ(g.Series.nSquad[0], squads);
    ASSERT_EQ(g.Series.nSquad[1], squads + 1);
    const SQUAD& spare = g.db.squads[squads];
    EXPECT_EQ(Text(spare.szName, sizeof spare.szName), Text(home.szName, sizeof home.szName));
    EXPECT_EQ(spare.nMembers, home.nMembers);
    // The members are the spare player slots, as the snapshot has them.
    for (int m = 0; m < spare.nMembers; ++m) EXPECT_EQ(spare.nPlayer[m], players + m);
    EXPECT_EQ(Text(g.db.players[players + 1].szSurname, 21), third);
    // Two members of one surname are told apart by their initials; the others keep the surname.
    EXPECT_EQ(MemberName(spare, 0), shared + " A.B.");
    EXPECT_EQ(MemberName(spare, 2), shared + " C.");
    EXPECT_EQ(MemberName(spare, 1), third);
    const SQUAD& away = g.db.squads[squads + 1];
    EXPECT_EQ(away.nPlayer[0], players + MAX_SQUAD);
    EXPECT_EQ(MemberName(away, 0), Text(g.Series.Player[0][1].szSurname, 21));
    // The venue as it stood.
    EXPECT_EQ(Text(g.db.grounds[g.db.NumGrounds()].szName, 21), Text(g.Series.Venue[0].szName, 21));

    EndRestoredSeries(g, restored);
    EXPECT_EQ(g.Series.nSquad[0], 0);
    EXPECT_EQ(g.Series.nSquad[1], 1);
    // A league's real squads are left alone.
    EXPECT_TRUE(SameSquads(RealSquads(g), before));
}

TEST(RestoreSeries, AnotherSeriesIsTheDatabasesOwnAndComesBackUnchanged)
{
    Restorable r;
    Game& g = r.g;
    g.Current.bLeagueMatch = 0;
    const std::vector<SQUAD> before = RealSquads(g);
    RestoredSeries restored;
    ASSERT_TRUE(RestoreSeries(g, restored));
    const SQUAD& spare = g.db.squads[g.db.NumSquads()];
    EXPECT_EQ(std::memcmp(&spare, &before[0], sizeof(SQUAD)), 0);
    EndRestoredSeries(g, restored);
    EXPECT_EQ(g.Series.nSquad[0], 0);
    EXPECT_TRUE(SameSquads(RealSquads(g), before));

    // The summary box runs on the rebuilt squads and hands the real ones back.
    int shownSquad = -1;
    r.host.ScriptDialog(Dialog::SeriesSummary, [&](DialogRequest& req) {
        shownSquad = g.Series.nSquad[0];
        req.result = 1;
        return true;
    });
    EXPECT_EQ(SeriesSummaryBox(g), 1);
    EXPECT_EQ(shownSquad, g.db.NumSquads());
    EXPECT_EQ(g.Series.nSquad[0], 0);
    EXPECT_EQ(g.Series.nSquad[1], 1);
    EXPECT_TRUE(SameSquads(RealSquads(g), before));
}

TEST(RestoreSeries, NoSeriesOrNoSpareSlotsChangeNothing)
{
    Restorable r;
    Game& g = r.g;
    RestoredSeries restored;
    g.Series.nSquad[1] = -1;
    EXPECT_FALSE(RestoreSeries(g, restored));
    EXPECT_EQ(g.Series.nSquad[0], 0);
    g.Series.nSquad[1] = 1;
    g.db.squads.resize(static_cast<std::size_t>(g.db.NumSquads()));
    EXPECT_FALSE(RestoreSeries(g, restored));
    EXPECT_EQ(g.Series.nSquad[0], 0);
}

using DataDir = test::DataDirWithDatabase;

struct Session : test::StartedGame {
    Session(const DataDir& data, std::uint32_t seed) : StartedGame(seed, data.dir.Path(), data.Database()) {}
    // A two-Test series played until 40 overs of the second Test are bowled.
    bool IntoSecondTest()
    {
        if (!StartComputerSeries(0, 1, 2)) return false;
        int overs = 0;
        return PumpUntil([&](std::uint32_t msg) {
            overs += g.Current.nTest == 1 && msg == WM_ENDOVER;
            return overs >= 40 && msg == WM_CONTINNINGS && g.queue.Size() == 1 && g.queue.Peek(WM_NEWOVER);
        });
    }
};

TEST(SummaryReplay, AReplayMidSeriesLeavesTheSeriesAsItWas)
{
    DataDir data, control;
    Session s(data, 41);
    Game& g = s.g;
    ASSERT_TRUE(s.IntoSecondTest());
    const std::string saved = data.dir.File(kSavedPositionName);
    ASSERT_TRUE(SavePosition(g));
    const std::string before = test::ReadFile(saved);
    const TEST first = g.Series.Test[0];

    ASSERT_TRUE(ReplayOffered(g));
    s.host.AnswerDialog(Dialog::SeriesSummary, 100);
    ControlMenu(g, CMD_RESULTS);
    EXPECT_EQ(g.wReplayFlag, 1);
    EXPECT_EQ(g.queue.Size(), 1u);
    // The replay plays the first Test again, ball by ball, to the same result.
    std::string replayedResult;
    ASSERT_TRUE(s.PumpUntil([&](std::uint32_t msg) {
        if (msg == WM_ENDTEST) {
            EXPECT_FALSE(ReplayOffered(g));
            replayedResult = g.Series.Test[0].szResult;
        }
        return msg == WM_ENDSERIES && g.wReplayFlag == 0;
    }));
    EXPECT_EQ(replayedResult, std::string(first.szResult));
    EXPECT_EQ(g.Current.nTest, 1);
    EXPECT_TRUE(g.queue.Peek(WM_NEWOVER));
    ASSERT_TRUE(SavePosition(g));
    EXPECT_TRUE(test::ReadFile(saved) == before) << "the saved position changed";

    // Played on, the series ends as it does without the replay.
    ASSERT_TRUE(s.PumpToEnd());
    Session c(control, 41);
    ASSERT_TRUE(c.IntoSecondTest());
    ASSERT_TRUE(c.PumpToEnd());
    EXPECT_EQ(std::memcmp(&g.Series, &c.g.Series, sizeof(SERIES)), 0);
}

}  // namespace
}  // namespace ovs
