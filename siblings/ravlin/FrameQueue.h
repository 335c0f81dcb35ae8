#pragma once

#include "FfPointers.h"

#include <condition_variable>
#include <deque>
#include <mutex>

// Decoded frames on their way from the reading thread to one stream's encoding
// thread. Bounded, so a fast decoder cannot fill the memory with frames.
class TFrameQueue {
public:
    explicit TFrameQueue(size_t capacity) : Capacity(capacity) {}

    // Waits for room; false when the consumer no longer wants frames (the frame is dropped).
    bool Push(TFramePtr frame);
    // Waits for a frame; null once the producer has finished and the queue is empty.
    TFramePtr Pop();
    // The producer has no more frames.
    void Finish();
    // The consumer wants no more frames: pending and future ones are dropped.
    void Close();
    bool Closed() const;

private:
    const size_t Capacity;
    mutable std::mutex Lock;
    std::condition_variable Changed;
    std::deque<TFramePtr> Frames;
    bool Finished = false;
    bool ConsumerClosed = false;
};
