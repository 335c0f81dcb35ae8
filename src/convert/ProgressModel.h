#pragma once

#include "convert/CommandForm.h"

#include <QString>

// What the progress display is told of the batch for the job being converted.
struct TProgressJob {
    int RowCount = 0;    // rows when the batch started
    int CurrentRow = 0;  // the row being converted; RowCount once the batch is stopped
    int OutputCount = 0; // chunks of this job's output so far, the latest included
    QString CutSeconds;  // the job's cut length, whole seconds in decimal; empty without a row
    TCommandForm Form = TCommandForm::None; // of the job's command line
    QString SourceFile;
    QString EncoderPath;
};

// A bar's range and position under the rules of the window's progress bars:
// a position outside the range is refused unless the range is 0 to 0, and a
// range that leaves the position outside resets it to one below the minimum,
// which the bar shows as no position.
struct TBarFigures {
    int Minimum = 0;
    int Maximum = 100;
    int Value = -1;

    void SetRange(int minimum, int maximum);
    void SetMinimum(int minimum);
    void SetMaximum(int maximum);
    void SetValue(int value);
    bool operator==(const TBarFigures&) const = default;
};

// The progress window's figures, widget-free: the per-file bar in seconds of
// output, the overall bar in hundredths of rows and the row label. The
// window applies them to its controls after every change.
class TProgressModel {
public:
    TBarFigures PerFile;                      // ProgressBar1
    TBarFigures Overall;                      // pbTotal
    QString Label = "Current: 1, Total: ..."; // lblPersent

    // The window becomes visible for a batch of rowCount rows.
    void Show(int rowCount);
    // A job is about to start: the per-file bar goes back to 0.
    void StartJob();
    // The person stopped the batch with the Stop button.
    void Stop();

    // Reads the elapsed time out of one chunk of the encoder's output. The
    // first chunk of a job (its banner) is never read. The overall bar
    // moves by the per-file figures the previous chunk left; the per-file
    // bar takes the job's cut length as its maximum and the whole seconds
    // of the time piece of a status line: after the fourth "=" of a video
    // status line, after the second "=" of a sound-only one, up to its
    // first ".". A line too short to hold the piece, the encoder's unknown
    // time and a piece that is no number leave the per-file position as it
    // was; a piece with other text makes whatever number it holds.
    void Refresh(const QString& chunk, const TProgressJob& job);
};
