// The drawing code of the game's pictures, shared by the asset generator (which writes them at their
// natural size into assets/) and the canvas (which draws them again at the size a scaled board needs).
#pragma once

#include "platform/pictures.h"

#include <QImage>
#include <QSize>

// Draws picture p to fill exactly `pixels` device pixels, with geometry, strokes and lettering drawn at
// that size (not enlarged from the natural-size picture). Deterministic: the same size gives the same
// pixels on every run. At the natural size (pic_info(p).width x height) the result is the picture the
// asset generator writes into assets/ (before the JPEG encoding of the two dialog pictures).
QImage draw_picture(Pic p, QSize pixels);
