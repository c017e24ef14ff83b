#pragma once

#include <QFrame>
#include <QPixmap>

class QTextBrowser;

// The design as a report, in a popup: rich text that scrolls where it is taller than most of the
// screen, with a "Copia" button under it that copies the report as plain text, as Ctrl+C does
// when nothing is selected. The arrow and page keys scroll it; Esc or a click elsewhere closes it.
class ReportView : public QFrame
{
    Q_OBJECT

public:
    // plainText empty: nothing to copy, no button. The html may show the picture as pictureUrl.
    ReportView(const QString &html, const QString &plainText, const QPixmap &picture,
               QWidget *window);

    static const QString pictureUrl;

    // Shows the view beside the window where it would cover keepClear (global coordinates) and
    // the screen has room; otherwise under anchor, kept on the screen.
    void showBeside(const QWidget *anchor, const QRect &keepClear);

    QTextBrowser *browser() const { return browser_; }

private:
    void copyReport() const;

    QTextBrowser *browser_;
    QString plainText_;
};
