#include "StreamWorker.h"

TStreamWorker::TStreamWorker(TFrameQueue& queue, TStreamEncoder& encoder, const TDisplayTurn& turn)
    : Queue(queue), Encoder(encoder) {
    if (encoder.Context()->codec_type != AVMEDIA_TYPE_VIDEO)
        return;
    Scaler.emplace(encoder.Context(), turn.Swaps);
    // Upright pictures go from the scaler straight to the encoder.
    if (!turn.Upright())
        Turner.emplace(turn.Filters);
}

void TStreamWorker::Work() {
    while (TFramePtr frame = Queue.Pop()) {
        if (Scaler) {
            frame = Scaler->Scale(std::move(frame));
            if (Turner)
                frame = Turner->Turn(std::move(frame));
            // The source's picture types are no orders for the encoder.
            frame->pict_type = AV_PICTURE_TYPE_NONE;
        }
        Encoder.Encode(frame.get());
    }
    // A stop closes the queue: what the encoder holds is still written.
    Queue.Close();
    Encoder.Encode(nullptr);
}
