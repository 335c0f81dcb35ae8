#include "OutputFile.h"

#include "RavlinError.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavutil/intreadwrite.h>
#include <libavutil/opt.h>
}

namespace {

constexpr int IoBufferSize = 64 * 1024;

int Descriptor(void* opaque) {
    return *static_cast<const int*>(opaque);
}

int ReadFile(void* opaque, uint8_t* data, int size) {
    ssize_t got;
    do {
        got = ::read(Descriptor(opaque), data, size_t(size));
    } while (got < 0 && errno == EINTR);
    return got < 0 ? AVERROR(errno) : got == 0 ? AVERROR_EOF : int(got);
}

// A write error (a full disk) reaches the muxer, which fails the write.
int WriteFile(void* opaque, uint8_t* data, int size) {
    int written = 0;
    while (written < size) {
        const ssize_t done = ::write(Descriptor(opaque), data + written, size_t(size - written));
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return AVERROR(done < 0 ? errno : EIO);
        written += int(done);
    }
    return written;
}

int64_t SeekFile(void* opaque, int64_t offset, int whence) {
    if (whence == AVSEEK_SIZE) {
        struct stat info {};
        return ::fstat(Descriptor(opaque), &info) == 0 ? int64_t(info.st_size) : AVERROR(errno);
    }
    const off_t at = ::lseek(Descriptor(opaque), off_t(offset), whence & ~AVSEEK_FORCE);
    return at < 0 ? AVERROR(errno) : int64_t(at);
}

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

} // namespace

TOutputFile::TOutputFile(const std::string& path, const std::string& formatName) : Path(path) {
    const char* name = formatName.empty() ? nullptr : formatName.c_str();
    if (name && !av_guess_format(name, nullptr, nullptr))
        throw TRavlinError("unknown output format \"" + formatName + "\"");
    if (avformat_alloc_output_context2(&Context, nullptr, name, path.c_str()) < 0 || !Context)
        throw TRavlinError("no output format known for \"" + path + "\" (use -f FORMAT)");
}

TOutputFile::~TOutputFile() {
    if (Opened && !Finished)
        Discard();
    CloseFile();
    avformat_free_context(Context);
}

void TOutputFile::CloseFile() {
    if (Context && Context->pb) {
        av_freep(&Context->pb->buffer);
        avio_context_free(&Context->pb);
    }
    if (Fd >= 0)
        ::close(Fd);
    Fd = -1;
}

bool TOutputFile::CanHold(AVCodecID codec) const {
    // Formats without a codec table answer "unknown"; their header check has the last word.
    return avformat_query_codec(Context->oformat, codec, FF_COMPLIANCE_NORMAL) != 0;
}

int TOutputFile::AddStream(const AVCodecContext* encoder) {
    AVStream* stream = avformat_new_stream(Context, nullptr);
    if (!stream)
        throw TRavlinError("cannot add a stream to the output");
    CheckFf(avcodec_parameters_from_context(stream->codecpar, encoder),
            "cannot add a stream to the output");
    stream->codecpar->codec_tag = 0; // the container picks its own tag
    stream->time_base = encoder->time_base;
    if (encoder->codec_type == AVMEDIA_TYPE_VIDEO) {
        stream->sample_aspect_ratio = encoder->sample_aspect_ratio;
        stream->avg_frame_rate = encoder->framerate;
    }
    return stream->index;
}

void TOutputFile::Open() {
    if (!(Context->oformat->flags & AVFMT_NOFILE)) {
        // Not blocking, so that a pipe put in the file's place can't hold us.
        Fd = ::open(Path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, 0666);
        if (Fd < 0)
            throw TRavlinError(SystemError("cannot create the output \"" + Path + "\""));
        struct stat info {};
        if (::fstat(Fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_nlink != 1) {
            CloseFile();
            throw TRavlinError("the output \"" + Path + "\" is not a plain file of its own");
        }
        Device = info.st_dev;
        Inode = info.st_ino;
        ::fcntl(Fd, F_SETFL, ::fcntl(Fd, F_GETFL) & ~O_NONBLOCK);
        if (::ftruncate(Fd, 0) != 0)
            throw TRavlinError(SystemError("cannot write the output \"" + Path + "\""));
        auto* buffer = static_cast<unsigned char*>(av_malloc(IoBufferSize));
        Context->pb =
            buffer ? avio_alloc_context(buffer, IoBufferSize, 1, &Fd, ReadFile, WriteFile, SeekFile)
                   : nullptr;
        if (!Context->pb) {
            av_free(buffer);
            throw TRavlinError("out of memory for the output");
        }
    }
    // From here on a failure leaves an output without its index.
    Opened = true;
    AVDictionary* options = nullptr;
    // Players on portable devices want the index before the media data.
    if (Context->priv_data && av_opt_find(Context->priv_data, "movflags", nullptr, 0, 0))
        av_dict_set(&options, "movflags", "+faststart", 0);
    const int code = avformat_write_header(Context, &options);
    av_dict_free(&options);
    CheckFf(code, "cannot write the output header");
}

void TOutputFile::Write(int stream, AVPacket* packet, AVRational encoderTimeBase) {
    const AVStream* target = Context->streams[stream];
    const bool video = target->codecpar->codec_type == AVMEDIA_TYPE_VIDEO;
    size_t qualitySize = 0;
    const uint8_t* quality =
        av_packet_get_side_data(packet, AV_PKT_DATA_QUALITY_STATS, &qualitySize);
    const double end = (packet->pts + packet->duration) * av_q2d(encoderTimeBase);

    std::lock_guard guard(Lock);
    packet->stream_index = stream;
    // The header may have changed the stream's time base: rescale to what it is now.
    av_packet_rescale_ts(packet, encoderTimeBase, target->time_base);
    (video ? Figures.VideoBytes : Figures.AudioBytes) += packet->size;
    if (video) {
        ++Figures.VideoFrames;
        if (quality && qualitySize >= 4)
            Figures.Quality = AV_RL32(quality) / static_cast<double>(FF_QP2LAMBDA);
    }
    if (end > Figures.Seconds)
        Figures.Seconds = end;
    CheckFf(av_interleaved_write_frame(Context, packet), "cannot write to the output");
    Figures.Bytes = Context->pb ? avio_tell(Context->pb) : 0;
}

void TOutputFile::Finish() {
    std::lock_guard guard(Lock);
    if (!Opened || Finished)
        return;
    CheckFf(av_interleaved_write_frame(Context, nullptr), "cannot write to the output");
    CheckFf(av_write_trailer(Context), "cannot complete the output");
    if (Context->pb) {
        Figures.Bytes = avio_size(Context->pb);
        CloseFile();
    }
    Finished = true;
}

void TOutputFile::Discard() {
    std::lock_guard guard(Lock);
    CloseFile();
    if (!Opened)
        return;
    Opened = false;
    struct stat info {};
    if (::lstat(Path.c_str(), &info) == 0 && info.st_dev == Device && info.st_ino == Inode)
        ::unlink(Path.c_str());
}

TOutputProgress TOutputFile::Progress() const {
    std::lock_guard guard(Lock);
    return Figures;
}
