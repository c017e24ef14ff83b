#include "notespopup.h"

#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTextBrowser>

#include <algorithm>

void showNotesPopup(QWidget *anchor, const QString &html)
{
    auto *popup = new QTextBrowser(anchor->window());
    popup->setObjectName("notesPopup");
    popup->setWindowFlags(Qt::Popup);
    popup->setAttribute(Qt::WA_DeleteOnClose);
    popup->setHtml(html);
    // A text browser keeps Esc for itself; a popup closes on it.
    new QShortcut(QKeySequence::Cancel, popup, popup, &QWidget::close);

    popup->document()->adjustSize();
    const QRect screen = anchor->screen()->availableGeometry();
    const QSizeF text = popup->document()->size();
    const int frame = 2 * popup->frameWidth();
    const int width =
        static_cast<int>(text.width()) + frame + popup->verticalScrollBar()->sizeHint().width();
    const int height = std::min(static_cast<int>(text.height()) + frame, screen.height() * 3 / 4);
    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    popup->setGeometry(std::clamp(below.x(), screen.left(), screen.right() - width),
                       std::clamp(below.y(), screen.top(), screen.bottom() - height),
                       width,
                       height);
    popup->show();
}
