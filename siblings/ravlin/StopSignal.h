#pragma once

// SIGTERM and SIGINT ask the run to stop: the work winds down, the encoders are
// flushed and the output is closed, so the partial file still plays.
void InstallStopHandlers();
bool StopRequested();
// Blocks until a stop is asked, WakeWaiter() is called or the timeout (ms)
// passes; true when a stop has been asked.
bool WaitForStop(int timeoutMs);
// Ends the current or next WaitForStop early: a thread whose work is done
// calls it so the run ends without waiting out the timeout.
void WakeWaiter();
