#include <QApplication>

#include "application.h"
#include "form1.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    setUpApplication();
    Form1 form1;
    form1.show();
    return QApplication::exec();
}
