#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QSize>
#include <QString>

namespace billpay::gui {

// The colour the splash picture has around its card: the window repaints
// the area of it that reaches the picture's corner in its own button face.
inline const QColor kSplashBackground(0, 255, 255);

// One of the program's SVG pictures drawn at `size` on `background`.
QImage RenderArt(const QString& resourcePath, QSize size, QColor background);

// The splash picture, 300 by 255 on its aqua background.
QImage SplashPicture();

// The program's icon at 16, 24, 32, 48, 64, 128 and 256 pixels.
QIcon ApplicationIcon();

// The program's icon drawn at one size (the about window shows it at 32).
QPixmap ApplicationIconPixmap(int size);

}  // namespace billpay::gui
