#pragma once

#include <QIcon>

// The small picture at the head of a visible job-list column (file, size,
// clock, start, end, cut); a null icon for the hidden check column.
QIcon JobColumnPicture(int column);
