#pragma once

#include <string>

struct AVFormatContext;

// Opens a source file for reading as avformat_open_input does (the context
// may be allocated beforehand; it is freed when the open fails), with the
// file protocol only, whatever the name looks like, and only the formats of
// media: those that read other files or addresses (playlists, lists of
// files, image sequences, session descriptions) are refused as formats the
// libraries do not know (AVERROR_INVALIDDATA).
int OpenSourceFile(AVFormatContext** context, const std::string& path);
