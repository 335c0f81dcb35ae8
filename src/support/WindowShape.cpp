#include "support/WindowShape.h"

#include <QImage>

QRegion RegionFromPicture(const QImage& picture) {
    QRegion region;
    if (picture.isNull())
        return region;
    const QImage image = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb transparent = image.pixel(0, image.height() - 1);
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRegion line;
        int x = 0;
        while (x < image.width()) {
            while (x < image.width() && row[x] == transparent)
                ++x;
            const int start = x;
            while (x < image.width() && row[x] != transparent)
                ++x;
            if (x > start)
                line += QRect(start, y, x - start, 1);
        }
        region += line;
    }
    return region;
}
