#pragma once

// SIGTERM and SIGINT ask the run to stop: the work winds down, the encoders are
// flushed and the output is closed, so the partial file still plays.
void InstallStopHandlers();
bool StopRequested();
// Blocks until a stop is asked or the timeout (ms) passes; true when asked.
bool WaitForStop(int timeoutMs);
