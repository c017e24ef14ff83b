#pragma once

#include <QPixmap>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
class ReportText;

// The design as a report, in a window of its own beside the main window: rich text that scrolls,
// over "Ipotesi…", which opens the form of the worst case's ranges, "Copia", which copies the
// report as plain text, as Ctrl+C does when nothing is selected, and "Salva PDF…". A line at the
// top says when the entries have changed since the press it reports. The buttons answer Enter
// and Space; Esc closes the window. A link in the text (choiceScheme) hands its key to choose: the
// parts a row of the ranking names. Its place and size are kept with the settings.
class ReportView : public QWidget
{
    Q_OBJECT

public:
    ReportView(const std::function<void()> &editCorners,
               const std::function<void(const QString &key)> &choose,
               QWidget *window);

    static const QString pictureUrl;

    // The report of a press: its rich text, which may show the picture as pictureUrl, its plain
    // text and the file name a PDF of it is offered under. plainText empty: no report yet, the
    // html says why; nothing to copy or save.
    void setReport(const QString &html,
                   const QString &plainText,
                   const QPixmap &picture,
                   const QString &pdfName);
    // Whether the entries have changed since the press.
    void setStale(bool stale);

    // Shows the window, in front: at its first opening where it was left the last time, or, the
    // first time ever, beside anchor's window, clear of keepClear (global coordinates), or over the
    // window's left part, if the screen has room there.
    void showInFront(const QWidget *anchor, const QRect &keepClear);

    ReportText *text() const { return text_; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void copyReport() const;
    void savePdf();
    void placeBeside(const QWidget *anchor, const QRect &keepClear);
    void keepPlace() const;

    QLabel *stale_;
    ReportText *text_;
    QPushButton *copy_;
    QPushButton *savePdf_;
    QString plainText_;
    QString pdfName_;
    bool placed_ = false;
};
