// Match-state records: the "none" markers the initialisers leave, which the
// rest of the game tests for, and what a replay keeps of a played Test.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/match.h"

namespace ovs {
namespace {

constexpr unsigned char kFill = 0xAB;

// The markers other code reads as "none yet": -1 for an empty batting order,
// side or eleven slot, 255 for a batsman's bowler and fielder, 0xFFFF for a
// pairing not yet met and an unused over-history row.
TEST(MatchRecordsInit, LeaveTheNoneMarkers)
{
    auto t = std::make_unique<TEST>();
    InitTestForPlay(*t);
    auto c = std::make_unique<CURRENT>();
    InitCurrentForTest(*c);
    InitOverHistory(*c);
    const INNINGS& in = t->Innings[2];

    struct Case {
        const char* what;
        long value;
        long marker;
    };
    const Case cases[] = {
        {"batting side", in.nBatSide, -1},
        {"bowling side", in.nBowlSide, -1},
        {"first in the order", in.nOrder[0], -1},
        {"last in the order", in.nOrder[10], -1},
        {"first bowler used", in.nBowlers[0], -1},
        {"toss winner", t->nTossWinner, -1},
        {"winner", t->nWinner, -1},
        {"eleven slot", t->nPlayer[10][1], -1},
        {"batsman's bowler", in.Bat[4].nBowler, 255},
        {"batsman's fielder", in.Bat[4].nFielder, 255},
        {"batsman against bowler", c->nBatVsBowl[3][7], 0xFFFF},
        {"bowler against batsman", c->nBowlVsBat[7][3], 0xFFFF},
        {"over row's bowler", c->OverHistory[0].nBowler, 0xFFFF},
        {"over row's last outcome", c->OverHistory[OVER_HISTORY_ROWS - 1].nOutcome[11], 0xFFFF},
    };
    for (const Case& k : cases) EXPECT_EQ(k.value, k.marker) << k.what;
    EXPECT_STREQ(t->szResult, "Not yet played.");
}

// The initialisers set their fields and nothing else: the bytes the game
// never sets keep whatever a loaded file put there, so that a position saved
// again is the same file.
template <typename T>
std::unique_ptr<T> Filled()
{
    auto r = std::make_unique<T>();
    std::memset(static_cast<void*>(r.get()), kFill, sizeof(T));
    return r;
}

TEST(MatchRecordsInit, LeaveTheBytesTheGameNeverSets)
{
    auto in = Filled<INNINGS>();
    InitInnings(*in);
    const auto* b = reinterpret_cast<const unsigned char*>(in.get());
    for (int k = 0; k < 11; ++k) {
        EXPECT_EQ(b[224 + 12 * k + 3], kFill) << "bowling figures, byte 3, slot " << k;
        EXPECT_EQ(b[224 + 12 * k + 11], kFill) << "bowling figures, byte 11, slot " << k;
    }
    EXPECT_EQ(b[359], kFill);
    EXPECT_EQ(b[363], kFill);

    auto t = Filled<TEST>();
    InitTestForPlay(*t);
    b = reinterpret_cast<const unsigned char*>(t.get());
    for (std::size_t off : {std::size_t{50}, std::size_t{1726}, std::size_t{1822}, std::size_t{1829}, std::size_t{1842},
                            sizeof(TEST) - 1})
        EXPECT_EQ(b[off], kFill) << "Test byte " << off;

    auto s = Filled<SERIES>();
    InitSeries(*s);
    b = reinterpret_cast<const unsigned char*>(s.get());
    EXPECT_EQ(b[67572], kFill);
    EXPECT_EQ(b[67573], kFill);

    auto c = Filled<CURRENT>();
    InitCurrentForTest(*c);
    b = reinterpret_cast<const unsigned char*>(c.get());
    // The over, batsmen, bowlers, rotation words and the ball's age.
    for (int off : {0, 12, 14, 24, 30, 32, 34, 36, 38, 44, 58, 66, 72, 78}) EXPECT_EQ(b[off], kFill) << off;
    EXPECT_EQ(b[930], kFill);
    EXPECT_EQ(static_cast<unsigned char>(c->szHighlights[5][1]), kFill);
    EXPECT_EQ(b[996], kFill);   // the over history has its own initialiser
}

TEST(MatchRecordsInit, TestForReplayKeepsElevensAndStream)
{
    auto t = std::make_unique<TEST>();
    InitTestForPlay(*t);
    t->nTossWinner = 1;
    t->nGround = 4;
    t->nWinner = 0;
    t->nPlayer[3][1] = 17;
    t->nBatPoints[3][1] = 40;
    t->nStoppages[2] = 5;
    t->Replay.nLength = 3;
    t->Replay.Data[2] = 0x42;
    t->Innings[1].nTotal = 250;

    InitTestForReplay(*t);
    EXPECT_STREQ(t->szResult, "Being replayed.");
    EXPECT_EQ(t->nTossWinner, -1);
    EXPECT_EQ(t->nGround, -1);
    EXPECT_EQ(t->nWinner, -1);
    EXPECT_EQ(t->nPlayer[3][1], 17);
    EXPECT_EQ(t->nPlayer[0][0], -1);
    EXPECT_EQ(t->Replay.nLength, 3);
    EXPECT_EQ(t->Replay.Data[2], 0x42);
    EXPECT_EQ(t->nBatPoints[3][1], 0);
    EXPECT_EQ(t->nStoppages[2], 0);
    EXPECT_EQ(t->Innings[1].nTotal, 0);
}

}  // namespace
}  // namespace ovs
