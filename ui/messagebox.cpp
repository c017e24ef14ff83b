#include "messagebox.h"

#include <QCoreApplication>
#include <QMessageBox>

void showMessageBox(QWidget *parent, const QString &message)
{
    QMessageBox box(
        QMessageBox::NoIcon, QCoreApplication::applicationName(), message, QMessageBox::Ok, parent);
    box.setObjectName("messageBox");
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
