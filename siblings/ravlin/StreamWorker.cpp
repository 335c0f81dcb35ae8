#include "StreamWorker.h"

TStreamWorker::TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder,
                             const std::string& turnFilters)
    : Queue(queue), Encoder(encoder) {
    if (encoder.Context()->codec_type != AVMEDIA_TYPE_VIDEO)
        return;
    // Upright pictures go straight to the scaler.
    if (!turnFilters.empty())
        Turner.emplace(turnFilters);
    Scaler.emplace(encoder.Context());
}

void TStreamWorker::Work() {
    while (TFramePtr frame = Queue.Pop()) {
        if (Turner)
            frame = Turner->Turn(std::move(frame));
        if (Scaler) {
            frame = Scaler->Scale(std::move(frame));
            // The source's picture types are no orders for the encoder.
            frame->pict_type = AV_PICTURE_TYPE_NONE;
        }
        Encoder.Encode(frame.get());
    }
    // A stop closes the queue: what the encoder holds is still written.
    Queue.Close();
    Encoder.Encode(nullptr);
}
