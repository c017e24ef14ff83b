#include "reportview.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

#include "messages.h"
#include "textview.h"

namespace {

// A text browser that shows the picture it is given.
class ReportBrowser : public QTextBrowser
{
public:
    ReportBrowser(const QPixmap &picture, QWidget *parent) : QTextBrowser(parent), picture_(picture)
    {}

protected:
    QVariant loadResource(int type, const QUrl &name) override
    {
        if (type == QTextDocument::ImageResource && name == QUrl(ReportView::pictureUrl))
            return picture_;
        return QTextBrowser::loadResource(type, name);
    }

private:
    QPixmap picture_;
};

} // namespace

const QString ReportView::pictureUrl = QStringLiteral("brenvola:circuit");

ReportView::ReportView(const QString &html,
                       const QString &plainText,
                       const QPixmap &picture,
                       const std::function<void()> &editCorners,
                       QWidget *window)
    : QFrame(window, Qt::Popup), plainText_(plainText)
{
    setObjectName("notesPopup");
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    browser_ = new ReportBrowser(picture, this);
    browser_->setObjectName("reportText");
    browser_->setFrameStyle(QFrame::NoFrame);
    browser_->setTabChangesFocus(true); // Tab reaches the buttons under it
    browser_->setHtml(html);
    layout->addWidget(browser_);
    auto *buttons = new QHBoxLayout;
    buttons->setContentsMargins(6, 6, 6, 6);
    auto *corners = new QPushButton(fromView(Messages::Note::ipotesiPulsante), this);
    corners->setObjectName("reportCorners");
    connect(corners, &QPushButton::clicked, this, [this, editCorners] {
        // The form opens once the popup has closed, from the window.
        QMetaObject::invokeMethod(parentWidget(), editCorners, Qt::QueuedConnection);
        close();
    });
    buttons->addWidget(corners);
    buttons->addStretch();
    if (!plainText.isEmpty()) {
        browser_->setAccessibleDescription(plainText);
        auto *copy = new QPushButton(fromView(Messages::Note::copia), this);
        copy->setObjectName("reportCopy");
        connect(copy, &QPushButton::clicked, this, &ReportView::copyReport);
        // Ctrl+C wherever the focus is in the view: the selection, or with none the report.
        auto *copyKey = new QShortcut(QKeySequence::Copy, this, this, [this] {
            if (browser_->textCursor().hasSelection())
                browser_->copy();
            else
                copyReport();
        });
        copyKey->setContext(Qt::WidgetWithChildrenShortcut);
        buttons->addWidget(copy);
    }
    layout->addLayout(buttons);
    setFocusProxy(browser_);
    // A text browser keeps Esc for itself; a popup closes on it.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
}

void ReportView::copyReport() const
{
    QGuiApplication::clipboard()->setText(plainText_);
}

void ReportView::showBeside(const QWidget *anchor, const QRect &keepClear)
{
    browser_->document()->adjustSize();
    const QRect screen = anchor->screen()->availableGeometry();
    const QSizeF text = browser_->document()->size();
    const int frame = 2 * frameWidth();
    const int buttons = layout()->count() > 1 ? layout()->itemAt(1)->sizeHint().height() : 0;
    const int width =
        static_cast<int>(text.width()) + frame + browser_->verticalScrollBar()->sizeHint().width();
    const int height =
        std::min(static_cast<int>(text.height()) + frame + buttons, screen.height() * 3 / 4);

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
    show();
    browser_->setFocus();
}
