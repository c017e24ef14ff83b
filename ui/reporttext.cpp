#include "reporttext.h"

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {

// What a screen reader reads of the report's text: its spoken text, a read-only text of many
// lines, with a caret of its own and no selection.
class ReportTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReportTextAccessible(ReportText *text)
        : QAccessibleWidget(text, QAccessible::EditableText)
    {}

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        return state;
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            return spoken();
        return QAccessibleWidget::text(type);
    }

    void selection(int /*selectionIndex*/, int *startOffset, int *endOffset) const override
    {
        *startOffset = 0;
        *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int /*startOffset*/, int /*endOffset*/) override {}
    void removeSelection(int /*selectionIndex*/) override {}
    void setSelection(int /*selectionIndex*/, int /*startOffset*/, int /*endOffset*/) override {}

    int cursorPosition() const override { return cursor_; }
    void setCursorPosition(int position) override { cursor_ = position; }

    QString text(int startOffset, int endOffset) const override
    {
        return spoken().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(spoken().size()); }

    QRect characterRect(int /*offset*/) const override { return {}; }
    int offsetAtPoint(const QPoint & /*point*/) const override { return -1; }
    void scrollToSubstring(int /*startIndex*/, int /*endIndex*/) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = offset;
        *endOffset = offset;
        return {};
    }

private:
    const QString &spoken() const
    {
        return static_cast<const ReportText *>(widget())->spokenText();
    }

    int cursor_ = 0;
};

QAccessibleInterface *reportTextAccessible(const QString &className, QObject *object)
{
    if (className == QLatin1String("ReportText"))
        if (auto *text = qobject_cast<ReportText *>(object))
            return new ReportTextAccessible(text);
    return nullptr;
}

} // namespace

ReportText::ReportText(QWidget *parent) : QTextBrowser(parent)
{
    static const bool installed = [] {
        QAccessible::installFactory(reportTextAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

bool ReportText::event(QEvent *event)
{
    // Ctrl+C with nothing selected is the window's: it copies the whole report.
    if (event->type() == QEvent::ShortcutOverride
        && static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)
        && !textCursor().hasSelection()) {
        event->ignore();
        return true;
    }
    return QTextBrowser::event(event);
}
