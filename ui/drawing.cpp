#include "drawing.h"

#include <QDir>
#include <QImageReader>

Drawing loadDrawing(const QString &folder)
{
    Drawing drawing;
    const QFileInfoList files = QDir(folder).entryInfoList(QDir::Files, QDir::Name);
    for (const QFileInfo &file : files)
        drawing.icon.addFile(file.filePath());
    // The first file by name is the master or its rendering at 1x.
    if (!files.isEmpty())
        drawing.size = QImageReader(files.first().filePath()).size();
    return drawing;
}
