// The engine's application message queue.
#include "core/queue.h"

namespace ovs {

bool MessageQueue::Remove(std::uint32_t msg)
{
    for (std::size_t i = 0; i < size_; ++i) {
        if (At(i).msg != msg) continue;
        for (std::size_t j = i; j + 1 < size_; ++j) At(j) = At(j + 1);
        --size_;
        return true;
    }
    return false;
}

void MessageQueue::Grow()
{
    std::vector<AppMessage> bigger(ring_.size() * 2);
    for (std::size_t i = 0; i < size_; ++i) bigger[i] = At(i);
    ring_.swap(bigger);
    mask_ = ring_.size() - 1;
    head_ = 0;
}

}  // namespace ovs
