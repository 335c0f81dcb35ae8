#pragma once

#include "convert/Batch.h"

// Converts the rows of the main window's job list through the encoder,
// with the progress window, the desktop and the end actions following the
// batch. RunBatch passes the encoder as a child process.
void RunJobList(const TEncoderTools& encoder);
