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

void ResultField::setNotes(const QString &notes)
{
    setToolTip(notes);
    setAccessibleDescription(description_ + u'\n' + notes);
}

// Where QLabel lays out its text: inside the frame and the margin, indented on the aligned side.
QRect ResultField::textRect() const
{
    QRect room = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    int indent = this->indent();
    if (indent < 0 && frameWidth() > 0)
        indent = fontMetrics().horizontalAdvance(u'x') / 2 - margin();
    if (indent > 0)
        room.setRight(room.right() - indent);
    return room;
}

bool ResultField::isElided() const
{
    return fontMetrics().horizontalAdvance(text()) > textRect().width();
}

bool ResultField::event(QEvent *event)
{
    if (event->type() == QEvent::ToolTip && isElided()) {
        QString tip = text();
        if (!toolTip().isEmpty())
            tip += u'\n' + toolTip();
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
    if (hasSelectedText() && !elided) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    drawFrame(&painter);
    const QRect room = textRect();
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
