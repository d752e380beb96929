// The pictures drawn at any size: at its natural size each is the committed file the game loads; at
// another size it is the same drawing, drawn at that size rather than enlarged, and the background
// tiles still repeat one scaled cell apart.
#include "platform/pictures.h"
#include "qt/art.h"

#include <QBuffer>
#include <QImage>
#include <QString>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#ifndef TESSORA_ASSET_DIR
#error "TESSORA_ASSET_DIR must name the assets folder"
#endif

namespace {

QImage rgb(const QImage& img) {
    return img.convertToFormat(QImage::Format_RGB32);
}

// Mean absolute difference per colour channel of two pictures of one size, and the largest one.
struct Difference {
    double mean = 0;
    int largest = 0;
};

Difference difference(const QImage& a0, const QImage& b0) {
    const QImage a = rgb(a0), b = rgb(b0);
    Difference d;
    long sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            for (int c : {std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) {
                sum += c;
                d.largest = std::max(d.largest, c);
            }
        }
    d.mean = static_cast<double>(sum) / (3.0 * a.width() * a.height());
    return d;
}

// Both pictures reduced to a third of the natural size: what is left is where things are and their
// colours, not how finely they were drawn.
double coarse_difference(const QImage& a, const QImage& b, const PicInfo& info) {
    const QSize small(info.width / 3, info.height / 3);
    return difference(a.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
                      b.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation))
        .mean;
}

QSize natural(Pic p) {
    return QSize(pic_info(p).width, pic_info(p).height);
}

QImage through_jpeg(const QImage& img) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    rgb(img).convertToFormat(QImage::Format_RGB888).save(&buffer, "JPG", 92); // as the generator writes
    return QImage::fromData(buffer.data(), "JPG");
}

TEST(Pictures, AtTheirNaturalSizeAreTheCommittedFiles) {
    for (int i = 0; i < kPicCount; ++i) {
        const Pic p = static_cast<Pic>(i);
        const QString file = QString(TESSORA_ASSET_DIR) + "/pictures/" + QString::fromUtf8(pic_info(p).file);
        SCOPED_TRACE(pic_info(p).file);
        const QImage committed(file);
        ASSERT_FALSE(committed.isNull());
        const QImage drawn = draw_picture(p, natural(p));
        ASSERT_EQ(drawn.size(), natural(p));
        if (file.endsWith(".jpg")) {
            // The two dialog pictures are JPEG: compared after the same encoding, within its rounding.
            EXPECT_LE(difference(through_jpeg(drawn), committed).largest, 2);
        } else {
            EXPECT_EQ(rgb(drawn), rgb(committed));
        }
    }
}

TEST(Pictures, AtTwiceTheSizeAPieceIsDrawnAgainNotEnlarged) {
    for (Pic p : {Pic::SITA_HU_0, Pic::UE_SYA_1, Pic::SITA_KIN_K}) {
        SCOPED_TRACE(pic_info(p).file);
        const QImage one = draw_picture(p, natural(p));
        const QImage two = draw_picture(p, natural(p) * 2);
        ASSERT_EQ(two.size(), QSize(78, 88));
        EXPECT_GT(difference(two, one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation)).mean,
                  5.0);
        EXPECT_GT(
            difference(two, one.scaled(two.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)).mean,
            5.0);
        EXPECT_LT(coarse_difference(two, one, pic_info(p)), 4.0);
    }
}

TEST(Pictures, AtAnUnevenSizeEveryPictureIsTheSameDrawing) {
    // As a board scaled by about 1.33 asks for them, each cell's rectangle rounded on its own.
    for (int i = 0; i < kPicCount; ++i) {
        const Pic p = static_cast<Pic>(i);
        SCOPED_TRACE(pic_info(p).file);
        const QSize size(static_cast<int>(std::lround(pic_info(p).width * 1.36)),
                         static_cast<int>(std::lround(pic_info(p).height * 1.3)));
        const QImage drawn = draw_picture(p, size);
        ASSERT_EQ(drawn.size(), size);
        EXPECT_LT(coarse_difference(drawn, draw_picture(p, natural(p)), pic_info(p)), 8.0);
    }
}

TEST(Pictures, BackgroundTilesRepeatOneScaledCellApart) {
    // A tile overlaps the next by two columns and a row; scaled by 2, and by 1.5 across and 2 down, the
    // cell is 76 x 88 and 57 x 88 pixels.
    struct Case {
        QSize tile, cell;
    };
    for (const Case& c : {Case{{80, 90}, {76, 88}}, Case{{60, 90}, {57, 88}}})
        for (Pic p : {Pic::HAIKEI_MIDORI, Pic::HAIKEI_TATAMI, Pic::HAIKEI_TAKE, Pic::HAIKEI_UCHU,
                      Pic::HAIKEI_RENGA}) {
            SCOPED_TRACE(pic_info(p).file);
            const QImage t = draw_picture(p, c.tile);
            ASSERT_EQ(t.size(), c.tile);
            EXPECT_EQ(t.copy(c.cell.width(), 0, c.tile.width() - c.cell.width(), c.tile.height()),
                      t.copy(0, 0, c.tile.width() - c.cell.width(), c.tile.height()));
            EXPECT_EQ(t.copy(0, c.cell.height(), c.tile.width(), c.tile.height() - c.cell.height()),
                      t.copy(0, 0, c.tile.width(), c.tile.height() - c.cell.height()));
        }
}

} // namespace
