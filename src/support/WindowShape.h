#pragma once

#include <QRegion>

class QImage;
class QWidget;

// The outline of a shaped window: the union of the one-pixel-high runs of
// pixels, row by row, whose colour differs from the transparent colour, the
// colour of the picture's bottom-left pixel (alpha included). It is in the
// window's device-independent pixels: for a picture drawn for a denser
// screen, a window pixel belongs to the outline when every picture pixel it
// covers does.
QRegion RegionFromPicture(const QImage& picture);

// Cuts a top-level window to its outline on every platform. The window must
// carry Qt::WA_TranslucentBackground from before it is first shown: what
// lies outside the outline is then drawn fully transparent, and the window's
// children are clipped to the outline, so a compositor shows what is behind
// even where it ignores the mask (Wayland). The mask takes input outside the
// outline away from the window and cuts it where no compositor runs (X11).
void CutToOutline(QWidget* window, const QRegion& outline);
