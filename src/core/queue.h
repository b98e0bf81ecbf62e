// The engine's application message queue.
//
// Handlers post the next step of play here; a front end pumps it one message
// at a time between its own events. Posting peeks first where the flow asks
// for it, so that a step is never queued twice.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>

namespace ovs {

struct AppMessage {
    std::uint32_t msg = 0;
    std::int32_t wParam = 0;
    std::int64_t lParam = 0;
};

class MessageQueue {
public:
    void Post(std::uint32_t msg, std::int32_t wParam = 0, std::int64_t lParam = 0)
    {
        q_.push_back({msg, wParam, lParam});
    }
    // Is a message with this number waiting? (peek without removing)
    bool Peek(std::uint32_t msg) const;
    // Remove the first waiting message with this number; false if none.
    bool Remove(std::uint32_t msg);
    std::optional<AppMessage> Pop();
    bool Empty() const { return q_.empty(); }
    std::size_t Size() const { return q_.size(); }
    void Clear() { q_.clear(); }

private:
    std::deque<AppMessage> q_;
};

}  // namespace ovs
