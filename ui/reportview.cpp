#include "reportview.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>

#include <algorithm>

#include "messagebox.h"
#include "nominal/messages.h"
#include "noteshtml.h"
#include "reportpdf.h"
#include "reporttext.h"
#include "textview.h"
#include "usersettings.h"

namespace {

namespace Text = Messages::Report;

const QString placeKey = QStringLiteral("report/geometry");
const QString pdfFolderKey = QStringLiteral("report/pdfFolder");

// A button that Enter clicks as well as Space, as the main window's do.
QPushButton *button(std::u16string_view caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(fromView(caption), parent);
    button->setObjectName(name);
    button->setAutoDefault(true);
    return button;
}

} // namespace

const QString ReportView::pictureUrl = QStringLiteral("brenvola:circuit");

ReportView::ReportView(const std::function<void()> &editCorners,
                       const std::function<void(const QString &key)> &choose,
                       QWidget *window)
    : QWidget(window, Qt::Window)
{
    setObjectName("reportWindow");
    setWindowTitle(fromView(Text::titoloFinestra));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    stale_ = new QLabel(fromView(Text::ingressiCambiati), this);
    stale_->setObjectName("reportStale");
    stale_->setWordWrap(true);
    stale_->setMargin(6);
    // Dark text on a pale yellow, whatever the desktop's palette: a note, not an error.
    QPalette palette = stale_->palette();
    palette.setColor(QPalette::Window, QColor(255, 243, 176));
    palette.setColor(QPalette::WindowText, Qt::black);
    stale_->setPalette(palette);
    stale_->setAutoFillBackground(true);
    stale_->hide();
    layout->addWidget(stale_);

    text_ = new ReportText(this);
    text_->setObjectName("reportText");
    text_->setAccessibleName(fromView(Text::nomeTesto));
    text_->setTabChangesFocus(true); // Tab reaches the buttons under it
    text_->setOpenLinks(false);
    connect(text_, &QTextBrowser::anchorClicked, this, [choose](const QUrl &link) {
        if (link.scheme() == choiceScheme)
            choose(link.path(QUrl::FullyDecoded));
    });
    layout->addWidget(text_);

    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    auto *corners = button(Messages::Note::ipotesiPulsante, "reportCorners", this);
    connect(corners, &QPushButton::clicked, this, editCorners);
    buttons->addWidget(corners);
    buttons->addStretch();
    copy_ = button(Messages::Note::copia, "reportCopy", this);
    connect(copy_, &QPushButton::clicked, this, &ReportView::copyReport);
    buttons->addWidget(copy_);
    savePdf_ = button(Text::salvaPdf, "reportSavePdf", this);
    connect(savePdf_, &QPushButton::clicked, this, &ReportView::savePdf);
    buttons->addWidget(savePdf_);
    layout->addLayout(buttons);

    // Ctrl+C wherever the focus is in the window: the selection, or with none the report.
    auto *copyKey = new QShortcut(QKeySequence::Copy, this, this, [this] {
        if (text_->textCursor().hasSelection())
            text_->copy();
        else
            copyReport();
    });
    copyKey->setContext(Qt::WidgetWithChildrenShortcut);
    // A text browser keeps Esc for itself; the window closes on it.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    setFocusProxy(text_);
    // Its place is kept when the program ends with the window open too.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] {
        if (isVisible())
            keepPlace();
    });
}

void ReportView::setReport(const QString &html,
                           const QString &plainText,
                           const QPixmap &picture,
                           const QString &pdfName)
{
    plainText_ = plainText;
    pdfName_ = pdfName;
    const int scrolled = text_->verticalScrollBar()->value();
    // The picture first, so that the text is laid out around it.
    text_->document()->addResource(QTextDocument::ImageResource, QUrl(pictureUrl), picture);
    text_->setHtml(html);
    text_->document()->setMetaInformation(QTextDocument::DocumentTitle,
                                          fromView(Messages::Note::titoloRelazione));
    text_->setSpokenText(plainText.isEmpty() ? text_->toPlainText() : plainText);
    text_->verticalScrollBar()->setValue(scrolled); // the same place in a report updated
    copy_->setVisible(!plainText.isEmpty());
    savePdf_->setVisible(!plainText.isEmpty());
}

void ReportView::setStale(bool stale)
{
    stale_->setVisible(stale);
}

void ReportView::copyReport() const
{
    if (!plainText_.isEmpty()) // before the first press: nothing to copy, the clipboard kept
        QGuiApplication::clipboard()->setText(plainText_);
}

// The report as shown, picture included, to a PDF in the folder chosen the last time.
void ReportView::savePdf()
{
    const std::unique_ptr<QSettings> settings = userSettings();
    const QString folder = settings->value(pdfFolderKey, QDir::homePath()).toString();
    const QString path = QFileDialog::getSaveFileName(this,
                                                      fromView(Text::salvaPdfTitolo),
                                                      QDir(folder).filePath(pdfName_),
                                                      fromView(Text::filtroPdf));
    if (path.isEmpty())
        return;
    settings->setValue(pdfFolderKey, QFileInfo(path).absolutePath());
    if (const std::optional<QString> failure = writePdf(*text_->document(), path))
        showMessageBox(
            this,
            fromView(Messages::fill(Text::pdfNonSalvato,
                                    {viewOf(QDir::toNativeSeparators(path)), viewOf(*failure)})));
}

void ReportView::showInFront(const QWidget *anchor, const QRect &keepClear)
{
    if (!placed_) {
        placed_ = true;
        const QByteArray place = userSettings()->value(placeKey).toByteArray();
        if (place.isEmpty() || !restoreGeometry(place))
            placeBeside(anchor, keepClear);
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
}

void ReportView::hideEvent(QHideEvent *event)
{
    keepPlace();
    QWidget::hideEvent(event);
}

void ReportView::keepPlace() const
{
    userSettings()->setValue(placeKey, saveGeometry());
}

void ReportView::placeBeside(const QWidget *anchor, const QRect &keepClear)
{
    const QRect screen = anchor->screen()->availableGeometry();
    // About 60 characters wide, as the tooltips, and 3/4 of the screen tall: a report of a press
    // is taller, and the window opened before the first one is kept for it.
    const int width =
        std::min(62 * text_->fontMetrics().averageCharWidth()
                     + text_->verticalScrollBar()->sizeHint().width() + 2 * text_->frameWidth(),
                 screen.width());
    const int height = screen.height() * 3 / 4;

    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    QRect place(std::clamp(below.x(), screen.left(), screen.right() - width),
                std::clamp(below.y(), screen.top(), screen.bottom() - height),
                width,
                height);
    if (place.intersects(keepClear)) {
        // Beside the window, right or else left, level with its top as far as the screen allows;
        // or else over the window's left part, its picture, which the report shows too.
        const QRect window = anchor->window()->frameGeometry();
        const int top = std::clamp(window.top(), screen.top(), screen.bottom() - height);
        for (const int left : {window.right() + 1, window.left() - width, window.left()}) {
            const QRect candidate(left, top, width, height);
            if (screen.contains(candidate) && !candidate.intersects(keepClear)) {
                place = candidate;
                break;
            }
        }
    }
    setGeometry(place);
}
