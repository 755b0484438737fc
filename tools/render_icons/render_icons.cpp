// billpay-render-icons: draws the program's SVG icon as square PNG files, or
// as one Windows icon file holding every size, for installing. It runs at
// build time; the rendered pictures are never kept in the source tree.
//
//   billpay-render-icons ICON.svg --png FOLDER SIZE...   FOLDER/SIZE.png for each size
//   billpay-render-icons ICON.svg --ico FILE SIZE...     FILE with every size (PNG entries)

#include <cstdio>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QList>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "billpay-render-icons: %s\n", message.toLocal8Bit().constData());
    return 1;
}

QByteArray RenderPng(QSvgRenderer& renderer, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
    }
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return png;
}

void PutLittleEndian(QByteArray& out, quint32 value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.append(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An icon directory whose entries are PNG streams, as Windows reads them
// since Vista. A size of 256 is written as 0 in the one-byte width and height.
QByteArray IconFile(const QList<int>& sizes, const QList<QByteArray>& pngs) {
    QByteArray out;
    PutLittleEndian(out, 0, 2);  // reserved
    PutLittleEndian(out, 1, 2);  // type: icon
    PutLittleEndian(out, static_cast<quint32>(sizes.size()), 2);
    quint32 offset = 6 + 16 * static_cast<quint32>(sizes.size());
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const quint32 side = sizes[i] >= 256 ? 0 : static_cast<quint32>(sizes[i]);
        PutLittleEndian(out, side, 1);
        PutLittleEndian(out, side, 1);
        PutLittleEndian(out, 0, 1);   // no palette
        PutLittleEndian(out, 0, 1);   // reserved
        PutLittleEndian(out, 1, 2);   // colour planes
        PutLittleEndian(out, 32, 2);  // bits per pixel
        PutLittleEndian(out, static_cast<quint32>(pngs[i].size()), 4);
        PutLittleEndian(out, offset, 4);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) out.append(png);
    return out;
}

bool WriteFile(const QString& name, const QByteArray& data) {
    QFile file(name);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(data) == data.size();
}

}  // namespace

int main(int argc, char** argv) {
    // No display is needed: text in the picture is laid out on the offscreen platform.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 5 || (args[2] != "--png" && args[2] != "--ico"))
        return Fail("usage: billpay-render-icons ICON.svg --png FOLDER SIZE... | --ico FILE SIZE...");

    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) return Fail("cannot read the picture " + args[1]);

    QList<int> sizes;
    QList<QByteArray> pngs;
    for (qsizetype i = 4; i < args.size(); ++i) {
        bool ok = false;
        const int size = args[i].toInt(&ok);
        if (!ok || size < 1 || size > 1024) return Fail("not a size: " + args[i]);
        sizes.append(size);
        pngs.append(RenderPng(renderer, size));
        if (pngs.last().isEmpty()) return Fail("cannot draw the picture at " + args[i]);
    }

    if (args[2] == "--ico") {
        if (!WriteFile(args[3], IconFile(sizes, pngs))) return Fail("cannot write " + args[3]);
        return 0;
    }
    if (!QDir().mkpath(args[3])) return Fail("cannot create " + args[3]);
    for (qsizetype i = 0; i < sizes.size(); ++i) {
        const QString name = QDir(args[3]).filePath(QString::number(sizes[i]) + ".png");
        if (!WriteFile(name, pngs[i])) return Fail("cannot write " + name);
    }
    return 0;
}
