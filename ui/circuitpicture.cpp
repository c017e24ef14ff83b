#include "circuitpicture.h"

#include <QPainter>

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

void CircuitPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const qreal scale = devicePixelRatio();
    if (scale == 1.0) {
        painter.drawImage(0, 0, pixels_);
        return;
    }
    // The drawing's vectors through Qt's SVG icon engine, loaded only here: sharp at any scale.
    if (vectors_.isNull())
        vectors_ = QIcon(drawing_);
    painter.drawPixmap(0, 0, vectors_.pixmap(drawingSize(), scale));
}
