#include "circuitpicture.h"

#include <QPainter>

CircuitPicture::CircuitPicture(const QString &drawing, QWidget *parent)
    : QWidget(parent), drawing_(loadDrawing(drawing))
{
    setFocusPolicy(Qt::StrongFocus);
}

QSize CircuitPicture::drawingSize() const
{
    return drawing_.size;
}

QPixmap CircuitPicture::wholeDrawing() const
{
    return drawing_.icon.pixmap(drawing_.size, devicePixelRatioF());
}

void CircuitPicture::paintEvent(QPaintEvent * /*event*/)
{
    // The icon's pixmap for the screen's scale, one pixel of it to each device pixel.
    QPainter painter(this);
    painter.drawPixmap(QPoint(0, 0), drawing_.icon.pixmap(drawing_.size, devicePixelRatioF()));
}
