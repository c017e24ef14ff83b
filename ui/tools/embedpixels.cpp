// Build tool: renders drawings into pixels and writes them as a C++ source, so that the program
// shows them at 100 % without parsing the drawing or laying out its texts.
//   embedpixels <out.cpp> (<name> <drawing.svg> <sizes>)...
// <sizes> is "at:<control>" for the drawing's own size, drawn where that control of the window
// stands, or square sizes such as "16,32,48".
// A drawing shown in the window is rendered at its place there: the glyphs of its texts then land
// on the same fractions of a pixel as when the window draws the vectors itself, and the pixels
// are the same to the last grey level.
// Every drawing must cover its whole box with opaque paint: the pixels then equal what a painter
// draws over any background. Greyscale drawings are stored one byte a pixel, others four as
// 0xffRRGGBB.
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <stdexcept>

#include "controltable.h"

namespace {

// The drawing at <size>, rendered as if it stood at <place> on a larger image.
QImage render(QSvgRenderer &renderer, QSize size, QPoint place, QColor background)
{
    QImage image(QSize(place.x(), place.y()) + size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QPainter painter(&image);
    painter.translate(place);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image.copy(QRect(place, size));
}

bool isGrey(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qRed(line[x]) != qGreen(line[x]) || qGreen(line[x]) != qBlue(line[x]))
                return false;
    }
    return true;
}

void writeBytes(QByteArray &out, const QImage &image)
{
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = image.constScanLine(y);
        const qsizetype bytes =
            qsizetype{image.width()} * (image.format() == QImage::Format_Grayscale8 ? 1 : 4);
        for (qsizetype i = 0; i < bytes; ++i) {
            out += QByteArray::number(line[i]);
            out += ++column % 24 ? "," : ",\n";
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 5 || (argc - 2) % 3 != 0) {
        std::fprintf(stderr, "usage: embedpixels <out.cpp> (<name> <drawing.svg> <sizes>)...\n");
        return 2;
    }
    QByteArray out =
        "// Written by embedpixels from the drawings: edit the drawings, not this file.\n"
        "#include \"embeddedpixels.h\"\n\nnamespace {\n";
    QByteArray table = "const EmbeddedDrawing drawings[] = {\n";
    int imageCount = 0;
    for (int arg = 2; arg < argc; arg += 3) {
        const char *file = argv[arg + 1];
        QSvgRenderer renderer(QString::fromLocal8Bit(file));
        if (!renderer.isValid()) {
            std::fprintf(stderr, "embedpixels: cannot read %s\n", file);
            return 1;
        }
        QList<QSize> sizes;
        QPoint place;
        const QByteArray sizeList = argv[arg + 2];
        if (sizeList.startsWith("at:")) {
            const char *name = sizeList.constData() + 3;
            try {
                const ControlTable::Control &row = ControlTable::control(name);
                place = {ControlTable::pixelsOf(row.left), ControlTable::pixelsOf(row.top)};
            } catch (const std::invalid_argument &) {
                std::fprintf(stderr, "embedpixels: the window has no control %s\n", name);
                return 1;
            }
            sizes << renderer.defaultSize();
        } else
            for (const QByteArray &side : sizeList.split(','))
                sizes << QSize(side.toInt(), side.toInt());

        const int first = imageCount;
        QByteArray images;
        for (const QSize size : sizes) {
            QImage image = render(renderer, size, place, Qt::black);
            if (size.isEmpty() || image != render(renderer, size, place, Qt::white)) {
                std::fprintf(stderr,
                             "embedpixels: %s does not cover its %d x %d box with opaque paint\n",
                             file,
                             size.width(),
                             size.height());
                return 1;
            }
            const bool grey = isGrey(image);
            image = grey ? image.convertToFormat(QImage::Format_Grayscale8)
                         : image.convertToFormat(QImage::Format_RGB32);
            const QByteArray name = "pixels" + QByteArray::number(imageCount++);
            out += "alignas(4) const unsigned char " + name + "[] = {\n";
            writeBytes(out, image);
            out += "};\n";
            images += QString::asprintf("    {%d, %d, %s, %s},\n",
                                        size.width(),
                                        size.height(),
                                        grey ? "true" : "false",
                                        name.constData())
                          .toLatin1();
        }
        out +=
            "const EmbeddedImage images" + QByteArray::number(first) + "[] = {\n" + images + "};\n";
        table += QString::asprintf("    {u\"%s\", images%d, %lld},\n",
                                   argv[arg],
                                   first,
                                   static_cast<long long>(sizes.size()))
                     .toUtf8();
    }
    out += table
           + "};\n\n} // namespace\n\n"
             "std::span<const EmbeddedImage> embeddedPixels(std::u16string_view name)\n{\n"
             "    for (const EmbeddedDrawing &drawing : drawings)\n"
             "        if (drawing.name == name)\n"
             "            return {drawing.images, drawing.count};\n"
             "    return {};\n}\n";

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "embedpixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
