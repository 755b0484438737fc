#include "app/art.h"

#include <QPainter>
#include <QSvgRenderer>

// The pictures are compiled into the gui library; naming their resource here
// keeps the linker from leaving them out of the programs that use it. At
// global scope, as the resource's registration function is.
static void LoadArtResources() {
    static const bool loaded = [] {
        Q_INIT_RESOURCE(billpay_art);
        return true;
    }();
    (void)loaded;
}

namespace billpay::gui {

namespace {

const QString kSplashSvg = QStringLiteral(":/billpay/splash_logo.svg");
const QString kIconSvg = QStringLiteral(":/billpay/app_icon.svg");

}  // namespace

QImage RenderArt(const QString& resourcePath, QSize size, QColor background) {
    LoadArtResources();
    QImage image(size, QImage::Format_ARGB32);
    image.fill(background);
    QSvgRenderer renderer(resourcePath);
    if (renderer.isValid()) {
        QPainter painter(&image);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    }
    return image;
}

QImage SplashPicture() {
    return RenderArt(kSplashSvg, QSize(300, 255), kSplashBackground);
}

QPixmap ApplicationIconPixmap(int size) {
    return QPixmap::fromImage(RenderArt(kIconSvg, QSize(size, size), Qt::transparent));
}

QIcon ApplicationIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64, 128, 256}) icon.addPixmap(ApplicationIconPixmap(size));
    return icon;
}

}  // namespace billpay::gui
