#pragma once

// Threads for a picture codec. The conversion's own threads (reading, and one
// encoder per stream) keep two cores busy while a picture up to standard
// definition is decoded or encoded on one thread, with none of the codec's
// threading costs; a larger picture outweighs the rest of the conversion and
// gets a thread per core.
int CodecThreads(int width, int height);
