#include "circuitpicture.h"

#include <QPaintEvent>
#include <QPainter>

#include <algorithm>

#include "embeddedpixels.h"

CircuitPicture::CircuitPicture(const QString &drawing, QWidget *parent)
    : QWidget(parent), drawing_(drawing)
{
    const std::span<const EmbeddedImage> images =
        embeddedPixels({reinterpret_cast<const char16_t *>(drawing.utf16()),
                        static_cast<std::size_t>(drawing.size())});
    if (!images.empty())
        pixels_ = imageOf(images.front());
    setFocusPolicy(Qt::StrongFocus);
}

QSize CircuitPicture::drawingSize() const
{
    return pixels_.size();
}

void CircuitPicture::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const qreal scale = devicePixelRatio();
    if (scale == 1.0) {
        paintPixels(painter, event->rect());
        return;
    }
    // The drawing's vectors through Qt's SVG icon engine, loaded only here: sharp at any scale.
    if (vectors_.isNull())
        vectors_ = QIcon(drawing_);
    const QPixmap vectors = vectors_.pixmap(drawingSize(), scale);
    if (vectors.isNull()) { // no SVG icon engine installed: the pixels, enlarged
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRect(QPoint(0, 0), drawingSize()), pixels_);
        return;
    }
    painter.drawPixmap(0, 0, vectors);
}

void CircuitPicture::paintPixels(QPainter &painter, const QRect &area) const
{
    const QRect shown = area & pixels_.rect();
    if (pixels_.format() != QImage::Format_Grayscale8) {
        painter.drawImage(shown.topLeft(), pixels_, shown);
        return;
    }
    // A grey drawing reaches the backing store as 0xffRRGGBB. Qt would convert it through its
    // generic pixel path, about 7 instructions a pixel; these bands of 16 rows, converted here and
    // copied, take a third of that and keep the memory of one band, not of the whole drawing.
    constexpr int bandRows = 16;
    QImage band(shown.width(), bandRows, QImage::Format_RGB32);
    for (int top = shown.top(); top <= shown.bottom(); top += bandRows) {
        const int rows = std::min(bandRows, shown.bottom() + 1 - top);
        for (int row = 0; row < rows; ++row) {
            const uchar *grey = pixels_.constScanLine(top + row) + shown.left();
            auto *rgb = reinterpret_cast<QRgb *>(band.scanLine(row));
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb level = grey[x];
                rgb[x] = 0xff000000u | level << 16 | level << 8 | level;
            }
        }
        painter.drawImage(QPoint(shown.left(), top), band, QRect(0, 0, shown.width(), rows));
    }
}
