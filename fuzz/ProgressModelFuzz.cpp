// The progress model on arbitrary encoder output. The first five bytes are
// the job: its command form (0 video, 1 sound, 2 neither), the row count,
// the current row and the cut length in seconds (16 bits, little-endian;
// -32768 for a job without a row). The rest is the output, cut at zero
// bytes into the chunks the runner hands on; a chunk "\x01" is the Stop
// button, "\x02" the start of the next job. Whatever the output, the bars'
// positions stay within their ranges, the per-file bar within the cut
// length, and a chunk that can't hold the time piece moves nothing.
#include "FuzzCheck.h"

#include "convert/ProgressModel.h"
#include "support/AppFunc.h"
#include "support/Globals.h"

#include <QByteArrayList>

#include <cstring>

namespace {

// Within its range, or one below the minimum: the bar shows no position.
bool Within(const TBarFigures& bar) {
    return bar.Value >= bar.Minimum - 1 && bar.Value <= bar.Maximum;
}

TProgressJob JobOf(const uint8_t* header) {
    TProgressJob job;
    job.Form = header[0] % 3 == 0   ? TCommandForm::Video
               : header[0] % 3 == 1 ? TCommandForm::Audio
                                    : TCommandForm::None;
    job.RowCount = 1 + header[1] % 64;
    job.CurrentRow = header[2] % (job.RowCount + 1); // RowCount: stopped
    int16_t cut = 0;
    std::memcpy(&cut, header + 3, sizeof cut);
    job.CutSeconds = cut == INT16_MIN ? QString() : QString::number(cut);
    return job;
}

void CheckRefresh(TProgressModel& model, const QString& chunk, const TProgressJob& job) {
    const TProgressModel before = model;
    model.Refresh(chunk, job);
    FuzzCheck(Within(model.PerFile) && Within(model.Overall), "positions stay within the ranges");
    FuzzCheck(model.Overall.Maximum == job.RowCount * 100 || job.OutputCount <= 1,
              "the overall bar counts a hundred for each row");
    const int cut = job.CutSeconds.toInt();
    if (job.OutputCount > 1 && cut >= 0 && before.PerFile.Value >= 0)
        FuzzCheck(model.PerFile.Maximum == cut && model.PerFile.Value >= 0 &&
                      model.PerFile.Value <= cut,
                  "the per-file bar stands within the cut length");
    // The per-file bar as the new range alone leaves it.
    TBarFigures ranged = before.PerFile;
    ranged.SetMinimum(0);
    ranged.SetMaximum(cut);
    const int needed = job.Form == TCommandForm::Audio ? 4 : 5;
    if (job.OutputCount > 1 && chunk.count('=') + 1 < needed)
        FuzzCheck(model.PerFile == ranged,
                  "a chunk without the time piece leaves the per-file position");
    if (job.OutputCount <= 1)
        FuzzCheck(model.PerFile == before.PerFile && model.Overall == before.Overall &&
                      model.Label == before.Label,
                  "a job's first chunk changes nothing");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool created = [] {
        TAppFunc::OverrideApplicationFolder("/"); // no application object to tell its folder
        CreateGlobalObjects();
        return true;
    }();
    (void)created;
    if (size < 5)
        return 0;
    TProgressJob job = JobOf(data);
    TProgressModel model;
    model.Show(job.RowCount);
    const QByteArray output(reinterpret_cast<const char*>(data + 5), qsizetype(size - 5));
    for (const QByteArray& bytes : output.split('\0')) {
        if (bytes == "\x01") {
            model.Stop();
            job.CurrentRow = job.RowCount;
        } else if (bytes == "\x02") {
            model.StartJob();
            job.OutputCount = 0;
        } else {
            ++job.OutputCount;
            CheckRefresh(model, QString::fromUtf8(bytes), job);
        }
    }
    return 0;
}
