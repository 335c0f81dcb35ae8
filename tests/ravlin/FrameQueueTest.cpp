#include "FrameQueue.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TFramePtr FrameOf(size_t bytes) {
    TFramePtr frame = NewFrame();
    frame->buf[0] = av_buffer_alloc(bytes);
    return frame;
}

// Waits until the producer has stopped getting frames in; returns how many it got in.
int SettledCount(const std::atomic<int>& pushed) {
    int last = -1;
    for (int round = 0; round < 40 && pushed.load() != last; ++round) {
        last = pushed.load();
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return pushed.load();
}

} // namespace

// The queue holds frames up to its budget of bytes, and always one however
// large; a waiting producer goes on once half the budget is free again.
TEST(FrameQueue, HoldsFramesByTheirBytes) {
    struct TCase {
        size_t FrameBytes, Budget;
        int Held, PopsBeforeRoom;
    };
    for (const TCase& limit : {TCase{3'110'400, 8 << 20, 2, 1}, TCase{460'800, 8 << 20, 18, 9},
                               TCase{12 << 20, 8 << 20, 1, 1}}) {
        TFrameQueue queue(limit.Budget);
        std::atomic<int> pushed{0};
        std::thread producer([&] {
            while (queue.Push(FrameOf(limit.FrameBytes)))
                ++pushed;
        });
        EXPECT_EQ(SettledCount(pushed), limit.Held) << limit.FrameBytes << " bytes a frame";
        for (int pop = 1; pop < limit.PopsBeforeRoom; ++pop)
            EXPECT_NE(queue.Pop(), nullptr);
        EXPECT_EQ(SettledCount(pushed), limit.Held) << limit.FrameBytes << " bytes a frame";
        EXPECT_NE(queue.Pop(), nullptr);
        EXPECT_EQ(SettledCount(pushed), limit.Held + limit.PopsBeforeRoom)
            << limit.FrameBytes << " bytes a frame";
        queue.Close();
        producer.join();
    }
}
