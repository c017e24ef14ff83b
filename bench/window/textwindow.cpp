// The fair floor: a Qt 6 application with a window of the program's size that shows text, one
// label, one entry field and one push button, in the program's font resolved the way the program
// resolves it. Any window that shows text pays for the font database; no program can avoid it.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "application.h"
#include "firstpaint.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // As setUpApplication() does.
    QFont::insertSubstitutions(
        QStringLiteral("MS Sans Serif"),
        {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Arial")});
    QWidget window;
    window.setFont(controlFont());
    window.resize(1030, 392);
    auto *label = new QLabel(QStringLiteral("Vcc"), &window);
    label->setGeometry(512, 78, 30, 15);
    auto *field = new QLineEdit(&window);
    field->setGeometry(546, 74, 134, 24);
    auto *button = new QPushButton(QStringLiteral("Calcola "), &window);
    button->setGeometry(788, 40, 160, 25);
    FirstPaintReporter reporter(&window);
    window.show();
    return QApplication::exec();
}
