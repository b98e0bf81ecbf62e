// Framing of network messages: the outgoing staging area, the reassembly of
// frames from the byte stream, and the delivery queue.
//
// A frame is "OVSM", a message id (short), the payload, "ENDM". Fields are
// bytes, little-endian shorts and longs, and zero-terminated strings, packed
// with no padding. A frame carries no length: the receiver knows each
// payload's layout from its id, so a frame is complete only when its whole
// layout has arrived. Nothing here knows what a message means.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace ovs::net {

inline constexpr char kStartMarker[4] = {'O', 'V', 'S', 'M'};
inline constexpr char kEndMarker[4] = {'E', 'N', 'D', 'M'};
inline constexpr int kFirstMessageId = 1;
inline constexpr int kLastMessageId = 41;
// The longest string a message may carry, its zero byte included.
inline constexpr int kMaxWireString = 160;
// The delivery data of one ball: at most this many bytes.
inline constexpr int kMaxDeliveryBytes = 1023;

// A message built field by field, then finished with the end marker.
class MessageWriter {
public:
    static constexpr int kCapacity = 4096;

    // Starts a new message: start marker and id.
    void Begin(int id);
    // Each appends its field; false (and nothing appended) when it would not fit.
    bool PushByte(int v);
    bool PushShort(int v);
    bool PushLong(std::int32_t v);
    bool PushString(const std::string& s);
    // Appends the end marker; the finished frame is then data()/size().
    bool Finish();

    const std::uint8_t* data() const { return buf_.data(); }
    int size() const { return pos_; }
    bool overflowed() const { return overflow_; }

private:
    bool Put(const void* p, int n);
    std::array<std::uint8_t, kCapacity> buf_{};
    int pos_ = 0;
    bool overflow_ = false;
};

// Reads the fields of one received payload in order. A read past its end
// leaves the destination unchanged and returns false.
class PayloadReader {
public:
    PayloadReader(const std::uint8_t* p, int n) : p_(p), n_(n) {}
    bool PopByte(int& out);
    bool PopShort(int& out);
    bool PopString(std::string& out);
    int Remaining() const { return n_ - at_; }
    const std::uint8_t* Here() const { return p_ + at_; }
    void Skip(int n) { at_ = n > Remaining() ? n_ : at_ + n; }

private:
    const std::uint8_t* p_;
    int n_;
    int at_ = 0;
};

// One complete frame, pointing into the reassembly buffer until the next Feed.
struct Frame {
    int id = 0;
    const std::uint8_t* payload = nullptr;
    int size = 0;
};

// Collects the received bytes and hands out whole frames, in order. Bytes of a
// frame split across receives wait for the rest; several frames in one
// receive come out one after another.
class FrameReader {
public:
    static constexpr int kCapacity = 8192;
    enum class Result { Frame, Incomplete, Bad };

    // The payload of NM_AGGRESSION has one of two lengths, chosen by whether
    // an innings is under way; the protocol says which to expect.
    void SetAggressionShorts(int n) { aggressionShorts_ = n; }

    // Appends received bytes; false when they would overflow the buffer (a
    // peer that sends what no frame can hold).
    bool Feed(const std::uint8_t* p, int n);
    // The next whole frame; Bad when the bytes cannot be a frame (wrong
    // marker, unknown id, a field out of range, a missing end marker), with a
    // reason for the log. After Bad the reader stays bad.
    Result Next(Frame& out);
    const std::string& Reason() const { return reason_; }
    int Buffered() const { return len_ - start_; }
    void Reset();

private:
    // The payload length of a frame of `id` whose payload starts at p with n
    // bytes available: >= 0 known, -1 more bytes needed, -2 impossible.
    int PayloadLength(int id, const std::uint8_t* p, int n);
    Result Fail(const std::string& why);

    std::array<std::uint8_t, kCapacity> buf_{};
    int start_ = 0;
    int len_ = 0;
    int aggressionShorts_ = 23;
    bool bad_ = false;
    std::string reason_;
};

// The values the server's simulation produced, waiting for the client's to use
// them: first in, first out, 1024 bytes.
class DeliveryQueue {
public:
    static constexpr int kCapacity = 1024;

    void Clear();
    bool PushByte(int v);
    bool PushShort(int v);
    bool PushLong(std::int32_t v);
    // A pop of more bytes than are queued takes nothing and returns false.
    bool PopByte(int& out);
    bool PopShort(int& out);
    bool PopLong(std::int32_t& out);
    int Length() const { return len_; }
    const std::uint8_t* data() const { return buf_.data(); }

private:
    bool Push(const void* p, int n);
    bool Pop(void* p, int n);
    std::array<std::uint8_t, kCapacity> buf_{};
    int len_ = 0;
};

}  // namespace ovs::net
