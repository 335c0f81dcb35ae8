#pragma once

#include "convert/ProgressModel.h"

#include <functional>

class QProgressBar;

// The progress window as the batch driver reaches it without knowing the
// window: the window fills these in when it is made and empties them when
// it goes. A batch without a window leaves them out.
struct TProgressDisplay {
    // Before every job; the window resets its figures when it was hidden.
    std::function<void(const TProgressJob&)> Show;
    // The batch is over.
    std::function<void()> Hide;
    // Every chunk of the encoder's output, with the batch's figures as they
    // stand once the pending window events (a stop among them) have run.
    std::function<void(const QString&, const TProgressJob&)> OnEncoderOutput;
    // The overall bar, which the launcher in the dock follows.
    QProgressBar* pbTotal = nullptr;
};

extern TProgressDisplay ProgressDisplay;
