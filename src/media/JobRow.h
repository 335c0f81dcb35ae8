#pragma once

#include <QString>
#include <QStringList>

#include <array>

// One row of the job list: seven texts addressed by these column indexes, in
// this fixed order. The job list model holds the rows (JobListModel.h) and
// its view shows them (JobListView.h); everything else reads and writes a
// row's texts by these names.
enum TJobColumn {
    dxtrlchkCheckStatus,      // "True" for every row the system makes; hidden
    dxtrlSourceFileName,      // the source file's full path: the row's key
    dxtrlSourceFileSize,      // the byte count as FormatFileSize writes it
    dxtrlSourceFileDuration,  // time code of the probed length
    dxtrlSourceFileStartTime, // time code of the segment's start
    dxtrlSourceFileEndTime,   // time code of the segment's end
    dxtrlstclConvertDuration, // time code of the segment's length, for display only
    JobColumnCount
};

// A row's seven texts, by TJobColumn.
using TJobRow = std::array<QString, JobColumnCount>;

// Time codes ("hh:mm:ss", written by CommonLib->FormatTimeCode) are cut at
// ":" and read in one of two ways.

// As the trim bar and the preview read a row: hours, minutes and seconds
// are each ParseNumber of their piece truncated toward zero; 0 when the
// text has fewer than three pieces.
qint32 ReadTimeCode(const QString& text);

// As the cut length is read: exactly three pieces (0 otherwise), each a
// whole decimal number; a piece that is not one raises EQuenvoError.
int TimeCodeSeconds(const QString& text);

// The extensions of the source files the job list takes, dot included, in
// lower case, in the order the open dialog's "Supported Files" lists them.
const QStringList& SourceExtensions();

// Whether the path's extension (from the last "." of its file name on) is
// one of SourceExtensions, letter case ignored.
bool IsSourceFile(const QString& path);
