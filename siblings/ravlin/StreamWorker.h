#pragma once

#include "FrameQueue.h"
#include "PictureScaler.h"
#include "PipelineStage.h"
#include "StreamEncoder.h"

#include <optional>

// The encoding thread of one output stream: takes the frames the reading thread
// has shaped for the segment from its queue, brings pictures to the output's
// size and encodes them; the encoder is flushed when the queue ends or closes.
class TStreamWorker : public TPipelineStage {
public:
    TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder);

protected:
    void Work() override;
    void Abandon() override { Queue.Close(); }

private:
    TFrameQueue& Queue;
    TStreamEncoder& Encoder;
    std::optional<TPictureScaler> Scaler;
};
