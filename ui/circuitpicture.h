#pragma once

#include <QWidget>

#include "drawing.h"

// A picture box: shows a drawing unscaled from its top-left corner, cut off by the box's edges,
// sharp at any scale. It takes the keyboard focus, although it shows no text.
class CircuitPicture : public QWidget
{
    Q_OBJECT

public:
    // drawing: the drawing's resource folder (drawing.h).
    explicit CircuitPicture(const QString &drawing, QWidget *parent = nullptr);

    // The drawing's own size in device-independent pixels.
    QSize drawingSize() const;
    // The whole drawing, its frame on all four sides, which the box cuts at its right and bottom
    // edges: for the report, sharp at the screen's scale.
    QPixmap wholeDrawing() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Drawing drawing_;
};
