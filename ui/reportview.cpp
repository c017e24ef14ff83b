#include "reportview.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <memory>

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

// The fields of the project's block: caption, name, key in the settings.
struct ProjectField
{
    std::u16string_view caption;
    const char *name;
    QLatin1StringView key;
};
const std::array<ProjectField, 3> projectFields{{
    {Text::progetto, "reportProject", QLatin1StringView("report/project")},
    {Text::progettista, "reportDesigner", QLatin1StringView("report/designer")},
    {Text::revisione, "reportRevision", QLatin1StringView("report/revision")},
}};

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
                       const std::function<void()> &projectEdited,
                       QWidget *window)
    : QWidget(window, Qt::Window)
{
    setObjectName("reportWindow");
    setWindowTitle(fromView(Text::titoloFinestra));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    // The project's block, as typed the last time; each field kept and the report written again
    // once Enter or Tab leaves it changed.
    auto *head = new QGridLayout;
    head->setContentsMargins(6, 6, 6, 6);
    head->setHorizontalSpacing(8);
    const std::unique_ptr<QSettings> settings = userSettings();
    for (std::size_t i = 0; i < projectFields.size(); ++i) {
        const ProjectField &row = projectFields[i];
        auto *caption = new QLabel(fromView(row.caption), this);
        // A text, one line of printable characters; anything else stored is not read.
        const QVariant stored = settings->value(row.key);
        QString text = stored.typeId() == QMetaType::QString ? stored.toString() : QString();
        if (std::ranges::any_of(text, [](QChar c) { return c.category() == QChar::Other_Control; }))
            text.clear();
        projectKept_[i] = text;
        auto *field = new QLineEdit(text, this);
        field->setObjectName(row.name);
        field->setAccessibleName(fromView(row.caption));
        caption->setBuddy(field);
        connect(field, &QLineEdit::editingFinished, this, [this, projectEdited] {
            keepProject();
            projectEdited();
        });
        head->addWidget(caption, static_cast<int>(i), 0);
        head->addWidget(field, static_cast<int>(i), 1);
        project_[i] = field;
    }
    layout->addLayout(head);

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
    // Lines break between words only: a narrow column wraps "limite dell'uscita" after
    // "limite", never inside a word (a run too long for any line has its own breaks).
    text_->setWordWrapMode(QTextOption::WordWrap);
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
        keepProject();
        if (isVisible())
            keepPlace();
    });
}

void ReportView::setReport(const QString &html,
                           const QString &plainText,
                           const QPixmap &picture,
                           const QString &pdfName,
                           const QString &dated)
{
    plainText_ = plainText;
    pdfName_ = pdfName;
    dated_ = dated;
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
    // The first report of a press in a window opened before it.
    if (placed_ && isVisible() && !plainText.isEmpty())
        widenToTheReport();
}

ProjectBlock ReportView::project() const
{
    return {std::u16string(viewOf(project_[0]->text())),
            std::u16string(viewOf(project_[1]->text())),
            std::u16string(viewOf(project_[2]->text()))};
}

void ReportView::keepProject()
{
    for (std::size_t i = 0; i < projectFields.size(); ++i) {
        if (project_[i]->text() == projectKept_[i])
            continue;
        projectKept_[i] = project_[i]->text();
        userSettings()->setValue(projectFields[i].key, projectKept_[i]);
    }
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
    if (const std::optional<QString> failure = writePdfTo(path))
        showMessageBox(
            this,
            fromView(Messages::fill(Text::pdfNonSalvato,
                                    {viewOf(QDir::toNativeSeparators(path)), viewOf(*failure)})));
}

std::optional<QString> ReportView::writePdfTo(const QString &path) const
{
    return writePdf(*text_->document(), path, dated_);
}

void ReportView::showInFront(const QWidget *anchor, const QRect &keepClear)
{
    if (!placed_) {
        placed_ = true;
        const QByteArray place = userSettings()->value(placeKey).toByteArray();
        if (place.isEmpty() || !restoreGeometry(place))
            placeBeside(anchor, keepClear);
        else if (!plainText_.isEmpty())
            widenToTheReport();
    }
    show();
    raise();
    activateWindow();
    text_->setFocus();
}

void ReportView::hideEvent(QHideEvent *event)
{
    keepPlace();
    keepProject();
    QWidget::hideEvent(event);
}

// A place kept narrower than the report needs is widened once a run, as far as the screen
// allows: a table cut at its right reads wrong, while a window a little wider than chosen only
// covers more of the desktop. Its left edge stays, unless the screen's edge pushes it back.
void ReportView::widenToTheReport()
{
    if (widened_)
        return;
    widened_ = true;
    const QRect screen = this->screen()->availableGeometry();
    const int width = std::min(neededWidth(), screen.width());
    if (width <= this->width())
        return;
    QRect place = geometry();
    place.setWidth(width);
    if (place.right() > screen.right())
        place.moveRight(screen.right());
    setGeometry(place);
}

int ReportView::neededWidth() const
{
    // About 60 characters wide, as the tooltips, or as wide as the report's widest table or its
    // picture, which do not wrap: the document laid out at the narrower width shows how wide.
    const int prose = 62 * text_->fontMetrics().averageCharWidth();
    const std::unique_ptr<QTextDocument> laidOut(text_->document()->clone());
    laidOut->setTextWidth(prose);
    const int content = std::max(
        prose, static_cast<int>(std::ceil(laidOut->documentLayout()->documentSize().width())));
    return content + text_->verticalScrollBar()->sizeHint().width() + 2 * text_->frameWidth();
}

void ReportView::keepPlace() const
{
    userSettings()->setValue(placeKey, saveGeometry());
}

void ReportView::placeBeside(const QWidget *anchor, const QRect &keepClear)
{
    const QRect screen = anchor->screen()->availableGeometry();
    // As wide as the report needs, and 3/4 of the screen tall: a report of a press is taller, and
    // the window opened before the first one is kept for it.
    if (!plainText_.isEmpty())
        widened_ = true;
    const int width = std::min(neededWidth(), screen.width());
    const int height = screen.height() * 3 / 4;

    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    QRect place(std::clamp(below.x(), screen.left(), screen.right() - width),
                std::clamp(below.y(), screen.top(), screen.bottom() - height),
                width,
                height);
    if (place.intersects(keepClear)) {
        // Beside the window, right or else left, level with its top as far as the screen allows;
        // or at the screen's right edge, over the window's margin beyond the results; or else
        // over the window's left part, its picture, which the report shows too. A screen too
        // small for any keeps the report whole below the results.
        const QRect window = anchor->window()->frameGeometry();
        const int top = std::clamp(window.top(), screen.top(), screen.bottom() - height);
        for (const int left : {window.right() + 1,
                               window.left() - width,
                               screen.right() + 1 - width,
                               window.left()}) {
            const QRect candidate(left, top, width, height);
            if (screen.contains(candidate) && !candidate.intersects(keepClear)) {
                place = candidate;
                break;
            }
        }
    }
    setGeometry(place);
}
