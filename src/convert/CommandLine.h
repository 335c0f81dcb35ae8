#pragma once

#include "support/CommonLib.h"

#include <QString>

// An option piece of a command line: the option followed by the entry, or
// the fallback when the entry is empty (no selection).
QString OptionPiece(const QString& option, const QString& entry, const QString& fallback);

// The command line of a job from its pieces and its clash-free output path,
// in the form the codec options choose: with the video pieces, or with the
// sound pieces only. Empty for codec options of neither form.
QString JoinCommandLine(const TCommonLib::TConvertParameterStruct& pieces,
                        const QString& outputPath);
