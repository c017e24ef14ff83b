// The baseline: a Qt 6 application with one empty window of the same size.
#include <QApplication>
#include <QWidget>

#include "firstpaint.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(1030, 392);
    FirstPaintReporter reporter(&window);
    window.show();
    return QApplication::exec();
}
