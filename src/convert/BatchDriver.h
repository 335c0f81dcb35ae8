#pragma once

#include "convert/Batch.h"
#include "support/CustomProc.h"

// Converts the rows of the main window's job list through the encoder,
// with the progress window, the desktop and the end actions following the
// batch; the end choice is read when it ends. RunBatch passes the encoder
// as a child process.
void RunJobList(const TEncoderTools& encoder, const std::function<TBatchEnd()>& endChoice);
