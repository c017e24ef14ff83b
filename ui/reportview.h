#pragma once

#include <QFrame>
#include <QPixmap>

#include <functional>

class QTextBrowser;

// The design as a report, in a popup: rich text that scrolls where it is taller than most of the
// screen, with a "Copia" button under it that copies the report as plain text, as Ctrl+C does
// when nothing is selected, and "Ipotesi…", which closes the view and opens the form of the worst
// case's ranges. The arrow and page keys scroll it; Esc or a click elsewhere closes it.
class ReportView : public QFrame
{
    Q_OBJECT

public:
    // plainText empty: nothing to copy, no button. The html may show the picture as pictureUrl.
    ReportView(const QString &html,
               const QString &plainText,
               const QPixmap &picture,
               const std::function<void()> &editCorners,
               QWidget *window);

    static const QString pictureUrl;

    // Shows the view under anchor, kept on the screen; where it would cover keepClear (global
    // coordinates), beside the window, or over its left part, if the screen has room there.
    void showBeside(const QWidget *anchor, const QRect &keepClear);

    QTextBrowser *browser() const { return browser_; }

private:
    void copyReport() const;

    QTextBrowser *browser_;
    QString plainText_;
};
