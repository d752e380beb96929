#include "qt/canvas.h"

#include "platform/folders.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace {
const QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};
} // namespace

CanvasImage::CanvasImage() : image_(kWidth, kHeight, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

QColor CanvasImage::colour(int index) {
    return QColor(kPalette[index & 15]);
}

int CanvasImage::px(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

QString CanvasImage::asset_dir() {
    return QString::fromStdString(pictures_folder(QCoreApplication::applicationDirPath().toStdString()));
}

QStringList CanvasImage::load_pictures() {
    QStringList missing;
    const QString dir = asset_dir() + "/pictures/";
    for (int i = 0; i < kPicCount; ++i) {
        const PicInfo& info = pic_info(static_cast<Pic>(i));
        if (!pictures_[i].load(dir + QString::fromUtf8(info.file))) missing << QString::fromUtf8(info.file);
    }
    return missing;
}

void CanvasImage::clear(int colour) {
    image_.fill(CanvasImage::colour(colour));
}

void CanvasImage::stamp(Pic p, double x, double y) {
    if (p == Pic::None) return;
    const QImage& pic = pictures_[static_cast<int>(p)];
    if (pic.isNull()) return; // a missing picture paints nothing
    QPainter painter(&image_);
    painter.drawImage(px(x), px(y), pic);
}

void CanvasImage::outline(int colour, double x1, double y1, double x2, double y2) {
    QPainter painter(&image_);
    painter.setPen(QPen(CanvasImage::colour(colour), 0));
    painter.setBrush(Qt::NoBrush);
    const int l = px(x1), t = px(y1), r = px(x2), b = px(y2);
    painter.drawRect(QRect(l, t, r - l, b - t));
}

void CanvasImage::print(double x, double y, const std::string& text, double points, int colour) {
    QPainter painter(&image_);
    QFont font("IPAPMincho");
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold_);
    painter.setFont(font);
    painter.setPen(CanvasImage::colour(colour));
    const QFontMetrics metrics(font);
    painter.drawText(px(x), px(y) + metrics.ascent(), QString::fromStdString(text));
}
