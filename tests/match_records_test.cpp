// Match-state records: the initialisers, which must set exactly their fields
// and leave every other byte as it was.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "core/match.h"

namespace ovs {
namespace {

constexpr unsigned char kFill = 0xAB;

template <typename T>
std::unique_ptr<T> Filled()
{
    auto r = std::make_unique<T>();
    std::memset(static_cast<void*>(r.get()), kFill, sizeof(T));
    return r;
}

template <typename T>
const unsigned char* Raw(const T& r)
{
    return reinterpret_cast<const unsigned char*>(&r);
}

int I16At(const unsigned char* b, std::size_t off)
{
    return static_cast<std::int16_t>(b[off] | (b[off + 1] << 8));
}

TEST(MatchRecordsInit, InningsLeavesTheUnusedBowlingBytes)
{
    auto in = Filled<INNINGS>();
    InitInnings(*in);
    const unsigned char* b = Raw(*in);

    EXPECT_EQ(in->nBatSide, -1);
    EXPECT_EQ(in->nBowlSide, -1);
    for (int i = 0; i < 11; ++i) EXPECT_EQ(in->nOrder[i], -1);
    for (int i = 0; i < 10; ++i) EXPECT_EQ(in->nBowlers[i], -1);
    EXPECT_EQ(in->nKeeperPos, -1);
    EXPECT_EQ(in->nStatus, 0);
    for (int k = 0; k < 11; ++k) {
        const unsigned char* bat = b + 50 + 10 * k;
        EXPECT_EQ(bat[4], 255);   // nBowler
        EXPECT_EQ(bat[5], 255);   // nFielder
        for (int i : {0, 1, 2, 3, 6, 7, 8, 9}) EXPECT_EQ(bat[i], 0) << k << ' ' << i;
        const unsigned char* bowl = b + 224 + 12 * k;
        for (int i = 0; i < 12; ++i) {
            if (i == 3 || i == 11)
                EXPECT_EQ(bowl[i], kFill) << k << ' ' << i;
            else
                EXPECT_EQ(bowl[i], 0) << k << ' ' << i;
        }
    }
    for (int i = 160; i < 224; ++i) EXPECT_EQ(b[i], 0) << i;   // Fow and extras
    EXPECT_EQ(in->nTotal, 0);
    EXPECT_EQ(in->nExtras, 0);
    EXPECT_EQ(b[359], kFill);
    EXPECT_EQ(in->nTotalBalls, 0);
    EXPECT_EQ(in->nWickets, 0);
    EXPECT_EQ(b[363], kFill);
}

TEST(MatchRecordsInit, TestForPlay)
{
    auto t = Filled<TEST>();
    InitTestForPlay(*t);
    const unsigned char* b = Raw(*t);

    EXPECT_EQ(t->nTossWinner, -1);
    EXPECT_EQ(t->nGround, -1);
    EXPECT_EQ(t->nWinner, -1);
    for (int k = 0; k < 11; ++k)
        for (int s = 0; s < 2; ++s) {
            EXPECT_EQ(t->nPlayer[k][s], -1);
            EXPECT_EQ(t->nBatPoints[k][s], 0);
            EXPECT_EQ(t->nBowlPoints[k][s], 0);
            EXPECT_EQ(t->nFieldPoints[k][s], 0);
        }
    EXPECT_STREQ(t->szResult, "Not yet played.");
    EXPECT_EQ(I16At(b, 268), 0);
    EXPECT_EQ(t->Innings[3].nBatSide, -1);
    // Days 1..5 have no stoppages; element 0 and bytes 1836..1841 are zero too.
    for (int i = 1830; i < 1842; ++i) EXPECT_EQ(b[i], 0) << i;
    for (std::size_t i = 1844; i < 1844 + sizeof(REPLAY); ++i) ASSERT_EQ(b[i], 0) << i;
    // Not touched: the keepers, the unused block, the opening bowlers, bBreak
    // and the tail.
    EXPECT_EQ(b[50], kFill);
    EXPECT_EQ(b[1726], kFill);
    EXPECT_EQ(b[1822], kFill);
    EXPECT_EQ(b[1829], kFill);
    EXPECT_EQ(b[1842], kFill);
    EXPECT_EQ(b[sizeof(TEST) - 1], kFill);
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

TEST(MatchRecordsInit, Series)
{
    auto s = Filled<SERIES>();
    InitSeries(*s);
    const unsigned char* b = Raw(*s);

    for (int side = 0; side < 2; ++side) {
        EXPECT_EQ(s->nControl[side], 0xFFFF);
        EXPECT_EQ(s->nSquad[side], -1);
    }
    for (int v = 0; v < MAX_TESTS; ++v) {
        EXPECT_EQ(s->nGround[v], 255);
        EXPECT_STREQ(s->Test[v].szResult, "Not yet played.");
        for (int d = 1; d <= 5; ++d) EXPECT_EQ(s->Test[v].nStoppages[d], 0);
        EXPECT_STREQ(s->szBallByBall[v], "");
    }
    EXPECT_EQ(s->nPlayed + s->nHomeWins + s->nAwayWins + s->nDraws + s->nTies, 0);
    EXPECT_EQ(s->Average[29][1].Bat.nHighScore, -1);
    EXPECT_FLOAT_EQ(s->Average[0][0].Points.fAverage, -999999.0f);
    EXPECT_STREQ(s->szPlayer[0], "Player 1");
    EXPECT_STREQ(s->szPlayer[1], "Player 2");
    EXPECT_EQ(s->nNumTests, 0);
    EXPECT_EQ(I16At(b, 67484), 0);
    EXPECT_EQ(s->bPickComputerTeams, 0);
    EXPECT_EQ(s->bAllowWeather, 1);
    EXPECT_EQ(s->nFieldingStrength, 0);
    EXPECT_EQ(s->bBallByBall, 0);
    EXPECT_EQ(I16At(b, 67572), static_cast<std::int16_t>(0xABAB));   // never set

    // The snapshots, numbered by their index.
    EXPECT_STREQ(s->Squad[1].szName, "Squad No.  1");
    EXPECT_EQ(s->Squad[1].nMembers, 0);
    EXPECT_EQ(s->Squad[1].nPlayer[29], -1);
    EXPECT_EQ(s->Squad[1].nGround[5], -1);
    EXPECT_EQ(s->Squad[1].wSetting1, 0);
    EXPECT_EQ(s->Squad[1].wSetting2, 0);
    EXPECT_EQ(s->Squad[1].nSpare, -1);
    EXPECT_STREQ(s->Player[12][0].szSurname, "Player No. 12");
    EXPECT_EQ(s->Player[12][0].nMorale, 3);
    EXPECT_STREQ(s->Venue[5].szName, "Ground No.  5");
    EXPECT_EQ(s->Venue[5].nStart, 1100);
    EXPECT_EQ(s->Venue[5].nSunset, 2000);
    for (int w = 0; w < WEATHER_WEIGHTS; ++w) EXPECT_EQ(s->Venue[5].nWeather[w], 6);
    EXPECT_EQ(s->Venue[5].nPitch, 0);
    EXPECT_EQ(s->Venue[5].nBounce, 0);
}

TEST(MatchRecordsInit, CurrentAtTheStartOfATest)
{
    auto c = Filled<CURRENT>();
    InitCurrentForTest(*c);
    const unsigned char* b = Raw(*c);

    EXPECT_EQ(I16At(b, 0), static_cast<std::int16_t>(0xABAB));   // nTest not touched
    EXPECT_EQ(c->nInnings, 0);
    EXPECT_EQ(c->nDay, 1);
    EXPECT_EQ(c->nOversToday, 0);
    EXPECT_EQ(c->nTime, 800);
    EXPECT_EQ(c->nOversRequired, 90);
    EXPECT_EQ(c->nTarget, 0);
    EXPECT_EQ(c->nOut, -1);
    for (int i = 40; i < 44; ++i) EXPECT_EQ(b[i], 0) << i;
    for (int i = 46; i < 58; ++i) EXPECT_EQ(b[i], 0) << i;   // wear .. weather, nBall
    EXPECT_EQ(c->nProtected, -1);
    EXPECT_EQ(c->nRunsAtOverStart, 0);
    EXPECT_EQ(c->bEndInnings, 0);
    // Not touched: the over, batsmen, bowlers, the rotation words, the ball's age.
    for (int off : {12, 14, 24, 30, 32, 34, 36, 38, 44, 58, 66, 72, 78})
        EXPECT_EQ(I16At(b, off), static_cast<std::int16_t>(0xABAB)) << off;

    for (int slot = 0; slot < 11; ++slot) {
        EXPECT_EQ(c->nBowlOrder[slot][0], -1);
        EXPECT_EQ(c->nBowlOrder[slot][1], -1);
        const unsigned char* sp = b + 688 + 22 * slot;
        for (int i = 0; i < 22; ++i) {
            const bool cleared = i <= 1 || i == 12 || i == 13 || i == 14 || i == 16 || i == 17 ||
                                 (i >= 18 && i <= 20);
            EXPECT_EQ(sp[i], cleared ? 0 : kFill) << slot << ' ' << i;
        }
        for (int i = 0; i < 4; ++i) EXPECT_EQ(b[952 + 4 * slot + i], 0);
        for (int j = 0; j < 11; ++j) {
            EXPECT_EQ(c->nBatVsBowl[slot][j], 0xFFFF);
            EXPECT_EQ(c->nBowlVsBat[slot][j], 0xFFFF);
        }
    }
    EXPECT_EQ(b[930], kFill);
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(c->szHighlights[i][0], '\0');
        EXPECT_EQ(static_cast<unsigned char>(c->szHighlights[i][1]), kFill);
    }
    for (int i = 0; i < 16; ++i) EXPECT_EQ(c->szSessions[i][0], '\0');
    EXPECT_EQ(b[996], kFill);   // the over history has its own initialiser
}

TEST(MatchRecordsInit, OverHistory)
{
    auto c = Filled<CURRENT>();
    InitOverHistory(*c);
    const unsigned char* b = Raw(*c);
    for (int i = 996; i < 1396; ++i) ASSERT_EQ(b[i], 0xFF) << i;
    EXPECT_EQ(c->nBallInOver, 0);
    EXPECT_EQ(c->nOverRow, 0);
    EXPECT_EQ(c->nRunsAtOverStart, 0);
    EXPECT_EQ(c->bEndInnings, 0);
    EXPECT_EQ(c->nBall, 0);
    EXPECT_EQ(I16At(b, 8), static_cast<std::int16_t>(0xABAB));
    EXPECT_EQ(b[1396], kFill);
}

}  // namespace
}  // namespace ovs
