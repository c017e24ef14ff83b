// The program's start-up, as the program does it, reporting its first paint.
#include <QApplication>

#include "application.h"
#include "firstpaint.h"
#include "form1.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();
    Form1 form1;
    FirstPaintReporter reporter(&form1);
    form1.show();
    return QApplication::exec();
}
