// The persistent canvas behind the main window: a QImage painted in twips (15 to a pixel).
#pragma once

#include "platform/pictures.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <array>
#include <string>

class CanvasImage {
  public:
    // Client area of the main window: 11175 x 9975 twips.
    static constexpr int kWidth = 745;
    static constexpr int kHeight = 665;

    CanvasImage();

    // Loads every picture; returns the files that could not be loaded.
    QStringList load_pictures();
    const QImage& picture(Pic p) const { return pictures_[static_cast<int>(p)]; }

    void clear(int colour);
    void stamp(Pic p, double x, double y);
    void outline(int colour, double x1, double y1, double x2, double y2);
    void set_font_bold(bool bold) { bold_ = bold; }
    void print(double x, double y, const std::string& text, double points, int colour);

    const QImage& image() const { return image_; }
    static QColor colour(int index);
    static int px(double twips);
    // Folder holding pictures/.
    static QString asset_dir();

  private:
    QImage image_;
    std::array<QImage, kPicCount> pictures_;
    bool bold_ = false;
};
