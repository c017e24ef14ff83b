#include "circuitpicture.h"

#include <QPainter>
#include <QSvgRenderer>

CircuitPicture::CircuitPicture(const QString &drawing, QWidget *parent)
    : QWidget(parent), renderer_(new QSvgRenderer(drawing, this))
{
    setFocusPolicy(Qt::StrongFocus);
}

QSize CircuitPicture::drawingSize() const
{
    return renderer_->defaultSize();
}

void CircuitPicture::paintEvent(QPaintEvent * /*event*/)
{
    QPainter painter(this);
    renderer_->render(&painter, QRectF(QPointF(0, 0), drawingSize()));
}
