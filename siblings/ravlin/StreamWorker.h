#pragma once

#include "DisplayTurn.h"
#include "FrameQueue.h"
#include "PictureScaler.h"
#include "PictureTurner.h"
#include "PipelineStage.h"
#include "StreamEncoder.h"

#include <optional>

// The encoding thread of one output stream: takes the frames the reading thread
// has shaped for the segment from its queue, brings pictures to the output's
// size, turns them upright and encodes them; the encoder is flushed when the
// queue ends or closes. The turn comes after the scaling, on the small picture.
class TStreamWorker : public TPipelineStage {
public:
    // turn: how the source's pictures are turned upright (upright for sound).
    TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder, const TDisplayTurn& turn = {});

protected:
    void Work() override;
    void Abandon() override { Queue.Close(); }

private:
    TFrameQueue& Queue;
    TStreamEncoder& Encoder;
    std::optional<TPictureTurner> Turner;
    std::optional<TPictureScaler> Scaler;
};
