// TEMPORARY: stands in for the pictures' drawing code until it lives in qt/art.cpp. It enlarges the
// picture file smoothly instead of drawing it at the size; delete this file when art.cpp arrives.
#include "qt/art.h"

#include "qt/canvas.h"

QImage draw_picture(Pic p, QSize pixels) {
    const QImage file(CanvasImage::asset_dir() + "/pictures/" + QString::fromUtf8(pic_info(p).file));
    if (file.isNull()) return QImage(pixels, QImage::Format_RGB32);
    return file.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
