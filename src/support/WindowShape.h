#pragma once

#include <QRegion>

class QImage;

// The outline of a shaped window: the union of the one-pixel-high runs of
// pixels, row by row, whose colour differs from the transparent colour, the
// colour of the picture's bottom-left pixel.
QRegion RegionFromPicture(const QImage& picture);
