#include "resultfield.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QToolTip>

#include <algorithm>

#include "nominal/messages.h"
#include "notes/notemodel.h"
#include "noteshtml.h"
#include "textview.h"

ResultField::ResultField(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setMargin(1);
    // Selectable for copying; a mouse-only interaction keeps the field out of the Tab chain.
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void ResultField::setDescription(const QString &description)
{
    description_ = description;
    setAccessibleDescription(description);
}

void ResultField::setNotes(const ResultNotes &notes)
{
    notes_ = notesHtml(notes);
    setToolTip(sixtyCharactersWide(notes_ + keyboardHint()));
    setAccessibleDescription(description_ + u'\n' + fromView(notes.sentences()));
    update();
}

// How a keyboard reaches the notes, below them.
QString ResultField::keyboardHint() const
{
    if (notes_.isEmpty())
        return {};
    return QStringLiteral("<p><i>%1</i></p>").arg(fromView(Messages::Note::tastiera));
}

// A round mark, a line of text high, at the left end of the field.
QRect ResultField::markRect() const
{
    const QRect inside = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    const int side = std::min(fontMetrics().height(), inside.height());
    return {inside.left() + 2, inside.top() + (inside.height() - side) / 2, side, side};
}

// Where QLabel lays out its text, indented on the aligned side; right of the mark, if any.
QRect ResultField::captionRect() const
{
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (indent > 0)
        room.setRight(room.right() - indent);
    if (!notes_.isEmpty())
        room.setLeft(markRect().right() + 3);
    return room;
}

bool ResultField::isElided() const
{
    return fontMetrics().horizontalAdvance(text()) > captionRect().width();
}

bool ResultField::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && isElided()) {
        const QString whole = QStringLiteral("<p>%1</p>").arg(wrappingText(text()));
        const QString tip = sixtyCharactersWide(whole + notes_ + keyboardHint());
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(), tip, this);
        return true;
    }
    return QLabel::event(event);
}

// Qt's own label offers a menu only over a link; a result offers what any text field does, in
// the toolkit's words (and so in its translation). With nothing selected, "Copy" copies the
// whole result.
void ResultField::contextMenuEvent(QContextMenuEvent *event)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    QAction *copy =
        menu->addAction(QCoreApplication::translate("QWidgetTextControl", "&Copy"), this, [this] {
            QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text());
        });
    copy->setEnabled(!text().isEmpty());
    menu->addAction(QCoreApplication::translate("QWidgetTextControl", "Select All"), this, [this] {
        setSelection(0, static_cast<int>(text().size()));
    });
    menu->popup(event->globalPos());
}

// Painted as a plain label paints, so that a result that fits looks as it always has; a
// selection shows through QLabel's own painting, where the text fits.
void ResultField::paintEvent(QPaintEvent *event)
{
    const bool elided = isElided();
    if (hasSelectedText() && !elided)
        QLabel::paintEvent(event);
    else
        paintCaption(elided);
    if (!!notes_.isEmpty())
        return;
    // The mark: a white "i" on a dark blue disc, 7.8 : 1 against the white field.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRect mark = markRect();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x0b, 0x53, 0x94));
    painter.drawEllipse(mark);
    painter.setPen(Qt::white);
    painter.drawText(mark, Qt::AlignCenter, QStringLiteral("i"));
}

void ResultField::paintCaption(bool elided)
{
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = captionRect();
    const QString shown =
        elided ? fontMetrics().elidedText(text(), Qt::ElideLeft, room.width()) : text();
    QStyleOption option;
    option.initFrom(this);
    style()->drawItemText(&painter,
                          room,
                          int(alignment()) | Qt::TextForceLeftToRight,
                          option.palette,
                          isEnabled(),
                          shown,
                          foregroundRole());
}
