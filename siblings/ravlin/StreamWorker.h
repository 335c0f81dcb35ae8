#pragma once

#include "FrameQueue.h"
#include "PictureScaler.h"
#include "PictureTurner.h"
#include "PipelineStage.h"
#include "StreamEncoder.h"

#include <optional>

// The encoding thread of one output stream: takes the frames the reading thread
// has shaped for the segment from its queue, turns pictures upright, brings
// them to the output's size and encodes them; the encoder is flushed when the
// queue ends or closes.
class TStreamWorker : public TPipelineStage {
public:
    // turnFilters: the source's TDisplayTurn filters, empty for upright pictures.
    TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder, const std::string& turnFilters = {});

protected:
    void Work() override;
    void Abandon() override { Queue.Close(); }

private:
    TFrameQueue& Queue;
    TStreamEncoder& Encoder;
    std::optional<TPictureTurner> Turner;
    std::optional<TPictureScaler> Scaler;
};
