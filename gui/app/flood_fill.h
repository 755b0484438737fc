#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>

namespace billpay::gui {

// Fills the area of `target` colour that contains `start` and is connected to
// it through pixels sharing an edge, with `replacement`; every other pixel,
// also one of the target colour that the area does not reach, stays as it
// was. Colours are compared on red, green and blue. Works with an explicit
// stack of row spans, so a large area needs no deep recursion. The image is
// turned into Format_ARGB32 when it is in another. Returns the number of
// pixels filled: none when `start` lies outside the image or is not of the
// target colour, or when the two colours are the same.
int FloodFill(QImage& image, QPoint start, QColor target, QColor replacement);

}  // namespace billpay::gui
