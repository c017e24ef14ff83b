#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

#include <cstdio>

// Tells the timing harness on standard output when the window has been shown and painted for the
// first time, then ends the process. The line is written once the whole first repaint is done:
// the top-level widget's paint comes first, and its children are painted in the same pass.
class FirstPaintReporter : public QObject
{
public:
    explicit FirstPaintReporter(QObject *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            watched->removeEventFilter(this);
            QTimer::singleShot(0, [] {
                std::fputs("painted\n", stdout);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return false;
    }

private:
    bool reported_ = false;
};
