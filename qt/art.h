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
// The picture is opaque (Format_ARGB32_Premultiplied); Pic::None or an empty size gives a null image.
// A background tile of w x h pixels repeats every round(w * 38 / 40) x round(h * 44 / 45) pixels, the
// scaled cell, as the natural 40 x 45 tile repeats every cell of 38 x 44. The lettering needs the
// fonts of a QGuiApplication. The squares, plates and piece faces of a size are kept for the next
// picture of that size.
QImage draw_picture(Pic p, QSize pixels);
