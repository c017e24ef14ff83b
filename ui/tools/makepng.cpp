// Build tool: renders a drawing at its own size times a whole scale into a PNG, pixel for pixel as
// Qt's SVG icon engine renders it for a screen of that scale.
//   makepng <drawing.svg> <scale> <drawing.png>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    bool scaleRead = false;
    const int scale = argc == 4 ? QByteArray(argv[2]).toInt(&scaleRead) : 0;
    if (!scaleRead || scale < 1) {
        std::fprintf(stderr, "usage: makepng <drawing.svg> <scale: 1, 2, ...> <out.png>\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "makepng: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(renderer.defaultSize() * scale, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
        std::fprintf(stderr, "makepng: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
