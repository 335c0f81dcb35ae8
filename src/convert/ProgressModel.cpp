#include "convert/ProgressModel.h"

#include "ravlin/UnknownTime.h"
#include "support/Errors.h"
#include "support/Globals.h"

#include <QStringList>

#include <algorithm>
#include <climits>
#include <cmath>

void TBarFigures::SetRange(int minimum, int maximum) {
    if (minimum == Minimum && maximum == Maximum)
        return;
    Minimum = minimum;
    Maximum = std::max(minimum, maximum);
    if (qint64(Value) < qint64(Minimum) - 1 || Value > Maximum)
        Value = Minimum == INT_MIN ? INT_MIN : Minimum - 1;
}

void TBarFigures::SetMinimum(int minimum) {
    SetRange(minimum, std::max(Maximum, minimum));
}

void TBarFigures::SetMaximum(int maximum) {
    SetRange(std::min(Minimum, maximum), maximum);
}

void TBarFigures::SetValue(int value) {
    if ((value > Maximum || value < Minimum) && (Maximum != 0 || Minimum != 0))
        return;
    Value = value;
}

void TProgressModel::Show(int rowCount) {
    PerFile.SetRange(0, 1);
    PerFile.SetValue(0);
    Overall.SetRange(0, 1);
    Overall.SetValue(0);
    Label = "Current: 1, Total: " + QString::number(rowCount);
}

void TProgressModel::StartJob() {
    PerFile.SetValue(0);
}

void TProgressModel::Stop() {
    PerFile.SetValue(0);
    Overall.SetRange(0, 0);
    Overall.SetValue(0);
    Label = "Current: 1, Total: ...";
}

void TProgressModel::Refresh(const QString& chunk, const TProgressJob& job) {
    if (job.OutputCount <= 1)
        return;

    // Overall bar, from the per-file figures the previous chunk left; a
    // per-file maximum of 0 leaves it and the label as they were.
    Overall.SetMaximum(job.RowCount * 100);
    if (PerFile.Maximum != 0) {
        Overall.SetValue(
            int(qint64(PerFile.Value) * 100 / PerFile.Maximum + qint64(job.CurrentRow) * 100));
        Label = "Current: " + QString::number(job.CurrentRow + 1) +
                " , Total: " + QString::number(job.RowCount) + ".";
    }

    PerFile.SetMinimum(0);
    PerFile.SetMaximum(job.CutSeconds.toInt());

    if (chunk.isEmpty())
        return;
    const QStringList pieces = CommonLib->SplitText(chunk, '=');
    // The time is the third of at least four pieces of a sound status line,
    // the fifth of at least five of a video one.
    const bool audio = job.Form == TCommandForm::Audio;
    if (pieces.size() < (audio ? 4 : 5))
        return;
    const QStringList parts = CommonLib->SplitText(pieces[audio ? 2 : 4], '.');
    if (parts.isEmpty() || parts[0] == QString::number(UnknownTime))
        return;
    try {
        const double seconds = std::trunc(CommonLib->ParseNumber(parts[0]));
        PerFile.SetValue(int(std::max(0.0, std::min(double(PerFile.Maximum), seconds))));
    } catch (const EQuenvoError&) {
        // A time text that is no number leaves the bar where it was.
    }
}
