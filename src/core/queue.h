// The engine's application message queue.
//
// Handlers post the next step of play here; a front end pumps it one message
// at a time between its own events. Posting peeks first where the flow asks
// for it, so that a step is never queued twice.
//
// The queue holds a handful of messages at most, and every ball posts, peeks
// and pops, so it is a ring over a small array that doubles when full, with
// no allocation in play.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace ovs {

struct AppMessage {
    std::uint32_t msg = 0;
    std::int32_t wParam = 0;
    std::int64_t lParam = 0;
};

class MessageQueue {
public:
    MessageQueue() : ring_(16), mask_(15) {}

    void Post(std::uint32_t msg, std::int32_t wParam = 0, std::int64_t lParam = 0)
    {
        if (size_ > mask_) Grow();
        ring_[(head_ + size_) & mask_] = {msg, wParam, lParam};
        ++size_;
    }
    // Is a message with this number waiting? (peek without removing)
    bool Peek(std::uint32_t msg) const
    {
        for (std::size_t i = 0; i < size_; ++i)
            if (At(i).msg == msg) return true;
        return false;
    }
    // Remove the first waiting message with this number; false if none.
    bool Remove(std::uint32_t msg);
    std::optional<AppMessage> Pop()
    {
        if (size_ == 0) return std::nullopt;
        AppMessage m = ring_[head_];
        head_ = (head_ + 1) & mask_;
        --size_;
        return m;
    }
    bool Empty() const { return size_ == 0; }
    std::size_t Size() const { return size_; }
    void Clear() { head_ = size_ = 0; }
    // Every waiting message, in order, leaving the queue empty.
    std::vector<AppMessage> TakeAll()
    {
        std::vector<AppMessage> all;
        while (auto m = Pop()) all.push_back(*m);
        return all;
    }

private:
    const AppMessage& At(std::size_t i) const { return ring_[(head_ + i) & mask_]; }
    AppMessage& At(std::size_t i) { return ring_[(head_ + i) & mask_]; }
    void Grow();

    std::vector<AppMessage> ring_;  // size a power of two
    std::size_t mask_;              // its size less one
    std::size_t head_ = 0;
    std::size_t size_ = 0;
};

}  // namespace ovs
