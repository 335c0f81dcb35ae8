#pragma once

#include <atomic>
#include <string>

// A part of the conversion that runs on a thread of its own (the reading or the
// encoding of one stream). A failure ends the stage and is kept for the main
// thread to report; the stage's end wakes the main thread at once.
class TPipelineStage {
public:
    virtual ~TPipelineStage() = default;

    void Run();
    bool Finished() const { return Done.load(); }
    // The reason the stage failed, empty while it did not.
    std::string Failure() const;

protected:
    virtual void Work() = 0;
    // After a failure: lets the stages on the other side of this one's queues go on.
    virtual void Abandon() = 0;

private:
    std::atomic<bool> Done{false};
    std::atomic<bool> Failed{false};
    std::string Reason;
};
