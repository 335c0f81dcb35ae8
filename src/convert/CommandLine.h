#pragma once

#include "support/CommonLib.h"
#include "support/ProgramCall.h"

#include <QString>

// An option piece of a command line: the option followed by the entry, or
// the fallback when the entry is empty (no selection).
QString OptionPiece(const QString& option, const QString& entry, const QString& fallback);

// The encoder call of a job from its pieces and its clash-free output path,
// in the form the codec options choose: with the video pieces, or with the
// sound pieces only. The two paths are arguments of their own; the option
// pieces, made from the tables, split at their blanks. No program for codec
// options of neither form.
TProgramCall EncoderCall(const TCommonLib::TConvertParameterStruct& pieces,
                         const QString& outputPath);
