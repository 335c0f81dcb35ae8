#pragma once

#include <QtGlobal>

// The trim bar's measures in pixels, named as its arithmetic names them.
struct TTrimMeasures {
    int W = 260; // the bar
    int S1 = 20; // the start marker
    int S2 = 20; // the end marker
    int P2 = 1;  // the picture before the start marker
    int P3 = 1;  // the picture after the end marker
};

// Where a row click puts the markers for a segment from start to end of a
// row total seconds long (total > 0): the bar with its new P2 and P3, each
// start ÷ total or end ÷ total of the markers' travel, rounded with halves
// to the even neighbour. A new P2 within 1 pixel of the current one, or a
// new P3 within 2, keeps the current one.
TTrimMeasures PlaceForSegment(const TTrimMeasures& bar, qint32 start, qint32 end, qint32 total);

// The seconds the start marker stands for, its left edge at startLeft: its
// whole percentage of the travel (121 over W) of the row's total.
qint64 StartSeconds(const TTrimMeasures& bar, int startLeft, qint32 total);

// The same for the end marker, its left edge at endLeft.
qint64 EndSeconds(const TTrimMeasures& bar, int endLeft, qint32 total);
