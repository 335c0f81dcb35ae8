#include "FrameQueue.h"

bool TFrameQueue::Push(TFramePtr frame) {
    std::unique_lock guard(Lock);
    Changed.wait(guard, [&] { return ConsumerClosed || Frames.size() < Capacity; });
    if (ConsumerClosed)
        return false;
    Frames.push_back(std::move(frame));
    Changed.notify_all();
    return true;
}

TFramePtr TFrameQueue::Pop() {
    std::unique_lock guard(Lock);
    Changed.wait(guard, [&] { return ConsumerClosed || Finished || !Frames.empty(); });
    if (ConsumerClosed || Frames.empty())
        return nullptr;
    TFramePtr frame = std::move(Frames.front());
    Frames.pop_front();
    Changed.notify_all();
    return frame;
}

void TFrameQueue::Finish() {
    std::lock_guard guard(Lock);
    Finished = true;
    Changed.notify_all();
}

void TFrameQueue::Close() {
    std::lock_guard guard(Lock);
    ConsumerClosed = true;
    Frames.clear();
    Changed.notify_all();
}

bool TFrameQueue::Closed() const {
    std::lock_guard guard(Lock);
    return ConsumerClosed;
}
