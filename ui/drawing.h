#pragma once

#include <QIcon>
#include <QSize>
#include <QString>

// A drawing embedded as a folder of resources, reached through QIcon on every system. The folder
// holds either the SVG master, which Qt's SVG icon engine draws sharp at any scale, or, where the
// build has no SVG module, PNGs the build renders from the master: 1x.png, 2x.png.
struct Drawing
{
    QIcon icon;
    QSize size; // its own size in device-independent pixels
};

// The drawing in the resource folder, e.g. ":/pictures/picture1".
Drawing loadDrawing(const QString &folder);
