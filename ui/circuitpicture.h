#pragma once

#include <QIcon>
#include <QImage>
#include <QWidget>

// A picture box: shows a drawing unscaled from its top-left corner, cut off by the box's edges.
// It takes the keyboard focus, although it shows no text.
// At 100 % it copies the drawing's pixels rendered at build time; at any other device pixel ratio
// it renders the drawing's vectors, read when first needed.
class CircuitPicture : public QWidget
{
    Q_OBJECT

public:
    explicit CircuitPicture(const QString &drawing, QWidget *parent = nullptr);

    // The drawing's own size in device-independent pixels.
    QSize drawingSize() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void paintPixels(QPainter &painter, const QRect &area) const;

    QString drawing_;
    QImage pixels_; // at 100 %
    QIcon vectors_; // any other scale
};
