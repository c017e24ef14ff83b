#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QTimer>

#include <functional>
#include <vector>

// What a user reads on a message box before closing it.
struct SeenBox
{
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    Qt::TextFormat textFormat = Qt::AutoText;
    Qt::WindowModality modality = Qt::NonModal;
};

// Watches for the program's modal boxes while an action runs, reads each one and closes it with
// a click on its OK button, as a user would.
class ModalBoxes
{
public:
    std::vector<SeenBox> during(const std::function<void()> &action)
    {
        seen_.clear();
        QTimer timer;
        timer.setInterval(5);
        QObject::connect(&timer, &QTimer::timeout, [this] { closeOpenBox(); });
        timer.start();
        action();
        timer.stop();
        return seen_;
    }

private:
    void closeOpenBox()
    {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen_.push_back({box->windowTitle(),
                         box->text(),
                         box->standardButtons(),
                         box->icon(),
                         box->textFormat(),
                         box->windowModality()});
        if (QAbstractButton *ok = box->button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->reject();
    }

    std::vector<SeenBox> seen_;
};
