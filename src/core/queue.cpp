// The engine's application message queue.
#include "core/queue.h"

#include <algorithm>

namespace ovs {

bool MessageQueue::Peek(std::uint32_t msg) const
{
    return std::any_of(q_.begin(), q_.end(), [msg](const AppMessage& m) { return m.msg == msg; });
}

bool MessageQueue::Remove(std::uint32_t msg)
{
    auto it = std::find_if(q_.begin(), q_.end(), [msg](const AppMessage& m) { return m.msg == msg; });
    if (it == q_.end()) return false;
    q_.erase(it);
    return true;
}

std::optional<AppMessage> MessageQueue::Pop()
{
    if (q_.empty()) return std::nullopt;
    AppMessage m = q_.front();
    q_.pop_front();
    return m;
}

}  // namespace ovs
