// Network framing: frames reassembled however the stream is cut, several in
// one receive, a refused stream never trusted; the delivery queue.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "net/messages.h"
#include "net/wire.h"

using namespace ovs::net;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes MakeFrame(int id, const std::function<void(MessageWriter&)>& fill = {})
{
    MessageWriter w;
    w.Begin(id);
    if (fill) fill(w);
    EXPECT_TRUE(w.Finish());
    return Bytes(w.data(), w.data() + w.size());
}

// A stream of frames of every payload shape the protocol has.
Bytes SampleStream(std::vector<int>* ids)
{
    std::vector<Bytes> frames = {
        MakeFrame(NM_NETSERIESSQUAD, [](MessageWriter& w) { w.PushShort(3); }),
        MakeFrame(NM_NETSERIESTEST1 + 1),
        MakeFrame(NM_NETSENDCHATTEXT, [](MessageWriter& w) { w.PushString("Alice: Please choose Sundara."); }),
        MakeFrame(NM_SENDTEAMDATA,
              [](MessageWriter& w) {
                  for (int k = 0; k < kTeamDataShorts; ++k) w.PushShort(k % 11);
              }),
        MakeFrame(NM_OVERAGGRESSION, [](MessageWriter& w) { w.PushByte(0x55); w.PushByte(0x5A); w.PushByte(0x00); }),
        MakeFrame(NM_STARTDELIVERY),
        MakeFrame(NM_GETDELIVERY,
              [](MessageWriter& w) {
                  w.PushShort(9);
                  for (int k = 0; k < 9; ++k) w.PushByte(k * 29);
              }),
        MakeFrame(NM_STARTCONDITIONS, [](MessageWriter& w) { for (int v : {1100, 700, 250, 400}) w.PushShort(v); }),
        MakeFrame(NM_AGGRESSION, [](MessageWriter& w) { for (int k = 0; k < 23; ++k) w.PushShort(5); }),
        MakeFrame(NM_ENDINNINGS),
    };
    Bytes all;
    for (const Bytes& f : frames) all.insert(all.end(), f.begin(), f.end());
    ids->clear();
    for (const Bytes& f : frames) ids->push_back(f[4] | f[5] << 8);
    return all;
}

// Feeds the stream in the given pieces and collects the ids of whole frames.
std::vector<int> Collect(const Bytes& stream, const std::vector<std::size_t>& cuts, bool* bad)
{
    FrameReader r;
    std::vector<int> ids;
    *bad = false;
    std::size_t at = 0;
    auto drain = [&] {
        ovs::net::Frame f;
        for (;;) {
            FrameReader::Result res = r.Next(f);
            if (res == FrameReader::Result::Frame) ids.push_back(f.id);
            if (res == FrameReader::Result::Bad) *bad = true;
            if (res != FrameReader::Result::Frame) return;
        }
    };
    std::vector<std::size_t> ends = cuts;
    ends.push_back(stream.size());
    for (std::size_t end : ends) {
        if (!r.Feed(stream.data() + at, static_cast<int>(end - at))) *bad = true;
        at = end;
        drain();
    }
    return ids;
}

}  // namespace

TEST(NetFraming, FramesAreLaidOutByteForByte)
{
    // An empty payload is ten bytes; a short goes low byte first.
    Bytes f = MakeFrame(NM_GETDELIVERY + 0);
    ASSERT_EQ(f.size(), 10u);
    EXPECT_EQ(std::string(f.begin(), f.begin() + 4), "OVSM");
    EXPECT_EQ(f[4], 0x23);
    EXPECT_EQ(f[5], 0x00);
    EXPECT_EQ(std::string(f.begin() + 6, f.end()), "ENDM");
    EXPECT_STREQ(MessageName(35), "NM_GETDELIVERY");
    EXPECT_STREQ(MessageName(33), "Unrecognised Message Id");
    EXPECT_STREQ(MessageName(0), "Unrecognised Message Id");
    EXPECT_STREQ(MessageName(42), "Unrecognised Message Id");

    // The staging area never holds 4096 bytes.
    MessageWriter w;
    w.Begin(NM_NETPROD);
    int pushed = 0;
    while (w.PushByte('x')) ++pushed;
    EXPECT_EQ(6 + pushed, MessageWriter::kCapacity - 1);
    EXPECT_FALSE(w.Finish());
}

