// Framing of network messages: staging, reassembly and the delivery queue.
#include "net/wire.h"

#include <algorithm>
#include <cstring>

#include "net/messages.h"

namespace ovs::net {

namespace {

void PutLe(std::uint8_t* p, std::uint32_t v, int n)
{
    for (int i = 0; i < n; ++i) p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetLe(const std::uint8_t* p, int n)
{
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
    return v;
}

}  // namespace

// --- MessageWriter -----------------------------------------------------------

bool MessageWriter::Put(const void* p, int n)
{
    if (pos_ + n >= kCapacity) {
        overflow_ = true;
        return false;
    }
    std::memcpy(buf_.data() + pos_, p, static_cast<std::size_t>(n));
    pos_ += n;
    return true;
}

void MessageWriter::Begin(int id)
{
    pos_ = 0;
    overflow_ = false;
    Put(kStartMarker, 4);
    PushShort(id);
}

bool MessageWriter::PushByte(int v)
{
    std::uint8_t b = static_cast<std::uint8_t>(v);
    return Put(&b, 1);
}

bool MessageWriter::PushShort(int v)
{
    std::uint8_t b[2];
    PutLe(b, static_cast<std::uint32_t>(v), 2);
    return Put(b, 2);
}

bool MessageWriter::PushLong(std::int32_t v)
{
    std::uint8_t b[4];
    PutLe(b, static_cast<std::uint32_t>(v), 4);
    return Put(b, 4);
}

bool MessageWriter::PushString(const std::string& s)
{
    // The receiver takes at most kMaxWireString bytes with the zero.
    const std::size_t n = std::min<std::size_t>(std::strlen(s.c_str()), kMaxWireString - 1);
    if (!Put(s.data(), static_cast<int>(n))) return false;
    return PushByte(0);
}

bool MessageWriter::Finish() { return Put(kEndMarker, 4) && !overflow_; }

// --- PayloadReader -----------------------------------------------------------

bool PayloadReader::PopByte(int& out)
{
    if (Remaining() < 1) return false;
    out = p_[at_++];
    return true;
}

bool PayloadReader::PopShort(int& out)
{
    if (Remaining() < 2) return false;
    out = static_cast<std::int16_t>(GetLe(p_ + at_, 2));
    at_ += 2;
    return true;
}

bool PayloadReader::PopString(std::string& out)
{
    const void* zero = std::memchr(p_ + at_, 0, static_cast<std::size_t>(Remaining()));
    if (!zero) return false;
    const int n = static_cast<int>(static_cast<const std::uint8_t*>(zero) - (p_ + at_));
    out.assign(reinterpret_cast<const char*>(p_ + at_), static_cast<std::size_t>(n));
    at_ += n + 1;
    return true;
}

// --- FrameReader -------------------------------------------------------------

void FrameReader::Reset()
{
    start_ = len_ = 0;
    bad_ = false;
    reason_.clear();
}

bool FrameReader::Feed(const std::uint8_t* p, int n)
{
    if (bad_ || n < 0) return false;
    // Move what is left of the last receive to the front first.
    if (start_ > 0) {
        std::memmove(buf_.data(), buf_.data() + start_, static_cast<std::size_t>(len_ - start_));
        len_ -= start_;
        start_ = 0;
    }
    if (n > kCapacity - len_) {
        Fail("more data than any frame can hold");
        return false;
    }
    std::memcpy(buf_.data() + len_, p, static_cast<std::size_t>(n));
    len_ += n;
    return true;
}

FrameReader::Result FrameReader::Fail(const std::string& why)
{
    bad_ = true;
    reason_ = why;
    return Result::Bad;
}

int FrameReader::PayloadLength(int id, const std::uint8_t* p, int n)
{
    return net::PayloadLength(id, p, n, aggressionShorts_);
}

FrameReader::Result FrameReader::Next(Frame& out)
{
    if (bad_) return Result::Bad;
    const std::uint8_t* p = buf_.data() + start_;
    const int avail = len_ - start_;
    // The start marker is checked as far as it has arrived.
    if (std::memcmp(p, kStartMarker, static_cast<std::size_t>(std::min(avail, 4))) != 0)
        return Fail("a frame does not begin with the start marker");
    if (avail < 6) return Result::Incomplete;
    const int id = static_cast<std::int16_t>(GetLe(p + 4, 2));
    const int length = PayloadLength(id, p + 6, avail - 6);
    if (length == -2) return Fail("a frame with id " + std::to_string(id) + " that no message has");
    if (length < 0 || avail < 6 + length) return Result::Incomplete;
    const int endAt = 6 + length;
    const int endAvail = std::min(avail - endAt, 4);
    if (std::memcmp(p + endAt, kEndMarker, static_cast<std::size_t>(endAvail)) != 0)
        return Fail("a frame of " + std::string(MessageName(id)) + " without its end marker");
    if (endAvail < 4) return Result::Incomplete;
    out.id = id;
    out.payload = p + 6;
    out.size = length;
    start_ += endAt + 4;
    return Result::Frame;
}

// --- DeliveryQueue -----------------------------------------------------------

void DeliveryQueue::Clear()
{
    buf_.fill(0);
    len_ = 0;
}

bool DeliveryQueue::Push(const void* p, int n)
{
    if (len_ + n >= kCapacity) return false;
    std::memcpy(buf_.data() + len_, p, static_cast<std::size_t>(n));
    len_ += n;
    return true;
}

bool DeliveryQueue::Pop(void* p, int n)
{
    if (n > len_) return false;
    std::memcpy(p, buf_.data(), static_cast<std::size_t>(n));
    std::memmove(buf_.data(), buf_.data() + n, static_cast<std::size_t>(len_ - n));
    len_ -= n;
    std::memset(buf_.data() + len_, 0, static_cast<std::size_t>(n));
    return true;
}

bool DeliveryQueue::PushByte(int v)
{
    std::uint8_t b = static_cast<std::uint8_t>(v);
    return Push(&b, 1);
}

bool DeliveryQueue::PushShort(int v)
{
    std::uint8_t b[2];
    PutLe(b, static_cast<std::uint32_t>(v), 2);
    return Push(b, 2);
}

bool DeliveryQueue::PushLong(std::int32_t v)
{
    std::uint8_t b[4];
    PutLe(b, static_cast<std::uint32_t>(v), 4);
    return Push(b, 4);
}

bool DeliveryQueue::PopByte(int& out)
{
    std::uint8_t b;
    if (!Pop(&b, 1)) return false;
    out = b;
    return true;
}

bool DeliveryQueue::PopShort(int& out)
{
    std::uint8_t b[2];
    if (!Pop(b, 2)) return false;
    out = static_cast<std::int16_t>(GetLe(b, 2));
    return true;
}

bool DeliveryQueue::PopLong(std::int32_t& out)
{
    std::uint8_t b[4];
    if (!Pop(b, 4)) return false;
    out = static_cast<std::int32_t>(GetLe(b, 4));
    return true;
}

}  // namespace ovs::net
