#include "circuitpicture.h"

#include <QPainter>

CircuitPicture::CircuitPicture(const QString &drawing, QWidget *parent)
    : QWidget(parent), renderer_(drawing)
{
    setFocusPolicy(Qt::StrongFocus);
}

QSize CircuitPicture::drawingSize() const
{
    return renderer_.defaultSize();
}

void CircuitPicture::paintEvent(QPaintEvent *)
{
    // Vector drawing onto the backing store: sharp at any device pixel ratio.
    QPainter painter(this);
    renderer_.render(&painter, QRectF(QPointF(0, 0), QSizeF(drawingSize())));
}
