#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>

#include "notes/designreport.h"

class QLabel;
class QLineEdit;
class QPushButton;
class ReportText;

// The design as a report, in a window of its own beside the main window: the project, its designer
// and revision to type, kept with the settings, over rich text that scrolls, over "Ipotesi…", which
// opens the form of the worst case's ranges, "Copia", which copies the report as plain text, as
// Ctrl+C does when nothing is selected, and "Salva PDF…". A line at the top says when the entries
// have changed since the press it reports. The buttons answer Enter and Space; Esc closes the
// window. A link in the text (choiceScheme) hands its key to choose: the parts a row of the ranking
// names. A field of the project's block, edited, hands on to projectEdited once Enter or Tab leaves
// it. Its place and size are kept with the settings.
class ReportView : public QWidget
{
    Q_OBJECT

public:
    ReportView(const std::function<void()> &editCorners,
               const std::function<void(const QString &key)> &choose,
               const std::function<void()> &projectEdited,
               QWidget *window);

    static const QString pictureUrl;

    // The report of a press: its rich text, which may show the picture as pictureUrl, its plain
    // text, the file name a PDF of it is offered under and the date and time its pages' foot
    // gives. plainText empty: no report yet, the html says why; nothing to copy or save.
    void setReport(const QString &html,
                   const QString &plainText,
                   const QPixmap &picture,
                   const QString &pdfName,
                   const QString &dated);
    // The project's block as typed.
    ProjectBlock project() const;
    // Whether the entries have changed since the press.
    void setStale(bool stale);

    // Shows the window, in front: at its first opening where it was left the last time, or, the
    // first time ever, beside anchor's window, clear of keepClear (global coordinates), or over the
    // window's left part, if the screen has room there. Either way at least as wide as the report's
    // widest table and its picture need, as far as the screen allows.
    void showInFront(const QWidget *anchor, const QRect &keepClear);

    // The report as a PDF at path, as "Salva PDF…" writes it; the system's reason where it
    // could not.
    std::optional<QString> writePdfTo(const QString &path) const;

    ReportText *text() const { return text_; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    void copyReport() const;
    void savePdf();
    void placeBeside(const QWidget *anchor, const QRect &keepClear);
    // The window's width that shows the report's widest line whole: at least about 60 characters.
    int neededWidth() const;
    void widenToTheReport();
    void keepPlace() const;
    // The project's fields whose text differs from the one kept: nothing else is written.
    void keepProject();

    QLabel *stale_;
    std::array<QLineEdit *, 3> project_{}; // project, designer, revision
    std::array<QString, 3> projectKept_;   // as read from the settings, or last kept
    ReportText *text_;
    QPushButton *copy_;
    QPushButton *savePdf_;
    QString plainText_;
    QString pdfName_;
    QString dated_;
    bool placed_ = false;
    bool widened_ = false; // for a report of a press
};
