#include "FrameQueue.h"

namespace {

// The bytes of picture or sound data a frame holds (shared data counted in full).
size_t FrameBytes(const AVFrame* frame) {
    size_t bytes = 0;
    for (const AVBufferRef* buffer : frame->buf)
        if (buffer)
            bytes += buffer->size;
    for (int i = 0; i < frame->nb_extended_buf; ++i)
        bytes += frame->extended_buf[i]->size;
    return bytes;
}

} // namespace

bool TFrameQueue::Push(TFramePtr frame) {
    const size_t bytes = FrameBytes(frame.get());
    std::unique_lock guard(Lock);
    if (!Frames.empty() && Bytes + bytes > Budget)
        Room.wait(guard, [&] { return ConsumerClosed || Bytes <= Budget / 2; });
    if (ConsumerClosed)
        return false;
    Frames.push_back({std::move(frame), bytes});
    Bytes += bytes;
    if (Bytes >= Budget / 2)
        Filled.notify_one();
    return true;
}

TFramePtr TFrameQueue::Pop() {
    std::unique_lock guard(Lock);
    if (Frames.empty())
        Filled.wait(guard, [&] { return ConsumerClosed || Finished || Bytes >= Budget / 2; });
    if (ConsumerClosed || Frames.empty())
        return nullptr;
    TEntry entry = std::move(Frames.front());
    Frames.pop_front();
    Bytes -= entry.Bytes;
    if (Bytes <= Budget / 2)
        Room.notify_one();
    return std::move(entry.Frame);
}

void TFrameQueue::Finish() {
    std::lock_guard guard(Lock);
    Finished = true;
    Filled.notify_all();
}

void TFrameQueue::Close() {
    std::lock_guard guard(Lock);
    ConsumerClosed = true;
    Frames.clear();
    Bytes = 0;
    Room.notify_all();
    Filled.notify_all();
}

bool TFrameQueue::Closed() const {
    std::lock_guard guard(Lock);
    return ConsumerClosed;
}
