// Build tool: renders the icon's drawing at 32 x 32 into a 256-colour PNG and into a Windows icon
// file holding that PNG.   makeicon <drawing.svg> <icon.png> <icon.ico>
#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: makeicon <drawing.svg> <icon.png> <icon.ico>\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "makeicon: cannot read %s\n", argv[1]);
        return 1;
    }
    constexpr int size = 32;
    QImage image(size, size, QImage::Format_RGB32); // opaque: the drawing covers every pixel
    image.fill(Qt::black);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QImage indexed = image.convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);

    QByteArray png;
    QBuffer pngBuffer(&png);
    pngBuffer.open(QIODevice::WriteOnly);
    if (!indexed.save(&pngBuffer, "PNG") || !indexed.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "makeicon: cannot write the PNG\n");
        return 1;
    }

    // ICONDIR, one ICONDIRENTRY, then the PNG image (accepted in icon files since Windows Vista).
    QFile ico(QString::fromLocal8Bit(argv[3]));
    if (!ico.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "makeicon: cannot write %s\n", argv[3]);
        return 1;
    }
    QDataStream out(&ico);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0) << quint16(1) << quint16(1); // reserved, type icon, one image
    out << quint8(size) << quint8(size) << quint8(0)
        << quint8(0);                              // width, height, colours, reserved
    out << quint16(1) << quint16(32);              // planes, bits per pixel
    out << quint32(png.size()) << quint32(6 + 16); // image size, offset
    out.writeRawData(png.constData(), static_cast<int>(png.size()));
    return out.status() == QDataStream::Ok ? 0 : 1;
}
