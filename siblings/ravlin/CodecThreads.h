#pragma once

// Threads for a picture codec. The conversion's own threads (reading, and one
// encoder per stream) keep two cores busy while a picture up to standard
// definition is decoded or encoded on one thread, with none of the codec's
// threading costs; a larger picture outweighs the rest of the conversion and
// gets a thread per core.
int CodecThreads(int width, int height);

// Threads for a picture decoder, which works on one frame per thread and hands
// the frames out in order: while the oldest one (a key frame, say) is still
// decoded, the threads that have finished the cheaper frames after it wait for
// the next packet. One frame more than there are cores keeps them busy then.
int DecoderThreads(int width, int height);
