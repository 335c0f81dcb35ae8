#pragma once

#include <QByteArray>
#include <QImage>

// Decodes a JPEG picture with libjpeg; a null image when the data is not a
// readable JPEG.
QImage DecodeJpeg(const QByteArray& data);