TEST(NetFraming, SplitAtEveryByteAndManyInOneReceive)
{
    std::vector<int> ids;
    const Bytes stream = SampleStream(&ids);
    bool bad = false;
    EXPECT_EQ(Collect(stream, {}, &bad), ids) << "all frames in one receive";
    EXPECT_FALSE(bad);
    for (std::size_t cut = 1; cut < stream.size(); ++cut) {
        EXPECT_EQ(Collect(stream, {cut}, &bad), ids) << "cut at " << cut;
        EXPECT_FALSE(bad) << "cut at " << cut;
    }
    std::vector<std::size_t> everyByte;
    for (std::size_t k = 1; k < stream.size(); ++k) everyByte.push_back(k);
    EXPECT_EQ(Collect(stream, everyByte, &bad), ids) << "one byte per receive";
    EXPECT_FALSE(bad);
}

TEST(NetFraming, BrokenStreamsAreRefused)
{
    bool bad = false;
    auto refused = [&](const Bytes& b) {
        Collect(b, {}, &bad);
        return bad;
    };
    Bytes ok = MakeFrame(NM_NETREADY);
    Bytes wrongStart = ok;
    wrongStart[0] = 'X';
    EXPECT_TRUE(refused(wrongStart));
    Bytes wrongEnd = ok;
    wrongEnd[9] = 'X';
    EXPECT_TRUE(refused(wrongEnd));
    EXPECT_TRUE(refused(MakeFrame(33)));
    EXPECT_TRUE(refused(MakeFrame(0)));
    EXPECT_TRUE(refused(MakeFrame(-1)));
    EXPECT_TRUE(refused(MakeFrame(NM_GETDELIVERY, [](MessageWriter& w) { w.PushShort(1024); })));
    EXPECT_TRUE(refused(MakeFrame(NM_GETDELIVERY, [](MessageWriter& w) { w.PushShort(-2); })));
    Bytes longText = MakeFrame(NM_NETPROD, [](MessageWriter& w) { for (int k = 0; k < 300; ++k) w.PushByte('a'); });
    EXPECT_TRUE(refused(longText));
    // A truncated frame is not bad, only incomplete: it waits for the rest.
    Bytes cut(ok.begin(), ok.begin() + 7);
    EXPECT_TRUE(Collect(cut, {}, &bad).empty());
    EXPECT_FALSE(bad);
}

TEST(NetFraming, SeededFuzzNeverReadsOutsideTheStream)
{
    std::mt19937 rng(20260);
    std::vector<int> ids;
    const Bytes sample = SampleStream(&ids);
    int refusedStreams = 0, frames = 0;
    for (int round = 0; round < 3000; ++round) {
        Bytes s = sample;
        switch (rng() % 5) {
        case 0: s.resize(rng() % s.size()); break;                               // truncated
        case 1: s.insert(s.begin() + rng() % s.size(), 2000 + rng() % 9000, 'Q'); break;  // oversized
        case 2: s[(rng() % (s.size() / 4)) * 4] ^= 0x20; break;                  // a marker broken
        case 3:                                                                   // an id out of range
            s[4] = static_cast<std::uint8_t>(rng());
            s[5] = static_cast<std::uint8_t>(rng());
            break;
        default:
            for (int k = 0; k < 8; ++k) s[rng() % s.size()] = static_cast<std::uint8_t>(rng());
        }
        std::vector<std::size_t> cuts;
        for (std::size_t at = 1 + rng() % 300; at < s.size(); at += 1 + rng() % 300) cuts.push_back(at);
        bool bad = false;
        frames += static_cast<int>(Collect(s, cuts, &bad).size());
        refusedStreams += bad;
    }
    EXPECT_GT(refusedStreams, 1000);
    EXPECT_GT(frames, 3000);
}

TEST(NetFraming, DeliveryQueueIsFirstInFirstOut)
{
    DeliveryQueue q;
    ASSERT_TRUE(q.PushByte(7));
    int v = 42;
    EXPECT_FALSE(q.PopShort(v));  // one byte cannot make a short
    EXPECT_EQ(v, 42);
    EXPECT_EQ(q.Length(), 1);
    ASSERT_TRUE(q.PushShort(-3));
    ASSERT_TRUE(q.PushLong(2147483000));
    EXPECT_TRUE(q.PopByte(v));
    EXPECT_EQ(v, 7);
    EXPECT_TRUE(q.PopShort(v));
    EXPECT_EQ(v, -3);
    std::int32_t l = 0;
    EXPECT_TRUE(q.PopLong(l));
    EXPECT_EQ(l, 2147483000);
    EXPECT_EQ(q.Length(), 0);
    int n = 0;
    while (q.PushByte(n)) ++n;
    EXPECT_EQ(n, DeliveryQueue::kCapacity - 1);
}
