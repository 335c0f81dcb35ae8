#include "StatusPrinter.h"

#include "UnknownTime.h"

#include <cerrno>
#include <cstdio>
#include <poll.h>
#include <unistd.h>

std::string FormatStatusLine(const TOutputProgress& progress, bool hasVideo) {
    const double seconds = progress.Seconds < 0 ? double(UnknownTime) : progress.Seconds;
    const double kbits = progress.Seconds > 0 ? progress.Bytes * 8.0 / progress.Seconds / 1000 : 0;
    const int kilobytes = static_cast<int>(progress.Bytes / 1024);
    char line[192];
    if (hasVideo)
        std::snprintf(line, sizeof line,
                      "frame=%5d q=%.1f size=%8dkB time=%.1f bitrate=%6.1fkbits/s\r",
                      progress.VideoFrames, progress.Quality, kilobytes, seconds, kbits);
    else
        std::snprintf(line, sizeof line, "size=%8dkB time=%.1f bitrate=%6.1fkbits/s\r", kilobytes,
                      seconds, kbits);
    return line;
}

std::string FormatSummary(const TOutputProgress& progress, bool hasVideo) {
    char video[64] = {};
    if (hasVideo)
        std::snprintf(video, sizeof video, "video %d frames %lldkB, ", progress.VideoFrames,
                      static_cast<long long>(progress.VideoBytes / 1024));
    char line[192];
    std::snprintf(line, sizeof line, "Written: %ssound %lldkB, file %lldkB, %.2f s\n", video,
                  static_cast<long long>(progress.AudioBytes / 1024),
                  static_cast<long long>(progress.Bytes / 1024),
                  progress.Seconds < 0 ? 0.0 : progress.Seconds);
    return line;
}

void TStatusPrinter::Print(const std::string& text) const {
    size_t done = 0;
    while (done < text.size()) {
        const ssize_t written = write(Fd, text.data() + done, text.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return; // nobody reads any more: the work goes on regardless
        done += static_cast<size_t>(written);
    }
}

void TStatusPrinter::PrintStatus(const std::string& line) const {
    // This is the only writer, so room seen here is still there for the write.
    pollfd room{Fd, POLLOUT, 0};
    if (poll(&room, 1, 0) == 1 && (room.revents & POLLOUT))
        Print(line);
}
