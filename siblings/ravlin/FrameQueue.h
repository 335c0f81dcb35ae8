#pragma once

#include "FfPointers.h"

#include <condition_variable>
#include <deque>
#include <mutex>

// Frames on their way from the reading thread to one stream's encoding thread.
// Bounded by the bytes the frames hold rather than by their count, so that a
// 1920x1080 source queues a few pictures where a small one queues many; a
// single frame is always let in, however large. A side that has to wait goes
// on only once half the budget is free (or filled), so the two threads take
// turns in runs of frames rather than waking each other for every frame.
class TFrameQueue {
public:
    explicit TFrameQueue(size_t byteBudget) : Budget(byteBudget) {}

    // Waits for room when the frame does not fit; false when the consumer no
    // longer wants frames (the frame is dropped).
    bool Push(TFramePtr frame);
    // Waits for frames when there are none; null once the producer has
    // finished and the queue is empty.
    TFramePtr Pop();
    // The producer has no more frames.
    void Finish();
    // The consumer wants no more frames: pending and future ones are dropped.
    void Close();
    bool Closed() const;

private:
    struct TEntry {
        TFramePtr Frame;
        size_t Bytes;
    };

    const size_t Budget;
    mutable std::mutex Lock;
    std::condition_variable Room, Filled;
    std::deque<TEntry> Frames;
    size_t Bytes = 0;
    bool Finished = false;
    bool ConsumerClosed = false;
};
